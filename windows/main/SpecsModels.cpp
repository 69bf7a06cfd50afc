// The row list and the model filter S_MODELDROP. The row list is the selection's; the hidden
// list box S_LIST keeps its place in the design (its colours mark the selected row, its
// double-click opens the model page) but holds no copy of the records.
#include "core/Text.h"
#include "windows/main/SpecsWindow.h"

namespace orv::windows {

using namespace core;

void SpecsWindow::setUpScrollBar() {
  const auto records = selection_.rows().size();
  if (records <= static_cast<std::size_t>(kGridRows)) {
    S_SCROLL->setVisible(false);
  } else {
    S_SCROLL->setMax(static_cast<int>(records) - kGridRows);
    S_SCROLL->setVisible(true);
  }
}

void SpecsWindow::F_LOADMODEL() {
  S_MAKE->setText(toUpper(trimBlanks(S_MAKE->text())));
  // While the filter's tag is "1" no model groups are offered.
  GroupSink offer;
  if (S_MODELDROP->tag != "1")
    offer = [this](std::string_view group) { S_MODELDROP->addItem(std::string(group)); };
  if (!selection_.chooseRows(S_MAKE->text(), "", offer)) return;

  setUpScrollBar();
  F_LINE_SET2(-1);
  S_SCROLL->setValue(0);
  setSinkEntry(S_SCROLL->value());
  F_SCROLL();
  S_SCROLL2->setListIndex(0);
}

void SpecsWindow::F_LOADMODEL2(bool in_set) {
  if (!selection_.chooseRows(S_MAKE->text(), S_MODELDROP->text())) return;

  if (in_set) {
    setUpScrollBar();
    F_LINE_SET2(-1);
    S_SCROLL->setValue(0);
    S_SCROLL2->setListIndex(0);
  }
  F_SCROLL();
}

void SpecsWindow::S_MODELDROP_GotFocus() {
  S_MODELDROP->tag = S_MODELDROP->text();
}

void SpecsWindow::S_MODELDROP_Click() {
  F_LOADMODEL2(true);
  S_MODELDROP->tag = S_MODELDROP->text();
}

void SpecsWindow::S_MODELDROP_KeyPress(int& keyAscii) {
  if (keyAscii == form::kAsciiEnter) {
    F_LOADMODEL2(true);
    S_MODELDROP->tag = S_MODELDROP->text();
  }
  keyAscii = upperChar(keyAscii);
}

void SpecsWindow::S_MODELDROP_LostFocus() {
  if (S_MODELDROP->text() == S_MODELDROP->tag) return;
  F_LOADMODEL2(true);
  resetGridPosition();
}

}  // namespace orv::windows

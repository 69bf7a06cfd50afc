// The row list (the hidden list box S_LIST) and the model filter S_MODELDROP.
#include <optional>

#include "core/RowList.h"
#include "core/TagText.h"
#include "core/Text.h"
#include "core/YearWalk.h"
#include "windows/main/SpecsWindow.h"

namespace orv::windows {

using namespace core;

void SpecsWindow::setUpScrollBar() {
  const int records = S_LIST->count();
  if (records <= kGridRows) {
    S_SCROLL->setVisible(false);
  } else {
    S_SCROLL->setMax(records - kGridRows);
    S_SCROLL->setVisible(true);
  }
}

void SpecsWindow::F_LOADMODEL() {
  S_MAKE->setText(toUpper(trimBlanks(S_MAKE->text())));
  const std::string wanted = S_MAKE->text();
  if (wanted.empty()) return;

  S_LIST->clear();
  // While the filter's tag is "1" no model groups are offered.
  const bool addGroups = S_MODELDROP->tag != "1";
  std::optional<std::string> lastGroup;
  forEachModelRecord(state_.yearData, wanted, [&](std::string_view record) {
    S_LIST->addItem(std::string(record));
    if (!addGroups) return;
    const std::string_view group = firstWord(tagValue(record, "MO", ""));
    if (!lastGroup || *lastGroup != group) {
      lastGroup = std::string(group);
      S_MODELDROP->addItem(*lastGroup);
    }
  });

  setUpScrollBar();
  F_LINE_SET2(-1);
  S_SCROLL->setValue(0);
  setSinkEntry(S_SCROLL->value());
  F_SCROLL();
  S_SCROLL2->setListIndex(0);
}

void SpecsWindow::F_LOADMODEL2(bool in_set) {
  const std::string wanted = toUpper(trimBlanks(S_MAKE->text()));
  if (wanted.empty()) return;

  S_LIST->clear();
  for (const std::string_view record : rowList(state_.yearData, wanted, S_MODELDROP->text()))
    S_LIST->addItem(std::string(record));

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

// Year and make selection: when the year file is read, when the make list is built and
// when the model records are reloaded. A box's tag holds the text it had when it got the
// focus or was last confirmed; leaving it with another text is a change.
#include "core/Text.h"
#include "core/YearWalk.h"
#include "windows/main/SpecsWindow.h"

namespace orv::windows {

using namespace core;

bool SpecsWindow::readYearFile() {
  if (selection_.readYear(env_.places, S_YEAR->text())) return true;
  message(kCannotReadYear);
  return false;
}

// Keeps the model filter text and applies it again to the new year's records.
void SpecsWindow::reloadForNewYear() {
  S_MODELDROP->tag = S_MODELDROP->text();
  S_MODELDROP->clear();
  S_MODELDROP->addItem(" ");
  F_LOADMODEL();
  S_MODELDROP->setText(S_MODELDROP->tag);
  F_LOADMODEL2(true);
}

// Drops the model filter.
void SpecsWindow::reloadForNewMake() {
  S_MODELDROP->clear();
  S_MODELDROP->addItem(" ");
  F_LOADMODEL();
}

void SpecsWindow::resetGridPosition() {
  selection_.setCurrentRow(0);
  S_SCROLL->setValue(0);
  S_SCROLL2->setListIndex(0);
}

void SpecsWindow::S_YEAR_GotFocus() {
  S_YEAR->tag = S_YEAR->text();
}

void SpecsWindow::S_YEAR_Click() {
  // The tag stays: leaving the box afterwards reads the same file again and resets the grid.
  if (readYearFile()) reloadForNewYear();
}

void SpecsWindow::S_YEAR_KeyPress(int& keyAscii) {
  if (keyAscii != form::kAsciiEnter) return;
  // Enter works on the year data already in memory; the typed year's file is not read.
  reloadForNewYear();
  S_YEAR->tag = S_YEAR->text();
}

void SpecsWindow::S_YEAR_LostFocus() {
  if (S_YEAR->text() == S_YEAR->tag) return;
  if (!readYearFile()) return;  // the tag stays, so the next lost focus tries again
  S_YEAR->tag = S_YEAR->text();
  reloadForNewYear();
  resetGridPosition();
}

void SpecsWindow::S_MAKE_GotFocus() {
  S_MAKE->tag = S_MAKE->text();
}

void SpecsWindow::S_MAKE_DropDown() {
  const std::string typed = S_MAKE->text();
  S_MAKE->clear();
  if (!selection_.yearText().empty()) {
    for (auto& name : makeNames(selection_.yearText())) S_MAKE->addItem(std::move(name));
  }
  S_MAKE->setText(typed);
}

void SpecsWindow::S_MAKE_Click() {
  reloadForNewMake();
  S_MAKE->tag = S_MAKE->text();
}

void SpecsWindow::S_MAKE_KeyPress(int& keyAscii) {
  if (keyAscii == form::kAsciiEnter) {
    reloadForNewMake();
    S_MAKE->tag = S_MAKE->text();
  }
  keyAscii = upperChar(keyAscii);
}

void SpecsWindow::S_MAKE_LostFocus() {
  if (S_MAKE->text() == S_MAKE->tag) return;
  reloadForNewMake();
  resetGridPosition();
}

}  // namespace orv::windows

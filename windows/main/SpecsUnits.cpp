// The unit box: a valid first letter redraws the grid in place; leaving it with a blank or
// unknown text sends the focus back. The text itself is never corrected.
#include "core/Format.h"
#include "core/Text.h"
#include "windows/main/SpecsWindow.h"

namespace orv::windows {

using namespace core;

namespace {
// Blanks are not removed for this test: " Imperial" does not redraw.
bool startsWithUnitLetter(const std::string& text) {
  if (text.empty()) return false;
  const char c = upperChar(text.front());
  return c == 'I' || c == 'M';
}
}  // namespace

void SpecsWindow::S_UNITS_Change() {
  // The person's text chooses the units of everything shown from now on (" I" reads as
  // imperial), though only a valid first letter redraws the grid at once.
  selection_.setUnits(unitSystemOf(S_UNITS->text()));
  if (startsWithUnitLetter(S_UNITS->text())) F_LOADMODEL2(false);
}

void SpecsWindow::S_UNITS_Click() {
  S_UNITS_Change();
}

void SpecsWindow::S_UNITS_LostFocus() {
  if (trimBlanks(S_UNITS->text()).empty()) {
    message("Units can not be blank.");
    S_UNITS->setFocus();
    return;
  }
  if (!startsWithUnitLetter(S_UNITS->text())) {
    message("Units must be Metric or Imperial");
    S_UNITS->setFocus();
  }
}

}  // namespace orv::windows

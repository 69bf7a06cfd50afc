#include "windows/main/SpecsWindow.h"

#include "windows/search/SearchWindow.h"
#include "windows/similar/SisterWindow.h"

namespace orv::windows {

SpecsWindow::SpecsWindow(SpecsEnvironment env)
    : env_(std::move(env)),
      form_("F_SPECS", "Orvane", form::Rect{2850, 840, 11985, 9495}, form::Font{"Arial", 9.75}) {
  buildDesign();
  connectEvents();
  buildMenus();
}

SpecsWindow::~SpecsWindow() = default;

void SpecsWindow::connectEvents() {
  form_.onLoad = [this] { Form_Load(); };
  form_.onActivate = [this] { Form_Activate(); };
  form_.onQueryUnload = [this](int& cancel, int mode) { Form_QueryUnload(cancel, mode); };

  S_UNITS->onChange = [this] { S_UNITS_Change(); };
  S_UNITS->onClick = [this] { S_UNITS_Click(); };
  S_UNITS->onLostFocus = [this] { S_UNITS_LostFocus(); };

  S_YEAR->onGotFocus = [this] { S_YEAR_GotFocus(); };
  S_YEAR->onClick = [this] { S_YEAR_Click(); };
  S_YEAR->onKeyPress = [this](int& k) { S_YEAR_KeyPress(k); };
  S_YEAR->onLostFocus = [this] { S_YEAR_LostFocus(); };

  S_MAKE->onGotFocus = [this] { S_MAKE_GotFocus(); };
  S_MAKE->onDropDown = [this] { S_MAKE_DropDown(); };
  S_MAKE->onClick = [this] { S_MAKE_Click(); };
  S_MAKE->onKeyPress = [this](int& k) { S_MAKE_KeyPress(k); };
  S_MAKE->onLostFocus = [this] { S_MAKE_LostFocus(); };

  S_MODELDROP->onGotFocus = [this] { S_MODELDROP_GotFocus(); };
  S_MODELDROP->onClick = [this] { S_MODELDROP_Click(); };
  S_MODELDROP->onKeyPress = [this](int& k) { S_MODELDROP_KeyPress(k); };
  S_MODELDROP->onLostFocus = [this] { S_MODELDROP_LostFocus(); };

  S_SCROLL->onChange = [this] { S_SCROLL_Change(); };
  S_SCROLL2->onGotFocus = [this] { S_SCROLL2_GotFocus(); };
  S_SCROLL2->onLostFocus = [this] { S_SCROLL2_LostFocus(); };
  S_SCROLL2->onKeyDown = [this](int code, int shift) { S_SCROLL2_KeyDown(code, shift); };
  S_LIST->onDblClick = [this] { S_CELL_DblClick(0); };

  for (int row = 0; row < kGridRows; ++row) {
    // The mouse wheel over any cell scrolls the grid as it would over its scroll bar.
    S_MODEL[row]->wheelTarget = S_SCROLL;
    for (auto& column : S_TEXT) column[row]->wheelTarget = S_SCROLL;
    S_MODEL[row]->onClick = [this, row] { S_MODEL_Click(row); };
    S_MODEL[row]->onGotFocus = [this, row] { S_MODEL_GotFocus(row); };
    S_MODEL[row]->onLostFocus = [this, row] { S_MODEL_LostFocus(row); };
    S_MODEL[row]->onDblClick = [this, row] { S_CELL_DblClick(row); };
    // A right-click selects the row, as a click does, before its context menu opens.
    S_MODEL[row]->popupMenu = kRowMenu;
    S_MODEL[row]->onContextMenu = [this, row] { S_MODEL_Click(row); };
    for (auto& column : S_TEXT) {
      column[row]->onClick = [this, row] { S_TEXT_Click(row); };
      column[row]->onDblClick = [this, row] { S_CELL_DblClick(row); };
      column[row]->popupMenu = kRowMenu;
      column[row]->onContextMenu = [this, row] { S_TEXT_Click(row); };
    }
  }

  B_CLOSE->onClick = [this] { B_CLOSE_Click(); };
  B_MODEL->onClick = [this] { B_MODEL_Click(); };
  B_MAKE->onClick = [this] { B_MAKE_Click(); };
  B_YEAR->onClick = [this] { B_YEAR_Click(); };
  B_LEGEND->onClick = [this] { B_LEGEND_Click(); };
  B_HISTORY->onClick = [this] { B_HISTORY_Click(); };
  B_HELP->onClick = [this] { B_HELP_Click(); };
  B_SEARCH->onClick = [this] { B_SEARCH_Click(); };
}

}  // namespace orv::windows

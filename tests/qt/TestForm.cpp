#include "TestForm.h"

namespace orv::testing {

using form::Kind;

TestForm::TestForm() {
  auto place = [](form::Control& c, form::Rect r, int tab) -> form::Control& {
    c.rect = r;
    c.tabIndex = tab;
    return c;
  };
  auto label = [&](const char* name, const char* caption, form::Rect r, int tab) {
    form::Control& l = place(form.addControl(Kind::Label, name), r, tab);
    l.setCaption(caption);
    l.setBackColor(form::kSystemButtonFace);
    l.font = {"MS Sans Serif", 9.75};
    return &l;
  };
  auto logged = [this](form::Control& c) {
    const std::string n = c.displayName();
    c.onGotFocus = [this, n] { log.push_back("GotFocus " + n); };
    c.onLostFocus = [this, n] { log.push_back("LostFocus " + n); };
    c.onClick = [this, n] { log.push_back("Click " + n); };
    c.onDblClick = [this, n] { log.push_back("DblClick " + n); };
  };

  // Topmost first.
  B_GO = &place(form.addControl(Kind::CommandButton, "B_GO"), {4200, 120, 1000, 375}, 9);
  B_GO->setCaption("&Go");
  B_GO->tabStop = false;
  B_GO->onClick = [this] {
    ++goClicks;
    log.push_back("Click B_GO");
  };

  S_FRAME = &place(form.addControl(Kind::Frame, "S_FRAME"), {240, 1440, 225, 1500}, 10);
  S_FRAME->setCaption("Frame1");
  S_FRAME->setBackColor(form::kSystemButtonFace);
  Line1 = &form.addControl(Kind::Line, "Line1");
  Line1->rect = {180, 0, 0, 1485};
  Line1->container = S_FRAME;

  S_KIND = &form.add<form::ComboBox>("S_KIND");
  place(*S_KIND, {1500, 600, 2400, 315}, 4);
  S_KIND->font = {"MS Sans Serif", 8.25};
  logged(*S_KIND);
  S_SINK = &form.add<form::ComboBox>("S_SINK");
  place(*S_SINK, {1500, 600, 1155, 315}, 6);
  logged(*S_SINK);
  S_SINK->onKeyDown = [this](int code, int shift) {
    log.push_back("KeyDown S_SINK " + std::to_string(code) + " " + std::to_string(shift));
  };

  S_NAME = &form.add<form::ComboBox>("S_NAME");
  place(*S_NAME, {1500, 120, 2400, 315}, 2);
  S_NAME->font = {"MS Sans Serif", 8.25};
  logged(*S_NAME);
  S_NAME->onKeyPress = [this](int& key) {
    log.push_back("KeyPress S_NAME " + std::to_string(key));
    if (key >= 'a' && key <= 'z') key -= 32;  // names are upper case
    if (key >= '0' && key <= '9') key = 0;    // and hold no digits
  };
  S_NAME->onChange = [this] { log.push_back("Change S_NAME " + S_NAME->text()); };
  S_NAME->onDropDown = [this] {
    log.push_back("DropDown S_NAME");
    S_NAME->clear();
    for (const auto& e : dropDownEntries) S_NAME->addItem(e);
  };
  S_NAME->onClick = [this] { log.push_back("Click S_NAME " + S_NAME->text()); };

  Label1 = label("Label1", "&Name:", {120, 150, 1200, 285}, 1);
  Label2 = label("Label2", "&Kind:", {120, 630, 1200, 285}, 3);
  L_GRID = label("L_GRID", "\r\nGri&d", {300, 900, 1500, 525}, 5);
  L_GRID->border = true;
  L_A = label("L_A", "A\r\nWB", {1785, 900, 705, 525}, 20);
  L_A->border = true;
  L_A->alignment = form::Align::Center;
  L_B = label("L_B", "B\nOL", {2475, 900, 705, 525}, 21);
  L_B->border = true;
  L_B->alignment = form::Align::Center;

  // Two rows of cells; row 0 lies over row 1 by 60 twips.
  for (int row = 0; row < 2; ++row) {
    form::Control& c = form.addControl(Kind::TextBox, "S_CELL", row);
    place(c, {300, 1440 + 540 * row, 1500, 600}, 11 + row);
    c.multiLine = c.readOnly = true;
    c.tabStop = false;
    c.font = {"Arial", 9.75};
    c.border = true;
    c.alignment = form::Align::Center;
    logged(c);
    // A click on a cell selects it and hands the keyboard to the receiver, as a grid does.
    c.onClick = [this, &c] {
      log.push_back("Click " + c.displayName());
      S_SINK->setFocus();
    };
    S_CELL[row] = &c;
  }

  S_SCROLL = &form.add<form::ScrollBar>("S_SCROLL");
  place(*S_SCROLL, {5400, 1440, 255, 2000}, 13);
  S_SCROLL->tabStop = false;
  S_SCROLL->onChange = [this] {
    log.push_back("Change S_SCROLL " + std::to_string(S_SCROLL->value()));
  };

  S_LIST = &form.add<form::ListBox>("S_LIST");
  place(*S_LIST, {4000, 2000, 1275, 1500}, 14);
  S_LIST->setVisible(false);
  S_LIST->tabStop = false;

  form.onActivate = [this] { log.push_back("Activate"); };
  form.onQueryUnload = [this](int& cancel, int mode) {
    log.push_back("QueryUnload " + std::to_string(mode));
    cancel = queryUnloadCancel;
  };
  form.onUnload = [this] { log.push_back("Unload"); };
}

}  // namespace orv::testing

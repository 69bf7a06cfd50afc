// A small form for the view tests, built like the program's windows are: labels with
// access keys, combo boxes, a button, two overlapping read-only cells under two-line
// headings, a scroll bar, a hidden list box, a check box outside the tab order and a keyboard
// receiver lying under a combo box. Its handlers write what happened into `log`.
#pragma once

#include <initializer_list>
#include <string>
#include <type_traits>
#include <vector>

#include "form/Form.h"

namespace orv::testing {

using form::Kind;

struct TestForm {
  form::Form form{"F_TEST", "Test window", {0, 0, 6000, 4500}, {"Arial", 9.75}};
  std::vector<std::string> log;
  int queryUnloadCancel = 0;

  template <class T = form::Control>
  T& add(Kind kind, const char* name, form::Rect r, int tab, const char* caption = "",
         int index = -1) {
    T* c = nullptr;
    if constexpr (std::is_same_v<T, form::Control>)
      c = &form.addControl(kind, name, index);
    else
      c = &form.add<T>(name);
    c->rect = r;
    c->tabIndex = tab;
    if (*caption) c->setCaption(caption);
    return *c;
  }
  void logged(form::Control& c) {
    const std::string n = c.displayName();
    c.onGotFocus = [this, n] { log.push_back("GotFocus " + n); };
    c.onLostFocus = [this, n] { log.push_back("LostFocus " + n); };
    c.onClick = [this, n] { log.push_back("Click " + n); };
    c.onDblClick = [this, n] { log.push_back("DblClick " + n); };
  }
  // Topmost first.
  form::Control& B_GO = add(Kind::CommandButton, "B_GO", {4200, 120, 1000, 375}, 9, "&Go");
  form::ComboBox& S_KIND = add<form::ComboBox>(Kind::ComboBox, "S_KIND", {1500, 600, 2400, 315}, 4);
  form::ComboBox& S_SINK = add<form::ComboBox>(Kind::ComboBox, "S_SINK", {1500, 600, 1155, 315}, 6);
  form::ComboBox& S_NAME = add<form::ComboBox>(Kind::ComboBox, "S_NAME", {1500, 120, 2400, 315}, 2);
  form::Control& Label1 = add(Kind::Label, "Label1", {120, 150, 1200, 285}, 1, "&Name:");
  form::Control& Label2 = add(Kind::Label, "Label2", {120, 630, 1200, 285}, 3, "&Kind:");
  form::Control& L_GRID = add(Kind::Label, "L_GRID", {300, 900, 1500, 525}, 5, "\r\nGri&d");
  form::Control& L_B = add(Kind::Label, "L_B", {2475, 900, 705, 525}, 21, "B\nOL");
  // Row 0 lies over row 1 by 60 twips.
  form::Control* S_CELL[2] = {&add(Kind::TextBox, "S_CELL", {300, 1440, 1500, 600}, 11, "", 0),
                              &add(Kind::TextBox, "S_CELL", {300, 1980, 1500, 600}, 12, "", 1)};
  form::ScrollBar& S_SCROLL =
      add<form::ScrollBar>(Kind::ScrollBar, "S_SCROLL", {5400, 1440, 255, 2000}, 13);
  form::ListBox& S_LIST = add<form::ListBox>(Kind::ListBox, "S_LIST", {4000, 2000, 1275, 1500}, 14);
  // A one-line box of at most five characters, as the search window's range boxes are.
  form::Control& S_RANGE = add(Kind::TextBox, "S_RANGE", {2400, 3200, 885, 405}, 7);
  form::CheckBox& S_METRIC =
      add<form::CheckBox>(Kind::CheckBox, "S_METRIC", {300, 3300, 1800, 300}, -1, "&Metric");

  TestForm() {
    B_GO.onClick = [this] { log.push_back("Click B_GO"); };
    for (form::Control* c : std::initializer_list<form::Control*>{
             S_CELL[0], S_CELL[1], &S_KIND, &S_SINK, &S_NAME, &S_RANGE, &S_LIST, &S_METRIC})
      logged(*c);
    S_SINK.onKeyDown = [this](int code, int shift) {
      log.push_back("KeyDown S_SINK " + std::to_string(code) + " " + std::to_string(shift));
    };
    S_NAME.onKeyPress = [this](int& key) {
      log.push_back("KeyPress S_NAME " + std::to_string(key));
      if (key >= 'a' && key <= 'z') key -= 32;  // names are upper case
      if (key >= '0' && key <= '9') key = 0;    // and hold no digits
    };
    S_NAME.onDropDown = [this] {
      log.push_back("DropDown S_NAME");
      S_NAME.clear();
      for (const char* e : {"ALPHA", "BRAVO", "CHARLIE"}) S_NAME.addItem(e);
    };
    for (form::Control* c : S_CELL) {
      c->multiLine = c->readOnly = c->border = true;
      c->tabStop = false;
      c->wheelTarget = &S_SCROLL;
      // A click on a cell selects it and hands the keyboard to the receiver, as a grid does.
      c->onClick = [this, c] {
        log.push_back("Click " + c->displayName());
        S_SINK.setFocus();
      };
    }
    B_GO.tabStop = S_SCROLL.tabStop = S_LIST.tabStop = false;
    // A scroll step hands the keyboard to the receiver, as the grid's scroll bar does.
    S_SCROLL.onChange = [this] {
      log.push_back("Change S_SCROLL " + std::to_string(S_SCROLL.value()));
      S_SINK.setFocus();
    };
    S_RANGE.maxLength = 5;
    S_LIST.setVisible(false);
    form.onActivate = [this] { log.push_back("Activate"); };
    form.onQueryUnload = [this](int& cancel, int) { cancel = queryUnloadCancel; };
    form.onUnload = [this] { log.push_back("Unload"); };
  }
};

}  // namespace orv::testing

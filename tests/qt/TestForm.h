// A small form for the view tests, built like the program's windows are: labels with
// access keys, combo boxes, a button, a two-row grid of read-only cells under two-line
// headings, a scroll bar, a hidden list box, a frame with a line, and a keyboard receiver
// lying under a combo box. Its handlers write what happened into `log`.
#pragma once

#include <string>
#include <vector>

#include "ui/form/Form.h"

namespace orv::testing {

struct TestForm {
  TestForm();
  form::Form form{"F_TEST", "Test window", {0, 0, 6000, 4500}, {"Arial", 9.75}};
  form::Control* Label1 = nullptr;  // "&Name:" leads to S_NAME
  form::ComboBox* S_NAME = nullptr;
  form::Control* Label2 = nullptr;  // "&Kind:" leads to S_KIND
  form::ComboBox* S_KIND = nullptr;
  form::Control* L_GRID = nullptr;   // "\r\nGri&d" leads to S_SINK
  form::ComboBox* S_SINK = nullptr;  // lies wholly under S_KIND
  form::Control* B_GO = nullptr;     // "&Go"
  form::Control* L_A = nullptr;      // "A\r\nWB"
  form::Control* L_B = nullptr;      // "B\nOL"
  form::Control* S_CELL[2] = {};
  form::ScrollBar* S_SCROLL = nullptr;
  form::ListBox* S_LIST = nullptr;
  form::Control* S_FRAME = nullptr;
  form::Control* Line1 = nullptr;

  std::vector<std::string> log;
  std::vector<std::string> dropDownEntries{"ALPHA", "BRAVO", "CHARLIE"};
  int goClicks = 0;
  int queryUnloadCancel = 0;
};

}  // namespace orv::testing

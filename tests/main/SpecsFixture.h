// A main window over fresh temporary folders, driven the way a person drives it: every
// action goes through the same user* calls the Qt view makes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "DesktopRecorder.h"
#include "TempFolder.h"
#include "YearRecords.h"
#include "windows/main/SpecsWindow.h"

namespace orv::testing {

using namespace orv::core;
using namespace orv::windows;

namespace fs = std::filesystem;

// `count` records of one make with models "<prefix> 1" ... in file order.
inline std::string manyRecords(const std::string& make, const std::string& prefix, int count) {
  std::string out;
  for (int i = 1; i <= count; ++i)
    out += record(make, prefix + " " + std::to_string(i), dims(200 + i % 140));
  return out;
}

// Records of the make ALDER with these models.
inline std::string alder(const std::vector<std::string>& models) {
  std::string out;
  for (const auto& model : models) out += record("ALDER", model, dims(250));
  return out;
}

class SpecsFixture : public ::testing::Test {
 protected:
  SpecsFixture() {
    for (const char* folder : {"data", "program"}) fs::create_directories(root_ / folder);
  }

  void writeData(const std::string& name, const std::string& content) {
    test::writeBytes(root_ / "data" / name, content);
  }

  // Loads the window (Form_Load) and activates it once (Form_Activate).
  void start(int calendarYear = 2019) {
    window_ = std::make_unique<SpecsWindow>(SpecsEnvironment{
        places_, desk_.desktop(), [calendarYear] { return calendarYear; }, [this] { ++quits_; }});
    w().form().load();
    w().form().show();
    w().form().userActivate();
    // Start-up messages are kept apart so later expectations see only their own.
    startup_ = desk_.messages();
    desk_.shown.clear();
  }
  SpecsWindow& w() { return *window_; }
  // Starts over a version text and this calendar year's file.
  void startWith(const std::string& year2019) {
    writeData("VERSION.TXT", "2018.2\r\n");
    writeData("SP2019.TXT", year2019);
    start(2019);
  }
  // A make ALDER with `count` models named "M 1" ... chosen, and the keyboard on the grid.
  void startWithModels(int count) {
    startWith(manyRecords("ALDER", "M", count) + manyRecords("BRISK", "B", 5));
    chooseMake();
    focus(w().S_SCROLL2);
  }

  // --- a person's actions ---
  void focus(form::Control* c) { c->userFocus(); }
  void typeInto(form::Control* box, const std::string& text) {
    focus(box);
    std::string now = box->text();
    for (char ch : text) {
      const int k = box->userKeyPress(static_cast<unsigned char>(ch));
      if (k != 0) box->userType(now += static_cast<char>(k));
    }
  }
  void replaceText(form::Control* box, const std::string& text) {
    focus(box);
    box->userType("");
    typeInto(box, text);
  }
  void pressEnter(form::Control* box) { box->userKeyPress(form::kAsciiEnter); }
  void pick(form::ListControl* box, const std::string& entry) {
    focus(box);
    box->userDropDown();
    const auto& items = box->items();  // an entry not there selects nothing
    box->userSelect(static_cast<int>(std::find(items.begin(), items.end(), entry) - items.begin()));
  }
  void chooseMake(const std::string& make = "ALDER") { pick(w().S_MAKE, make); }
  void click(form::Control* c) {
    focus(c);
    c->userClick();
  }

  // --- what a person sees ---
  std::string model(int row) { return w().S_MODEL[row]->text(); }
  std::string cell(int column, int row) { return w().S_TEXT[column - 1][row]->text(); }
  int highlighted() {
    int found = -1;
    for (int r = 0; r < SpecsWindow::kGridRows; ++r)
      if (w().S_MODEL[r]->backColor() == 0x00800000) found = found == -1 ? r : -2;
    return found;  // -2: two rows highlighted
  }
  std::string focusName() { return w().form().focus() ? w().form().focus()->displayName() : ""; }

  test::TempFolder root_;
  Places places_{root_ / "data", root_ / "program", root_ / "report"};
  DesktopRecorder desk_;
  std::unique_ptr<SpecsWindow> window_;
  int quits_ = 0;
  std::vector<std::string> startup_;
};

}  // namespace orv::testing

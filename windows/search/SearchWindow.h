// The search window F_SEARCH: opened modally from the main window, it checks the six range
// boxes, runs the scan over every year file and writes REPORT.TXT in the current folder,
// which it hands to the desktop's viewer. Not the scan itself (SearchScan.h) and not the
// design table (SearchDesign.h).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "core/Format.h"
#include "core/Places.h"
#include "form/Desktop.h"
#include "form/Form.h"

namespace orv::windows {

class SearchWindow {
 public:
  // `lastYear` is the last model year searched, as the main window holds it.
  SearchWindow(const core::Places& places, form::Desktop& desktop, std::string lastYear);
  SearchWindow(const SearchWindow&) = delete;
  SearchWindow& operator=(const SearchWindow&) = delete;

  // B_SEARCH_Click's part: rebuilds the window from its design state, shows the unit system
  // of the ranges in L_UNITS ("(cm)" or "(inches)"), gives S_WB1 the focus and shows it
  // modally. Returns once closed.
  void open(core::UnitSystem units);

  // The form of the last opening (in its design state before the first); valid until the
  // next opening.
  form::Form* form() const { return form_.get(); }

  // Event procedures, wired to the form's controls.
  void B_RUN_Click();
  void B_CLOSE_Click();

 private:
  // A fresh form in its design state, with the pointers below taken from it.
  void buildForm();
  // The texts of the six range boxes in window order.
  std::array<std::string, 6> rangeTexts() const;
  void runSearch();

  const core::Places& places_;
  form::Desktop desktop_;
  std::string lastYear_;
  core::UnitSystem units_ = core::UnitSystem::Metric;  // of the ranges, for the whole opening
  std::unique_ptr<form::Form> form_;
  // The range boxes in window order: S_WB1, S_WB2, S_FTW1, S_FTW2, S_RTW1, S_RTW2.
  std::array<form::Control*, 6> ranges_{};
  form::Control* B_RUN = nullptr;
  form::Control* B_CLOSE = nullptr;
  form::Control* S_FRAME = nullptr;
  form::Control* L_UNITS = nullptr;
};

}  // namespace orv::windows

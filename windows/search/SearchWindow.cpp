#include "SearchWindow.h"

#include <array>
#include <filesystem>
#include <stdexcept>

#include "FileProcs.h"
#include "Format.h"
#include "NewFile.h"
#include "Numbers.h"
#include "SearchDesign.h"
#include "SearchScan.h"
#include "Text.h"

namespace orv::search {

namespace {

constexpr std::string_view kReportName = "REPORT.TXT";

// The file messages keep two blanks after each full stop and after each comma.
constexpr std::string_view kCannotDelete =
    "Can not delete the file REPORT.TXT in the Kalvo folder.  If a previous report is open,  "
    "close it and run the search again.  Otherwise,  delete the file manually.";
constexpr std::string_view kExists =
    "The file REPORT.TXT exists in the Kalvo folder.  If a previous report is open,  close it "
    "and run the search again.  Otherwise,  delete the file manually.";
constexpr std::string_view kOverLimit =
    "The search returned over 2000 hits and has been automatically stopped.  Use smaller "
    "ranges and try again.";
constexpr std::string_view kCannotWrite =
    "The file REPORT.TXT could not be written in the Kalvo folder.  Make sure the folder can "
    "be written to and the disk is not full,  then run the search again.";

// The six range boxes in check order, with the message each shows when not numeric.
struct RangeBox {
  std::string_view name;
  std::string_view notNumeric;
};
constexpr std::array<RangeBox, 6> kRangeBoxes{{
    {"S_WB1", "Starting Wheelbase must be numeric"},
    {"S_WB2", "Ending Wheelbase must be numeric"},
    {"S_FTW1", "Starting Front track width must be numeric"},
    {"S_FTW2", "Ending Front track width must be numeric"},
    {"S_RTW1", "Starting Rear track width must be numeric"},
    {"S_RTW2", "Ending Rear track width must be numeric"},
}};

bool isBlank(const form::Control& box) {
  return trimBlanks(box.text()).empty();
}

}  // namespace

SearchWindow::SearchWindow(const Places& places, form::Desktop& desktop, std::string lastYear)
    : places_(places), desktop_(desktop), lastYear_(std::move(lastYear)) {}

form::Control& SearchWindow::control(std::string_view name) const {
  form::Control* c = form_->find(name);
  if (!c) throw std::logic_error("F_SEARCH has no control " + std::string(name));
  return *c;
}

void SearchWindow::build(std::string_view unitsText) {
  // Every opening starts from the design state: the ranges of the last opening are gone.
  form_ = buildSearchForm();
  control("B_RUN").onClick = [this] { B_RUN_Click(); };
  control("B_CLOSE").onClick = [this] { B_CLOSE_Click(); };
  control("L_UNITS").setCaption(isMetric(unitsText) ? "(cm)" : "(inches)");
  form_->load();
  form_->setFocus(&control("S_WB1"));
}

void SearchWindow::open(std::string_view unitsText) {
  if (form_ && form_->shown()) return;  // already open: the main window is disabled anyway
  build(unitsText);
  desktop_.modal.showModal(*form_);
}

void SearchWindow::B_CLOSE_Click() {
  form_->unload();
}

bool SearchWindow::checkPair(form::Control& first, form::Control& second,
                             std::string_view message) {
  if (isBlank(first) == isBlank(second)) return true;
  desktop_.boxes.message(message);
  (isBlank(first) ? first : second).setFocus();
  return false;
}

void SearchWindow::B_RUN_Click() {
  // The previous result goes first, so that a click stopped by a check leaves none behind.
  if (!F_KILLFILE(places_, kReportName)) {
    desktop_.boxes.message(kCannotDelete);
    return;
  }
  for (const RangeBox& box : kRangeBoxes) {
    const form::Control& c = control(box.name);
    if (!isBlank(c) && !isDecimalNumber(c.text())) {
      desktop_.boxes.message(box.notNumeric);
      return;
    }
  }
  // Front track, rear track, then wheelbase, although the window lists wheelbase first.
  if (!checkPair(control("S_FTW1"), control("S_FTW2"),
                 "You must specify both starting and ending Front track width values."))
    return;
  if (!checkPair(control("S_RTW1"), control("S_RTW2"),
                 "You must specify both starting and ending Rear track width values."))
    return;
  if (!checkPair(control("S_WB1"), control("S_WB2"),
                 "You must specify both starting and ending Wheelbase values."))
    return;
  runSearch();
}

void SearchWindow::runSearch() {
  form::Control& frame = control("S_FRAME");
  frame.setVisible(true);
  frame.bringToFront();
  // Twice, so that the frame is painted before the scan blocks the window.
  desktop_.pump.processPendingEvents();
  desktop_.pump.processPendingEvents();

  std::array<std::string, 6> texts;
  RangeTexts boxes;
  for (std::size_t i = 0; i < kRangeBoxes.size(); ++i) {
    texts[i] = control(kRangeBoxes[i].name).text();
    boxes[i] = texts[i];
  }
  const SearchResult result = scanYears(boxes, control("L_UNITS").caption(), places_, lastYear_);

  frame.setVisible(false);
  desktop_.pump.processPendingEvents();

  if (result.stopped) desktop_.boxes.message(kOverLimit);

  const auto path = places_.currentFile(kReportName);
  std::error_code ec;
  // symlink_status: a dangling link under the name counts as present too.
  if (!path || std::filesystem::exists(std::filesystem::symlink_status(*path, ec))) {
    desktop_.boxes.message(kExists);
    return;
  }
  const std::string error = writeNewFile(*path, result.text);
  if (!error.empty()) {
    // No viewer for a file that is missing or incomplete; the writer removed what it wrote.
    desktop_.boxes.message(std::string(kCannotWrite) + "\n\n" + error);
    return;
  }
  desktop_.opener.openDocument(path->string());
}

}  // namespace orv::search

#include "windows/search/SearchWindow.h"

#include <array>
#include <filesystem>

#include "core/FileProcs.h"
#include "core/Format.h"
#include "core/SharedState.h"
#include "core/TextWriter.h"
#include "output/search/SearchChecks.h"
#include "output/search/SearchScan.h"
#include "windows/search/SearchDesign.h"

namespace orv::windows {

using namespace core;
using namespace output;

namespace {

constexpr std::string_view kReportName = "REPORT.TXT";

// The file messages keep two blanks after each full stop and after each comma.
constexpr std::string_view kCannotDelete =
    "Can not delete the file REPORT.TXT in the Kalvo folder.  If a previous report is open,  "
    "close it and run the search again.  Otherwise,  delete the file manually.";
constexpr std::string_view kExists =
    "The file REPORT.TXT exists in the Kalvo folder.  If a previous report is open,  close it "
    "and run the search again.  Otherwise,  delete the file manually.";
constexpr std::string_view kCannotWrite =
    "The file REPORT.TXT could not be written in the Kalvo folder.  Make sure the folder can "
    "be written to and the disk is not full,  then run the search again.";

// The six range boxes in window order, the order of the range texts and their checks.
constexpr std::array<std::string_view, 6> kRangeBoxes{"S_WB1",  "S_WB2",  "S_FTW1",
                                                      "S_FTW2", "S_RTW1", "S_RTW2"};

RangeTexts viewsOf(const std::array<std::string, 6>& texts) {
  RangeTexts boxes;
  for (std::size_t i = 0; i < texts.size(); ++i) boxes[i] = texts[i];
  return boxes;
}

}  // namespace

SearchWindow::SearchWindow(const Places& places, form::Desktop& desktop, std::string lastYear)
    : places_(places), desktop_(desktop), lastYear_(std::move(lastYear)) {
  buildForm();  // so that a design error shows when the window is made, not on a click
}

void SearchWindow::buildForm() {
  form_ = buildSearchForm();
  for (std::size_t i = 0; i < ranges_.size(); ++i) ranges_[i] = &form_->get(kRangeBoxes[i]);
  B_RUN = &form_->get("B_RUN");
  B_CLOSE = &form_->get("B_CLOSE");
  S_FRAME = &form_->get("S_FRAME");
  L_UNITS = &form_->get("L_UNITS");
  B_RUN->onClick = [this] { B_RUN_Click(); };
  B_CLOSE->onClick = [this] { B_CLOSE_Click(); };
}

void SearchWindow::open(UnitSystem units) {
  if (form_->shown()) return;  // already open: the main window is disabled anyway
  // Every opening starts from the design state: the ranges of the last opening are gone.
  buildForm();
  units_ = units;
  L_UNITS->setCaption(units == UnitSystem::Metric ? "(cm)" : "(inches)");
  form_->load();
  form_->setFocus(ranges_.front());
  desktop_.modal.showModal(*form_);
}

void SearchWindow::B_CLOSE_Click() {
  form_->unload();
}

void SearchWindow::B_RUN_Click() {
  // The previous result goes first, so that a click stopped by a check leaves none behind.
  if (!F_KILLFILE(places_, kReportName)) {
    desktop_.boxes.message(kCannotDelete);
    return;
  }
  const auto texts = rangeTexts();
  if (const auto problem = checkRanges(viewsOf(texts))) {
    desktop_.boxes.message(problem->message);
    if (problem->focusBox >= 0) ranges_[static_cast<std::size_t>(problem->focusBox)]->setFocus();
    return;
  }
  runSearch();
}

std::array<std::string, 6> SearchWindow::rangeTexts() const {
  std::array<std::string, 6> texts;
  for (std::size_t i = 0; i < ranges_.size(); ++i) texts[i] = ranges_[i]->text();
  return texts;
}

void SearchWindow::runSearch() {
  S_FRAME->setVisible(true);
  S_FRAME->bringToFront();
  // Twice, so that the frame is painted before the scan blocks the window.
  desktop_.pump.processPendingEvents();
  desktop_.pump.processPendingEvents();

  const auto texts = rangeTexts();
  const SearchResult result = scanYears(viewsOf(texts), units_, places_, lastModelYear(lastYear_));

  S_FRAME->setVisible(false);
  desktop_.pump.processPendingEvents();

  if (result.stopped) desktop_.boxes.message(kOverLimitMessage);

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

}  // namespace orv::windows

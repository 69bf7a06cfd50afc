// The report buttons, Help and the search button. Each report builds its whole page from
// the window's state, writes the one page file and asks the desktop to open it.
#include "core/FileProcs.h"
#include "core/Text.h"
#include "output/reports/HistoryReport.h"
#include "output/reports/Legend.h"
#include "output/reports/MakeReport.h"
#include "output/reports/ModelReport.h"
#include "output/reports/PageOutput.h"
#include "output/reports/ReportMessages.h"
#include "output/reports/YearReport.h"
#include "windows/main/SpecsWindow.h"
#include "windows/search/SearchWindow.h"

namespace orv::windows {

using namespace core;
using namespace output;

namespace {
constexpr std::string_view kUserGuide = "ORV User Guide - Final March 2012.pdf";
}

void SpecsWindow::afterReport() {
  S_SCROLL2->setFocus();
}

bool SpecsWindow::showPage(const std::string& page) {
  // A page that cannot be written is reported and leaves the window as it was.
  const std::string problem = writePage(env_.places, page);
  if (!problem.empty()) {
    message(problem);
    return false;
  }
  env_.desktop.opener.openDocument(pageFilePath(env_.places)->string());
  afterReport();
  return true;
}

std::string_view SpecsWindow::currentModel() const {
  const auto vehicle = selection_.currentVehicle();
  return vehicle ? trimBlanks(vehicle->record.shownModel()) : std::string_view();
}

void SpecsWindow::B_MODEL_Click() {
  const std::string_view model = currentModel();
  if (model.empty()) {
    message(kNoModelSelected);
    return;
  }
  showPage(modelReportPage(S_YEAR->text(), S_MAKE->text(), model, selection_.rows(),
                           selection_.units(), state_.versionText));
}

void SpecsWindow::B_MAKE_Click() {
  if (trimBlanks(S_MAKE->text()).empty()) {
    message(kNoMakeSelected);
    S_MAKE->setFocus();
    return;
  }
  showPage(makeReportPage(S_YEAR->text(), S_MAKE->text(), selection_.rows(), selection_.units(),
                          state_.versionText));
}

void SpecsWindow::B_YEAR_Click() {
  if (trimBlanks(S_YEAR->text()).empty()) {
    message(kNoYearSelected);
    S_YEAR->setFocus();
    return;
  }
  const auto answer =
      env_.desktop.boxes.askYesNoCancel("Display each model on a single line with small text?");
  if (answer == form::Answer::Cancel) return;

  // The page is written piece by piece as the records are walked.
  std::string problem;
  auto page = openPageFile(env_.places, problem);
  if (page && !(writeYearReport(selection_.yearText(), S_YEAR->text(), selection_.units(),
                                answer == form::Answer::Yes,
                                [&](std::string_view piece) { return page->write(piece); }) &&
                page->finish()))
    problem = pageFailure(page->error());
  if (!problem.empty()) {
    message(problem);
    return;
  }
  env_.desktop.opener.openDocument(page->path().string());
  afterReport();
}

void SpecsWindow::B_LEGEND_Click() {
  showPage(legendPage());
}

void SpecsWindow::B_HISTORY_Click() {
  const std::string history = F_READFILE(env_.places, "VERSION.TXT");
  if (historyIsMissing(history)) {
    message(kNoHistory);
    return;
  }
  showPage(historyPage(history));
}

void SpecsWindow::B_HELP_Click() {
  // Neither checks that the guide exists nor reports the outcome.
  env_.desktop.opener.openDocument(env_.places.programFile(kUserGuide).string());
  afterReport();
}

void SpecsWindow::B_SEARCH_Click() {
  if (!search_)
    search_ = std::make_unique<SearchWindow>(env_.places, env_.desktop, state_.lastYear);
  search_->open(selection_.units());  // returns once the search window has closed
  S_SCROLL2->setFocus();
}

}  // namespace orv::windows

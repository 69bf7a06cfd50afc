// The report buttons, Help and the search button.
#include "ui/main/SpecsWindow.h"

namespace orv {

namespace {
constexpr std::string_view kUserGuide = "ORV User Guide - Final March 2012.pdf";
}

void SpecsWindow::afterReport() {
  S_SCROLL2->setFocus();
}

void SpecsWindow::B_HELP_Click() {
  // Neither checks that the guide exists nor reports the outcome.
  env_.desktop.opener.openDocument(env_.places.programFile(kUserGuide).string());
  afterReport();
}

// Filled in by the report pages and the search window.
void SpecsWindow::B_MODEL_Click() {}
void SpecsWindow::B_MAKE_Click() {}
void SpecsWindow::B_YEAR_Click() {}
void SpecsWindow::B_LEGEND_Click() {}
void SpecsWindow::B_HISTORY_Click() {}
void SpecsWindow::B_SEARCH_Click() {}

}  // namespace orv

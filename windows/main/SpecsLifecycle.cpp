// Start-up, first activation and closing of the main window, and the stored unit choice.
#include "core/FileProcs.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "core/TextWriter.h"
#include "windows/main/SpecsWindow.h"

namespace orv::windows {

using namespace core;

namespace {
constexpr int kNumberedSinkEntries = 500;
constexpr int kBlankSinkEntries = 300;
}  // namespace

void SpecsWindow::Form_Load() {
  readVersion(state_, env_.places);

  S_UNITS->clear();
  S_UNITS->addItem("Metric");
  S_UNITS->addItem("Imperial");

  S_SCROLL2->reserve(kNumberedSinkEntries + kBlankSinkEntries);
  for (int i = 1; i <= kNumberedSinkEntries; ++i) S_SCROLL2->addItem(std::to_string(i));

  selection_.setCurrentRow(0);
  S_FRAME->setBackColor(form_.backColor);
  S_SCROLL->setVisible(false);

  for (auto& year : yearList(state_.lastYear)) S_YEAR->addItem(std::move(year));

  // The year two before the last; without a usable version file there is none to select.
  const long defaultIndex = std::stol(state_.lastYear) - kFirstModelYear - 2;
  if (defaultIndex >= 0 && defaultIndex < S_YEAR->count())
    S_YEAR->setListIndex(static_cast<int>(defaultIndex));

  S_YEAR->setText(std::to_string(env_.calendarYear()));
  const std::string fileName = "SP" + S_YEAR->text() + ".txt";
  if (!selection_.readYearFile(env_.places, fileName, S_YEAR->text()))
    message("Problem loading Specs file: " + fileName);

  L_MODEL1->setCaption("\r\nMOD&EL");
  // Letter code over the main dimension of the same column; CR LF and a bare LF both break.
  L_TEXT[0]->setCaption("A\r\nWB");
  L_TEXT[1]->setCaption("B\nOL");
  L_TEXT[2]->setCaption("C\nOW");
  L_TEXT[3]->setCaption("D\nOH");
  L_TEXT[4]->setCaption("E\nCW");
  L_TEXT[5]->setCaption("F\nTF");
  L_TEXT[6]->setCaption("G\nTR");
  L_TEXT[7]->setCaption("\r\nWD");

  form_.setCaption("Orvane - Version " + state_.versionText);
  F_MAKEPATH(env_.places, "C:\\TEMP\\");
}

void SpecsWindow::Form_Activate() {
  if (form_.tag == "1") return;
  S_SCROLL2->setTop(S_MODELDROP->rect.top);
  S_SCROLL2->setLeft(S_MODELDROP->rect.left);
  for (int i = 0; i < kBlankSinkEntries; ++i) S_SCROLL2->addItem(" ");
  S_MAKE->setFocus();
  form_.tag = "1";

  const std::string stored = readWholeFile(env_.places.unitFile());
  const bool imperial = !stored.empty() && upperChar(stored.front()) == 'I';
  S_UNITS->setText(imperial ? "Imperial" : "Metric");
  F_LINE_SET2(-1);
}

void SpecsWindow::Form_QueryUnload(int& /*cancel*/, int /*unloadMode*/) {
  // Store the first letter of the unit choice; failures are ignored and never stop closing.
  const auto units = trimBlanks(S_UNITS->text());
  const std::string letter = units.empty() ? std::string() : std::string(1, upperChar(units[0]));
  writeNewFile(env_.places.unitFile(), letter);
}

void SpecsWindow::B_CLOSE_Click() {
  form_.unload(1);
  if (env_.quit) env_.quit();
}

}  // namespace orv::windows

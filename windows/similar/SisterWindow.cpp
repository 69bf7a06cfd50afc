#include "windows/similar/SisterWindow.h"

#include <algorithm>

#include "core/SharedState.h"
#include "output/reports/PageOutput.h"
#include "output/similar/Generations.h"
#include "output/similar/SimilarOutput.h"
#include "output/similar/SimilarVehicles.h"
#include "output/similar/Wording.h"
#include "windows/similar/SisterDesign.h"

namespace orv::windows {

using namespace core;
using namespace output;

namespace {

constexpr std::string_view kNoVehicle = "No vehicle chosen: type the values to compare.";
constexpr std::string_view kSearching = "Searching...";

// A caption shows a text as it is: "&" would mark an access key.
std::string asCaption(std::string_view text) {
  std::string caption;
  for (const char c : text) caption += c == '&' ? "&&" : std::string(1, c);
  return caption;
}

bool checkedByDefault(Field field) {
  return std::find(kDefaultMeasures.begin(), kDefaultMeasures.end(), field) !=
         kDefaultMeasures.end();
}

// True when every measure compared has the vehicle's own value.
bool valuesAreOwn(const Wanted& wanted, const Measurements& own) {
  return std::all_of(wanted.by.begin(), wanted.by.end(),
                     [&](const Criterion& c) { return wanted.values[c.field] == own[c.field]; });
}

}  // namespace

SisterWindow::SisterWindow(const Places& places, form::Desktop& desktop, std::string versionText,
                           std::string lastYear)
    : places_(places),
      desktop_(desktop),
      versionText_(std::move(versionText)),
      lastYear_(std::move(lastYear)) {
  buildForm();  // so that a design error shows when the window is made, not on a click
}

void SisterWindow::buildForm() {
  form_ = buildSisterForm();
  for (int i = 0; i < kSisterLines; ++i) {
    const auto line = static_cast<std::size_t>(i);
    C_USE[line] = &form_->get<form::CheckBox>("C_USE", i);
    S_VALUE[line] = &form_->get("S_VALUE", i);
    S_TOL[line] = &form_->get("S_TOL", i);
  }
  B_RUN = &form_->get("B_RUN");
  B_CLOSE = &form_->get("B_CLOSE");
  L_VEHICLE = &form_->get("L_VEHICLE");
  L_UNITS = &form_->get("L_UNITS");
  L_STATUS = &form_->get("L_STATUS");
  B_RUN->onClick = [this] { B_RUN_Click(); };
  B_CLOSE->onClick = [this] { B_CLOSE_Click(); };
}

void SisterWindow::open(std::optional<Vehicle> reference, UnitSystem units) {
  if (form_->shown()) return;  // already open: the main window is disabled anyway
  // Every opening starts from the design state: the values of the last opening are gone.
  buildForm();
  vehicle_ = std::move(reference);
  vehicleValues_ = vehicle_ ? measurementsOf(vehicle_->record) : Measurements{};
  units_ = units;
  fill(units);
  form_->load();
  form_->setFocus(S_VALUE[WB]);
  desktop_.modal.showModal(*form_);
}

void SisterWindow::fill(UnitSystem units) {
  L_UNITS->setCaption(units == UnitSystem::Metric
                          ? "Values and tolerances in cm, CW in kg"
                          : "Values and tolerances in inches, CW in pounds");
  L_VEHICLE->setCaption(vehicle_ ? "Values of " + asCaption(vehicle_->name())
                                 : std::string(kNoVehicle));
  for (int i = 0; i < kSisterLines; ++i) {
    const auto field = static_cast<Field>(i);
    const auto line = static_cast<std::size_t>(i);
    shownValues_[line] = shownMeasure(vehicleValues_[line], field, units);
    shownTolerances_[line] = shownTolerance(defaultTolerance(field), field, units);
    S_VALUE[line]->setText(shownValues_[line].text);
    S_TOL[line]->setText(shownTolerances_[line].text);
    // A measure the vehicle lacks would only stop the run with a message.
    C_USE[line]->setChecked(checkedByDefault(field) && (!vehicle_ || vehicleValues_[line]));
  }
}

void SisterWindow::B_CLOSE_Click() {
  form_->unload();
}

MeasureLines SisterWindow::lines() const {
  MeasureLines lines;
  for (std::size_t i = 0; i < lines.size(); ++i)
    lines[i] = {C_USE[i]->checked(), S_VALUE[i]->text(), S_TOL[i]->text(), shownValues_[i],
                shownTolerances_[i]};
  return lines;
}

form::Control& SisterWindow::boxOf(const LineProblem& problem) const {
  const auto line = static_cast<std::size_t>(problem.line);
  if (problem.box == LineBox::Value) return *S_VALUE[line];
  if (problem.box == LineBox::Tolerance) return *S_TOL[line];
  return *C_USE[line];
}

void SisterWindow::B_RUN_Click() {
  if (running_) return;
  const auto read = readLines(lines(), units_);
  if (const auto* problem = std::get_if<LineProblem>(&read)) {
    // Nothing is written: the page of an earlier run stays as it was.
    desktop_.boxes.message(problem->message);
    boxOf(*problem).setFocus();
    return;
  }
  running_ = true;
  run(std::get<Wanted>(read));
  running_ = false;
}

void SisterWindow::run(const Wanted& wanted) {
  L_STATUS->setCaption(std::string(kSearching));
  // Twice, so that the status is painted before the scan blocks the window.
  desktop_.pump.processPendingEvents();
  desktop_.pump.processPendingEvents();

  SimilarRequest request;
  request.by = wanted.by;
  request.units = units_;
  const int lastYear = lastModelYear(lastYear_);
  // The vehicle itself while its values stand as shown; once one is changed, typed values.
  if (vehicle_ && valuesAreOwn(wanted, vehicleValues_))
    request.held = vehicle_;
  else
    request.typed = wanted.values;
  const SistersAndGenerations found = findSistersAndGenerations(request, places_, lastYear);
  const SimilarResult& result = found.sisters;
  const auto& generations = found.generations;
  L_STATUS->setCaption("");
  desktop_.pump.processPendingEvents();

  if (!result.problem.empty()) {
    desktop_.boxes.message(result.problem);
    return;
  }
  const std::string page = similarPage(result, generations ? &*generations : nullptr, versionText_);
  if (const std::string problem = writePage(places_, page); !problem.empty()) {
    desktop_.boxes.message(problem);
    return;
  }
  L_STATUS->setCaption(foundText(result.found));
  desktop_.opener.openDocument(pageFilePath(places_)->string());
}

}  // namespace orv::windows

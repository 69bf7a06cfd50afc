// The sister-vehicle window F_SISTER: opened modally from the main window for the vehicle of
// the selected grid row (or empty, for typed values such as tyre marks measured at a scene),
// it compares every vehicle of every year file with the checked measures and writes the page
// of the matches through the page file, like the reports, and asks the desktop to open it.
// It stays open for another run. Not the comparison (output/similar) and not the design
// table (SisterDesign.h); the lines' texts are read by MeasureLines.h.
//
// The reference: the vehicle itself while every checked value is its own (each left as
// shown, or typed as the same number); it is then left out of the matches and the page also
// shows its model's generations. Once a checked value differs, the typed values are the
// reference, with no generations. The vehicle is found again by year, make and model, as the
// command line finds it; should that name lead to a record with other measures (a model
// named twice in its make, or a year file changed since it was read), the row's values are
// compared as typed values instead.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "core/Format.h"
#include "core/Places.h"
#include "core/Vehicle.h"
#include "form/Desktop.h"
#include "form/Form.h"
#include "output/similar/Measures.h"
#include "windows/similar/MeasureLines.h"

namespace orv::windows {

class SisterWindow {
 public:
  // `versionText` names the source on the page; `lastYear` is the last model year searched,
  // as the main window holds them.
  SisterWindow(const core::Places& places, form::Desktop& desktop, std::string versionText,
               std::string lastYear);
  SisterWindow(const SisterWindow&) = delete;
  SisterWindow& operator=(const SisterWindow&) = delete;

  // Rebuilds the window from its design state and fills it: each line's value from
  // `reference` (empty without one, and where it has no value) and its default tolerance (1
  // cm, CW 25 kg), in `units`, which L_UNITS names; WB, TF and TR checked where they have a
  // value (all three without a vehicle). The focus starts on WB's value. Shows it modally and
  // returns once closed.
  void open(std::optional<core::Vehicle> reference, core::UnitSystem units);

  // The form of the last opening (in its design state before the first); valid until the
  // next opening.
  form::Form* form() const { return form_.get(); }

  // Event procedures, wired to the form's controls.
  void B_RUN_Click();
  void B_CLOSE_Click();

 private:
  void buildForm();
  void fill(core::UnitSystem units);
  MeasureLines lines() const;
  form::Control& boxOf(const LineProblem& problem) const;
  void run(const Wanted& wanted);

  const core::Places& places_;
  form::Desktop desktop_;
  std::string versionText_;
  std::string lastYear_;
  std::optional<core::Vehicle> vehicle_;  // of this opening
  output::Measurements vehicleValues_{};  // its measures; nothing without a vehicle
  core::UnitSystem units_ = core::UnitSystem::Metric;
  std::array<ShownNumber, kSisterLines> shownValues_, shownTolerances_;
  bool running_ = false;  // a run pumps events: a second Enter must not start another

  std::unique_ptr<form::Form> form_;
  std::array<form::CheckBox*, kSisterLines> C_USE{};
  std::array<form::Control*, kSisterLines> S_VALUE{};
  std::array<form::Control*, kSisterLines> S_TOL{};
  form::Control* B_RUN = nullptr;
  form::Control* B_CLOSE = nullptr;
  form::Control* L_VEHICLE = nullptr;
  form::Control* L_UNITS = nullptr;
  form::Control* L_STATUS = nullptr;
};

}  // namespace orv::windows

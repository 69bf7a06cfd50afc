// The designed form of the sister-vehicle window F_SISTER: a line per measure A to CW (a check
// box with the measure's code, its name, the value box and the tolerance box), the vehicle
// and unit labels above them, the status line and the Run and Close buttons below. Builds a
// fresh form in its design state; the behaviour lives in SisterWindow.
#pragma once

#include <memory>

#include "core/Fields.h"
#include "form/Form.h"

namespace orv::windows {

inline constexpr const char* kSisterCaption = "Find Sister Vehicles";

// One line per measure, top to bottom; line `i` (element `i` of the control arrays C_USE,
// L_MEASURE, S_VALUE, L_WITHIN and S_TOL) is the measure core::Field(i).
inline constexpr int kSisterLines = core::CW + 1;

// A new F_SISTER form: every box empty, no line checked, the labels blank, B_RUN the Enter
// button and B_CLOSE the Escape button. Tab goes line by line (check box, value, tolerance),
// then to Run and Close; Alt+R runs, Alt+C closes.
std::unique_ptr<form::Form> buildSisterForm();

}  // namespace orv::windows

// The designed form of the search window F_SEARCH: every control with its caption,
// place, size, font, stacking and tab order. Builds a fresh form in its design state;
// the behaviour lives in SearchWindow.
#pragma once

#include <memory>

#include "form/Form.h"

namespace orv::windows {

inline constexpr const char* kSearchCaption = "Wheelbase / Track Width Search";

// A new F_SEARCH form: all six range boxes empty, S_FRAME hidden, L_UNITS reading "(cm)",
// B_RUN the Enter button and B_CLOSE the Escape button.
std::unique_ptr<form::Form> buildSearchForm();

}  // namespace orv::windows

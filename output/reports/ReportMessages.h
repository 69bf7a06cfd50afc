// What a report says instead of writing a page when its choice is missing.
#pragma once

#include <string_view>

namespace orv::output {

inline constexpr std::string_view kNoModelSelected = "No Model selected.";
inline constexpr std::string_view kNoMakeSelected = "No Make is selected.";
inline constexpr std::string_view kNoYearSelected = "No Year is selected.";
// Also for an empty, blank or unreadable VERSION.TXT.
inline constexpr std::string_view kNoHistory = "History file does not exist.";

}  // namespace orv::output

// The values the main window shares with its reports and the search for the whole run: the
// version text and the last model year. The year data, the row list and the grid position
// are the selection's (Selection.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Places.h"

namespace orv::core {

struct SharedState {
  std::string versionText;  // first six characters of VERSION.TXT
  std::string lastYear;     // release year + 1, as text ("1" or "0" without a usable version)
};

// Start-up's first step: the version text (the first six characters of VERSION.TXT in the
// current folder) and the last year.
void readVersion(SharedState& state, const Places& places);

// The last year as computed at start-up: numeric reading of the version text's first four
// characters plus 1.
std::string lastYearOf(const std::string& versionText);

// The first model year offered and searched.
inline constexpr int kFirstModelYear = 1971;

// The last model year searched: the numeric reading of the last year, never beyond 9999
// (year file names have four digits).
int lastModelYear(const std::string& lastYear);

// The entries of the year list: each year from 1971 up to the last year (never beyond 9999,
// so a version text naming a later year does not make a list of millions).
std::vector<std::string> yearList(const std::string& lastYear);

}  // namespace orv::core

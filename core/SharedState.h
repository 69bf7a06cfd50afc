// The values the main window shares with its reports and the search for the whole run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Places.h"

namespace orv::core {

struct SharedState {
  std::string yearData;     // whole text of the year file last loaded; "" or "-1" after a failure
  std::string versionText;  // first six characters of VERSION.TXT
  std::string lastYear;     // release year + 1, as text ("1" or "0" without a usable version)
  int currentRow = 0;       // highlighted grid row, 0 to 13
};

// Start-up's first step: the version text (the first six characters of VERSION.TXT in the
// current folder) and the last year.
void readVersion(SharedState& state, const Places& places);

// Shown when the year file of a chosen year is missing, empty or unreadable.
inline constexpr std::string_view kCannotReadYear = "Can not read specs for this year.";

// True when year data read from a file can be shown: neither "" nor "-1", and holding at
// least one make element. Otherwise "-1" stays and anything else (random bytes, another kind
// of file under the name) is emptied, so every reader treats it as an empty file.
bool keepIfSpecs(std::string& yearData);

// Reads the year file of a chosen or typed year, "SP" + the year text trimmed + ".TXT", into
// the year data. False when it is missing, empty, unreadable or holds no make: the year data
// then holds "" or "-1" and the caller says kCannotReadYear. A year text with a folder part is no
// bare name and so never leaves the current folder.
bool readYearFile(SharedState& state, const Places& places, std::string_view yearText);

// The last year as computed at start-up: numeric reading of the version text's first four
// characters plus 1.
std::string lastYearOf(const std::string& versionText);

// The first model year offered and searched.
inline constexpr int kFirstModelYear = 1971;

// The entries of the year list: each year from 1971 up to the last year (never beyond 9999,
// so a version text naming a later year does not make a list of millions).
std::vector<std::string> yearList(const std::string& lastYear);

}  // namespace orv::core

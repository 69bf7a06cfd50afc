// Invented sample data for trying the viewer and for tests and benchmarks: year files
// SP1971.TXT up to the last year and a VERSION.TXT. Every make and model name is made up.
// Output is a pure function of its arguments: a fixed number stream with a constant start
// value, never the clock, so two runs write byte-identical files. Not a source of real data.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "core/SharedState.h"

namespace orv::sample {

// The data set begins where the viewer's year list begins.
inline constexpr int kFirstYear = core::kFirstModelYear;

// The last year written when none is asked for: the year after `calendarYear`, never before
// 2027, so a fresh start finds the file of the current calendar year.
int defaultLastYear(int calendarYear);

// The year file of one model year, CR LF line ends; depends on `year` only.
std::string yearText(int year);

// VERSION.TXT for data whose last model year is `lastYear` (release year lastYear - 1).
std::string versionText(int lastYear);

// One very large year file for benchmarks: at least `minBytes` of records (up to about
// 500 MB) over many makes, sorted by make, in the same record style as the sample files.
std::string bulkYearText(std::size_t minBytes);

// Writes SP1971.TXT ... SP<lastYear>.TXT and VERSION.TXT into `folder` (created when
// missing), replacing older files of those names. Empty on success, else what went wrong.
std::string writeSampleData(const std::filesystem::path& folder, int lastYear);

}  // namespace orv::sample

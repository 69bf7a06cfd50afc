// The search over every year file: a pure function from the six range texts, the unit
// system and the places to the whole text of REPORT.TXT. It touches no window and writes
// nothing; the search window shows the frame around it and writes the file.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/Format.h"
#include "core/Places.h"
#include "output/search/YearScan.h"

namespace orv::output {

// The six range boxes in window order: WB from/to, front track from/to, rear track from/to.
using RangeTexts = std::array<std::string_view, 6>;

// More hits than this stop the scan (at the first hit beyond it).
inline constexpr int kMaxHits = 2000;

struct SearchResult {
  std::string text;      // the whole result file: header, hit lines, empty line, count line
  int hits = 0;          // hit lines written
  bool stopped = false;  // the scan ended at hit kMaxHits + 1
};

// One numeric range; inactive when its starting box is blank.
struct Range {
  bool active = false;
  double from = 0.0;
  double to = 0.0;
};

// The three ranges (WB, front track, rear track) read from the six box texts.
std::array<Range, 3> readRanges(const RangeTexts& boxes);

// Scans "SP<year>.TXT" of the current folder for every year from core::kFirstModelYear to
// `lastYear` (never beyond 9999) and builds the result text. The ranges are in centimetres,
// or in inches (stored centimetres divided by 2.54). Missing and unreadable year files are
// skipped. The files are read on `threads` threads (kEveryCore: one per core; 1: one after
// another), the result is the same whatever their number.
SearchResult scanYears(const RangeTexts& boxes, core::UnitSystem units, const core::Places& places,
                       int lastYear, int threads = kEveryCore);

// The scan of one year's text, appending hit lines to `result`; false once it stopped.
bool scanYearText(std::string_view yearText, int year, const std::array<Range, 3>& ranges,
                  core::UnitSystem units, SearchResult& result);

// The first line of the result text, CR LF included.
std::string headerLine();

// The last line: the hit count in four columns, then " Models found", CR LF.
std::string countLine(int hits);

}  // namespace orv::output

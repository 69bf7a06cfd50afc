#include "output/search/SearchScan.h"

#include <algorithm>

#include "core/Fields.h"
#include "core/FileProcs.h"
#include "core/Numbers.h"
#include "core/Pad.h"
#include "core/Text.h"
#include "core/YearWalk.h"

namespace orv::output {

using namespace core;

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr double kCmPerInch = 2.54;

bool inRange(const Range& r, double v) {
  return !r.active || (r.from <= v && v <= r.to);
}

// F_PAD of a name, with a line break inside it written as blanks: the file's lines keep their
// fixed columns whatever a year file holds.
std::string nameColumn(std::string_view name, std::size_t width) {
  std::string column = F_PAD(name, width);
  std::replace_if(
      column.begin(), column.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return column;
}

void appendHitLine(std::string& out, std::string_view year, const YearRecord& record,
                   const std::array<double, 3>& values) {
  out.append(year).append(" ");
  out.append(nameColumn(valueOr(record.make, "-1"), 30)).append(" ");
  out.append(nameColumn(valueOr(record.model, "-1"), 40)).append("  ");
  out.append(F_PAD(formatOneDecimal(values[0]), 5)).append("  ");
  out.append(F_PAD(formatOneDecimal(values[1]), 5)).append("  ");
  // Every hit line ends in one blank before CR LF.
  out.append(F_PAD(formatOneDecimal(values[2]), 5)).append(" ");
  out.append(kLineEnd);
}

}  // namespace

std::array<Range, 3> readRanges(const RangeTexts& boxes) {
  std::array<Range, 3> ranges{};
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    // A range counts when its starting box is filled; the window's checks make sure the
    // ending box is filled too.
    ranges[i].active = !trimBlanks(boxes[2 * i]).empty();
    ranges[i].from = numericReading(boxes[2 * i]);
    ranges[i].to = numericReading(boxes[2 * i + 1]);
  }
  return ranges;
}

std::string headerLine() {
  std::string line = "Year ";
  line += F_PAD("Make", 30);
  line += " ";
  line += F_PAD("Model", 40);
  line += "  WB     TWF    TWR";
  line += kLineEnd;
  return line;
}

std::string countLine(int hits) {
  return F_PAD(std::to_string(hits), 4) + " Models found" + std::string(kLineEnd);
}

bool scanYearText(std::string_view yearText, int year, const std::array<Range, 3>& ranges,
                  double divisor, SearchResult& result) {
  const std::string yearDigits = std::to_string(year);
  // A record that is never closed ends the walk and so the scan of this file; the caller
  // goes on with the next year.
  YearWalker records(yearText);
  YearRecord record;
  while (records.nextRecord(record)) {
    // Unlike the grid, the search reads a missing dimension string as empty: WB, TF and TR
    // then read 0.
    const std::string_view dims = valueOr(record.dimensions, "");
    const std::array<double, 3> values{numericReading(fieldText(dims, WB)) / divisor,
                                       numericReading(fieldText(dims, TF)) / divisor,
                                       numericReading(fieldText(dims, TR)) / divisor};
    if (inRange(ranges[0], values[0]) && inRange(ranges[1], values[1]) &&
        inRange(ranges[2], values[2])) {
      appendHitLine(result.text, yearDigits, record, values);
      ++result.hits;
      if (result.hits > kMaxHits) {
        result.stopped = true;
        return false;
      }
    }
  }
  return true;
}

SearchResult scanYears(const RangeTexts& boxes, std::string_view unitCaption, const Places& places,
                       std::string_view lastYear) {
  const auto ranges = readRanges(boxes);
  // Anything but exactly "(cm)" means the ranges are in inches.
  const double divisor = unitCaption == "(cm)" ? 1.0 : kCmPerInch;
  // Year numbers are written with four digits; nothing beyond 9999 is a year file name.
  const int last = static_cast<int>(std::min(numericReading(lastYear), 9999.0));

  SearchResult result;
  result.text = headerLine();
  for (int year = kFirstYear; year <= last; ++year) {
    const std::string text = F_READFILE(places, "SP" + std::to_string(year) + ".TXT");
    if (text == "-1") continue;  // unreadable: no records, like a missing file
    if (!scanYearText(text, year, ranges, divisor, result)) break;
  }
  result.text += kLineEnd;
  result.text += countLine(result.hits);
  return result;
}

}  // namespace orv::output

#include "output/search/SearchScan.h"

#include <algorithm>

#include "core/Fields.h"
#include "core/FileProcs.h"
#include "core/Numbers.h"
#include "core/Pad.h"
#include "core/SharedState.h"
#include "core/Text.h"
#include "core/VehicleRecord.h"
#include "core/YearWalk.h"

namespace orv::output {

using namespace core;

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr double kCmPerInch = 2.54;
// The fields the three ranges test, in range order.
constexpr std::array<Field, 3> kRangeFields{WB, TF, TR};
// Year file names have four digits.
constexpr int kLastYearFile = 9999;

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

void appendHitLine(std::string& out, std::string_view year, const VehicleRecord& vehicle,
                   const std::array<double, 3>& values) {
  out.append(year).append(" ");
  out.append(nameColumn(valueOr(vehicle.make(), "-1"), 30)).append(" ");
  out.append(nameColumn(valueOr(vehicle.model(), "-1"), 40)).append("  ");
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
                  UnitSystem units, SearchResult& result) {
  const bool inches = units == UnitSystem::Imperial;
  const std::string yearDigits = std::to_string(year);
  // A record that is never closed ends the walk and so the scan of this file; the caller
  // goes on with the next year.
  YearWalker records(yearText);
  YearRecord record;
  while (records.nextRecord(record)) {
    // A missing, "-1" or short dimension string leaves the fields blank or cut short: WB,
    // TF and TR then read 0. A value is read only while the ones before it are in range.
    const VehicleRecord vehicle = VehicleRecord::fromYearRecord(record, year);
    std::array<double, 3> values{};
    bool hit = true;
    for (std::size_t i = 0; hit && i < values.size(); ++i) {
      // Centimetres are taken as read: no division by 1 on the inner loop.
      const double stored = numericReading(vehicle.stored(kRangeFields[i]));
      values[i] = inches ? stored / kCmPerInch : stored;
      hit = inRange(ranges[i], values[i]);
    }
    if (!hit) continue;
    appendHitLine(result.text, yearDigits, vehicle, values);
    ++result.hits;
    if (result.hits > kMaxHits) {
      result.stopped = true;
      return false;
    }
  }
  return true;
}

SearchResult scanYears(const RangeTexts& boxes, UnitSystem units, const Places& places,
                       int lastYear, int threads) {
  const auto ranges = readRanges(boxes);
  SearchResult result;
  result.text = headerLine();
  // Each year is scanned on its own; its hit lines join the result in year order, as many
  // as the limit leaves room for. Hit lines hold no line break of their own.
  scanYearFiles<SearchResult>(
      places, kFirstModelYear, std::min(lastYear, kLastYearFile), threads,
      [&](int year, std::string_view text) {
        SearchResult hits;
        if (text != "-1") scanYearText(text, year, ranges, units, hits);  // unreadable: none
        return hits;
      },
      [&](int, SearchResult&& hits) {
        const int taken = std::min(hits.hits, kMaxHits + 1 - result.hits);
        std::size_t end = 0;
        for (int line = 0; line < taken; ++line) end = hits.text.find('\n', end) + 1;
        result.text.append(hits.text, 0, end);
        result.hits += taken;
        result.stopped = result.hits > kMaxHits;
        return !result.stopped;
      });
  result.text += kLineEnd;
  result.text += countLine(result.hits);
  return result;
}

}  // namespace orv::output

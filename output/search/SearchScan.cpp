#include "SearchScan.h"

#include <algorithm>
#include <cstring>

#include "Fields.h"
#include "FileProcs.h"
#include "Numbers.h"
#include "Pad.h"
#include "TagText.h"
#include "Text.h"

namespace orv::search {

namespace {

constexpr std::string_view kRecordOpen = "<R>";
constexpr std::string_view kRecordClose = "</R>";
constexpr std::string_view kLineEnd = "\r\n";
constexpr double kCmPerInch = 2.54;

// The numeric reading of a three-character dimension field. Plain fields (blanks, digits,
// one leading sign) are read here directly because the scan reads three per record and
// the general reading builds a buffer each time; anything else goes to the general reading.
double fieldValue(std::string_view field) {
  int value = 0;
  bool negative = false;
  bool signSeen = false;
  bool digits = false;
  for (const char c : field) {
    if (c == ' ' || c == '\t') continue;
    if (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
      digits = true;
    } else if ((c == '-' || c == '+') && !signSeen && !digits) {
      signSeen = true;
      negative = c == '-';
    } else {
      return numericReading(field);
    }
  }
  return negative ? -value : value;
}

// The first `tag` (which begins with '<') at or after `from`, found by stepping from '<' to
// '<' with memchr: tags sit a few bytes apart, where memmem's setup per call would cost
// more than the search itself.
std::size_t nextTag(std::string_view text, std::size_t from, std::string_view tag) {
  while (from < text.size()) {
    const void* lt = std::memchr(text.data() + from, '<', text.size() - from);
    if (!lt) return npos;
    const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(lt) - text.data());
    if (text.compare(at, tag.size(), tag) == 0) return at;
    from = at + 1;
  }
  return npos;
}

// What the scan needs of one record, found in a single pass over its '<' characters: where
// its "</R>" stands (npos when it has none) and the value of its first "DA" element, read
// exactly as the tag lookup of the record text reads it (empty when the element is absent
// or not closed inside the record).
struct RecordParts {
  std::size_t close = npos;
  std::string_view dimensions;
};

RecordParts walkRecord(std::string_view text, std::size_t open) {
  constexpr std::string_view kDaOpen = "<DA>";
  constexpr std::string_view kDaClose = "</DA>";
  RecordParts parts;
  std::size_t daOpen = npos;
  std::size_t daClose = npos;
  for (std::size_t at = nextTag(text, open + kRecordOpen.size(), "<"); at != npos;
       at = nextTag(text, at + 1, "<")) {
    const std::string_view rest = text.substr(at);
    if (rest.starts_with(kRecordClose)) {
      parts.close = at;
      break;
    }
    if (daOpen == npos) {
      if (rest.starts_with(kDaOpen)) daOpen = at;
    } else if (daClose == npos && rest.starts_with(kDaClose)) {
      daClose = at;
    }
  }
  if (parts.close != npos && daClose != npos) {
    parts.dimensions = text.substr(daOpen + kDaOpen.size(), daClose - daOpen - kDaOpen.size());
  }
  return parts;
}

bool inRange(const Range& r, double v) {
  return !r.active || (r.from <= v && v <= r.to);
}

void appendHitLine(std::string& out, std::string_view year, std::string_view record,
                   const std::array<double, 3>& values) {
  out.append(year).append(" ");
  out.append(F_PAD(tagValue(record, "MA"), 30)).append(" ");
  out.append(F_PAD(tagValue(record, "MO"), 40)).append("  ");
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
  std::size_t open = findText(yearText, kRecordOpen, 0);
  while (open != npos) {
    const RecordParts parts = walkRecord(yearText, open);
    // A record that is never closed cannot be delimited: the rest of this file is skipped
    // (searching again from the start would loop for ever).
    if (parts.close == npos) break;
    const std::string_view record = yearText.substr(open, parts.close - open);

    const std::array<double, 3> values{fieldValue(fieldText(parts.dimensions, WB)) / divisor,
                                       fieldValue(fieldText(parts.dimensions, TF)) / divisor,
                                       fieldValue(fieldText(parts.dimensions, TR)) / divisor};
    if (inRange(ranges[0], values[0]) && inRange(ranges[1], values[1]) &&
        inRange(ranges[2], values[2])) {
      appendHitLine(result.text, yearDigits, record, values);
      ++result.hits;
      if (result.hits > kMaxHits) {
        result.stopped = true;
        return false;
      }
    }
    open = nextTag(yearText, parts.close + 1, kRecordOpen);
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

}  // namespace orv::search

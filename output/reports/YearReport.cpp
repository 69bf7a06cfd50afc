#include "output/reports/YearReport.h"

#include <array>
#include <string>

#include "core/Fields.h"
#include "core/Format.h"
#include "core/Text.h"
#include "core/YearWalk.h"
#include "output/reports/Page.h"

namespace orv::output {

using namespace core;

namespace {

// Value columns of the compact layout, left to right.
constexpr std::array<Field, 14> kCompactOrder{A, B, C, D, E, F, G, WB, OL, OW, OH, CW, TF, TR};

// Converted values as the year report shows them: F_FORMAT without unit text, trimmed.
class ConvertedValues {
 public:
  explicit ConvertedValues(std::string_view unitText) : unitText_(unitText) {}

  std::string_view get(std::string_view dimensions, Field field) {
    value_ = F_FORMAT(fieldText(dimensions, field), kFields[field].factor, kNoUnit, unitText_);
    const auto t = trimBlanks(value_);
    if (t.size() != value_.size()) value_ = std::string(t);
    return value_;
  }

 private:
  std::string_view unitText_;
  std::string value_;
};

void appendMakeHeader(std::string& piece, std::string_view make, bool compact) {
  if (compact) {
    // Two empty rows give the gap above each make in the small-text layout.
    piece += "<tr></tr><tr></tr><tr><td width=300><B>";
    appendEscaped(piece, make);  // the make as read, not trimmed
    piece +=
        "</B></td>"
        "<td width=25><B>&nbsp; A</B></td><td width=25><B>&nbsp; B</B></td>"
        "<td width=25><B>&nbsp; C</B></td><td width=25><B>&nbsp; D</B></td>"
        "<td width=25><B>&nbsp; E</B></td><td width=25><B>&nbsp; F</B></td>"
        "<td width=25><B>&nbsp; G</B></td>"
        "<td width=25><B>WB</B></td><td width=25><B>OL</B></td><td width=25><B>OW</B></td>"
        "<td width=25><B>OH</B></td><td width=25><B>CW</B></td>"
        // One "&nbsp;" (not "&nbsp; ") before TF and TR, as published.
        "<td width=25><B>&nbsp;TF</B></td><td width=25><B>&nbsp;TR</B></td>"
        "<td width=25><B>WD</B></td></tr>\r\n";
  } else {
    piece += "<tr><td width=250><b>";
    appendEscaped(piece, make);
    piece +=
        "</b></td>"
        "<td width=45><b>&nbsp; A<BR>WB</b></td><td width=45><b>&nbsp; B<BR>OL</b></td>"
        "<td width=45><b>&nbsp; C<BR>OW</b></td><td width=45><b>&nbsp; D<BR>OH</b></td>"
        "<td width=45><b>&nbsp; E<BR>CW</b></td><td width=45><b>&nbsp; F<BR>TF</b></td>"
        "<td width=45><b>&nbsp; G<BR>TR</b></td><td width=45><b>WD</b></td></tr>\r\n";
  }
}

// A two-character value gets a leading "&nbsp;" so it lines up under three-digit ones.
void appendBoxedValue(std::string& piece, std::string_view value) {
  if (value.size() == 2) piece += "&nbsp;";
  appendEscaped(piece, value);
}

void appendModelRow(std::string& piece, std::string_view model, std::string_view dimensions,
                    ConvertedValues& values, bool compact) {
  const auto wd = trimBlanks(fieldText(dimensions, WD));
  if (compact) {
    piece += "<tr><td width=225>";
    appendEscaped(piece, trimBlanks(model));
    piece += "</td>\r\n";
    for (const Field field : kCompactOrder) {
      piece += "<td>";
      appendEscaped(piece, values.get(dimensions, field));
      piece += "</td>";
    }
    piece += "<td>";
    appendEscaped(piece, wd);  // a blank WD leaves the cell empty
    piece += "</td></tr>\r\n";
    return;
  }
  piece += "<tr><td width=250><font size=-1>";
  appendEscaped(piece, trimBlanks(model));
  // "</td></font>" closes in the wrong order; browsers accept it and the page keeps it.
  piece += "</td></font>\r\n";
  for (const auto& pair : kPairedColumns) {
    piece += "<td>";
    appendBoxedValue(piece, values.get(dimensions, pair.upper));
    piece += kCrLf;
    appendBoxedValue(piece, values.get(dimensions, pair.lower));
    piece += "</td>";
  }
  piece += "<td>";
  if (wd.empty()) {
    piece += "&nbsp;N/A";
  } else {
    appendEscaped(piece, wd);
  }
  piece += "</td></tr>\r\n";
}

}  // namespace

bool writeYearReport(std::string_view yearData, std::string_view yearText,
                     std::string_view unitText, bool compact, const PieceSink& sink) {
  std::string title = "ORV - Orvane - Year: ";
  appendEscaped(title, yearText);  // untrimmed, as the year box holds it
  std::string piece = pageHead(title);
  piece += compact ? "<table width=675 style='font-family:Arial;font-size:9.0pt'>\r\n"
                   : "<table width=650 border=1 cellspacing=0>\r\n";
  if (!sink(piece)) return false;

  // No make is called "XXX", so the first record always opens a make (unless it is "XXX").
  std::string previousMake = "XXX";
  ConvertedValues values(unitText);
  YearWalker records(yearData);
  YearRecord record;
  while (records.nextRecord(record)) {
    // A blank record (or one holding only "-1") is skipped: the models after it still count.
    if (trimBlanks(record.text).empty() || record.text == "-1") continue;

    piece.clear();
    const auto make = valueOr(record.make, "-1");
    const auto model = valueOr(record.model, "-1");
    // A blank dimension string reads like the 100 blanks that stand in for a missing one.
    const auto dimensions = shownDimensions(record.dimensions);
    if (make != previousMake) {
      previousMake = make;
      appendMakeHeader(piece, make, compact);
    }
    appendModelRow(piece, model, dimensions, values, compact);
    if (!sink(piece)) return false;
  }

  piece = " </table>\r\n";
  piece += pageEnd();
  return sink(piece);
}

}  // namespace orv::output

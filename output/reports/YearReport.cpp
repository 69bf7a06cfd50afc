#include "output/reports/YearReport.h"

#include <array>
#include <string>

#include "core/Fields.h"
#include "core/Format.h"
#include "core/Text.h"
#include "core/VehicleRecord.h"
#include "core/YearWalk.h"
#include "output/reports/Page.h"

namespace orv::output {

using namespace core;

namespace {

// Value columns of the compact layout, left to right.
constexpr std::array<Field, 14> kCompactOrder{A, B, C, D, E, F, G, WB, OL, OW, OH, CW, TF, TR};

// A converted value as the year report shows it: the field formatted without unit text,
// trimmed of blanks.
std::string convertedValue(const VehicleRecord& record, Field field, UnitSystem units) {
  std::string value = formatField(record, field, units);
  const auto t = trimBlanks(value);
  return t.size() == value.size() ? value : std::string(t);
}

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

void appendModelRow(std::string& piece, const VehicleRecord& record, UnitSystem units,
                    bool compact) {
  const auto model = trimBlanks(record.model().value_or("-1"));
  const auto wd = trimBlanks(record.stored(WD));
  if (compact) {
    piece += "<tr><td width=225>";
    appendEscaped(piece, model);
    piece += "</td>\r\n";
    for (const Field field : kCompactOrder) {
      piece += "<td>";
      appendEscaped(piece, convertedValue(record, field, units));
      piece += "</td>";
    }
    piece += "<td>";
    appendEscaped(piece, wd);  // a blank WD leaves the cell empty
    piece += "</td></tr>\r\n";
    return;
  }
  piece += "<tr><td width=250><font size=-1>";
  appendEscaped(piece, model);
  // "</td></font>" closes in the wrong order; browsers accept it and the page keeps it.
  piece += "</td></font>\r\n";
  for (const auto& pair : kPairedColumns) {
    piece += "<td>";
    appendBoxedValue(piece, convertedValue(record, pair.upper, units));
    piece += kCrLf;
    appendBoxedValue(piece, convertedValue(record, pair.lower, units));
    piece += "</td>";
  }
  piece += "<td>";
  // The boxed layout writes a missing WD with a leading blank of its own.
  if (wd.empty()) piece += "&nbsp;";
  appendEscaped(piece, record.shownWeightDistribution());
  piece += "</td></tr>\r\n";
}

}  // namespace

bool writeYearReport(std::string_view yearData, std::string_view yearText, UnitSystem units,
                     bool compact, const PieceSink& sink) {
  std::string title = "ORV - Orvane - Year: ";
  appendEscaped(title, yearText);  // untrimmed, as the year box holds it
  std::string piece = pageHead(title);
  piece += compact ? "<table width=675 style='font-family:Arial;font-size:9.0pt'>\r\n"
                   : "<table width=650 border=1 cellspacing=0>\r\n";
  if (!sink(piece)) return false;

  // No make is called "XXX", so the first record always opens a make (unless it is "XXX").
  std::string previousMake = "XXX";
  YearWalker records(yearData);
  YearRecord record;
  while (records.nextRecord(record)) {
    // A blank record (or one holding only "-1") is skipped: the models after it still count.
    if (trimBlanks(record.text).empty() || record.text == "-1") continue;

    piece.clear();
    // A blank dimension string reads like the 100 blanks that stand in for a missing one.
    const auto vehicle = VehicleRecord::fromYearRecord(record, 0);
    const auto make = vehicle.make().value_or("-1");
    if (make != previousMake) {
      previousMake = make;
      appendMakeHeader(piece, make, compact);
    }
    appendModelRow(piece, vehicle, units, compact);
    if (!sink(piece)) return false;
  }

  piece = " </table>\r\n";
  piece += pageEnd();
  return sink(piece);
}

}  // namespace orv::output

#include "output/reports/Legend.h"

#include "output/reports/Page.h"

namespace orv::output {

// Descriptions are written as their original fragments, concatenated: a blank before some
// "<BR>" and not others is part of the published page.
const std::array<LegendRow, core::kFieldCount> kLegend{{
    {"&nbsp; A",
     "Longitudinal distance between the center of the front bumper <BR>"
     "and the center of the base of the windshield"},
    {"&nbsp; B",
     "Passenger Car<BR>"
     "&nbsp;&nbsp;&nbsp; Longitudinal distance between the center of the rear bumper<BR>"
     "&nbsp;&nbsp;&nbsp; and the center of the base of the backlight"
     "<BR><BR>"
     "Station Wagon and Vans<BR>"
     "&nbsp;&nbsp;&nbsp; Longitudinal distance between the backlight top moulding <BR>"
     "&nbsp;&nbsp;&nbsp; and the front door latch pillar"
     "<BR><BR>"
     "Pick-ups<BR>"
     "&nbsp;&nbsp;&nbsp; Longitudinal distance between the rearmost projection <BR>"
     "&nbsp;&nbsp;&nbsp; and the front door latch pillar"},
    {"&nbsp; C", "The maximum vertical height of the side glass"},
    {"&nbsp; D",
     "Vertical distance between the base of the side glass <BR>"
     "and the lower edge of the rocker panel"},
    {"&nbsp; E", "Distance between side rails or maximum width of top"},
    {"&nbsp; F", "Front overhang"},
    {"&nbsp; G", "Rear overhang"},
    {"&nbsp; OL", "Overall length"},
    {"&nbsp; OW", "Overall width"},
    {"&nbsp; OH", "Overall height"},
    {"&nbsp; WB", "Wheelbase"},
    {"&nbsp; TWF", "Front track width"},
    {"&nbsp; TWR", "Rear track width"},
    {"&nbsp; CW", "Curb weight"},
    {"&nbsp; WD", "Weight distribution (Front/Rear)"},
}};

void appendLegendCells(std::string& page, const LegendRow& row) {
  // "</b>" without an opening tag and no "</tr>" after the row: the published page reads
  // that way and browsers render it as intended; keep it byte for byte.
  page.append(" <tr><td width=50></b>")
      .append(row.codeCell)
      .append("</td>\r\n<td width=500>")
      .append(row.description)
      .append("</td>\r\n");
}

std::string legendPage() {
  std::string page = pageHead("ORV - Orvane - Legend");
  // A heading of two blanks: the legend has no title line of its own.
  page += headingBlock("  ");
  page += "<table width=650 border=1>\r\n";
  for (const auto& row : kLegend) appendLegendCells(page, row);
  // "</table >" with its odd blank, and no line end after the breaks, as published.
  page += "</table >\r\n<BR><BR>";
  page += pageEnd();
  return page;
}

}  // namespace orv::output

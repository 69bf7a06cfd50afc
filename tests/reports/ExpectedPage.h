// Page fragments the reports share, written out by hand as the published pages show them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/RowList.h"

namespace orv::expected {

// The row list of ALDER in year data of `records` (model records, from "<MA>" on).
inline core::RowList rowsOf(const std::vector<std::string>& records) {
  std::string text;
  for (const auto& r : records) text += "<R>" + r + "</R>";
  return core::rowList(core::yearDataOf(std::move(text)), "ALDER", "");
}

inline std::string head(const std::string& title) {
  return "<html>\r\n<head>\r\n <title>" + title + "</title>\r\n</head>\r\n<body>\r\n";
}
inline const std::string kVersionHead = head("ORV - Orvane.  Version: 2018.2");
inline const std::string kEnd = " </body>\r\n </html>\r\n";

// A " 95", B 120, C " 45", D " 60", E 130, F " 90", G 110, OL 480, OW 180, OH 140, WB 265,
// TF 150, TR 151, CW 1360, WD "55/45", measured in '64.
inline const std::string kDa = " 95120 45 60130 90110480180140265150151136055/4564";

// The fifteen legend rows; each is the code cell and the description cell (the model
// report adds a value cell).
inline const std::array<std::string, 15> kLegendRows{{
    " <tr><td width=50></b>&nbsp; A</td>\r\n"
    "<td width=500>Longitudinal distance between the center of the front bumper <BR>and the "
    "center of the base of the windshield</td>\r\n",
    " <tr><td width=50></b>&nbsp; B</td>\r\n"
    "<td width=500>Passenger Car<BR>&nbsp;&nbsp;&nbsp; Longitudinal distance between the center "
    "of the rear bumper<BR>&nbsp;&nbsp;&nbsp; and the center of the base of the "
    "backlight<BR><BR>Station Wagon and Vans<BR>&nbsp;&nbsp;&nbsp; Longitudinal distance "
    "between the backlight top moulding <BR>&nbsp;&nbsp;&nbsp; and the front door latch "
    "pillar<BR><BR>Pick-ups<BR>&nbsp;&nbsp;&nbsp; Longitudinal distance between the rearmost "
    "projection <BR>&nbsp;&nbsp;&nbsp; and the front door latch pillar</td>\r\n",
    " <tr><td width=50></b>&nbsp; C</td>\r\n"
    "<td width=500>The maximum vertical height of the side glass</td>\r\n",
    " <tr><td width=50></b>&nbsp; D</td>\r\n"
    "<td width=500>Vertical distance between the base of the side glass <BR>and the lower edge "
    "of the rocker panel</td>\r\n",
    " <tr><td width=50></b>&nbsp; E</td>\r\n"
    "<td width=500>Distance between side rails or maximum width of top</td>\r\n",
    " <tr><td width=50></b>&nbsp; F</td>\r\n<td width=500>Front overhang</td>\r\n",
    " <tr><td width=50></b>&nbsp; G</td>\r\n<td width=500>Rear overhang</td>\r\n",
    " <tr><td width=50></b>&nbsp; OL</td>\r\n<td width=500>Overall length</td>\r\n",
    " <tr><td width=50></b>&nbsp; OW</td>\r\n<td width=500>Overall width</td>\r\n",
    " <tr><td width=50></b>&nbsp; OH</td>\r\n<td width=500>Overall height</td>\r\n",
    " <tr><td width=50></b>&nbsp; WB</td>\r\n<td width=500>Wheelbase</td>\r\n",
    " <tr><td width=50></b>&nbsp; TWF</td>\r\n<td width=500>Front track width</td>\r\n",
    " <tr><td width=50></b>&nbsp; TWR</td>\r\n<td width=500>Rear track width</td>\r\n",
    " <tr><td width=50></b>&nbsp; CW</td>\r\n<td width=500>Curb weight</td>\r\n",
    " <tr><td width=50></b>&nbsp; WD</td>\r\n"
    "<td width=500>Weight distribution (Front/Rear)</td>\r\n",
}};

// kDa's values as each report shows them: the model report's fifteen, the make report's
// seven upper and lower pairs, and the year report's value cells of one model.
inline const std::vector<std::string> kModelMetric{
    "95 cm",  "120 cm", "45 cm",  "60 cm",  "130 cm", "90 cm",   "110 cm", "480 cm",
    "180 cm", "140 cm", "265 cm", "150 cm", "151 cm", "1360 kg", "55/45"};
inline const std::vector<std::string> kModelImperial{
    "37.4 in", "47.3 in", "17.7 in",  "23.6 in", "51.2 in", "35.5 in", "43.3 in", "189.1 in",
    "70.9 in", "55.2 in", "104.4 in", "59.1 in", "59.5 in", "2992 lb", "55/45"};
inline const std::vector<std::string> kPairsMetric{" 95", "265", "120", "480", " 45",
                                                   "180", " 60", "140", "130", "1360",
                                                   " 90", "150", "110", "151"};
inline const std::vector<std::string> kPairsImperial{"37.4", "104.4", "47.3", "189.1", "17.7",
                                                     "70.9", "23.6",  "55.2", "51.2",  "2992",
                                                     "35.5", "59.1",  "43.3", "59.5"};
inline const std::string kCompactMetric =
    "<td>95</td><td>120</td><td>45</td><td>60</td><td>130</td><td>90</td><td>110</td><td>265</td>"
    "<td>480</td><td>180</td><td>140</td><td>1360</td><td>150</td><td>151</td><td>55/45</td>"
    "</tr>\r\n";
inline const std::string kBoxedImperial =
    "<td>37.4\r\n104.4</td><td>47.3\r\n189.1</td><td>17.7\r\n70.9</td><td>23.6\r\n55.2</td>"
    "<td>51.2\r\n2992</td><td>35.5\r\n59.1</td><td>43.3\r\n59.5</td><td>55/45</td></tr>\r\n";

// The legend page: a blank heading, the fifteen open rows and the odd table end.
inline std::string legendPage() {
  std::string page = head("ORV - Orvane - Legend") +
                     "<CENTER><B>  </B></CENTER>\r\n<BR><BR>\r\n<table width=650 border=1>\r\n";
  for (const auto& row : kLegendRows) page += row;
  return page + "</table >\r\n<BR><BR>" + kEnd;
}

// The model report of one model: the heading, the fifteen values in legend order and what
// follows "Measurements obtained in year: ".
inline std::string modelPage(const std::string& heading, const std::vector<std::string>& values,
                             const std::string& yearLine) {
  std::string page = kVersionHead + "<CENTER><B>" + heading +
                     "</B></CENTER>\r\n<BR><BR>\r\n<table width=650 border=1>\r\n";
  for (std::size_t i = 0; i < 15; ++i)
    page += kLegendRows[i] + "<td width=100>" + values[i] + "</td>\r\n";
  return page + "</table >\r\n<BR><BR>Measurements obtained in year: " + yearLine + "\r\n" + kEnd;
}

// The make report: head, heading and header row; one model row (seven upper and lower pairs,
// then WD under a blank); the table end and the units line.
inline std::string makeTop(const std::string& heading) {
  return kVersionHead + "<CENTER><B>" + heading + "</B></CENTER>\r\n<BR><BR>\r\n" +
         "<table width=650 border=1 cellspacing=0 cellpadding=0>\r\n"
         " <tr><td width=250><CENTER><b>MODEL</b></CENTER></td>\r\n"
         "<td width=50><CENTER><b>A<BR>WB</b></CENTER></td>\r\n"
         "<td width=50><CENTER><b>B<BR>OL</b></CENTER></td>\r\n"
         "<td width=50><CENTER><b>C<BR>OW</b></CENTER></td>\r\n"
         "<td width=50><CENTER><b>D<BR>OH</b></CENTER></td>\r\n"
         "<td width=50><CENTER><b>E<BR>CW</b></CENTER></td>\r\n"
         "<td width=50><CENTER><b>F<BR>TF</b></CENTER></td>\r\n"
         "<td width=50><CENTER><b>G<BR>TR</b></CENTER></td>\r\n"
         "<td width=50><CENTER><b> &nbsp; <BR>WD</b></CENTER></td>\r\n"
         "</tr>\r\n";
}
inline std::string makeRow(const std::string& name, const std::vector<std::string>& pairs,
                           const std::string& wd) {
  std::string r = " <tr><td width=250>" + name + "</td>\r\n";
  for (std::size_t i = 0; i + 1 < pairs.size(); i += 2)
    r += "<td width=50><CENTER>" + pairs[i] + " <BR> " + pairs[i + 1] + "</CENTER></td>\r\n";
  return r + "<td width=50><CENTER> <BR> " + wd + "</CENTER></td>\r\n</tr>\r\n";
}
inline std::string makeBottom(const std::string& units) {
  return " </table>\r\n<BR>Units: " + units + kEnd;
}

// The year report: head and table start of either layout, make header rows, the start of a
// model row, and the end.
inline std::string yearTop(const std::string& year, bool compact) {
  return head("ORV - Orvane - Year: " + year) +
         (compact ? "<table width=675 style='font-family:Arial;font-size:9.0pt'>\r\n"
                  : "<table width=650 border=1 cellspacing=0>\r\n");
}
inline std::string compactHeader(const std::string& make) {
  return "<tr></tr><tr></tr><tr><td width=300><B>" + make +
         "</B></td>"
         "<td width=25><B>&nbsp; A</B></td><td width=25><B>&nbsp; B</B></td>"
         "<td width=25><B>&nbsp; C</B></td><td width=25><B>&nbsp; D</B></td>"
         "<td width=25><B>&nbsp; E</B></td><td width=25><B>&nbsp; F</B></td>"
         "<td width=25><B>&nbsp; G</B></td><td width=25><B>WB</B></td>"
         "<td width=25><B>OL</B></td><td width=25><B>OW</B></td><td width=25><B>OH</B></td>"
         "<td width=25><B>CW</B></td><td width=25><B>&nbsp;TF</B></td>"
         "<td width=25><B>&nbsp;TR</B></td><td width=25><B>WD</B></td></tr>\r\n";
}
inline std::string boxedHeader(const std::string& make) {
  return "<tr><td width=250><b>" + make +
         "</b></td>"
         "<td width=45><b>&nbsp; A<BR>WB</b></td><td width=45><b>&nbsp; B<BR>OL</b></td>"
         "<td width=45><b>&nbsp; C<BR>OW</b></td><td width=45><b>&nbsp; D<BR>OH</b></td>"
         "<td width=45><b>&nbsp; E<BR>CW</b></td><td width=45><b>&nbsp; F<BR>TF</b></td>"
         "<td width=45><b>&nbsp; G<BR>TR</b></td><td width=45><b>WD</b></td></tr>\r\n";
}
inline std::string compactRow(const std::string& model) {
  return "<tr><td width=225>" + model + "</td>\r\n";
}
inline std::string boxedRow(const std::string& model) {
  return "<tr><td width=250><font size=-1>" + model + "</td></font>\r\n";
}
inline const std::string kYearEnd = " </table>\r\n" + kEnd;

}  // namespace orv::expected

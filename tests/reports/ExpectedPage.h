// Page fragments the reports share, written out by hand as the published pages show them.
#pragma once

#include <array>
#include <string>

namespace orv::expected {

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

}  // namespace orv::expected

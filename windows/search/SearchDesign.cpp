#include "windows/search/SearchDesign.h"

#include <string_view>

#include "output/search/SearchChecks.h"

namespace orv::windows {

using namespace core;
using namespace output;

namespace {

using form::Align;
using form::ControlDesign;
using form::FontDesign;
using form::Kind;
using form::Rect;

constexpr std::string_view kSans = "MS Sans Serif";
constexpr FontDesign kSans10{kSans, 9.75};
constexpr FontDesign kSans12{kSans, 12};
constexpr FontDesign kSans13{kSans, 13.5};

// Every control but the range boxes takes the face colour with the window text colour.
constexpr auto kFace = form::kSystemButtonFace;
constexpr auto kText = form::kSystemWindowText;
constexpr ControlDesign plain(Kind kind, std::string_view name, std::string_view caption, Rect r,
                              int tab, FontDesign font, Align alignment = Align::Left) {
  return {.kind = kind,
          .name = name,
          .rect = r,
          .tabIndex = tab,
          .font = font,
          .caption = caption,
          .alignment = alignment,
          .backColor = kFace,
          .foreColor = kText};
}
// The six range boxes take five characters each.
constexpr ControlDesign rangeBox(std::string_view name, Rect r, int tab) {
  return {.kind = Kind::TextBox,
          .name = name,
          .rect = r,
          .tabIndex = tab,
          .font = kSans12,
          .maxLength = kMaxRangeLength,
          .backColor = form::kSystemWindowBackground,
          .foreColor = kText};
}
// The two long notes wrap inside their labels.
constexpr ControlDesign note(std::string_view name, std::string_view caption, Rect r, int tab) {
  return {.kind = Kind::Label,
          .name = name,
          .rect = r,
          .tabIndex = tab,
          .font = kSans10,
          .caption = caption,
          .multiLine = true,
          .backColor = kFace,
          .foreColor = kText};
}

// Topmost first, as the controls stack. The two notes keep two blanks after each full stop.
constexpr ControlDesign kDesign[] = {
    rangeBox("S_RTW2", {3690, 1200, 885, 405}, 5),
    rangeBox("S_RTW1", {2280, 1200, 885, 405}, 4),
    rangeBox("S_FTW2", {3690, 690, 885, 405}, 3),
    rangeBox("S_FTW1", {2280, 690, 885, 405}, 2),
    rangeBox("S_WB2", {3690, 180, 885, 405}, 1),
    rangeBox("S_WB1", {2280, 180, 885, 405}, 0),
    plain(Kind::CommandButton, "B_CLOSE", "Close", {3300, 3600, 1275, 465}, 7, kSans10),
    plain(Kind::CommandButton, "B_RUN", "Run Search", {1170, 3570, 1545, 465}, 6, kSans10),
    // Shown only while a search runs; it then covers the two buttons.
    {.kind = Kind::Frame,
     .name = "S_FRAME",
     .rect = {1080, 3420, 3915, 765},
     .tabIndex = 17,
     .visible = false,
     .backColor = kFace,
     .foreColor = kText},
    {.kind = Kind::Label,
     .name = "Label8",
     .rect = {750, 240, 2715, 405},
     .tabIndex = 18,
     .font = kSans13,
     .caption = "Searching.....",
     .alignment = Align::Center,
     .container = "S_FRAME",
     .backColor = kFace,
     .foreColor = kText},
    note("Label7",
         "Searches are automatically stopped after 2000 hits.  Use smaller ranges and several "
         "searches if necessary.",
         {270, 2460, 5355, 645}, 16),
    note("Label6",
         "Track widths are not available on all models.  Models prior to 1995 are less likely "
         "to have this data.",
         {300, 1800, 5355, 525}, 15),
    plain(Kind::Label, "L_UNITS", "(cm)", {4680, 240, 1065, 315}, 14, kSans12),
    plain(Kind::Label, "Label5", "to", {3210, 1290, 465, 315}, 13, kSans12, Align::Center),
    plain(Kind::Label, "Label4", "to", {3210, 780, 465, 315}, 12, kSans12, Align::Center),
    plain(Kind::Label, "Label3", "to", {3210, 270, 465, 315}, 11, kSans12, Align::Center),
    plain(Kind::Label, "Label2", "Front track width:", {180, 750, 1905, 315}, 10, kSans12),
    plain(Kind::Label, "Label1", "Rear track width:", {180, 1260, 1965, 315}, 9, kSans12),
    // The "Wheelbase:" label bears the name of its window.
    plain(Kind::Label, "F_SEARCH", "Wheelbase:", {180, 210, 1485, 315}, 8, kSans12),
};

}  // namespace

std::unique_ptr<form::Form> buildSearchForm() {
  // Design position on the screen (left, top) and the client area's size.
  auto f = std::make_unique<form::Form>("F_SEARCH", kSearchCaption, Rect{5100, 3855, 5970, 4275},
                                        form::Font{std::string(kSans), 8.25});
  for (const ControlDesign& d : kDesign) f->addDesigned(d);
  f->defaultButton = &f->get("B_RUN");
  f->cancelButton = &f->get("B_CLOSE");
  return f;
}

}  // namespace orv::windows

#include "SearchDesign.h"

#include <string_view>

#include "SearchChecks.h"

namespace orv::search {

namespace {

using form::Align;
using form::Control;
using form::Font;
using form::Kind;

constexpr std::string_view kSans = "MS Sans Serif";

struct Design {
  std::string_view name;
  Kind kind;
  std::string_view caption;
  form::Rect rect;
  int tabIndex;
  double points;  // 0: the form's font
  Align alignment = Align::Left;
};

// Topmost first, as the controls stack. The two texts of Label6 and Label7 keep two blanks
// after each full stop.
constexpr Design kDesign[] = {
    {"S_RTW2", Kind::TextBox, "", {3690, 1200, 885, 405}, 5, 12},
    {"S_RTW1", Kind::TextBox, "", {2280, 1200, 885, 405}, 4, 12},
    {"S_FTW2", Kind::TextBox, "", {3690, 690, 885, 405}, 3, 12},
    {"S_FTW1", Kind::TextBox, "", {2280, 690, 885, 405}, 2, 12},
    {"S_WB2", Kind::TextBox, "", {3690, 180, 885, 405}, 1, 12},
    {"S_WB1", Kind::TextBox, "", {2280, 180, 885, 405}, 0, 12},
    {"B_CLOSE", Kind::CommandButton, "Close", {3300, 3600, 1275, 465}, 7, 9.75},
    {"B_RUN", Kind::CommandButton, "Run Search", {1170, 3570, 1545, 465}, 6, 9.75},
    {"S_FRAME", Kind::Frame, "", {1080, 3420, 3915, 765}, 17, 0},
    {"Label8", Kind::Label, "Searching.....", {750, 240, 2715, 405}, 18, 13.5, Align::Center},
    {"Label7",
     Kind::Label,
     "Searches are automatically stopped after 2000 hits.  Use smaller ranges and several "
     "searches if necessary.",
     {270, 2460, 5355, 645},
     16,
     9.75},
    {"Label6",
     Kind::Label,
     "Track widths are not available on all models.  Models prior to 1995 are less likely to "
     "have this data.",
     {300, 1800, 5355, 525},
     15,
     9.75},
    {"L_UNITS", Kind::Label, "(cm)", {4680, 240, 1065, 315}, 14, 12},
    {"Label5", Kind::Label, "to", {3210, 1290, 465, 315}, 13, 12, Align::Center},
    {"Label4", Kind::Label, "to", {3210, 780, 465, 315}, 12, 12, Align::Center},
    {"Label3", Kind::Label, "to", {3210, 270, 465, 315}, 11, 12, Align::Center},
    {"Label2", Kind::Label, "Front track width:", {180, 750, 1905, 315}, 10, 12},
    {"Label1", Kind::Label, "Rear track width:", {180, 1260, 1965, 315}, 9, 12},
    // The "Wheelbase:" label bears the name of its window.
    {"F_SEARCH", Kind::Label, "Wheelbase:", {180, 210, 1485, 315}, 8, 12},
};

void applyDesign(Control& c, const Design& d) {
  c.rect = d.rect;
  c.tabIndex = d.tabIndex;
  c.alignment = d.alignment;
  if (d.points > 0) c.font = Font{std::string(kSans), d.points};
  if (!d.caption.empty()) c.setCaption(std::string(d.caption));
  if (d.kind == Kind::TextBox) {
    c.maxLength = kMaxRangeLength;
    c.setBackColor(form::kSystemWindowBackground);
    c.setForeColor(form::kSystemWindowText);
  } else if (d.kind != Kind::Line) {
    c.setBackColor(form::kSystemButtonFace);
    c.setForeColor(form::kSystemWindowText);
  }
  // The two long notes wrap inside their labels.
  if (d.kind == Kind::Label && d.rect.width > 5000) c.multiLine = true;
}

}  // namespace

std::unique_ptr<form::Form> buildSearchForm() {
  // Design position on the screen (left, top) and the client area's size.
  auto f =
      std::make_unique<form::Form>("F_SEARCH", kSearchCaption, form::Rect{5100, 3855, 5970, 4275},
                                   Font{std::string(kSans), 8.25});
  Control* frame = nullptr;
  for (const Design& d : kDesign) {
    Control& c = f->addControl(d.kind, std::string(d.name));
    applyDesign(c, d);
    if (d.name == "S_FRAME") {
      frame = &c;
      c.setVisible(false);  // shown only while a search runs
    } else if (d.name == "Label8") {
      c.container = frame;
    }
  }
  f->defaultButton = f->find("B_RUN");
  f->cancelButton = f->find("B_CLOSE");
  return f;
}

}  // namespace orv::search

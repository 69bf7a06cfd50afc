#include "windows/similar/SisterDesign.h"

#include <array>
#include <string_view>

#include "windows/similar/MeasureLines.h"

namespace orv::windows {

namespace {

using form::ControlDesign;
using form::Kind;
using form::Rect;

// Places in pixels at 96 dots per inch, stored as twips.
constexpr int px(int pixels) {
  return pixels * form::kTwipsPerPixel;
}
constexpr Rect at(int left, int top, int width, int height) {
  return {px(left), px(top), px(width), px(height)};
}

constexpr auto kFace = form::kSystemButtonFace;
constexpr auto kText = form::kSystemWindowText;

constexpr ControlDesign faced(Kind kind, std::string_view name, int index, Rect r, int tab,
                              std::string_view caption = {}) {
  return {.kind = kind,
          .name = name,
          .index = index,
          .rect = r,
          .tabIndex = tab,
          .caption = caption,
          .backColor = kFace,
          .foreColor = kText};
}
constexpr ControlDesign numberBox(std::string_view name, int index, Rect r, int tab) {
  return {.kind = Kind::TextBox,
          .name = name,
          .index = index,
          .rect = r,
          .tabIndex = tab,
          .maxLength = static_cast<int>(output::kMaxNumberLength),
          .backColor = form::kSystemWindowBackground,
          .foreColor = kText};
}

// The measures' names, line by line (A to G as the legend describes them, in short).
constexpr std::array<std::string_view, kSisterLines> kNames{
    "Front bumper to windshield",
    "Rear bumper to backlight",
    "Side glass height",
    "Side glass to rocker panel",
    "Width of top",
    "Front overhang",
    "Rear overhang",
    "Overall length",
    "Overall width",
    "Overall height",
    "Wheelbase",
    "Front track width",
    "Rear track width",
    "Curb weight",
};

// Columns of a line and the step between lines.
constexpr int kFirstLineTop = 74;
constexpr int kLineStep = 24;
constexpr int kValueLeft = 226;
constexpr int kToleranceLeft = 344;
// Each line takes five tab indexes: the check box, the name (which names the value box for
// assistive tools), the value, "within" (naming the tolerance box) and the tolerance.
constexpr int kTabsPerLine = 5;
constexpr int kAfterLines = kSisterLines * kTabsPerLine;

constexpr ControlDesign kOthers[] = {
    faced(Kind::CommandButton, "B_RUN", -1, at(kValueLeft, 420, 84, 27), kAfterLines, "&Run"),
    faced(Kind::CommandButton, "B_CLOSE", -1, at(320, 420, 84, 27), kAfterLines + 1, "&Close"),
    faced(Kind::Label, "L_VEHICLE", -1, at(12, 10, 392, 17), kAfterLines + 2),
    faced(Kind::Label, "L_UNITS", -1, at(12, 30, 392, 17), kAfterLines + 3),
    faced(Kind::Label, "L_MEASURES", -1, at(12, 54, 200, 17), kAfterLines + 4, "Measure"),
    faced(Kind::Label, "L_VALUES", -1, at(kValueLeft, 54, 100, 17), kAfterLines + 5, "Value"),
    faced(Kind::Label, "L_TOLERANCES", -1, at(kToleranceLeft, 54, 70, 17), kAfterLines + 6,
          "Tolerance"),
    // What the last run found, or that a run is going on.
    faced(Kind::Label, "L_STATUS", -1, at(12, 425, 206, 17), kAfterLines + 7),
};

constexpr std::size_t kControlCount = std::size(kOthers) + kSisterLines * kTabsPerLine;

// The whole table: the buttons and labels, then the lines top to bottom.
constexpr std::array<ControlDesign, kControlCount> kDesign = [] {
  std::array<ControlDesign, kControlCount> rows{};
  std::size_t n = 0;
  for (const auto& d : kOthers) rows[n++] = d;
  for (int i = 0; i < kSisterLines; ++i) {
    const int top = kFirstLineTop + kLineStep * i;
    const int tab = kTabsPerLine * i;
    const std::string_view code = core::kFields[static_cast<std::size_t>(i)].code;
    rows[n++] = faced(Kind::CheckBox, "C_USE", i, at(12, top, 46, 21), tab, code);
    rows[n++] = faced(Kind::Label, "L_MEASURE", i, at(60, top + 4, 162, 17), tab + 1,
                      kNames[static_cast<std::size_t>(i)]);
    rows[n++] = numberBox("S_VALUE", i, at(kValueLeft, top, 72, 21), tab + 2);
    rows[n++] = faced(Kind::Label, "L_WITHIN", i, at(302, top + 4, 40, 17), tab + 3, "within");
    rows[n++] = numberBox("S_TOL", i, at(kToleranceLeft, top, 60, 21), tab + 4);
  }
  return rows;
}();

}  // namespace

std::unique_ptr<form::Form> buildSisterForm() {
  // Centred over the main window by the desktop; the client area is 416 x 460 pixels.
  auto f = std::make_unique<form::Form>("F_SISTER", kSisterCaption, at(0, 0, 416, 460),
                                        form::Font{"MS Sans Serif", 8.25});
  for (const ControlDesign& d : kDesign) f->addDesigned(d);
  f->defaultButton = &f->get("B_RUN");
  f->cancelButton = &f->get("B_CLOSE");
  return f;
}

}  // namespace orv::windows

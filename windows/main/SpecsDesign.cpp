// The designed form of the main window: one table of every control with its caption, position
// and size in twips, font, stacking (topmost first), tab index and visibility, and the typed
// pointers the window logic uses, taken once the form is built.
#include <array>

#include "windows/main/SpecsWindow.h"

namespace orv::windows {

using form::Align;
using form::ComboBox;
using form::Control;
using form::ControlDesign;
using form::FontDesign;
using form::Kind;
using form::Rect;

namespace {

constexpr FontDesign kSansSerif8{"MS Sans Serif", 8.25};
constexpr FontDesign kSansSerif10{"MS Sans Serif", 9.75};
constexpr FontDesign kWindowFont{};  // the form's own font

constexpr int kRows = SpecsWindow::kGridRows;
constexpr int kColumns = SpecsWindow::kValueColumns;

// Tops of the fourteen grid rows: a step of 540, except 570 between rows 8 and 9.
constexpr std::array<int, kRows> kRowTops = {1050, 1590, 2130, 2670, 3210, 3750, 4290,
                                             4830, 5370, 5940, 6480, 7020, 7560, 8100};
constexpr int kCellHeight = 600;
constexpr int valueLeft(int column) {
  return 4710 + 690 * column;
}
constexpr std::array<std::string_view, kColumns> kCellNames = {
    "S_TEXT1", "S_TEXT2", "S_TEXT3", "S_TEXT4", "S_TEXT5", "S_TEXT6", "S_TEXT7", "S_TEXT8"};
constexpr std::array<std::string_view, kColumns> kHeadingNames = {
    "L_TEXT1", "L_TEXT2", "L_TEXT3", "L_TEXT4", "L_TEXT5", "L_TEXT6", "L_TEXT7", "L_TEXT8"};

// The Tab key cycles through the combo boxes; buttons are reached by their access keys.
constexpr ControlDesign button(std::string_view name, std::string_view caption, Rect r, int tab,
                               FontDesign font) {
  return {.kind = Kind::CommandButton,
          .name = name,
          .rect = r,
          .tabIndex = tab,
          .font = font,
          .caption = caption,
          .tabStop = false};
}
constexpr ControlDesign comboBox(std::string_view name, Rect r, int tab, bool sorted = false) {
  return {.kind = Kind::ComboBox,
          .name = name,
          .rect = r,
          .tabIndex = tab,
          .font = kSansSerif8,
          .sorted = sorted};
}
constexpr ControlDesign label(std::string_view name, std::string_view caption, Rect r, int tab,
                              FontDesign font) {
  return {.kind = Kind::Label,
          .name = name,
          .rect = r,
          .tabIndex = tab,
          .font = font,
          .caption = caption};
}
// A grid cell: read-only, two lines, its own single-line border, so the grid reads as a table.
constexpr ControlDesign cell(std::string_view name, int row, Rect r, int tab, Align alignment) {
  return {.kind = Kind::TextBox,
          .name = name,
          .index = row,
          .rect = r,
          .tabIndex = tab,
          .alignment = alignment,
          .tabStop = false,
          .border = true,
          .multiLine = true,
          .readOnly = true};
}

constexpr ControlDesign kAboveGrid[] = {
    comboBox("S_UNITS", {7500, 9000, 1035, 315}, 10),
    button("B_HELP", "&Help", {10860, 120, 855, 375}, 119, kWindowFont),
    button("B_SEARCH", "&Search WB/TW", {5070, 8910, 1365, 405}, 118, kSansSerif8),
    button("B_LEGEND", "&Legend", {4080, 8910, 885, 405}, 117, kSansSerif8),
    {.kind = Kind::Frame,
     .name = "S_FRAME",
     .rect = {120, 1020, 225, 7755},
     .tabIndex = 116,
     .caption = "Frame1",
     .backColor = form::kSystemWindowBackground,
     .foreColor = form::kSystemWindowText},
    // A vertical line from (180, 0) to (180, 7740) inside the frame.
    {.kind = Kind::Line, .name = "Line1", .rect = {180, 0, 0, 7740}, .container = "S_FRAME"},
    {.kind = Kind::ScrollBar,
     .name = "S_SCROLL",
     .rect = {10230, 1050, 345, 7665},
     .tabIndex = 18,
     .tabStop = false},
    // Never shown; the highlighted grid row takes its two colours: navy and light grey.
    {.kind = Kind::ListBox,
     .name = "S_LIST",
     .rect = {10800, 2100, 1275, 300},
     .tabIndex = 17,
     .visible = false,
     .tabStop = false,
     .backColor = 0x00800000,
     .foreColor = 0x00E0E0E0},
    button("B_MAKE", "View &Make", {1890, 8910, 1065, 405}, 16, kSansSerif8),
    button("B_HISTORY", "His&tory", {10860, 720, 855, 375}, 15, kWindowFont),
    button("B_MODEL", "&View Model", {2970, 8910, 1095, 405}, 12, kSansSerif8),
    button("B_YEAR", "View &Year", {840, 8910, 1065, 405}, 13, kSansSerif8),
    button("B_CLOSE", "&Close", {10800, 8880, 1005, 405}, 11, kSansSerif8),
    comboBox("S_MAKE", {3120, 120, 2895, 315}, 4, true),
    comboBox("S_YEAR", {960, 120, 1125, 315}, 2),
};

constexpr ControlDesign kBelowGrid[] = {
    comboBox("S_MODELDROP", {7200, 120, 2415, 315}, 6, true),
    // The grid's keyboard receiver lies wholly under the model filter box.
    comboBox("S_SCROLL2", {7200, 120, 1155, 315}, 8),
    label("Label3", "&Units:", {6900, 9000, 555, 285}, 9, kSansSerif10),
    label("Label2", "M&ake:", {2460, 150, 705, 285}, 3, kSansSerif10),
    label("Label1", "Yea&r:", {390, 150, 615, 285}, 1, kSansSerif10),
    {.kind = Kind::Label,
     .name = "L_MODEL1",
     .rect = {300, 540, 4425, 525},
     .tabIndex = 7,
     .caption = "Mod&el",
     .border = true},
};

constexpr ControlDesign kLast[] = {
    label("Label4", "M&odel:", {6420, 150, 705, 285}, 5, kSansSerif10),
    {.kind = Kind::Label,
     .name = "S_VERSION",
     .rect = {10620, 2820, 1455, 225},
     .tabIndex = 14,
     .font = kSansSerif10,
     .caption = "Version: ",
     .alignment = Align::Center,
     .visible = false},
};

constexpr std::size_t kControlCount = std::size(kAboveGrid) + kRows * (1 + kColumns) +
                                      std::size(kBelowGrid) + kColumns + std::size(kLast);

// The whole table, topmost first: the rows above, the grid's nine control arrays of fourteen
// cells, the boxes and labels below them with the eight value headings, and the rest.
constexpr std::array<ControlDesign, kControlCount> kDesign = [] {
  std::array<ControlDesign, kControlCount> rows{};
  std::size_t n = 0;
  for (const auto& d : kAboveGrid) rows[n++] = d;
  // Cells take tab indexes 19 to 107 and then from 120 on: 108 to 119 belong to the headings
  // and buttons. The first model cell comes first of all, at 0.
  int nextTab = 19;
  auto cellTab = [&nextTab] {
    const int t = nextTab++;
    if (nextTab == 108) nextTab = 120;
    return t;
  };
  for (int row = 0; row < kRows; ++row) {
    rows[n++] = cell("S_MODEL", row, {300, kRowTops[row], 4425, kCellHeight},
                     row == 0 ? 0 : cellTab(), Align::Left);
  }
  for (int column = 0; column < kColumns; ++column) {
    for (int row = 0; row < kRows; ++row) {
      rows[n++] =
          cell(kCellNames[column], row, {valueLeft(column), kRowTops[row], 705, kCellHeight},
               cellTab(), Align::Center);
    }
  }
  for (const auto& d : kBelowGrid) rows[n++] = d;
  for (int column = 0; column < kColumns; ++column) {
    rows[n++] = {.kind = Kind::Label,
                 .name = kHeadingNames[column],
                 .rect = {valueLeft(column), 540, 705, 525},
                 .tabIndex = 108 + column,
                 .alignment = Align::Center,
                 .border = true};
  }
  for (const auto& d : kLast) rows[n++] = d;
  return rows;
}();

}  // namespace

void SpecsWindow::buildDesign() {
  for (const ControlDesign& d : kDesign) form_.addDesigned(d);

  S_UNITS = &form_.get<ComboBox>("S_UNITS");
  S_MAKE = &form_.get<ComboBox>("S_MAKE");
  S_YEAR = &form_.get<ComboBox>("S_YEAR");
  S_MODELDROP = &form_.get<ComboBox>("S_MODELDROP");
  S_SCROLL2 = &form_.get<ComboBox>("S_SCROLL2");
  S_LIST = &form_.get<form::ListBox>("S_LIST");
  S_SCROLL = &form_.get<form::ScrollBar>("S_SCROLL");
  B_HELP = &form_.get("B_HELP");
  B_SEARCH = &form_.get("B_SEARCH");
  B_LEGEND = &form_.get("B_LEGEND");
  B_MAKE = &form_.get("B_MAKE");
  B_HISTORY = &form_.get("B_HISTORY");
  B_MODEL = &form_.get("B_MODEL");
  B_YEAR = &form_.get("B_YEAR");
  B_CLOSE = &form_.get("B_CLOSE");
  S_FRAME = &form_.get("S_FRAME");
  Line1 = &form_.get("Line1");
  Label1 = &form_.get("Label1");
  Label2 = &form_.get("Label2");
  Label3 = &form_.get("Label3");
  Label4 = &form_.get("Label4");
  L_MODEL1 = &form_.get("L_MODEL1");
  S_VERSION = &form_.get("S_VERSION");
  for (int column = 0; column < kColumns; ++column) {
    L_TEXT[column] = &form_.get(kHeadingNames[column]);
    for (int row = 0; row < kRows; ++row) S_TEXT[column][row] = &form_.get(kCellNames[column], row);
  }
  for (int row = 0; row < kRows; ++row) S_MODEL[row] = &form_.get("S_MODEL", row);
}

}  // namespace orv::windows

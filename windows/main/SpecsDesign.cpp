// The designed form of the main window: every control with its caption, position and size
// in twips, font, stacking (topmost first), tab index and visibility.
#include "SpecsWindow.h"

namespace orv {

using form::Align;
using form::Control;
using form::Font;
using form::Kind;
using form::Rect;

namespace {
const Font kSansSerif8{"MS Sans Serif", 8.25};
const Font kSansSerif10{"MS Sans Serif", 9.75};
const Font kWindowFont{};  // the form's own font

Control& place(Control& c, Rect r, int tabIndex, Font font) {
  c.rect = r;
  c.tabIndex = tabIndex;
  c.font = std::move(font);
  return c;
}

// Tops of the fourteen grid rows: a step of 540, except 570 between rows 8 and 9.
constexpr std::array<int, SpecsWindow::kGridRows> kRowTops = {
    1050, 1590, 2130, 2670, 3210, 3750, 4290, 4830, 5370, 5940, 6480, 7020, 7560, 8100};
constexpr int kCellHeight = 600;
constexpr int kModelLeft = 300;
constexpr int kModelWidth = 4425;
constexpr int kValueWidth = 705;
constexpr int valueLeft(int column) {
  return 4710 + 690 * column;
}
}  // namespace

void SpecsWindow::buildDesign() {
  using form::ComboBox;
  using form::ListBox;
  using form::ScrollBar;

  S_UNITS = &form_.add<ComboBox>("S_UNITS");
  place(*S_UNITS, {7500, 9000, 1035, 315}, 10, kSansSerif8);

  auto button = [&](const char* name, const char* caption, Rect r, int tab, const Font& font) {
    Control& b = form_.addControl(Kind::CommandButton, name);
    place(b, r, tab, font).setCaption(caption);
    b.tabStop = false;  // the Tab key cycles through the combo boxes; buttons have access keys
    return &b;
  };
  B_HELP = button("B_HELP", "&Help", {10860, 120, 855, 375}, 119, kWindowFont);
  B_SEARCH = button("B_SEARCH", "&Search WB/TW", {5070, 8910, 1365, 405}, 118, kSansSerif8);
  B_LEGEND = button("B_LEGEND", "&Legend", {4080, 8910, 885, 405}, 117, kSansSerif8);

  S_FRAME = &form_.addControl(Kind::Frame, "S_FRAME");
  place(*S_FRAME, {120, 1020, 225, 7755}, 116, kWindowFont).setCaption("Frame1");
  S_FRAME->setBackColor(form::kSystemWindowBackground);
  S_FRAME->setForeColor(form::kSystemWindowText);
  Line1 = &form_.addControl(Kind::Line, "Line1");
  Line1->rect = {180, 0, 0, 7740};  // a vertical line from (180, 0) to (180, 7740)
  Line1->container = S_FRAME;

  S_SCROLL = &form_.add<ScrollBar>("S_SCROLL");
  place(*S_SCROLL, {10230, 1050, 345, 7665}, 18, kWindowFont);
  S_SCROLL->tabStop = false;
  S_SCROLL->largeChange = 10;

  S_LIST = &form_.add<ListBox>("S_LIST");
  place(*S_LIST, {10800, 2100, 1275, 300}, 17, kWindowFont);
  S_LIST->setVisible(false);
  S_LIST->tabStop = false;
  // The highlighted grid row takes these two colours: navy and light grey.
  S_LIST->setBackColor(0x00800000);
  S_LIST->setForeColor(0x00E0E0E0);

  B_MAKE = button("B_MAKE", "View &Make", {1890, 8910, 1065, 405}, 16, kSansSerif8);
  B_HISTORY = button("B_HISTORY", "His&tory", {10860, 720, 855, 375}, 15, kWindowFont);
  B_MODEL = button("B_MODEL", "&View Model", {2970, 8910, 1095, 405}, 12, kSansSerif8);
  B_YEAR = button("B_YEAR", "View &Year", {840, 8910, 1065, 405}, 13, kSansSerif8);
  B_CLOSE = button("B_CLOSE", "&Close", {10800, 8880, 1005, 405}, 11, kSansSerif8);

  S_MAKE = &form_.add<ComboBox>("S_MAKE");
  place(*S_MAKE, {3120, 120, 2895, 315}, 4, kSansSerif8);
  S_MAKE->sorted = true;
  S_YEAR = &form_.add<ComboBox>("S_YEAR");
  place(*S_YEAR, {960, 120, 1125, 315}, 2, kSansSerif8);

  // The grid: nine control arrays of fourteen read-only, two-line cells.
  int nextTab = 19;
  auto cellTab = [&]() {
    const int t = nextTab++;
    if (nextTab == 108) nextTab = 120;  // 108 to 119 belong to the headings and buttons
    return t;
  };
  for (int row = 0; row < kGridRows; ++row) {
    Control& c = form_.addControl(Kind::TextBox, "S_MODEL", row);
    place(c, {kModelLeft, kRowTops[row], kModelWidth, kCellHeight}, row == 0 ? 0 : cellTab(),
          kWindowFont);
    c.alignment = Align::Left;
    S_MODEL[row] = &c;
  }
  for (int col = 0; col < kValueColumns; ++col) {
    const std::string name = "S_TEXT" + std::to_string(col + 1);
    for (int row = 0; row < kGridRows; ++row) {
      Control& c = form_.addControl(Kind::TextBox, name, row);
      place(c, {valueLeft(col), kRowTops[row], kValueWidth, kCellHeight}, cellTab(), kWindowFont);
      c.alignment = Align::Center;
      S_TEXT[col][row] = &c;
    }
  }
  // Each cell draws its own single-line border, so the grid reads as a table.
  for (auto* c : S_MODEL) c->multiLine = c->readOnly = c->border = true, c->tabStop = false;
  for (auto& column : S_TEXT) {
    for (auto* c : column) c->multiLine = c->readOnly = c->border = true, c->tabStop = false;
  }

  S_MODELDROP = &form_.add<ComboBox>("S_MODELDROP");
  place(*S_MODELDROP, {7200, 120, 2415, 315}, 6, kSansSerif8);
  S_MODELDROP->sorted = true;
  // The grid's keyboard receiver lies wholly under the model filter box.
  S_SCROLL2 = &form_.add<ComboBox>("S_SCROLL2");
  place(*S_SCROLL2, {7200, 120, 1155, 315}, 8, kSansSerif8);

  auto label = [&](const char* name, const char* caption, Rect r, int tab, const Font& font) {
    Control& l = form_.addControl(Kind::Label, name);
    place(l, r, tab, font).setCaption(caption);
    return &l;
  };
  Label3 = label("Label3", "&Units:", {6900, 9000, 555, 285}, 9, kSansSerif10);
  Label2 = label("Label2", "M&ake:", {2460, 150, 705, 285}, 3, kSansSerif10);
  Label1 = label("Label1", "Yea&r:", {390, 150, 615, 285}, 1, kSansSerif10);
  L_MODEL1 = label("L_MODEL1", "Mod&el", {300, 540, 4425, 525}, 7, kWindowFont);
  L_MODEL1->border = true;
  for (int n = 1; n <= kValueColumns; ++n) {
    const std::string name = "L_TEXT" + std::to_string(n);
    Control* l = label(name.c_str(), "", {valueLeft(n - 1), 540, 705, 525}, 107 + n, kWindowFont);
    l->border = true;
    l->alignment = Align::Center;
    L_TEXT[n - 1] = l;
  }
  Label4 = label("Label4", "M&odel:", {6420, 150, 705, 285}, 5, kSansSerif10);
  S_VERSION = label("S_VERSION", "Version: ", {10620, 2820, 1455, 225}, 14, kSansSerif10);
  S_VERSION->alignment = Align::Center;
  S_VERSION->setVisible(false);
}

}  // namespace orv

// Design data of forms and controls: positions in twips, fonts, colours, alignment.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv::form {

// Twips: 1/1440 inch; 15 twips are one pixel at 96 dots per inch.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int toPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A font as designed; an empty family means "the form's font".
struct Font {
  std::string family;
  double points = 0.0;
};

// Colours as &H00BBGGRR; values of the form &H800000xx are the desktop's system colours.
using Color = std::uint32_t;
inline constexpr Color kWhite = 0x00FFFFFF;
inline constexpr Color kBlack = 0x00000000;
inline constexpr Color kSystemWindowBackground = 0x80000005;
inline constexpr Color kSystemWindowText = 0x80000008;
inline constexpr Color kSystemButtonFace = 0x8000000F;
inline constexpr bool isSystemColor(Color c) {
  return (c & 0x80000000u) != 0;
}
inline constexpr int redOf(Color c) {
  return static_cast<int>(c & 0xFF);
}
inline constexpr int greenOf(Color c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
inline constexpr int blueOf(Color c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

enum class Align { Left, Center };

enum class Kind {
  Label,
  CommandButton,
  ComboBox,
  ListBox,
  TextBox,
  ScrollBar,
  Frame,
  Line,
  CheckBox
};

// Key codes of KeyDown, as the window logic knows them. Digits and letters are their
// upper-case ASCII codes.
enum KeyCode : int {
  kKeyBackspace = 8,
  kKeyReturn = 13,
  kKeyEscape = 27,
  kKeySpace = 32,
  kKeyPageUp = 33,
  kKeyPageDown = 34,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyInsert = 45,
  kKeyDelete = 46,
  kKeyF1 = 112,
};
// Character codes of KeyPress that are not printable characters.
inline constexpr int kAsciiBackspace = 8;
inline constexpr int kAsciiEnter = 13;
inline constexpr int kAsciiEscape = 27;

// A font in a design table; an empty family means "the form's font".
struct FontDesign {
  std::string_view family{};
  double points = 0.0;
};

// One row of a window's design table: a control with its place and size, tab index, font,
// caption and the few properties a design sets. Plain literal data, so that each window's
// table is a constexpr array, listed topmost first (Form::addDesigned).
struct ControlDesign {
  Kind kind = Kind::Label;
  std::string_view name{};
  int index = -1;  // element of a control array
  Rect rect{};
  int tabIndex = -1;
  FontDesign font{};
  std::string_view caption{};
  Align alignment = Align::Left;
  std::string_view container{};  // the frame that holds it, added before it
  bool visible = true;
  bool tabStop = true;
  bool sorted = false;  // combo and list boxes keep their entries in order
  bool border = false;
  bool multiLine = false;
  bool readOnly = false;
  int maxLength = 0;
  std::optional<Color> backColor{};  // none: the kind's default
  std::optional<Color> foreColor{};
};

}  // namespace orv::form

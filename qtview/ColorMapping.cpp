#include "qtview/ColorMapping.h"

#include <QApplication>
#include <QWidget>
#include <array>

namespace orv::qt {

namespace {
// The desktop's colour indexes (the low byte of a system colour) and the palette role
// that plays the same part in Qt.
constexpr std::array<QPalette::ColorRole, 25> kSystemRoles = {
    QPalette::Button,           // 0 scroll bar
    QPalette::Window,           // 1 desktop
    QPalette::Highlight,        // 2 active caption
    QPalette::Mid,              // 3 inactive caption
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window background
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 caption text
    QPalette::Window,           // 10 active border
    QPalette::Window,           // 11 inactive border
    QPalette::Mid,              // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlighted text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive caption text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 dark shadow
    QPalette::Midlight,         // 22 light
    QPalette::ToolTipText,      // 23 tooltip text
    QPalette::ToolTipBase,      // 24 tooltip background
};
}  // namespace

QColor toQColor(form::Color color) {
  if (form::isSystemColor(color)) {
    const auto index = static_cast<std::size_t>(color & 0xFF);
    const auto role = index < kSystemRoles.size() ? kSystemRoles[index] : QPalette::Window;
    return QApplication::palette().color(QPalette::Active, role);
  }
  return QColor(form::redOf(color), form::greenOf(color), form::blueOf(color));
}

void applyColors(QWidget& widget, form::Kind kind, form::Color back, form::Color fore) {
  using form::Kind;
  if (kind == Kind::CommandButton || kind == Kind::ScrollBar) return;
  QPalette pal = widget.palette();
  const QColor b = toQColor(back);
  const QColor f = toQColor(fore);
  switch (kind) {
    case Kind::Label:
    case Kind::Frame:
    case Kind::CheckBox:
      pal.setColor(QPalette::Window, b);
      pal.setColor(QPalette::WindowText, f);
      widget.setAutoFillBackground(true);
      break;
    case Kind::Line:
      pal.setColor(QPalette::WindowText, f);
      break;
    default:  // the editing and list controls
      pal.setColor(QPalette::Base, b);
      pal.setColor(QPalette::Text, f);
      break;
  }
  widget.setPalette(pal);
}

}  // namespace orv::qt

// Designed colours (&H00BBGGRR, or &H800000xx for the desktop's system colours) as Qt
// colours, and the palette roles each kind of control paints with.
#pragma once

#include <QColor>
#include <QPalette>

#include "form/Design.h"

class QWidget;

namespace orv::qt {

// A system colour is read from the application palette (the desktop's own scheme).
QColor toQColor(form::Color color);

// Gives `widget` the back and fore colours in the roles its kind paints with. Command
// buttons and scroll bars keep the desktop's colours, as standard buttons do.
void applyColors(QWidget& widget, form::Kind kind, form::Color back, form::Color fore);

}  // namespace orv::qt

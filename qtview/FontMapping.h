// Designed fonts as Qt fonts. The designed faces ("MS Sans Serif", "Arial") are missing on
// most desktops outside Windows, so a metric-compatible sans serif stands in at the same
// size. Sizes are fixed in pixels at 96 dots per inch, the scale the twips of the layout
// are converted at, so text and controls keep their designed proportions on any screen.
#pragma once

#include <QFont>

#include "form/Design.h"

namespace orv::qt {

// `font` with an empty family means `formFont`.
QFont toQFont(const form::Font& font, const form::Font& formFont);

}  // namespace orv::qt

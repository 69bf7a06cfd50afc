#include "qtview/FontMapping.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "qtview/QtText.h"

namespace orv::qt {

QFont toQFont(const form::Font& font, const form::Font& formFont) {
  const form::Font& f = font.family.empty() ? formFont : font;
  QFont q;
  QStringList families;
  if (!f.family.empty()) families << fromModel(f.family);
  families << QStringLiteral("Liberation Sans") << QStringLiteral("Arial")
           << QStringLiteral("DejaVu Sans");
  q.setFamilies(families);
  q.setStyleHint(QFont::SansSerif);
  const double points = f.points > 0 ? f.points : (formFont.points > 0 ? formFont.points : 8.25);
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
  q.setWeight(QFont::Normal);
  q.setItalic(false);
  return q;
}

}  // namespace orv::qt

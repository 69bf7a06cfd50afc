#include "qtview/QtText.h"

namespace orv::qt {

QString fromModel(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toModel(const QString& text) {
  return text.toLatin1().toStdString();
}

QString withQtLineEnds(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += QLatin1Char('\n');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += QLatin1Char(c);
    }
  }
  return out;
}

QString plainCaption(std::string_view caption) {
  const QString text = withQtLineEnds(caption);
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;  // "&x" -> "x", "&&" -> "&"
    out += text[i];
  }
  return out;
}

QString labelHtml(std::string_view caption) {
  const QString text = withQtLineEnds(caption);
  QString out = QStringLiteral("<span style=\"white-space:pre-wrap\">");
  bool underlined = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text[i];
    bool mark = false;
    if (c == QLatin1Char('&') && i + 1 < text.size()) {
      c = text[++i];
      mark = c != QLatin1Char('&') && !underlined;  // only the first mark is the access key
    }
    if (mark) out += QStringLiteral("<u>");
    if (c == QLatin1Char('\n'))
      out += QStringLiteral("<br>");
    else if (c == QLatin1Char('<'))
      out += QStringLiteral("&lt;");
    else if (c == QLatin1Char('>'))
      out += QStringLiteral("&gt;");
    else if (c == QLatin1Char('&'))
      out += QStringLiteral("&amp;");
    else
      out += c;
    if (mark) {
      out += QStringLiteral("</u>");
      underlined = true;
    }
  }
  out += QStringLiteral("</span>");
  return out;
}

}  // namespace orv::qt

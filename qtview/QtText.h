// Conversions between the model's 8-bit texts and Qt strings, and the shapes a caption or a
// cell text takes on screen. One byte is one character (Latin-1), so nothing is lost on the
// way in and characters Latin-1 cannot hold become '?' on the way out.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace orv::qt {

QString fromModel(std::string_view text);
std::string toModel(const QString& text);

// Line ends as designed (CR LF, or a bare LF or CR) become Qt's "\n".
QString withQtLineEnds(std::string_view text);

// The caption as read aloud: access-key marks removed ("&&" is a literal "&").
QString plainCaption(std::string_view caption);

// The caption as rich text for a label: blanks and line breaks kept, the access key
// underlined, markup characters escaped.
QString labelHtml(std::string_view caption);

}  // namespace orv::qt

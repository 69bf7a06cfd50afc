#include "output/csv/CsvText.h"

namespace orv::output {

void appendCsvField(std::string& out, std::string_view value) {
  if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
    out.append(value);
    return;
  }
  out += '"';
  for (const char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void appendCsvField(std::string& out, std::string_view value, bool last) {
  appendCsvField(out, value);
  out.append(last ? "\r\n" : ",");
}

}  // namespace orv::output

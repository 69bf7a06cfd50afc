// CSV text as RFC 4180 writes it, for the export of the row list and the comparison: fields
// separated by commas, records ending in CR LF, a field quoted only when it must be. Names
// are the year files' 8-bit bytes, passed through unchanged.
#pragma once

#include <string>
#include <string_view>

namespace orv::output {

// Appends `value`, in double quotes (each quote doubled) when it holds a comma, a quote or
// a line break.
void appendCsvField(std::string& out, std::string_view value);

// Appends `value` and then the comma that separates it from the next field, or the CR LF
// that ends the record after the last one.
void appendCsvField(std::string& out, std::string_view value, bool last);

}  // namespace orv::output

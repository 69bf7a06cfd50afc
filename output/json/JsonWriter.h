// A small writer of JSON text for the machine-readable results (the vehicle sheet, and any
// later export that needs one): objects, arrays, strings, numbers and null, laid out two
// blanks to a level, one value a line. Strings are the 8-bit text of the year files: each
// byte above 127 is taken as its Latin-1 character and written as \u00XX, so the text is
// plain ASCII and thus valid UTF-8 whatever the bytes. Numbers are written in the shortest
// form that reads back as the same double; a value that is not finite is written as null.
// Not a parser, and not a document model: values go out in the order they are given.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::output {

class JsonWriter {
 public:
  // An object or array opens at the current place (the top, after key(), or in an array).
  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();

  // The name of the next member of the open object; its value follows.
  JsonWriter& key(std::string_view name);

  JsonWriter& string(std::string_view bytes);
  JsonWriter& number(double value);
  JsonWriter& integer(long long value);
  JsonWriter& null();
  // The value, or null when there is none.
  JsonWriter& stringOrNull(const std::optional<std::string_view>& bytes);
  JsonWriter& numberOrNull(const std::optional<double>& value);
  JsonWriter& integerOrNull(const std::optional<long long>& value);

  // The whole text with a final line end; call once every container is closed.
  std::string finish();

 private:
  void beforeValue();
  JsonWriter& open(char bracket);
  JsonWriter& close(char bracket);
  void newLine();

  struct Level {
    bool empty = true;
  };
  std::string out_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

// Appends `bytes` as a JSON string, quotes included (the escaping JsonWriter uses).
void appendJsonString(std::string& out, std::string_view bytes);

// The shortest text that reads back as `value` ("0.55", "748.0000000000001", "1e+20");
// "null" when it is not finite, "0" for minus zero.
std::string jsonNumber(double value);

}  // namespace orv::output

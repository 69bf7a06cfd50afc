#include "output/json/JsonWriter.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orv::output {

namespace {
constexpr std::string_view kIndent = "  ";
constexpr std::string_view kHex = "0123456789abcdef";
}  // namespace

void appendJsonString(std::string& out, std::string_view bytes) {
  out += '"';
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (b < 0x20 || b >= 0x7F) {
          // Control characters must be escaped; bytes above 127 are Latin-1 characters.
          out += "\\u00";
          out += kHex[b >> 4];
          out += kHex[b & 0xF];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

std::string jsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  if (value == 0.0) return "0";
  std::array<char, 32> buffer{};  // the longest shortest form is 24 characters
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

void JsonWriter::newLine() {
  out_ += '\n';
  for (std::size_t i = 0; i < levels_.size(); ++i) out_ += kIndent;
}

// Arrays put a comma and a new line before every value but their first; in an object,
// key() has done that already.
void JsonWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  if (!levels_.back().empty) out_ += ',';
  levels_.back().empty = false;
  newLine();
}

JsonWriter& JsonWriter::open(char bracket) {
  beforeValue();
  out_ += bracket;
  levels_.push_back({});
  return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
  if (levels_.empty()) return *this;
  const bool empty = levels_.back().empty;
  levels_.pop_back();
  if (!empty) newLine();
  out_ += bracket;
  return *this;
}

JsonWriter& JsonWriter::beginObject() {
  return open('{');
}
JsonWriter& JsonWriter::endObject() {
  return close('}');
}
JsonWriter& JsonWriter::beginArray() {
  return open('[');
}
JsonWriter& JsonWriter::endArray() {
  return close(']');
}

JsonWriter& JsonWriter::key(std::string_view name) {
  beforeValue();
  appendJsonString(out_, name);
  out_ += ": ";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::string(std::string_view bytes) {
  beforeValue();
  appendJsonString(out_, bytes);
  return *this;
}

JsonWriter& JsonWriter::number(double value) {
  beforeValue();
  out_ += jsonNumber(value);
  return *this;
}

JsonWriter& JsonWriter::integer(long long value) {
  beforeValue();
  out_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::null() {
  beforeValue();
  out_ += "null";
  return *this;
}

JsonWriter& JsonWriter::stringOrNull(const std::optional<std::string_view>& bytes) {
  return bytes ? string(*bytes) : null();
}
JsonWriter& JsonWriter::numberOrNull(const std::optional<double>& value) {
  return value ? number(*value) : null();
}
JsonWriter& JsonWriter::integerOrNull(const std::optional<long long>& value) {
  return value ? integer(*value) : null();
}

std::string JsonWriter::finish() {
  out_ += '\n';
  return std::move(out_);
}

}  // namespace orv::output

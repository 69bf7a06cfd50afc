#include "output/similar/Json.h"

#include "output/search/YearScan.h"

namespace orv::output {

using namespace core;

void appendJsonNumber(std::string& out, double value) {
  out += jsonNumber(value);
}

void appendJsonMeasurements(std::string& out, const Measurements& values) {
  out += '{';
  for (int i = A; i < WD; ++i) {
    if (i > A) out += ", ";
    appendJsonString(out, codeOf(static_cast<Field>(i)));
    out += ": ";
    if (values[i])
      appendJsonNumber(out, *values[i]);
    else
      out += "null";
  }
  out += '}';
}

void appendJsonCriteria(std::string& out, std::span<const Criterion> by) {
  out += '[';
  for (std::size_t i = 0; i < by.size(); ++i) {
    out += i > 0 ? ", {\"measure\": " : "{\"measure\": ";
    appendJsonString(out, codeOf(by[i].field));
    out += ", \"tolerance\": ";
    appendJsonNumber(out, by[i].tolerance);
    out += '}';
  }
  out += ']';
}

void appendJsonSource(std::string& out, std::string_view versionText, const YearFilesRead& files) {
  out += "{\"version\": ";
  appendJsonString(out, versionText);
  out += ", \"yearFiles\": [";
  for (std::size_t i = 0; i < files.read.size(); ++i) {
    if (i > 0) out += ", ";
    appendJsonString(out, yearFileName(files.read[i]));
  }
  out += "]}";
}

}  // namespace orv::output

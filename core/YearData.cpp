#include "core/YearData.h"

#include "core/FileProcs.h"
#include "core/Text.h"

namespace orv::core {

YearDataPtr yearDataOf(std::string text, int year) {
  return std::make_shared<const YearData>(YearData{std::move(text), {}, year});
}

bool keepIfSpecs(std::string& text) {
  if (text != "-1" && text.find("<MA>") != npos) return true;
  // A file without any make reads as an empty one, so the person is told rather than shown
  // empty lists.
  if (text != "-1") text.clear();
  return false;
}

YearData readYearData(const Places& places, std::string_view fileName, std::string_view yearText) {
  YearData data;
  data.year = modelYearOf(yearText);
  if (const auto path = places.findCurrentFile(fileName)) {
    data.fileName = path->filename().string();
    data.text = readWholeFile(*path);
  }
  keepIfSpecs(data.text);
  return data;
}

int modelYearOf(std::string_view yearText) {
  const auto t = trimBlanks(yearText);
  if (t.size() != 4 || t.find_first_not_of("0123456789") != npos) return 0;
  return std::stoi(std::string(t));
}

}  // namespace orv::core

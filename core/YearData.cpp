#include "core/YearData.h"

#include "core/FileProcs.h"
#include "core/Sha256.h"
#include "core/Text.h"

namespace orv::core {

const std::string& YearData::sha256() const {
  // An empty cache means "not yet": a digest is never empty.
  if (sha256Cache.empty()) sha256Cache = sha256Hex(text);
  return sha256Cache;
}

YearDataPtr yearDataOf(std::string text, int year) {
  auto data = std::make_shared<YearData>();
  data->text = std::move(text);
  data->year = year;
  return data;
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

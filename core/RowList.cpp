#include "core/RowList.h"

#include "core/TagText.h"
#include "core/Text.h"
#include "core/YearWalk.h"

namespace orv::core {

bool passesModelFilter(std::string_view record, std::string_view upperFilter) {
  const std::string_view model = tagValue(record, "MO", "");
  return equalsTrimmedUpper(model.substr(0, upperFilter.size()), upperFilter);
}

std::vector<std::string_view> rowList(std::string_view yearData, std::string_view makeText,
                                      std::string_view filterText) {
  std::vector<std::string_view> rows;
  const std::string make = toUpper(trimBlanks(makeText));
  const std::string filter = toUpper(trimBlanks(filterText));
  if (make.empty()) return rows;
  forEachModelRecord(yearData, make, [&](std::string_view record) {
    if (passesModelFilter(record, filter)) rows.push_back(record);
  });
  return rows;
}

std::string_view gridModelName(std::string_view record) {
  const std::string_view model = tagValue(record, "MO");
  return model == "-1" ? std::string_view() : model;
}

std::array<std::string, kFieldCount> gridValues(std::string_view record,
                                                std::string_view unitText) {
  std::array<std::string, kFieldCount> values;
  const std::string_view dims = recordDimensions(record);
  for (int i = 0; i < kFieldCount; ++i) {
    const auto field = static_cast<Field>(i);
    values[field] = field == WD ? std::string(fieldText(dims, WD))
                                : formatField(dims, field, kNoUnit, unitText);
  }
  return values;
}

}  // namespace orv::core

#include "core/Selection.h"

#include "core/Text.h"

namespace orv::core {

Selection::Selection() : yearData_(yearDataOf({})), rows_(yearData_) {}

bool Selection::readYearFile(const Places& places, std::string_view fileName,
                             std::string_view yearText) {
  auto data = std::make_shared<YearData>(readYearData(places, fileName, yearText));
  const bool read = !data->text.empty() && data->text != "-1";
  yearData_ = std::move(data);
  return read;
}

bool Selection::readYear(const Places& places, std::string_view yearText) {
  return readYearFile(places, "SP" + std::string(trimBlanks(yearText)) + ".TXT", yearText);
}

bool Selection::chooseRows(std::string_view make, std::string_view filter,
                           const GroupSink& onGroup) {
  std::string wanted = toUpper(trimBlanks(make));
  if (wanted.empty()) return false;
  rows_ = rowList(yearData_, wanted, filter, onGroup, std::move(rows_));
  make_ = std::move(wanted);
  filter_ = toUpper(trimBlanks(filter));
  return true;
}

std::optional<std::size_t> Selection::currentIndex() const {
  if (currentRow_ < 0 || currentRow_ >= kGridRows || top_ < 0) return std::nullopt;
  const auto index = static_cast<std::size_t>(top_) + static_cast<std::size_t>(currentRow_);
  if (index >= rows_.size()) return std::nullopt;
  return index;
}

std::optional<Vehicle> Selection::currentVehicle() const {
  const auto index = currentIndex();
  if (!index) return std::nullopt;
  return rows_.vehicle(*index);
}

}  // namespace orv::core

#include "core/RowList.h"

#include <stdexcept>

#include "core/FileProcs.h"
#include "core/TagText.h"
#include "core/Text.h"
#include "core/YearWalk.h"

namespace orv::core {

static_assert(kMaxReadBytes <= UINT32_MAX, "row offsets are 32 bits");

std::string_view RowList::text(std::size_t i) const {
  const Span& row = rows_.at(i);
  return std::string_view(data_->text).substr(row.offset, row.size);
}

VehicleRecord RowList::operator[](std::size_t i) const {
  return VehicleRecord::fromModelRecord(text(i), data_->year);
}

void RowList::add(std::string_view modelRecord) {
  const std::string_view all = data_->text;
  const auto offset = static_cast<std::size_t>(modelRecord.data() - all.data());
  if (offset > all.size() || modelRecord.size() > all.size() - offset || all.size() > UINT32_MAX)
    throw std::logic_error("a row must be a record of the row list's own year data");
  rows_.push_back(
      {static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(modelRecord.size())});
}

bool passesModelFilter(std::string_view modelRecord, std::string_view upperFilter) {
  const std::string_view model = tagValue(modelRecord, "MO", "");
  return equalsTrimmedUpper(model.substr(0, upperFilter.size()), upperFilter);
}

RowList rowList(const YearDataPtr& data, std::string_view make, std::string_view filter) {
  RowList rows(data);
  const std::string wanted = toUpper(trimBlanks(make));
  const std::string upperFilter = toUpper(trimBlanks(filter));
  if (wanted.empty() || !data) return rows;
  // Without a filter every record passes: no need to look up its model.
  forEachModelRecord(data->text, wanted, [&](std::string_view record) {
    if (upperFilter.empty() || passesModelFilter(record, upperFilter)) rows.add(record);
  });
  return rows;
}

RowList wholeYear(const YearDataPtr& data) {
  RowList rows(data);
  if (data) forEachModelRecord(data->text, [&](std::string_view record) { rows.add(record); });
  return rows;
}

}  // namespace orv::core

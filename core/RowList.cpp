#include "core/RowList.h"

#include <optional>
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

namespace {

bool modelPasses(std::string_view model, std::string_view upperFilter) {
  return equalsTrimmedUpper(model.substr(0, upperFilter.size()), upperFilter);
}

// The model of a model record (which begins with "<MA>"), as tagValue(record, "MO", "")
// reads it. In a well-formed record "<MO>" follows the make's closing tag, and then it is
// the first "<MO>" of the record: no '<' stands before "</MA>" but the record's first. The
// lookup runs once a record of a make that may hold a million.
std::string_view modelOf(std::string_view record) {
  constexpr std::string_view kMakeThenModel = "</MA><MO>", kModelClose = "</MO>";
  const std::size_t makeClose = findChar(record, '<', 1);
  if (makeClose == npos || !record.substr(makeClose).starts_with(kMakeThenModel))
    return tagValue(record, "MO", "");
  const std::size_t value = makeClose + kMakeThenModel.size();
  for (std::size_t at = findChar(record, '<', value); at != npos;
       at = findChar(record, '<', at + 1))
    if (record.substr(at).starts_with(kModelClose)) return record.substr(value, at - value);
  return "";  // not closed: no element
}

}  // namespace

bool passesModelFilter(std::string_view modelRecord, std::string_view upperFilter) {
  return modelPasses(tagValue(modelRecord, "MO", ""), upperFilter);
}

RowList rowList(const YearDataPtr& data, std::string_view make, std::string_view filter,
                const GroupSink& onGroup, RowList recycled) {
  RowList rows(data, std::move(recycled));
  const std::string wanted = toUpper(trimBlanks(make));
  const std::string upperFilter = toUpper(trimBlanks(filter));
  if (wanted.empty() || !data) return rows;
  std::optional<std::string_view> lastGroup;
  forEachModelRecord(data->text, wanted, [&](std::string_view record) {
    // Without a filter or groups every record passes: no need to look up its model.
    if (upperFilter.empty() && !onGroup) return rows.add(record);
    const std::string_view model = modelOf(record);
    if (!upperFilter.empty() && !modelPasses(model, upperFilter)) return;
    rows.add(record);
    if (!onGroup) return;
    const std::string_view group = firstWord(model);
    if (lastGroup == group) return;
    lastGroup = group;
    onGroup(group);
  });
  return rows;
}

RowList wholeYear(const YearDataPtr& data) {
  RowList rows(data);
  if (data) forEachModelRecord(data->text, [&](std::string_view record) { rows.add(record); });
  return rows;
}

}  // namespace orv::core

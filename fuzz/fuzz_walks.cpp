// The walks over arbitrary year data: the make list, the make scan (one make and every
// make), the row list and the record walk. Input: a make text, a model filter, then the data.
#include <algorithm>
#include <cmath>
#include <string>

#include "FuzzCheck.h"
#include "core/ListOrder.h"
#include "core/RowList.h"
#include "core/TagText.h"
#include "core/Text.h"
#include "core/VehicleRecord.h"
#include "core/YearWalk.h"

using namespace orv::core;

namespace {

using orv::fuzz::within;

void checkMakeList(std::string_view data) {
  std::size_t makes = 0;
  forEachMakeName(data, [&](std::string_view make) {
    FUZZ_CHECK(within(make, data), "a make name is a view into the data");
    FUZZ_CHECK(std::string_view(make.data() - 4, 4) == "<MA>", "a make follows its tag");
    FUZZ_CHECK(
        std::string_view(make.data() + make.size(), data.data() + data.size()).starts_with("</MA>"),
        "a make runs to its closing tag");
    ++makes;
  });
  const auto names = makeNames(data);
  FUZZ_CHECK(names.size() <= makes, "the make list holds no more names than make elements");
  for (std::size_t i = 1; i < names.size(); ++i)
    FUZZ_CHECK(names[i] != names[i - 1], "the make list never repeats the name before");
}

// The model record of every make, in file order.
void checkModelRecords(std::string_view data) {
  const char* previous = nullptr;
  forEachModelRecord(data, [&](std::string_view record) {
    FUZZ_CHECK(within(record, data), "a model record is a view into the data");
    FUZZ_CHECK(record.starts_with("<MA>"), "a model record begins with its make");
    // The record's end is searched from the end of its make: a make value may run over a "</R>".
    FUZZ_CHECK(record.find("</R>", record.find("</MA>")) == std::string_view::npos,
               "a model record ends at the first </R> after its make");
    FUZZ_CHECK(!previous || record.data() > previous, "records come in file order");
    FUZZ_CHECK(std::string_view(record.data() + record.size(), data.data() + data.size())
                   .starts_with("</R>"),
               "a model record is followed by </R>");
    previous = record.data();
  });
}

// What any record reads as: views into its own text, finite values, shares of one.
void checkVehicle(const VehicleRecord& vehicle, std::string_view record) {
  FUZZ_CHECK(vehicle.make() && within(*vehicle.make(), record), "a row's make is in its record");
  FUZZ_CHECK(vehicle.shownModel() != "-1", "a model of -1 shows as none");
  for (int f = 0; f < kFieldCount; ++f) {
    const auto field = static_cast<Field>(f);
    const auto value = vehicle.value(field);
    FUZZ_CHECK(!value || std::isfinite(*value), "a value is a finite number");
    FUZZ_CHECK(!value || !isNotAvailable(vehicle.stored(field)), "a value is never a blank");
  }
  if (const auto shares = vehicle.weightShares())
    FUZZ_CHECK(shares->front >= 0 && shares->rear >= 0 &&
                   std::abs(shares->front + shares->rear - 1) < 1e-9,
               "weight shares are two parts of one");
  if (const auto year = vehicle.measuredYear())
    FUZZ_CHECK(*year >= 1965 && *year <= 2064, "a measurement year has its century");
}

void checkMakeScan(std::string_view data, std::string_view makeText, std::string_view filter) {
  checkModelRecords(data);
  // The scan of one make is not a part of the scan of all: past a make it does not want, it
  // looks for the next record from that make's end, not from the record's end.
  const std::string wanted = toUpper(trimBlanks(makeText));
  const std::string upperFilter = toUpper(trimBlanks(filter));
  std::size_t passing = 0;
  forEachModelRecord(data, wanted, [&](std::string_view record) {
    FUZZ_CHECK(within(record, data) && record.starts_with("<MA>"),
               "a record of the make scan is a model record of the data");
    FUZZ_CHECK(equalsTrimmedUpper(tagValue(record, "MA"), wanted),
               "a record of the make scan has the wanted make");
    passing += passesModelFilter(record, upperFilter) ? 1 : 0;
  });
  const auto yearData = yearDataOf(std::string(data));
  const std::string_view copy = yearData->text;
  std::vector<std::string_view> groups;
  const auto rows =
      rowList(yearData, makeText, filter, [&](std::string_view group) { groups.push_back(group); });
  FUZZ_CHECK(rows.size() == (wanted.empty() ? 0 : passing),
             "the rows are the make's records that pass the filter");
  std::vector<std::string_view> expectedGroups;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    FUZZ_CHECK(passesModelFilter(rows.text(i), upperFilter), "every row passes the model filter");
    FUZZ_CHECK(within(rows.text(i), copy), "a row is a view into the data");
    checkVehicle(rows[i], rows.text(i));
    const std::string_view group = firstWord(tagValue(rows.text(i), "MO", ""));
    if (i == 0 || expectedGroups.back() != group) expectedGroups.push_back(group);
  }
  // The unfiltered rows recycled: their storage, none of their rows.
  const auto recycled = rowList(yearData, makeText, filter, {}, rowList(yearData, makeText, ""));
  FUZZ_CHECK(recycled.size() == rows.size(), "neither groups nor recycled storage change the rows");
  for (std::size_t i = 0; i < rows.size(); ++i)
    FUZZ_CHECK(recycled.text(i) == rows.text(i), "recycled storage holds the new rows");
  FUZZ_CHECK(std::equal(groups.begin(), groups.end(), expectedGroups.begin(), expectedGroups.end()),
             "the groups are each row's first model word, repeats in a row left out");
}

// The list order sorts any texts as a stable sort by listOrderBefore does.
void checkListOrder(std::vector<std::string> sorted) {
  std::vector<std::string> expected = sorted;
  sortAsList(sorted);
  std::stable_sort(
      expected.begin(), expected.end(),
      [](const std::string& a, const std::string& b) { return listOrderBefore(a, b); });
  FUZZ_CHECK(sorted == expected, "the list order is listOrderBefore's, equal entries as added");
}

void checkRecordWalk(std::string_view data) {
  YearWalker walk(data);
  YearRecord record;
  std::size_t previousClose = 0;
  bool first = true;
  while (walk.nextRecord(record)) {
    FUZZ_CHECK(within(record.text, data), "a record is a view into the data");
    FUZZ_CHECK(record.text.find("</R>") == std::string_view::npos, "a record ends at </R>");
    FUZZ_CHECK(first || record.open >= previousClose + 4, "records do not overlap");
    FUZZ_CHECK(data.substr(record.open).starts_with("<R>") &&
                   data.substr(record.close).starts_with("</R>"),
               "a record stands between its tags");
    for (const auto& [element, tag] :
         {std::pair{&record.make, "MA"}, std::pair{&record.model, "MO"},
          std::pair{&record.dimensions, "DA"}}) {
      const auto lookup = findElement(record.text, tag);
      FUZZ_CHECK(
          element->has_value() == lookup.has_value() && (!lookup || **element == lookup->value),
          "a record's element reads as a lookup in its text");
    }
    previousClose = record.close;
    first = false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  orv::fuzz::FuzzInput in(bytes, size);
  const std::string_view makeText = in.part();
  const std::string_view filter = in.part();
  const std::string_view data = in.rest();
  checkMakeList(data);
  checkMakeScan(data, makeText, filter);
  // The first make of the data, so that the make scan finds something on most inputs.
  const auto names = makeNames(data);
  if (!names.empty()) checkMakeScan(data, names.front(), filter);
  checkListOrder(names);
  checkRecordWalk(data);
  return 0;
}

// The sample data generator: complete, byte-identical between runs, and readable by the
// same walks the viewer uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "SampleData.h"
#include "TempFolder.h"
#include "core/FileProcs.h"
#include "core/SharedState.h"
#include "core/Text.h"
#include "core/YearWalk.h"

namespace orv {

using namespace orv::core;
namespace {

namespace fs = std::filesystem;
using test::readBytes;

std::size_t countOf(std::string_view text, std::string_view needle) {
  std::size_t n = 0;
  for (auto p = findText(text, needle, 0); p != npos; p = findText(text, needle, p + 1)) ++n;
  return n;
}

// Start-up loads the year two before the last year and then the current calendar year.
TEST(SampleData, WritesEveryYearTheSameWayWhateverTheLastYearAndAFreshStartFindsItsFiles) {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  const int thisYear = static_cast<int>(std::chrono::year_month_day(today).year());
  const int last = sample::defaultLastYear(thisYear);
  test::TempFolder one, later;
  ASSERT_EQ(sample::writeSampleData(one.path(), last), "");
  ASSERT_EQ(sample::writeSampleData(later.path(), last + 3), "");
  for (int year = 1970; year <= last + 1; ++year) {
    const std::string name = "SP" + std::to_string(year) + ".TXT";
    EXPECT_EQ(fs::exists(one / name), year >= 1971 && year <= last) << name;
    if (fs::exists(one / name)) {
      EXPECT_EQ(readBytes(one / name), readBytes(later / name)) << name;
    }
  }
  const Places here(one.path(), one.path(), one.path());
  EXPECT_EQ(lastYearOf(F_READFILE(here, "VERSION.TXT").substr(0, 6)), std::to_string(last));
  for (int year : {last - 2, thisYear})
    EXPECT_GT(F_READFILE(here, "SP" + std::to_string(year) + ".txt").size(), 2u) << year;
  test::writeBytes(one / "file", "x");
  EXPECT_NE(sample::writeSampleData(one / "file", last), "");
}

TEST(SampleData, EveryYearFileReadsCleanlyWithTheWalks) {
  for (int year = 1971; year <= 2027; ++year) {
    const std::string data = sample::yearText(year);
    EXPECT_EQ(countOf(data, "\n"), countOf(data, "\r\n")) << year;
    const auto makes = makeNames(data);
    EXPECT_EQ(std::adjacent_find(makes.begin(), makes.end(), std::greater_equal<>()), makes.end())
        << year << ": makes unsorted or split";
    std::size_t records = 0;
    for (const auto& make : makes)
      forEachModelRecord(data, make, [&](std::string_view) { ++records; });
    EXPECT_EQ(records, countOf(data, "<R>")) << year << ": a record outside the listed makes";
  }
}

}  // namespace
}  // namespace orv

// The sample data generator: complete, byte-identical between runs, and readable by the
// same walks the viewer uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include "TempFolder.h"
#include "core/FileProcs.h"
#include "core/Format.h"
#include "core/Numbers.h"
#include "core/SharedState.h"
#include "core/TagText.h"
#include "core/Text.h"
#include "core/YearWalk.h"
#include "tools/SampleData.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr int kLast = 2027;

std::size_t countOf(std::string_view text, std::string_view needle) {
  std::size_t n = 0;
  for (auto p = findText(text, needle, 0); p != npos; p = findText(text, needle, p + 1)) ++n;
  return n;
}

class SampleData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new test::TempFolder;
    ASSERT_EQ(sample::writeSampleData(folder_->path(), kLast), "");
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  static Places places() { return Places(folder_->path(), folder_->path(), folder_->path()); }

  static test::TempFolder* folder_;
};
test::TempFolder* SampleData::folder_ = nullptr;

TEST_F(SampleData, HasOneFileForEveryYearAndAVersionFile) {
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(folder_->path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, static_cast<std::size_t>(kLast - 1971 + 1 + 1));
  for (int year = 1971; year <= kLast; ++year)
    EXPECT_TRUE(fs::is_regular_file(folder_->path() / ("SP" + std::to_string(year) + ".TXT")))
        << year;
  EXPECT_FALSE(fs::exists(folder_->path() / "SP2028.TXT"));
}

TEST_F(SampleData, IsByteIdenticalOnEveryRun) {
  test::TempFolder again;
  ASSERT_EQ(sample::writeSampleData(again.path(), kLast), "");
  for (const auto& entry : fs::directory_iterator(folder_->path())) {
    const auto name = entry.path().filename();
    EXPECT_EQ(test::readBytes(entry.path()), test::readBytes(again.path() / name)) << name;
  }
}

TEST_F(SampleData, YearFilesDoNotDependOnTheLastYear) {
  test::TempFolder later;
  ASSERT_EQ(sample::writeSampleData(later.path(), 2030), "");
  EXPECT_EQ(test::readBytes(later.path() / "SP2000.TXT"),
            test::readBytes(folder_->path() / "SP2000.TXT"));
  EXPECT_TRUE(fs::exists(later.path() / "SP2030.TXT"));
  EXPECT_EQ(lastYearOf(test::readBytes(later.path() / "VERSION.TXT").substr(0, 6)), "2030");
}

TEST_F(SampleData, VersionTextNamesTheReleaseYear) {
  const std::string version = F_READFILE(places(), "VERSION.TXT");
  ASSERT_GE(version.size(), 6u);
  for (int i = 0; i < 4; ++i)
    EXPECT_TRUE(version[static_cast<std::size_t>(i)] >= '0' &&
                version[static_cast<std::size_t>(i)] <= '9');
  EXPECT_EQ(lastYearOf(version.substr(0, 6)), "2027");
  EXPECT_NE(version.find('\t'), std::string::npos);
  EXPECT_NE(version.find("  "), std::string::npos);
  EXPECT_EQ(countOf(version, "\n"), countOf(version, "\r\n"));
}

// Start-up loads the year two before the last year and then the current calendar year.
TEST_F(SampleData, DefaultLastYearLetsAFreshStartFindItsFiles) {
  const int thisYear =
      static_cast<int>(std::chrono::year_month_day(
                           std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()))
                           .year());
  const int last = sample::defaultLastYear(thisYear);
  EXPECT_GE(last, 2027);
  EXPECT_GT(last, thisYear);
  EXPECT_EQ(sample::defaultLastYear(2026), 2027);
  EXPECT_EQ(sample::defaultLastYear(2031), 2032);
  test::TempFolder fresh;
  ASSERT_EQ(sample::writeSampleData(fresh.path(), last), "");
  const Places here(fresh.path(), fresh.path(), fresh.path());
  const std::string lastYear = lastYearOf(F_READFILE(here, "VERSION.TXT").substr(0, 6));
  EXPECT_EQ(lastYear, std::to_string(last));
  for (int year : {last - 2, thisYear}) {
    const std::string data = F_READFILE(here, "SP" + std::to_string(year) + ".txt");
    EXPECT_FALSE(data.empty() || data == "-1") << year;
  }
}

TEST_F(SampleData, RefusesAFolderThatIsAFile) {
  test::TempFolder dir;
  test::writeBytes(dir / "file", "x");
  EXPECT_NE(sample::writeSampleData(dir / "file", kLast), "");
  EXPECT_NE(sample::writeSampleData(dir.path(), 1900), "");
}

TEST_F(SampleData, EveryYearFileReadsCleanlyWithTheWalks) {
  std::size_t largestMake = 0;
  for (int year = 1971; year <= kLast; ++year) {
    SCOPED_TRACE(year);
    const std::string data = F_READFILE(places(), "SP" + std::to_string(year) + ".txt");
    ASSERT_FALSE(data.empty());
    EXPECT_EQ(countOf(data, "\n"), countOf(data, "\r\n"));
    EXPECT_EQ(countOf(data, "\r"), countOf(data, "\r\n"));

    const auto makes = makeNames(data);
    EXPECT_TRUE(std::is_sorted(makes.begin(), makes.end()));
    EXPECT_EQ(std::adjacent_find(makes.begin(), makes.end()), makes.end()) << "make split";

    std::size_t records = 0, withoutModel = 0, withoutDimensions = 0, shortDimensions = 0;
    std::size_t yearLargest = 0;
    for (const auto& make : makes) {
      EXPECT_EQ(toUpper(make), make);
      std::size_t models = 0;
      std::string lastGroup;
      std::map<std::string, bool> groupsSeen;
      forEachModelRecord(data, make, [&](std::string_view record) {
        ++models;
        const std::string model = F_GETTAG(record, "MO", 1);
        if (model == "-1") ++withoutModel;
        const std::string group = F_FIRSTWORD(F_GETTAG2(record, "MO"));
        if (!group.empty() && group != lastGroup) {
          EXPECT_FALSE(groupsSeen[group]) << make << " " << group << " split";
          groupsSeen[group] = true;
          lastGroup = group;
        }
        const std::string dims = F_GETTAG(record, "DA", 1);
        if (dims == "-1") {
          ++withoutDimensions;
          return;
        }
        if (dims.size() < 50) ++shortDimensions;
        const std::string wb = dims.substr(std::min<std::size_t>(30, dims.size()), 3);
        if (wb.size() == 3 && !isNotAvailable(wb)) {
          EXPECT_TRUE(isDecimalNumber(wb)) << wb;
          const double v = numericReading(wb);
          EXPECT_TRUE(v >= 200 && v <= 340) << wb;
        }
      });
      records += models;
      yearLargest = std::max(yearLargest, models);
    }
    EXPECT_EQ(records, countOf(data, "<R>")) << "every record belongs to a listed make";
    EXPECT_GT(yearLargest, 40u);
    EXPECT_GE(withoutModel, 1u);
    EXPECT_GE(withoutDimensions, 1u);
    EXPECT_GE(shortDimensions, 1u);
    EXPECT_GE(records, 200u);
    largestMake = std::max(largestMake, yearLargest);
  }
  EXPECT_GE(largestMake, 100u);
}

}  // namespace
}  // namespace orv

// The walks over the year data: the make list and the make scan. Besides their results,
// they must stop on every malformed, truncated or binary input.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/YearWalk.h"
#include "tools/NumberStream.h"

namespace orv {
namespace {

std::vector<std::string> recordsOf(std::string_view data, std::string_view make) {
  std::vector<std::string> out;
  forEachModelRecord(data, make, [&](std::string_view r) { out.emplace_back(r); });
  return out;
}

using Strings = std::vector<std::string>;

TEST(MakeList, DropsOnlyARepeatOfTheNameJustBefore) {
  const std::string data =
      "<R><MA>ALDERYN</MA></R>\r\n<R><MA>ALDERYN</MA></R>\r\n<R><MA>BRISKEL</MA></R>\r\n"
      "<R><MA>ALDERYN</MA></R>\r\n";
  EXPECT_EQ(makeNames(data), (Strings{"ALDERYN", "BRISKEL", "ALDERYN"}));
}

TEST(MakeList, ShowsNamesAsStored) {
  const std::string data = "<R><MA> Kestro </MA></R><R><MA>KESTRO</MA></R>";
  EXPECT_EQ(makeNames(data), (Strings{" Kestro ", "KESTRO"}));
}

TEST(MakeScan, IgnoresCaseAndBlanksAroundTheStoredMake) {
  const std::string data = "<R><MA>  Kestro </MA><MO>Trellan</MO></R>";
  EXPECT_EQ(recordsOf(data, "KESTRO"), (Strings{"<MA>  Kestro </MA><MO>Trellan</MO>"}));
}

TEST(MakeScan, CollectsRecordsSeparatedByOtherMakes) {
  const std::string data =
      "head\r\n<R><MA>KESTRO</MA><MO>a</MO></R>\r\n<R><MA>MORVIK</MA><MO>b</MO></R>\r\n"
      "<R><MA>KESTRO</MA><MO>c</MO></R>\r\nfoot";
  EXPECT_EQ(recordsOf(data, "KESTRO"),
            (Strings{"<MA>KESTRO</MA><MO>a</MO>", "<MA>KESTRO</MA><MO>c</MO>"}));
}

TEST(MakeScan, RecordStartsAtTheMakeElement) {
  // Elements before "<MA>" are not part of the model record.
  const std::string data = "<R><MO>x</MO><MA>KESTRO</MA><DA> 95</DA></R>";
  EXPECT_EQ(recordsOf(data, "KESTRO"), (Strings{"<MA>KESTRO</MA><DA> 95</DA>"}));
}

TEST(MakeScan, DoesNotMatchAPrefixOrALongerName) {
  const std::string data = "<R><MA>KESTROX</MA></R><R><MA>KEST</MA></R>";
  EXPECT_TRUE(recordsOf(data, "KESTRO").empty());
}

struct MalformedCase {
  const char* name;
  std::string data;
  Strings records;  // of make "K"
  Strings makes;
};

class MalformedYearData : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedYearData, WalksStopOrSkipWithoutHanging) {
  const auto& c = GetParam();
  EXPECT_EQ(recordsOf(c.data, "K"), c.records);
  EXPECT_EQ(makeNames(c.data), c.makes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedYearData,
    ::testing::Values(
        MalformedCase{"Empty", "", {}, {}}, MalformedCase{"FailedRead", "-1", {}, {}},
        MalformedCase{"NoMakeElement", "<R><MO>x</MO></R><R><DA> 1</DA></R>", {}, {}},
        MalformedCase{"MakeNotClosed", "<R><MA>K<MO>x</MO></R>", {}, {}},
        MalformedCase{
            "LastRecordNotClosed", "<R><MA>K</MA>a</R><R><MA>K</MA>b", {"<MA>K</MA>a"}, {"K"}},
        MalformedCase{"OnlyRecordNotClosed", "<R><MA>K</MA><MO>x</MO>", {}, {"K"}},
        MalformedCase{"RecordWithoutOwnCloseRunsToNext",
                      "<R><MA>K</MA>a<R><MA>J</MA>b</R><R><MA>K</MA>c</R>",
                      {"<MA>K</MA>a<R><MA>J</MA>b", "<MA>K</MA>c"},
                      {"K", "J", "K"}},
        MalformedCase{"RecordWithoutMakeInBetween",
                      "<R><MA>K</MA>a</R><R>junk</R><R><MA>K</MA>b</R>",
                      {"<MA>K</MA>a", "<MA>K</MA>b"},
                      {"K"}},
        MalformedCase{"FirstRecordNeedsNoOpeningTag", "<MA>K</MA>x</R>", {"<MA>K</MA>x"}, {"K"}},
        MalformedCase{
            "NoFurtherRecordEndsTheScan", "<R><MA>J</MA></R><MA>K</MA>x</R>", {}, {"J", "K"}},
        MalformedCase{"TagsOnly", "<R></R><MA></MA></R>", {}, {""}}),
    [](const auto& info) { return std::string(info.param.name); });

// Tags, pieces of tags and arbitrary bytes in a fixed pseudo-random order, so that whole
// records, broken records and unclosed elements are all frequent.
std::string tagHeavyNoise(std::size_t size) {
  static constexpr std::string_view kTokens[] = {"<MA>", "</MA>", "<R>", "</R>", "K",   " ",
                                                 "<M",   "A>",    "</",  "R",    "<MO>"};
  sample::NumberStream stream(12345);
  std::string out;
  out.reserve(size + 8);
  while (out.size() < size) {
    const auto n = stream.next();
    if ((n & 7) == 0) {
      out += static_cast<char>(n >> 8);
    } else {
      out += kTokens[(n >> 8) % std::size(kTokens)];
    }
  }
  out.resize(size);
  return out;
}

TEST(YearWalkRobustness, OneMegabyteOfNoiseTerminatesWithRecordsInsideTheBuffer) {
  const std::string data = tagHeavyNoise(1 << 20);
  std::size_t records = 0;
  for (std::string_view make : {"K", "", "MA", "R"}) {
    forEachModelRecord(data, make, [&](std::string_view r) {
      ++records;
      ASSERT_GE(r.data(), data.data());
      ASSERT_LE(r.data() + r.size(), data.data() + data.size());
      ASSERT_EQ(r.substr(0, 4), "<MA>");
    });
  }
  EXPECT_GT(records, 0u);  // the noise does contain matching records
  EXPECT_FALSE(makeNames(data).empty());
}

// A small well-formed year file: the records of "K" and the make list at each cut point
// must be exactly those whose closing tags lie before the cut.
TEST(YearWalkRobustness, EveryCutOfASmallYearFileGivesTheCompleteRecordsBeforeIt) {
  const std::string full =
      "ORV model year 1995\r\n\r\n"
      "<R><MA>J</MA><MO>Zellan</MO><DA>127104 39</DA></R>\r\n"
      "<R>\r\n<MA>K</MA>\r\n<MO>Trellan GL</MO>\r\n<DA> 95</DA>\r\n</R>\r\n"
      "<R><MA>K</MA><DA>   </DA></R>\r\n"
      "<R><MA>L</MA><MO>Quorvix</MO></R>\r\n"
      "<R><MA>K</MA><MO>Vennet</MO></R>\r\n"
      "End.\r\n";
  struct Found {
    std::string text;
    std::size_t end;  // where its closing tag ends
  };
  std::vector<Found> allRecords;
  forEachModelRecord(full, "K", [&](std::string_view r) {
    const auto at = static_cast<std::size_t>(r.data() - full.data());
    allRecords.push_back({std::string(r), at + r.size() + 4});
  });
  std::vector<Found> allMakes;
  forEachMakeName(full, [&](std::string_view m) {
    const auto at = static_cast<std::size_t>(m.data() - full.data());
    allMakes.push_back({std::string(m), at + m.size() + 5});
  });
  ASSERT_EQ(allRecords.size(), 3u);
  ASSERT_EQ(allMakes.size(), 5u);

  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    const std::string_view part(full.data(), cut);
    Strings expectRecords;
    for (const auto& f : allRecords)
      if (f.end <= cut) expectRecords.push_back(f.text);
    Strings expectMakes;
    for (const auto& f : allMakes)
      if (f.end <= cut && (expectMakes.empty() || expectMakes.back() != f.text))
        expectMakes.push_back(f.text);
    EXPECT_EQ(recordsOf(part, "K"), expectRecords) << "cut at " << cut;
    EXPECT_EQ(makeNames(part), expectMakes) << "cut at " << cut;
  }
}

}  // namespace
}  // namespace orv

// Start-up, first activation and closing of the main window. That start-up makes the report
// folder is proven by the report button tests, its mode by the core tests; missing files and
// odd version and unit files in the real window by the bad-input tests.
#include "SpecsFixture.h"
#include "core/FileProcs.h"

namespace orv::testing {

using namespace orv::core;
using namespace orv::windows;
namespace {

using StartupTest = SpecsFixture;

TEST_F(StartupTest, YearListRunsToTheLastYearAndTheCalendarYearFileReplacesTheDefault) {
  writeData("VERSION.TXT", "2018.2 history\r\n");
  writeData("SP2017.TXT", record("ALDER", "OLD", dims(250)));
  writeData("sp2019.txt", record("BRISK", "NEW", dims(260)));  // found without regard to case
  test::writeBytes(places_.programFolder() / "UNITS.TXT", "i");
  start(2019);
  ASSERT_EQ(w().S_YEAR->count(), 2019 - 1971 + 1);
  EXPECT_EQ(w().S_YEAR->text(), "2019");
  EXPECT_EQ(w().selection().yearText(), record("BRISK", "NEW", dims(260)));
  EXPECT_TRUE(startup_.empty());
  EXPECT_EQ(w().form().caption(), "Orvane - Version 2018.2");
  EXPECT_EQ(w().S_UNITS->text(), "Imperial");
}

// Odd version texts through the real window are the bad-input tests'.
TEST_F(StartupTest, UnreadableOrHugeVersionTextsGiveABoundedYearList) {
  writeData("SP2019.TXT", record("ALDER", "X", dims(250)));
  writeData("VERSION.TXT", "");
  fs::resize_file(places_.currentFolder() / "VERSION.TXT", kMaxReadBytes + 1);  // unreadable
  start(2019);
  EXPECT_EQ(w().S_YEAR->count(), 0);
  EXPECT_EQ(w().form().caption(), "Orvane - Version -1");
  writeData("VERSION.TXT", "9999.9");
  start(2019);
  ASSERT_EQ(w().S_YEAR->count(), 9999 - 1971 + 1);  // listed up to 9999 only
  EXPECT_EQ(w().selection().yearText(), record("ALDER", "X", dims(250)));
}

TEST_F(StartupTest, CloseBoxAndCloseButtonBothStoreTheUnitLetter) {
  const auto units = [this] { return test::readBytes(places_.programFolder() / "UNITS.TXT"); };
  const std::pair<const char*, const char*> cases[] = {{"  imperial", "I"}, {"   ", ""}};
  for (const auto& [text, stored] : cases) {
    start(2019);
    w().S_UNITS->setText(text);
    w().form().userClose();
    EXPECT_EQ(units(), stored);
  }
  test::writeBytes(places_.programFolder() / "UNITS.TXT", "\xff");
  start(2019);
  EXPECT_EQ(w().S_UNITS->text(), "Metric");  // an odd file means Metric
  click(w().B_CLOSE);
  EXPECT_EQ(units(), "M");
  EXPECT_EQ(quits_, 1);
}

}  // namespace
}  // namespace orv::testing

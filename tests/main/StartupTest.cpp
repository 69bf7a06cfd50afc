// Start-up, first activation and closing of the main window. That start-up makes the report
// folder is proven by the report button tests, its mode by the core tests.
#include "FileProcs.h"
#include "SpecsFixture.h"

namespace orv::testing {
namespace {

using StartupTest = SpecsFixture;

TEST_F(StartupTest, YearListRunsToTheLastYearAndTheCalendarYearFileReplacesTheDefault) {
  writeData("VERSION.TXT", "2018.2 history\r\n");
  writeData("SP2017.TXT", record("ALDER", "OLD", dims(250)));
  writeData("sp2019.txt", record("BRISK", "NEW", dims(260)));  // found without regard to case
  start(2019);

  EXPECT_EQ(w().state().versionText, "2018.2");
  EXPECT_EQ(w().state().lastYear, "2019");
  ASSERT_EQ(w().S_YEAR->count(), 2019 - 1971 + 1);
  EXPECT_EQ(w().S_YEAR->item(0), "1971");
  EXPECT_EQ(w().S_YEAR->item(48), "2019");
  EXPECT_EQ(w().S_YEAR->text(), "2019");
  EXPECT_EQ(w().state().yearData, record("BRISK", "NEW", dims(260)));
  EXPECT_TRUE(startup_.empty());
  EXPECT_EQ(w().form().caption(), "Orvane - Version 2018.2");
  EXPECT_EQ(w().state().currentRow, 0);
  EXPECT_FALSE(w().S_SCROLL->visible());
}

TEST_F(StartupTest, MissingFilesAreReportedWithTheNameAsBuilt) {
  writeData("VERSION.TXT", "2018.2");
  start(2025);  // a calendar year past the list, and no year files at all
  EXPECT_EQ(startup_, (std::vector<std::string>{"Can not read specs for this year.",
                                                "Problem loading Specs file: SP2025.txt"}));
  EXPECT_EQ(w().S_YEAR->text(), "2025");
  EXPECT_EQ(w().state().yearData, "");
}

TEST_F(StartupTest, MissingUnreadableOrOddVersionTextsGiveABoundedYearList) {
  const struct {
    const char* content;  // nullptr: no file; "": a file too large to read
    const char* text;
    const char* lastYear;
    int years;
  } cases[] = {{nullptr, "", "1", 0},
               {"", "-1", "0", 0},  // stands for an unreadable file (root reads any mode)
               {"abc", "abc", "1", 0},
               {"9999.9", "9999.9", "10000", 9999 - 1971 + 1}};  // listed up to 9999 only
  writeData("SP2019.TXT", record("ALDER", "X", dims(250)));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    fs::remove(places_.currentFolder() / "VERSION.TXT");
    if (c.content) writeData("VERSION.TXT", c.content);
    if (c.content && !*c.content)
      fs::resize_file(places_.currentFolder() / "VERSION.TXT", kMaxReadBytes + 1);
    start(2019);
    EXPECT_EQ(w().state().versionText, c.text);
    EXPECT_EQ(w().state().lastYear, c.lastYear);
    ASSERT_EQ(w().S_YEAR->count(), c.years);
    if (c.years > 0) {
      EXPECT_EQ(w().S_YEAR->item(c.years - 1), "9999");
    }
    EXPECT_EQ(w().form().caption(), std::string("Orvane - Version ") + c.text);
    EXPECT_EQ(w().state().yearData, record("ALDER", "X", dims(250)));
    EXPECT_EQ(startup_.empty(), c.years == 0);  // the default year has no file
  }
}

TEST_F(StartupTest, FirstActivationRestoresUnitsFocusesMakeAndFillsTheKeyboardReceiver) {
  writeData("VERSION.TXT", "2018.2");
  writeData("SP2019.TXT", record("A", "B", dims(250)));
  writeProgram("UNITS.TXT", "i");
  start(2019);
  EXPECT_EQ(w().S_UNITS->text(), "Imperial");
  EXPECT_EQ(focusName(), "S_MAKE");
  EXPECT_EQ(w().S_SCROLL2->count(), 800);
  EXPECT_EQ(w().S_SCROLL2->item(499), "500");
  EXPECT_EQ(w().S_SCROLL2->item(500), " ");
  EXPECT_EQ(w().S_SCROLL2->rect.top, w().S_MODELDROP->rect.top);
  EXPECT_EQ(w().form().tag, "1");
  EXPECT_EQ(highlighted(), -1);

  // A later activation (back from the search window) changes nothing.
  focus(w().S_YEAR);
  w().S_UNITS->setText("Metric");
  w().form().userActivate();
  EXPECT_EQ(w().S_SCROLL2->count(), 800);
  EXPECT_EQ(focusName(), "S_YEAR");
  EXPECT_EQ(w().S_UNITS->text(), "Metric");
}

TEST_F(StartupTest, MissingOrOddUnitsFileMeansMetric) {
  for (const char* stored : {"", "x", "Metric", "\xff"}) {
    SCOPED_TRACE(stored);
    writeProgram("UNITS.TXT", stored);
    start(2019);
    EXPECT_EQ(w().S_UNITS->text(), "Metric");
  }
}

TEST_F(StartupTest, CloseBoxAndCloseButtonBothStoreTheUnitLetter) {
  writeData("VERSION.TXT", "2018.2");
  start(2019);
  w().S_UNITS->setText("  imperial");
  w().form().userClose();
  EXPECT_EQ(readProgram("UNITS.TXT"), "I");
  EXPECT_FALSE(w().form().loaded());
  EXPECT_EQ(quits_, 0);

  start(2019);
  EXPECT_EQ(w().S_UNITS->text(), "Imperial");
  w().S_UNITS->setText("Metric");
  clickButton(w().B_CLOSE);
  EXPECT_EQ(readProgram("UNITS.TXT"), "M");
  EXPECT_EQ(quits_, 1);

  start(2019);
  w().S_UNITS->setText("   ");
  w().form().userClose();
  EXPECT_EQ(readProgram("UNITS.TXT"), "");
}

TEST_F(StartupTest, ClosingIgnoresAnUnwritableUnitsFile) {
  writeData("VERSION.TXT", "2018.2");
  start(2019);
  fs::remove_all(places_.programFolder());  // nowhere to write
  w().form().userClose();
  EXPECT_FALSE(w().form().loaded());
}

}  // namespace
}  // namespace orv::testing

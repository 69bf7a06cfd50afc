// The report buttons on the main window: their preconditions, the page file and the viewer.
// The search button is driven in the real window (app tests), with the unit choice handed on.
#include "PageOutput.h"
#include "SpecsFixture.h"

namespace orv::testing {
namespace {

class ReportButtonsTest : public SpecsFixture {
 protected:
  void SetUp() override {
    SpecsFixture::SetUp();
    writeData("VERSION.TXT", "2018.2 first release.\r\n");
    writeData("SP2019.TXT", record("ALDER", "RAVEN", dims(265)) +
                                record("ALDER", "OWL", dims(250)) +
                                record("BRISK", "X", dims(240)));
    start(2019);
  }
  fs::path page() { return *pageFilePath(places_); }
  std::string pageText() { return test::readBytes(page()); }
  void plantOldPage() { test::writeBytes(page(), "OLD PAGE"); }
};

TEST_F(ReportButtonsTest, PreconditionMessagesLeaveAnOldPageAndPutTheFocusWhereNeeded) {
  plantOldPage();
  focus(w().S_UNITS);
  clickButton(w().B_MODEL);  // nothing selected yet: the grid's row 0 is blank
  EXPECT_EQ(focusName(), "B_MODEL");
  clickButton(w().B_MAKE);
  EXPECT_EQ(focusName(), "S_MAKE");
  replaceText(w().S_YEAR, "  ");
  clickButton(w().B_YEAR);
  EXPECT_EQ(focusName(), "S_YEAR");
  fs::remove(places_.currentFolder() / "VERSION.TXT");
  clickButton(w().B_HISTORY);
  EXPECT_EQ(focusName(), "B_HISTORY");
  EXPECT_EQ(desk_.messages(),
            (std::vector<std::string>{"No Model selected.", "No Make is selected.",
                                      "Can not read specs for this year.", "No Year is selected.",
                                      "History file does not exist."}));
  EXPECT_EQ(pageText(), "OLD PAGE");
  EXPECT_TRUE(desk_.opened.empty());
}

TEST_F(ReportButtonsTest, ModelReportOfTheSelectedRowOpensThePageAndFocusesTheGrid) {
  plantOldPage();
  chooseMake("ALDER");
  clickCell(w().S_TEXT[3][1]);
  w().S_TEXT[3][1]->userDblClick();  // a double-click opens the model report
  ASSERT_EQ(desk_.opened, std::vector<std::string>{page().string()});
  EXPECT_NE(pageText().find("<CENTER><B>2019 ALDER OWL</B></CENTER>"), std::string::npos);
  EXPECT_EQ(pageText().substr(pageText().size() - 10), " </html>\r\n");
  EXPECT_EQ(focusName(), "S_SCROLL2");
}

TEST_F(ReportButtonsTest, MakeLegendAndHistoryReplaceThePageEachTime) {
  chooseMake("ALDER");
  clickButton(w().B_MAKE);
  EXPECT_NE(pageText().find("<td width=250>RAVEN</td>"), std::string::npos);
  clickButton(w().B_LEGEND);
  EXPECT_NE(pageText().find("<title>ORV - Orvane - Legend</title>"), std::string::npos);
  clickButton(w().B_HISTORY);
  EXPECT_NE(pageText().find("2018.2 first release.<BR>"), std::string::npos);
  EXPECT_EQ(desk_.opened.size(), 3u);
  EXPECT_EQ(desk_.opened[0], desk_.opened[2]);
  EXPECT_EQ(focusName(), "S_SCROLL2");
}

TEST_F(ReportButtonsTest, YearReportAsksForTheLayoutAndCancelWritesNothing) {
  plantOldPage();
  clickButton(w().B_YEAR);  // no answers scripted: Cancel
  EXPECT_EQ(pageText(), "OLD PAGE");
  EXPECT_EQ(focusName(), "B_YEAR");
  desk_.answers = {form::Answer::Yes};
  clickButton(w().B_YEAR);
  EXPECT_NE(pageText().find("<table width=675 style='font-family:Arial;font-size:9.0pt'>"),
            std::string::npos);
  desk_.answers = {form::Answer::No};
  clickButton(w().B_YEAR);
  EXPECT_NE(pageText().find("<td width=250><b>BRISK</b></td>"), std::string::npos);
  EXPECT_EQ(desk_.shown.size(), 3u);
  EXPECT_TRUE(desk_.shown[0].question);
  EXPECT_EQ(desk_.shown[0].text, "Display each model on a single line with small text?");
  EXPECT_EQ(desk_.opened.size(), 2u);
}

TEST_F(ReportButtonsTest, UnwritablePageIsReportedAndNothingOpens) {
  fs::remove_all(places_.reportFolder());
  fs::create_directories(places_.reportFolder());
  fs::permissions(places_.reportFolder(), fs::perms::group_write, fs::perm_options::add);
  chooseMake("ALDER");
  focus(w().S_MAKE);
  clickButton(w().B_LEGEND);
  desk_.answers = {form::Answer::No};
  clickButton(w().B_YEAR);
  ASSERT_EQ(desk_.messages().size(), 3u);
  EXPECT_EQ(desk_.messages()[0].rfind("The report page could not be written.", 0), 0u);
  EXPECT_EQ(desk_.messages()[2], desk_.messages()[0]);
  EXPECT_TRUE(desk_.opened.empty());
  EXPECT_EQ(focusName(), "B_YEAR");
}

TEST_F(ReportButtonsTest, HelpOpensTheGuideFromTheProgramFolderWithoutChecking) {
  clickButton(w().B_HELP);
  EXPECT_EQ(desk_.opened,
            std::vector<std::string>{
                (places_.programFolder() / "ORV User Guide - Final March 2012.pdf").string()});
  EXPECT_TRUE(desk_.shown.empty());
  EXPECT_EQ(focusName(), "S_SCROLL2");
}

}  // namespace
}  // namespace orv::testing

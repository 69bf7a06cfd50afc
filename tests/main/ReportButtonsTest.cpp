// The report buttons on the main window: their preconditions, the page file and the viewer.
// The model report (a double click) and the search run in the real window (app tests), an
// unusable report folder there too (bad-input tests).
#include "SpecsFixture.h"
#include "output/reports/PageOutput.h"

namespace orv::testing {

using namespace orv::core;
using namespace orv::output;
using namespace orv::windows;
namespace {

class ReportButtonsTest : public SpecsFixture {
 protected:
  void SetUp() override {
    startWith(alder({"RAVEN"}) + record("BRISK", "X", dims(240)));
    test::writeBytes(page(), "OLD PAGE");
  }
  fs::path page() { return *pageFilePath(places_); }
  bool pageHas(const std::string& t) {
    return test::readBytes(page()).find(t) != std::string::npos;
  }
};

TEST_F(ReportButtonsTest, FailedPreconditionsLeaveTheOldPageAndPutTheFocusWhereNeeded) {
  click(w().B_MODEL);  // nothing selected yet: the grid's row 0 is blank
  EXPECT_EQ(focusName(), "B_MODEL");
  click(w().B_MAKE);
  EXPECT_EQ(focusName(), "S_MAKE");
  replaceText(w().S_YEAR, "  ");
  click(w().B_YEAR);
  EXPECT_EQ(focusName(), "S_YEAR");
  fs::remove(places_.currentFolder() / "VERSION.TXT");
  click(w().B_HISTORY);
  EXPECT_EQ(desk_.messages(),
            (std::vector<std::string>{"No Model selected.", "No Make is selected.",
                                      "Can not read specs for this year.", "No Year is selected.",
                                      "History file does not exist."}));
  EXPECT_TRUE(pageHas("OLD PAGE"));
  EXPECT_TRUE(desk_.opened.empty());
}

TEST_F(ReportButtonsTest, EachReportReplacesThePageAndTheYearReportAsksForItsLayout) {
  chooseMake();
  click(w().B_YEAR);  // no answers scripted: Cancel writes nothing
  EXPECT_TRUE(pageHas("OLD PAGE"));
  EXPECT_EQ(focusName(), "B_YEAR");
  click(w().B_MAKE);
  EXPECT_TRUE(pageHas("<td width=250>RAVEN</td>"));
  click(w().B_LEGEND);
  EXPECT_TRUE(pageHas("<title>ORV - Orvane - Legend</title>"));
  click(w().B_HISTORY);
  EXPECT_TRUE(pageHas("2018.2<BR>"));
  desk_.answers = {form::Answer::Yes};
  click(w().B_YEAR);
  EXPECT_TRUE(pageHas("<table width=675 style='font-family:Arial;font-size:9.0pt'>"));
  desk_.answers = {form::Answer::No};
  click(w().B_YEAR);
  EXPECT_TRUE(pageHas("<td width=250><b>BRISK</b></td>"));
  EXPECT_EQ(desk_.opened, std::vector<std::string>(5, page().string()));
  EXPECT_EQ(focusName(), "S_SCROLL2");
  click(w().B_HELP);  // the guide in the program folder, unchecked
  EXPECT_EQ(desk_.opened.back(),
            (places_.programFolder() / "ORV User Guide - Final March 2012.pdf").string());
  EXPECT_EQ(desk_.messages(),
            std::vector<std::string>(3, "Display each model on a single line with small text?"));
}

}  // namespace
}  // namespace orv::testing

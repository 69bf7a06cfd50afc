// The unit box: what typing and leaving it does, and that its messages never loop.
#include "SpecsFixture.h"

namespace orv::testing {

using namespace orv::core;
using namespace orv::windows;
namespace {

using UnitsTest = SpecsFixture;

TEST_F(UnitsTest, ALowerCaseIRedrawsAtOnceButBlankOrLeadingBlankTextsAreRefused) {
  startWith(record("ALDER", "RAVEN", dims(100, 4)));
  chooseMake();
  replaceText(w().S_UNITS, "i");
  EXPECT_EQ(cell(1, 0), "37.4\r\n39.4");
  focus(w().S_MAKE);
  EXPECT_TRUE(desk_.shown.empty());
  replaceText(w().S_UNITS, "  ");
  focus(w().S_MAKE);
  EXPECT_EQ(focusName(), "S_UNITS");
  replaceText(w().S_UNITS, "m");
  replaceText(w().S_UNITS, " I");  // typing with a leading blank does not redraw
  EXPECT_EQ(cell(1, 0), " 95\r\n100");
  focus(w().S_YEAR);
  EXPECT_EQ(desk_.messages(), (std::vector<std::string>{"Units can not be blank.",
                                                        "Units must be Metric or Imperial"}));
  EXPECT_EQ(focusName(), "S_UNITS");
  w().F_SCROLL();  // the formatting itself trims and sees the I
  EXPECT_EQ(cell(1, 0), "37.4\r\n39.4");
}

TEST_F(UnitsTest, RefusedUnitsAndAChangedYearDoNotPingPong) {
  startWith(record("ALDER", "RAVEN", dims(100, 4)));
  replaceText(w().S_YEAR, "1999");  // a year whose file is missing, not yet confirmed
  replaceText(w().S_UNITS, "x");    // leaving S_YEAR here warns once
  focus(w().S_YEAR);
  focus(w().S_MAKE);
  EXPECT_EQ(desk_.messages(), (std::vector<std::string>{"Can not read specs for this year.",
                                                        "Units must be Metric or Imperial",
                                                        "Units must be Metric or Imperial"}));
}

}  // namespace
}  // namespace orv::testing

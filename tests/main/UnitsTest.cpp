// The unit box: what typing and leaving it does, and that its messages never loop.
#include "SpecsFixture.h"

namespace orv::testing {
namespace {

class UnitsTest : public SpecsFixture {
 protected:
  void SetUp() override {
    SpecsFixture::SetUp();
    writeData("VERSION.TXT", "2018.2");
    writeData("SP2019.TXT", record("ALDER", "RAVEN", dims(100, 4)));
    start(2019);
    chooseMake("ALDER");
  }
};

TEST_F(UnitsTest, TypingALowerCaseIRedrawsInImperialAtOnceAndIsAcceptedOnLeaving) {
  replaceText(w().S_UNITS, "i");
  EXPECT_EQ(cell(1, 0), "37.4\r\n39.4");
  EXPECT_EQ(cell(5, 0), "47.3\r\n09");
  focus(w().S_MAKE);
  EXPECT_TRUE(desk_.shown.empty());
  EXPECT_EQ(w().S_UNITS->text(), "i");  // a valid text is not rewritten
}

TEST_F(UnitsTest, BlankTextIsRefusedAndTheFocusComesBack) {
  replaceText(w().S_UNITS, "  ");
  focus(w().S_MAKE);
  EXPECT_EQ(desk_.messages(), std::vector<std::string>{"Units can not be blank."});
  EXPECT_EQ(focusName(), "S_UNITS");
}

TEST_F(UnitsTest, LeadingBlankFailsTheLetterTestButFormatsImperial) {
  replaceText(w().S_UNITS, " M");
  replaceText(w().S_UNITS, " I");  // typing with a leading blank does not redraw
  EXPECT_EQ(cell(1, 0), " 95\r\n100");
  focus(w().S_YEAR);
  EXPECT_EQ(desk_.messages(), std::vector<std::string>{"Units must be Metric or Imperial"});
  EXPECT_EQ(focusName(), "S_UNITS");
  w().F_SCROLL();  // the formatting itself trims and sees the I
  EXPECT_EQ(cell(1, 0), "37.4\r\n39.4");
}

TEST_F(UnitsTest, RefusedUnitsAndAChangedYearDoNotPingPong) {
  replaceText(w().S_YEAR, "1999");  // a year whose file is missing, not yet confirmed
  replaceText(w().S_UNITS, "x");    // leaving S_YEAR here warns once
  int nested = 0;
  desk_.onMessage = [&] {
    ASSERT_LT(++nested, 2) << "a message box opened inside another";
    --nested;
  };
  focus(w().S_YEAR);
  focus(w().S_MAKE);
  EXPECT_EQ(desk_.messages(), (std::vector<std::string>{"Can not read specs for this year.",
                                                        "Units must be Metric or Imperial",
                                                        "Units must be Metric or Imperial"}));
  EXPECT_EQ(focusName(), "S_UNITS");
}

}  // namespace
}  // namespace orv::testing

// Choosing a year, a make and a model group, as a person does it. The walk over broken year
// data and year texts that name other folders are the core tests' (YearWalk, FileProcs).
#include "SpecsFixture.h"

namespace orv::testing {

using namespace orv::core;
using namespace orv::windows;
namespace {

using SelectionTest = SpecsFixture;
using Items = std::vector<std::string>;

TEST_F(SelectionTest, MakeListIsSortedAndListsANonContiguousMakeOncePerRun) {
  startWith(record("KESTRO", "A", dims(250)) + alder({"B", "C"}) +
            record("KESTRO", "D", dims(253)) + record("mixed", "E", dims(254)));
  w().S_MAKE->userType("kes");
  w().S_MAKE->userDropDown();
  EXPECT_EQ(w().S_MAKE->items(), (Items{"ALDER", "KESTRO", "KESTRO", "mixed"}));
  EXPECT_EQ(w().S_MAKE->text(), "kes");  // the typed text survives the rebuild
}

TEST_F(SelectionTest, TypedMakeIsMatchedWithoutRegardToCaseAndBlanksAndAnUnknownOneEmptiesTheGrid) {
  startWith(alder({"RAVEN GT"}) + record("BRISK", "X", dims(251)) +
            record(" Alder ", "RAVEN", dims(252)));
  typeInto(w().S_MAKE, "alder");
  pressEnter(w().S_MAKE);
  EXPECT_EQ(w().selection().rows().size(), 2u);
  replaceText(w().S_MAKE, "");
  focus(w().S_YEAR);  // a cleared make box keeps the rows but offers no groups
  EXPECT_EQ(w().S_MODELDROP->items(), Items{" "});
  EXPECT_EQ(model(1), "RAVEN");
  typeInto(w().S_MAKE, "X");
  pressEnter(w().S_MAKE);
  EXPECT_EQ(model(0) + cell(1, 0), "");
  EXPECT_TRUE(desk_.shown.empty());
}

TEST_F(SelectionTest, ANewMakeResetsTheGridPositionButAListClickKeepsTheRow) {
  startWithModels(30);
  w().S_SCROLL2->userKeyDown(form::kKeyPageDown, 0);
  w().S_SCROLL2->userKeyDown(form::kKeyPageDown, 0);
  replaceText(w().S_MAKE, "brisk");
  focus(w().S_YEAR);  // leaving with a new text reloads
  EXPECT_EQ(model(0), "B 1");
  EXPECT_EQ(w().selection().currentRow(), 0);
  chooseMake();
  click(w().S_TEXT[2][3]);
  chooseMake("BRISK");
  EXPECT_EQ(highlighted(), -1);
  focus(w().S_SCROLL2);  // leaving S_MAKE: text equals tag, nothing reloads
  EXPECT_EQ(highlighted(), 3);
}

TEST_F(SelectionTest, AChosenYearIsReadAgainOnLeavingButEnterReloadsFromMemory) {
  writeData("SP2018.TXT", alder({"RAVEN OLD", "OWL"}));
  startWith(alder({"RAVEN", "OWL"}));
  chooseMake();
  pick(w().S_MODELDROP, "RAVEN");
  pick(w().S_YEAR, "2018");
  EXPECT_EQ(w().selection().rows().size(), 1u);  // the filter is kept
  EXPECT_EQ(model(0), "RAVEN OLD");
  writeData("SP2018.TXT", alder({"RAVEN NEW"}));
  focus(w().S_MAKE);  // the tag still holds 2019, so leaving reads 2018 again
  EXPECT_EQ(model(0), "RAVEN NEW");
  replaceText(w().S_YEAR, "2017");  // no SP2017.TXT exists
  pressEnter(w().S_YEAR);
  focus(w().S_MAKE);  // text equals the tag now: nothing is read
  EXPECT_TRUE(desk_.shown.empty());
  replaceText(w().S_YEAR, "1999");
  focus(w().S_MAKE);  // a failed load keeps the grid and the tag
  EXPECT_EQ(desk_.messages(), Items{"Can not read specs for this year."});
  EXPECT_EQ(model(0), "RAVEN NEW");
  EXPECT_EQ(w().S_YEAR->tag, "2017");
  // Coming back records the failed text as the tag, so only a further change reads again.
  replaceText(w().S_YEAR, "1998");
  focus(w().S_MAKE);
  EXPECT_EQ(desk_.messages().size(), 2u);
}

TEST_F(SelectionTest, FilterIsAnUpperCasePrefixAndGroupsDropOnlyAnAdjacentRepeat) {
  startWith(alder({"RAVEN", "RAVEN GT", "OWL", "RAVENSWOOD", " RAVEN", "raven lx"}) +
            "<R><MA>ALDER</MA><DA>" + dims(250) + "</DA></R>");
  chooseMake();
  EXPECT_EQ(w().S_MODELDROP->items(),
            (Items{"", " ", "OWL", "RAVEN", "RAVEN", "raven", "RAVENSWOOD"}));
  replaceText(w().S_MODELDROP, "raven");
  EXPECT_EQ(w().S_MODELDROP->text(), "RAVEN");
  pressEnter(w().S_MODELDROP);
  ASSERT_EQ(w().selection().rows().size(), 4u);
  EXPECT_EQ(model(2), "RAVENSWOOD");
  EXPECT_EQ(model(3), "raven lx");
  pick(w().S_MODELDROP, " ");  // the blank entry passes every record
  EXPECT_EQ(w().selection().rows().size(), 7u);
}

}  // namespace
}  // namespace orv::testing

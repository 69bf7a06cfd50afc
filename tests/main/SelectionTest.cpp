// Choosing a year, a make and a model group, as a person does it. The walk over broken year
// data and year texts that name other folders are the core tests' (YearWalk, FileProcs).
#include "SpecsFixture.h"

namespace orv::testing {
namespace {

class SelectionTest : public SpecsFixture {
 protected:
  void startWith(const std::string& year2019) {
    writeData("VERSION.TXT", "2018.2");
    writeData("SP2019.TXT", year2019);
    start(2019);
  }
};

TEST_F(SelectionTest, MakeListIsSortedAndListsANonContiguousMakeOncePerRun) {
  startWith(record("KESTRO", "A", dims(250)) + record("ALDER", "B", dims(251)) +
            record("ALDER", "C", dims(252)) + record("KESTRO", "D", dims(253)) +
            record("mixed", "E", dims(254)));
  w().S_MAKE->userType("kes");
  w().S_MAKE->userDropDown();
  EXPECT_EQ(w().S_MAKE->items(), (std::vector<std::string>{"ALDER", "KESTRO", "KESTRO", "mixed"}));
  EXPECT_EQ(w().S_MAKE->text(), "kes");  // the typed text survives the rebuild
}

TEST_F(SelectionTest, TypedLowerCaseMakeShowsInUpperCaseAndEnterLoadsItsModels) {
  startWith(record("ALDER", "RAVEN GT", dims(250)) + record("BRISK", "X", dims(251)) +
            record(" Alder ", "RAVEN", dims(252)));
  typeInto(w().S_MAKE, "alder");
  EXPECT_EQ(w().S_MAKE->text(), "ALDER");
  pressEnter(w().S_MAKE);
  EXPECT_EQ(w().S_LIST->count(), 2);  // the make comparison ignores case and blanks
  EXPECT_EQ(model(0), "RAVEN GT");
  EXPECT_EQ(model(1), "RAVEN");
  EXPECT_EQ(w().S_MAKE->tag, "ALDER");
  EXPECT_EQ(w().S_MODELDROP->items(), (std::vector<std::string>{" ", "RAVEN"}));
}

TEST_F(SelectionTest, LeavingTheMakeBoxWithANewTextReloadsAndResetsTheGridPosition) {
  startWith(manyRecords("ALDER", "M", 30) + manyRecords("BRISK", "B", 3));
  chooseMake("ALDER");
  focus(w().S_SCROLL2);
  press(form::kKeyPageDown);
  press(form::kKeyPageDown);
  EXPECT_EQ(w().S_SCROLL->value(), 14);
  replaceText(w().S_MAKE, "brisk");
  focus(w().S_YEAR);
  EXPECT_EQ(model(0), "B 1");
  EXPECT_EQ(w().state().currentRow, 0);
  EXPECT_EQ(w().S_SCROLL->value(), 0);
  EXPECT_FALSE(w().S_SCROLL->visible());
}

TEST_F(SelectionTest, AfterAListClickTheCurrentRowIsKeptAndLeavingDoesNothing) {
  startWith(manyRecords("ALDER", "M", 5) + manyRecords("BRISK", "B", 5));
  chooseMake("ALDER");
  clickCell(w().S_TEXT[2][3]);
  EXPECT_EQ(highlighted(), 3);
  chooseMake("BRISK");
  EXPECT_EQ(highlighted(), -1);
  focus(w().S_SCROLL2);  // leaving S_MAKE: text equals tag, nothing reloads
  EXPECT_EQ(w().state().currentRow, 3);
  EXPECT_EQ(highlighted(), 3);
  EXPECT_EQ(model(3), "B 4");
}

TEST_F(SelectionTest, SelectingAYearThenLeavingReadsItsFileTwice) {
  writeData("VERSION.TXT", "2018.2");
  writeData("SP2019.TXT", record("ALDER", "NOW", dims(250)));
  writeData("SP2018.TXT", record("ALDER", "FIRST READ", dims(250)));
  start(2019);
  chooseMake("ALDER");
  pick(w().S_YEAR, "2018");
  EXPECT_EQ(model(0), "FIRST READ");
  writeData("SP2018.TXT", record("ALDER", "SECOND READ", dims(250)));
  focus(w().S_MAKE);  // the tag still holds 2019, so leaving reads 2018 again
  EXPECT_EQ(model(0), "SECOND READ");
  EXPECT_EQ(w().S_YEAR->tag, "2018");
}

TEST_F(SelectionTest, EnterInTheYearBoxReloadsFromMemoryWithoutReadingTheFile) {
  startWith(record("ALDER", "IN MEMORY", dims(250)));
  chooseMake("ALDER");
  replaceText(w().S_YEAR, "2018");  // no SP2018.TXT exists
  pressEnter(w().S_YEAR);
  EXPECT_EQ(w().S_YEAR->tag, "2018");
  focus(w().S_MAKE);  // text equals the tag now: nothing is read
  EXPECT_TRUE(desk_.shown.empty());
  EXPECT_EQ(model(0), "IN MEMORY");
}

TEST_F(SelectionTest, FailedYearLoadOnLeavingKeepsTheGridAndTheTag) {
  startWith(record("ALDER", "KEPT", dims(250)));
  chooseMake("ALDER");
  replaceText(w().S_YEAR, "1999");
  focus(w().S_MAKE);
  EXPECT_EQ(desk_.messages(), std::vector<std::string>{"Can not read specs for this year."});
  EXPECT_EQ(model(0), "KEPT");
  EXPECT_EQ(w().S_YEAR->tag, "2019");
  // Coming back records the failed text as the tag, so only a further change reads again.
  replaceText(w().S_YEAR, "1998");
  focus(w().S_MAKE);
  EXPECT_EQ(desk_.messages().size(), 2u);
}

TEST_F(SelectionTest, ANewYearKeepsTheModelFilter) {
  writeData("VERSION.TXT", "2018.2");
  writeData("SP2019.TXT", record("ALDER", "RAVEN", dims(250)) + record("ALDER", "OWL", dims(251)));
  writeData("SP2018.TXT",
            record("ALDER", "RAVEN OLD", dims(250)) + record("ALDER", "OWL", dims(251)));
  start(2019);
  chooseMake("ALDER");
  pick(w().S_MODELDROP, "RAVEN");
  EXPECT_EQ(w().S_LIST->count(), 1);
  pick(w().S_YEAR, "2018");
  EXPECT_EQ(w().S_MODELDROP->text(), "RAVEN");
  EXPECT_EQ(w().S_LIST->count(), 1);
  EXPECT_EQ(model(0), "RAVEN OLD");
  EXPECT_EQ(w().S_MODELDROP->items(), (std::vector<std::string>{" ", "OWL", "RAVEN"}));
}

TEST_F(SelectionTest, FilterIsAnUpperCasePrefixOnCharacters) {
  startWith(record("ALDER", "RAVEN", dims(250)) + record("ALDER", "RAVEN GT", dims(251)) +
            record("ALDER", "RAVENSWOOD", dims(252)) + record("ALDER", " RAVEN", dims(253)) +
            record("ALDER", "raven lx", dims(254)) + record("ALDER", "OWL", dims(255)));
  chooseMake("ALDER");
  replaceText(w().S_MODELDROP, "raven");
  EXPECT_EQ(w().S_MODELDROP->text(), "RAVEN");
  pressEnter(w().S_MODELDROP);
  ASSERT_EQ(w().S_LIST->count(), 4);
  EXPECT_EQ(model(0), "RAVEN");
  EXPECT_EQ(model(1), "RAVEN GT");
  EXPECT_EQ(model(2), "RAVENSWOOD");
  EXPECT_EQ(model(3), "raven lx");

  pick(w().S_MODELDROP, " ");  // the blank entry passes every record
  EXPECT_EQ(w().S_LIST->count(), 6);
}

TEST_F(SelectionTest, ModelGroupsDropOnlyAnAdjacentRepeat) {
  startWith(record("ALDER", "RAVEN A", dims(250)) + record("ALDER", "RAVEN B", dims(250)) +
            record("ALDER", "OWL", dims(250)) + record("ALDER", "RAVEN C", dims(250)) +
            "<R><MA>ALDER</MA><DA>" + dims(250) + "</DA></R>");
  chooseMake("ALDER");
  EXPECT_EQ(w().S_MODELDROP->items(), (std::vector<std::string>{"", " ", "OWL", "RAVEN", "RAVEN"}));
}

TEST_F(SelectionTest, WhileTheFilterTagIsOneNoGroupsAreOffered) {
  startWith(record("ALDER", "RAVEN", dims(250)) + record("ALDER", "OWL", dims(251)));
  w().S_MODELDROP->tag = "1";
  typeInto(w().S_MAKE, "ALDER");
  pressEnter(w().S_MAKE);
  EXPECT_EQ(w().S_MODELDROP->items(), std::vector<std::string>{" "});
  EXPECT_EQ(w().S_LIST->count(), 2);
}

TEST_F(SelectionTest, ClearingTheMakeBoxKeepsThePreviousRows) {
  startWith(record("ALDER", "RAVEN", dims(250)));
  chooseMake("ALDER");
  replaceText(w().S_MAKE, "");
  focus(w().S_YEAR);
  EXPECT_EQ(w().S_MODELDROP->items(), std::vector<std::string>{" "});
  EXPECT_EQ(w().S_LIST->count(), 1);
  EXPECT_EQ(model(0), "RAVEN");
}

TEST_F(SelectionTest, AMakeWithoutRecordsEmptiesTheGridSilently) {
  startWith(record("ALDER", "RAVEN", dims(250)));
  chooseMake("ALDER");
  typeInto(w().S_MAKE, "X");
  pressEnter(w().S_MAKE);
  EXPECT_EQ(w().S_LIST->count(), 0);
  EXPECT_EQ(model(0), "");
  EXPECT_EQ(cell(1, 0), "");
  EXPECT_TRUE(desk_.shown.empty());
}

}  // namespace
}  // namespace orv::testing

// What the grid shows, how it scrolls, and how the keys and clicks move the selected row.
// The fixed factors of the other unit system are the units and core tests'.
#include "SpecsFixture.h"

namespace orv::testing {

using namespace orv::core;
using namespace orv::windows;
namespace {

using GridTest = SpecsFixture;

TEST_F(GridTest, CellsShowTwoValuesPerColumnOrNotAvailableAndAMissingModelBlanksTheRow) {
  startWith(record("ALDER", "RAVEN GT", dims(265, 1450)) + "<R><MA>ALDER</MA><MO>BARE</MO></R>" +
            record("ALDER", "SHORT", "123 -1N/A") + record("ALDER", "", dims(250)));
  chooseMake();
  EXPECT_EQ(cell(1, 0), " 95\r\n265");  // A over WB, the blank of the field kept
  EXPECT_EQ(cell(1, 1), "N/A\r\nN/A");
  EXPECT_EQ(cell(8, 1), " \r\n     ");
  EXPECT_EQ(cell(1, 2), "123\r\nN/A");
  EXPECT_EQ(model(3) + cell(1, 3) + model(13) + cell(1, 13), "");  // and rows past the last
}

TEST_F(GridTest, KeysMoveTheRowOrScrollAtTheEdges) {
  using namespace form;
  struct {
    const char* name;
    int models, startRow, startTop, key, row, top, shift = 0;  // Shift 1: as plain
  } const cases[] = {{"DownInside", 40, 4, 0, kKeyDown, 5, 0},
                     {"DownAtBottomOfFifteenScrollsOnce", 15, 13, 0, kKeyDown, 13, 1},
                     {"DownAtBottomOfFourteenStays", 14, 13, 0, kKeyDown, 13, 0},
                     {"UpAtTopScrolls", 40, 0, 7, kKeyUp, 0, 6},
                     {"PageDownJumpsToTheLastRow", 40, 4, 0, kKeyPageDown, 13, 0},
                     {"PageDownAtBottomScrollsFourteen", 40, 13, 0, kKeyPageDown, 13, 14},
                     {"PageDownAtBottomStopsAtTheEnd", 40, 13, 20, kKeyPageDown, 13, 26},
                     {"PageUpAtTopScrollsFourteen", 40, 0, 20, kKeyPageUp, 0, 6},
                     {"HomeGoesToTheStart", 40, 7, 12, kKeyHome, 0, 0},
                     {"EndGoesToTheLastModel", 40, 2, 0, kKeyEnd, 13, 26},
                     {"EndWithFewModelsStopsOnABlankRow", 5, 2, 0, kKeyEnd, 13, 0},
                     {"OtherKeysDoNothing", 40, 5, 3, kKeyLeft, 5, 3},
                     {"ShiftUpIsUp", 40, 4, 7, kKeyUp, 3, 7, 1}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    startWithModels(k.models);
    if (k.startTop > 0) w().S_SCROLL->userScroll(k.startTop);
    click(w().S_MODEL[k.startRow]);
    w().S_SCROLL2->userKeyDown(k.key, k.shift);
    EXPECT_EQ(w().selection().currentRow(), k.row);
    EXPECT_EQ(w().S_SCROLL->value(), k.top);
    EXPECT_EQ(highlighted(), k.row);
    EXPECT_EQ(w().S_SCROLL->visible(), k.models > 14);  // the bar appears from fifteen
    EXPECT_EQ(model(0), k.top < k.models ? "M " + std::to_string(k.top + 1) : "");
  }
}

TEST_F(GridTest, MouseScrollingAndAUnitSwitchKeepTheSelectedRowPosition) {
  startWithModels(40);
  click(w().S_TEXT[4][6]);
  w().S_SCROLL->userScroll(12);
  EXPECT_EQ(highlighted(), 6);
  pick(w().S_UNITS, "Imperial");
  EXPECT_EQ(w().S_SCROLL->value(), 12);
  EXPECT_EQ(model(0), "M 13");
  EXPECT_EQ(cell(1, 0).substr(0, 6), "37.4\r\n");
  focus(w().S_SCROLL2);
  EXPECT_EQ(highlighted(), 6);
}

TEST_F(GridTest, SinkEntryStaysWithinItsListForVeryLongMakes) {
  startWithModels(40000);  // more models than a 16-bit scroll range and than sink entries
  w().S_SCROLL2->userKeyDown(form::kKeyEnd, 0);
  EXPECT_EQ(model(13), "M 40000");
  EXPECT_EQ(w().S_SCROLL2->listIndex(), 799);
  w().S_SCROLL2->userKeyDown(form::kKeyPageUp, 0);
  w().S_SCROLL2->userKeyDown(form::kKeyPageUp, 0);
  EXPECT_EQ(model(0), "M 39973");
}

}  // namespace
}  // namespace orv::testing

// What the grid shows, how it scrolls, and how the keys and clicks move the selected row.
#include "SpecsFixture.h"

namespace orv::testing {
namespace {

class GridTest : public SpecsFixture {
 protected:
  // A make with `count` models named "M 1" ... and the keyboard on the grid.
  void startWithModels(int count) {
    writeData("VERSION.TXT", "2018.2");
    writeData("SP2019.TXT", manyRecords("ALDER", "M", count) + manyRecords("BRISK", "B", 2));
    start(2019);
    chooseMake("ALDER");
    focus(w().S_SCROLL2);
  }
  int top() { return w().S_SCROLL->value(); }
  int row() { return w().state().currentRow; }
};

TEST_F(GridTest, CellsShowTwoValuesPerColumnAsStoredOrConvertedWithTheFixedFactors) {
  writeData("VERSION.TXT", "2018.2");
  writeData("SP2019.TXT", record("ALDER", "RAVEN GT", dims(265, 1450, "55/45")));
  start(2019);
  chooseMake("ALDER");
  EXPECT_EQ(model(0), "RAVEN GT");
  EXPECT_EQ(cell(1, 0), " 95\r\n265");   // A over WB, the blank of the field kept
  EXPECT_EQ(cell(2, 0), " 80\r\n450");   // B over OL
  EXPECT_EQ(cell(5, 0), "120\r\n1450");  // E over CW
  EXPECT_EQ(cell(6, 0), " 90\r\n150");   // F over TF
  EXPECT_EQ(cell(8, 0), " \r\n55/45");
  for (int r = 1; r < 14; ++r) {
    EXPECT_EQ(model(r), "");
    EXPECT_EQ(cell(1, r), "");  // rows past the last record are wholly blank
  }
  writeProgram("UNITS.TXT", "I");
  start(2019);
  chooseMake("ALDER");
  EXPECT_EQ(cell(1, 0), "37.4\r\n104.4");
  EXPECT_EQ(cell(5, 0), "47.3\r\n3190");
  EXPECT_EQ(cell(8, 0), " \r\n55/45");
}

TEST_F(GridTest, MissingDimensionsShowNotAvailableAndAMissingModelBlanksTheRow) {
  writeData("VERSION.TXT", "2018.2");
  writeData("SP2019.TXT", "<R><MA>ALDER</MA><MO>BARE</MO></R>" +
                              ("<R><MA>ALDER</MA><DA>" + dims(250) + "</DA></R>") +
                              record("ALDER", "SHORT", "123 -1N/A") +
                              record("ALDER", "", dims(250)));
  start(2019);
  chooseMake("ALDER");
  EXPECT_EQ(cell(1, 0), "N/A\r\nN/A");
  EXPECT_EQ(cell(8, 0), " \r\n     ");
  EXPECT_EQ(model(1), "");
  EXPECT_EQ(cell(1, 1), "");
  EXPECT_EQ(cell(1, 2), "123\r\nN/A");
  EXPECT_EQ(cell(2, 2), "N/A\r\nN/A");  // " -1" is not available too
  EXPECT_EQ(cell(3, 2), "N/A\r\nN/A");
  EXPECT_EQ(cell(8, 2), " \r\n");
  EXPECT_EQ(cell(1, 3), "");
}

TEST_F(GridTest, ScrollBarAppearsFromFifteenRecords) {
  startWithModels(14);
  EXPECT_FALSE(w().S_SCROLL->visible());
  startWithModels(15);
  EXPECT_TRUE(w().S_SCROLL->visible());
  EXPECT_EQ(w().S_SCROLL->max(), 1);
}

TEST_F(GridTest, HighlightFollowsTheKeyboardReceiversFocus) {
  startWithModels(20);
  EXPECT_EQ(highlighted(), 0);
  EXPECT_EQ(w().S_MODEL[0]->foreColor(), 0x00E0E0E0u);
  EXPECT_EQ(w().S_TEXT[7][0]->backColor(), 0x00800000u);
  EXPECT_EQ(w().S_MODEL[1]->backColor(), form::kWhite);
  focus(w().S_MAKE);
  EXPECT_EQ(highlighted(), -1);
  EXPECT_EQ(row(), 0);
  w().form().userAccessKey('E');  // the MODEL heading's access key leads to the grid
  EXPECT_EQ(focusName(), "S_SCROLL2");
  EXPECT_EQ(highlighted(), 0);
}

struct KeyCase {
  const char* name;
  int models;
  int startRow;
  int startTop;
  int key;
  int row;
  int top;
  int shift = 0;  // Shift 1, Ctrl 2: the keys act as the plain keys
};

class NavigationKeys : public GridTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(NavigationKeys, MoveTheRowOrScrollAtTheEdges) {
  const auto& k = GetParam();
  startWithModels(k.models);
  if (k.startTop > 0) w().S_SCROLL->userScroll(k.startTop);
  clickCell(w().S_MODEL[k.startRow]);
  ASSERT_EQ(row(), k.startRow);
  ASSERT_EQ(top(), k.startTop);
  w().S_SCROLL2->userKeyDown(k.key, k.shift);
  EXPECT_EQ(row(), k.row);
  EXPECT_EQ(top(), k.top);
  EXPECT_EQ(highlighted(), k.row);
  EXPECT_EQ(model(0), k.top < k.models ? "M " + std::to_string(k.top + 1) : "");
  EXPECT_EQ(focusName(), "S_SCROLL2");
}

INSTANTIATE_TEST_SUITE_P(
    Table, NavigationKeys,
    ::testing::Values(
        KeyCase{"DownInside", 40, 4, 0, form::kKeyDown, 5, 0},
        KeyCase{"DownAtBottomScrolls", 40, 13, 3, form::kKeyDown, 13, 4},
        KeyCase{"DownAtBottomAndEnd", 40, 13, 26, form::kKeyDown, 13, 26},
        KeyCase{"DownAtBottomWithoutScrollBar", 10, 13, 0, form::kKeyDown, 13, 0},
        KeyCase{"UpInside", 40, 4, 7, form::kKeyUp, 3, 7},
        KeyCase{"UpAtTopScrolls", 40, 0, 7, form::kKeyUp, 0, 6},
        KeyCase{"UpAtTopAndStart", 40, 0, 0, form::kKeyUp, 0, 0},
        KeyCase{"PageDownJumpsToTheLastRow", 40, 4, 0, form::kKeyPageDown, 13, 0},
        KeyCase{"PageDownAtBottomScrollsFourteen", 40, 13, 0, form::kKeyPageDown, 13, 14},
        KeyCase{"PageDownAtBottomStopsAtTheEnd", 40, 13, 20, form::kKeyPageDown, 13, 26},
        KeyCase{"PageUpJumpsToTheFirstRow", 40, 9, 10, form::kKeyPageUp, 0, 10},
        KeyCase{"PageUpAtTopStopsAtTheStart", 40, 0, 5, form::kKeyPageUp, 0, 0},
        KeyCase{"PageUpAtTopScrollsFourteen", 40, 0, 20, form::kKeyPageUp, 0, 6},
        KeyCase{"HomeGoesToTheStart", 40, 7, 12, form::kKeyHome, 0, 0},
        KeyCase{"EndGoesToTheLastModel", 40, 2, 0, form::kKeyEnd, 13, 26},
        KeyCase{"EndWithFewModelsStopsOnABlankRow", 5, 2, 0, form::kKeyEnd, 13, 0},
        KeyCase{"OtherKeysDoNothing", 40, 5, 3, form::kKeyLeft, 5, 3},
        KeyCase{"CtrlEndIsEnd", 40, 2, 0, form::kKeyEnd, 13, 26, 2},
        KeyCase{"ShiftHomeIsHome", 40, 7, 12, form::kKeyHome, 0, 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridTest, MouseScrollingKeepsTheSelectedRowPosition) {
  startWithModels(40);
  clickCell(w().S_TEXT[4][5]);
  w().S_SCROLL->userScroll(9);
  EXPECT_EQ(highlighted(), 5);
  EXPECT_EQ(model(5), "M 15");
  EXPECT_EQ(w().S_SCROLL2->listIndex(), 0);  // only the keys move the sink entry
}

TEST_F(GridTest, UnitSwitchRedrawsAtTheSamePosition) {
  startWithModels(40);
  w().S_SCROLL->userScroll(12);
  clickCell(w().S_MODEL[6]);
  typeInto(w().S_UNITS, "");
  w().S_UNITS->userSelect(1);  // Imperial
  EXPECT_EQ(top(), 12);
  EXPECT_EQ(w().S_SCROLL->max(), 26);
  EXPECT_EQ(model(0), "M 13");
  EXPECT_EQ(cell(1, 0).substr(0, 6), "37.4\r\n");
  focus(w().S_SCROLL2);
  EXPECT_EQ(highlighted(), 6);
}

TEST_F(GridTest, SinkEntryStaysWithinItsListForVeryLongMakes) {
  startWithModels(40000);  // more models than a 16-bit scroll range and than sink entries
  press(form::kKeyEnd);
  EXPECT_EQ(top(), 40000 - 14);
  EXPECT_EQ(model(13), "M 40000");
  EXPECT_EQ(w().S_SCROLL2->listIndex(), 799);
  press(form::kKeyPageUp);
  press(form::kKeyPageUp);
  EXPECT_EQ(top(), 40000 - 28);
  EXPECT_EQ(model(0), "M 39973");
}

}  // namespace
}  // namespace orv::testing

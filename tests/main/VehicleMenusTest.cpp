// The analyst's commands on the selected row, through the menu bar and the rows' context
// menu as a person reaches them: the vehicle sheet, the drawing saved through the save
// dialog, and the comparison collected across year and make changes.
#include "SpecsFixture.h"
#include "output/reports/PageOutput.h"

namespace orv::testing {

using namespace orv::core;
using namespace orv::windows;
namespace {

class VehicleMenusTest : public SpecsFixture {
 protected:
  void SetUp() override {
    writeData("SP2018.TXT", alder({"OLD ONE"}));
    startWith(alder({"RAVEN", "TERN", "SWIFT", "WREN", "KITE"}) + record("BRISK", "X", dims(240)));
    chooseMake();
  }
  // Runs the command at `path` as a click on it would.
  bool run(const std::vector<std::string_view>& path) {
    return w().form().userCommand(w().form().findCommand(path));
  }
  // Selects grid row `row` with a right-click, then runs the context menu's `command`.
  bool onRow(int row, std::string_view command) {
    const auto* items = w().S_TEXT[2][row]->userContextMenu();
    return items && run({SpecsWindow::kRowMenu, command});
  }
  std::string page() { return test::readBytes(*output::pageFilePath(places_)); }
};

// The sheet of a clicked row is the analyst session's (real X events).
TEST_F(VehicleMenusTest, ARowThatShowsNoVehicleHasNoSheet) {
  onRow(7, "Vehicle Sheet");
  EXPECT_EQ(desk_.messages(), std::vector<std::string>{"No Model selected."});
  EXPECT_TRUE(desk_.opened.empty());
}

TEST_F(VehicleMenusTest, ExportDrawingSavesTheChosenViewAndFormatOrNothing) {
  onRow(2, "Export Drawing...");  // cancelled
  ASSERT_EQ(desk_.saveAsked.size(), 1u);
  EXPECT_EQ(desk_.saveAsked[0].suggested, "2019-ALDER-SWIFT-top.svg");
  EXPECT_EQ(desk_.saveAsked[0].types.size(), 4u);
  const fs::path file = root_ / "swift.dxf";
  desk_.saveReplies.push_back(form::SaveChoice{file, 3});  // side view, DXF
  ASSERT_TRUE(run({"Vehicle", "Export Drawing..."}));
  const std::string dxf = test::readBytes(file);
  EXPECT_TRUE(dxf.starts_with("  0\r\nSECTION\r\n")) << dxf.substr(0, 20);
  EXPECT_NE(dxf.find("$INSUNITS"), std::string::npos);
  desk_.saveReplies.push_back(form::SaveChoice{root_ / "missing" / "a.svg", 0});
  run({"Vehicle", "Export Drawing..."});
  ASSERT_EQ(desk_.messages().size(), 1u);
  EXPECT_TRUE(desk_.messages()[0].starts_with("The drawing could not be saved. The file "));
}

TEST_F(VehicleMenusTest, TheComparisonCollectsAcrossYearsRefusesRepeatsAndAFifthAndForgets) {
  const auto listed = [this] {
    std::vector<std::string> names;
    for (const auto& v : w().comparison().vehicles()) names.push_back(v.name());
    return names;
  };
  onRow(0, "Add to Comparison");
  onRow(0, "Add to Comparison");  // the same vehicle again
  replaceText(w().S_YEAR, "2018");
  focus(w().S_MAKE);  // the year is read on leaving its box; the make stays ALDER
  onRow(0, "Add to Comparison");
  replaceText(w().S_YEAR, "2019");
  focus(w().S_MAKE);
  onRow(1, "Add to Comparison");
  onRow(2, "Add to Comparison");
  onRow(3, "Add to Comparison");  // a fifth
  EXPECT_EQ(listed(), (std::vector<std::string>{"2019 ALDER RAVEN", "2018 ALDER OLD ONE",
                                                "2019 ALDER TERN", "2019 ALDER SWIFT"}));
  EXPECT_EQ(desk_.messages(),
            (std::vector<std::string>{
                "2019 ALDER RAVEN is already in the comparison.",
                "The comparison already holds four vehicles, the most it can. Remove one before "
                "adding 2019 ALDER WREN."}));
  // The page compares the collected vehicles, whatever year is loaded now.
  ASSERT_TRUE(run({"Comparison", "Compare at Rear Axle"}));
  EXPECT_NE(page().find("<title>ORV - Orvane - Comparison"), std::string::npos);
  for (const char* name : {"2019 ALDER RAVEN", "2018 ALDER OLD ONE", "2019 ALDER SWIFT"})
    EXPECT_NE(page().find(name), std::string::npos) << name;
  EXPECT_NE(page().find("rear axle"), std::string::npos);
  // Each collected vehicle is listed in the menu with a Remove of its own.
  ASSERT_TRUE(run({"Comparison", "2 2018 ALDER OLD ONE", "Remove"}));
  EXPECT_EQ(listed(),
            (std::vector<std::string>{"2019 ALDER RAVEN", "2019 ALDER TERN", "2019 ALDER SWIFT"}));
  EXPECT_NE(w().form().findCommand({"Comparison", "3 2019 ALDER SWIFT", "Remove"}), 0);
  ASSERT_TRUE(run({"Comparison", "Clear"}));
  EXPECT_TRUE(listed().empty());
  EXPECT_FALSE(run({"Comparison", "Clear"}));  // nothing left to clear: the command is off
  const auto opened = desk_.opened.size();
  run({"Comparison", "Compare"});
  EXPECT_EQ(desk_.opened.size(), opened);
  EXPECT_TRUE(desk_.messages().back().starts_with("Add two to four vehicles to the comparison"));
}

}  // namespace
}  // namespace orv::testing

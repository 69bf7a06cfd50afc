// The sister-vehicle window driven as a person drives it, over two small year files whose
// matches are worked out by hand: the checks before a run, imperial values read back with
// the program's factors, and the page written and opened with the reference left out.
#include <filesystem>
#include <functional>
#include <regex>

#include "DesktopRecorder.h"
#include "SimilarFolder.h"
#include "core/Selection.h"
#include "output/reports/PageOutput.h"
#include "windows/similar/SisterWindow.h"

namespace orv::output::testing {
namespace {

using namespace orv::core;
using orv::windows::SisterWindow;
using Lines = std::vector<std::string>;
// Boxes a person changes: (control, line) and the new text; for "C_USE" a click.
using Edits = std::vector<std::tuple<std::string, Field, std::string>>;

class SisterWindowTest : public SimilarFolder {
 protected:
  void SetUp() override {
    SimilarFolder::SetUp();
    // WB, TF, TR of each; 1990 A a is the vehicle the window is opened for.
    writeYear(1990,
              vehicle("A", "a", "265", "150", "148") + vehicle("B", "b", "266", "150", "148") +
                  vehicle("C", "c", "267", "150", "148") + vehicle("D", "d", "265", "151", "149") +
                  vehicle("E", "e", "265", "   ", "148"));
    writeYear(1991,
              vehicle("A", "a", "265", "150", "148") + vehicle("F", "f", "264", "149", "147"));
    // The page goes to the report folder, which start-up makes private to the user.
    std::filesystem::create_directory(places_.reportFolder());
    std::filesystem::permissions(places_.reportFolder(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    window_.emplace(places_, desktop_, "1991.1", "1992");
    desk.onMessage = [this] { focusAtMessage.push_back(focusName()); };
  }

  // The first row of `make` in 1990, as the main window's selection hands it over.
  std::optional<Vehicle> row(const std::string& make) {
    Selection selection;
    selection.readYear(places_, "1990");
    selection.chooseRows(make, "");
    return selection.currentVehicle();
  }
  // Opens the window and runs `script` while it is up.
  void open(std::optional<Vehicle> vehicle, UnitSystem units, const std::function<void()>& script) {
    desk.whileModal = [&](form::Form& f) {
      form_ = &f;
      script();
    };
    window_->open(std::move(vehicle), units);
  }
  form::Control& c(std::string_view name, int line = -1) { return *form_->find(name, line); }
  void edit(const Edits& edits) {
    for (const auto& [name, line, text] : edits)
      name == "C_USE" ? c(name, line).userClick() : c(name, line).userType(text);
  }
  std::string focusName() const { return form_->focus() ? form_->focus()->displayName() : ""; }
  std::string page() const { return orv::test::readBytes(*pageFilePath(places_)); }
  bool pageHas(std::string_view text) const { return page().find(text) != std::string::npos; }
  // The matches listed on the page as "year make model distance".
  Lines matches() const {
    static const std::regex cells(
        "<tr><td width=50>(\\d+)</td><td width=180>([^<]*)</td><td width=250>([^<]*)</td>"
        "<td width=70>([^<]*)</td>");
    Lines lines;
    const std::string text = page();
    for (std::sregex_iterator m(text.begin(), text.end(), cells), end; m != end; ++m)
      lines.push_back((*m)[1].str() + " " + (*m)[2].str() + " " + (*m)[3].str() + " " +
                      (*m)[4].str());
    return lines;
  }

  orv::testing::DesktopRecorder desk;
  form::Desktop desktop_ = desk.desktop();
  std::optional<SisterWindow> window_;
  form::Form* form_ = nullptr;
  Lines focusAtMessage;
};

// Opened for 1990 A a: WB 265, TF 150, TR 148 within 1 cm. B and D stand 1 away, C 2; E lacks
// TF; 1991 A a is equal, 1991 F f 1 away in all three. Imperial values left as shown are the
// stored ones (58.3 / 0.394 would be 147.97, and D's TR of 149 would fall out); typed ones
// are divided by 0.394: 104.8 in is 265.99 cm and 0.7 in 1.78 cm, so B stands 0.01 away, A
// 0.56 and C 0.57 (at 2.54 cm to the inch C would come before A).
TEST_F(SisterWindowTest, runs_write_the_matches_the_reference_left_out_and_keep_the_window_open) {
  const Lines own{"1991 A a 0.00", "1990 B b 1.00", "1990 D d 1.00", "1991 F f 1.00"};
  const std::tuple<UnitSystem, Edits, std::string, Lines> runs[] = {
      {UnitSystem::Metric, {}, "1990 A a", own},
      {UnitSystem::Imperial, {}, "1990 A a", own},
      {UnitSystem::Imperial,
       {{"S_VALUE", WB, "104.8"}, {"S_TOL", WB, " 0.7 "}},
       "the typed values",
       {"1990 B b 0.01", "1990 A a 0.56", "1991 A a 0.56", "1990 C c 0.57", "1990 D d 1.00"}},
  };
  for (const auto& [units, edits, reference, expected] : runs) {
    // Named references: clang 14 cannot capture structured bindings in a lambda.
    open(row("A"), units, [&, &edits = edits] {
      edit(edits);
      EXPECT_TRUE(form_->userEnterKey());
      EXPECT_TRUE(form_->loaded());
    });
    EXPECT_EQ(matches(), expected) << reference;
    EXPECT_TRUE(pageHas("<B>Sister vehicles of " + reference + "</B>")) << reference;
    EXPECT_EQ(pageHas("<B>Generations of A a</B>"), reference == "1990 A a") << reference;
  }
  EXPECT_EQ(desk.opened, Lines(std::size(runs), pageFilePath(places_)->string()));
  EXPECT_TRUE(desk.messages().empty());
}

// Values as the grid shows them, tolerances as the page does; WB, TF and TR checked unless the
// vehicle lacks them; the focus on WB's value; Escape closes.
TEST_F(SisterWindowTest, opens_with_the_vehicles_values_in_the_unit_system) {
  open(row("E"), UnitSystem::Imperial, [&] {
    EXPECT_EQ(c("L_VEHICLE").caption(), "Values of 1990 E e");
    EXPECT_EQ(c("L_UNITS").caption(), "Values and tolerances in inches, CW in pounds");
    for (const auto& [box, line, text] : Edits{{"S_VALUE", WB, "104.4"},
                                               {"S_VALUE", TF, ""},
                                               {"S_VALUE", CW, "2970"},
                                               {"S_TOL", WB, "0.4"},
                                               {"S_TOL", CW, "55.0"}})
      EXPECT_EQ(c(box, line).text(), text) << box << line;
    EXPECT_FALSE(static_cast<form::CheckBox&>(c("C_USE", TF)).checked());
    EXPECT_TRUE(static_cast<form::CheckBox&>(c("C_USE", TR)).checked());
    EXPECT_EQ(focusName(), "S_VALUE(10)");
    EXPECT_TRUE(form_->userEscapeKey());
    EXPECT_FALSE(form_->loaded());
  });
}

// Opened without a vehicle, WB, TF and TR typed; each case changes that. The first fault from
// the top gets the message and the focus; the page of an earlier run is left alone.
TEST_F(SisterWindowTest, bad_input_tells_what_is_wrong_focuses_the_box_and_writes_nothing) {
  const std::tuple<Edits, std::string, std::string> cases[] = {
      {{{"S_VALUE", WB, "26x"}, {"S_TOL", TF, "y"}},
       "The value of WB must be a number.",
       "S_VALUE(10)"},
      {{{"S_VALUE", TR, "1e2"}}, "The value of TR must be a number.", "S_VALUE(12)"},
      {{{"S_TOL", TF, ""}}, "The tolerance of TF must be a number.", "S_TOL(11)"},
      {{{"S_TOL", TR, "-0.5"}}, "The tolerance of TR cannot be negative.", "S_TOL(12)"},
      {{{"C_USE", OL, ""}}, "OL has no value. Type its value or uncheck it.", "S_VALUE(7)"},
      {{{"C_USE", WB, ""}, {"C_USE", TF, ""}, {"C_USE", TR, ""}},
       "Check at least one measure to compare.",
       "C_USE(0)"},
  };
  orv::test::writeBytes(*pageFilePath(places_), "earlier page");
  for (const auto& [edits, message, focus] : cases) {
    desk.shown.clear();
    focusAtMessage.clear();
    // Named references: clang 14 cannot capture structured bindings in a lambda.
    open(std::nullopt, UnitSystem::Metric, [&, &edits = edits, &message = message, &focus = focus] {
      EXPECT_EQ(c("L_VEHICLE").caption(), "No vehicle chosen: type the values to compare.");
      edit({{"S_VALUE", WB, "265"},
            {"S_VALUE", TF, "150"},
            {"S_VALUE", TR, "148"},
            {"S_VALUE", CW, "unchecked, so never read"}});
      edit(edits);
      c("B_RUN").userFocus();  // as a click on Run does
      c("B_RUN").userClick();
      EXPECT_EQ(focusName(), focus) << message;
    });
    EXPECT_EQ(desk.messages(), Lines{message});
    EXPECT_EQ(focusAtMessage, Lines{"B_RUN"}) << message;
  }
  EXPECT_EQ(page(), "earlier page");
  EXPECT_TRUE(desk.opened.empty());
  EXPECT_EQ(desk.pumps, 0);
}

}  // namespace
}  // namespace orv::output::testing

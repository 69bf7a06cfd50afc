// The search window driven as a person drives it: typing into the boxes, clicking, Enter
// and Escape, with a recording desktop that answers the message boxes.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <tuple>

#include "DesktopRecorder.h"
#include "SearchRecords.h"
#include "windows/search/SearchWindow.h"

namespace orv::output::testing {

using namespace orv::core;
using namespace orv::windows;
namespace {

using form::Control;
using form::Form;
using Boxes = std::map<std::string, std::string>;
using Messages = std::vector<std::string>;

// A recorder whose event pump can act, as other programs may while events are processed.
class Desk : public orv::testing::DesktopRecorder {
 public:
  std::function<void(int pass)> onPump;
  void processPendingEvents() override {
    DesktopRecorder::processPendingEvents();
    if (onPump) onPump(pumps);
  }
};

class SearchWindowTest : public test::DataFolder {
 protected:
  void SetUp() override {
    DataFolder::SetUp();
    write("SP1995.TXT", car("ALDER") + record("BRISK", "COUPE", dims("250", "140", "140")));
    window_.emplace(places_, desktop_, "1996");
    desk.onMessage = [this] { focusAtMessage.push_back(focusName()); };
  }

  // Opens the window with `units` and runs `script` while it is up.
  void open(std::string_view units, const std::function<void(Form&)>& script) {
    desk.whileModal = [&](Form& f) {
      form_ = &f;
      script(f);
    };
    window_->open(core::unitSystemOf(units));
  }
  // Opens the window, fills the boxes and clicks Run (a click takes the focus first).
  void run(const Boxes& boxes, std::string_view units = "Metric") {
    open(units, [&](Form&) {
      for (const auto& [box, text] : boxes) c(box).userType(text);
      c("B_RUN").userFocus();
      c("B_RUN").userClick();
      focusAfterRun = focusName();
    });
  }

  Control& c(std::string_view name) { return *form_->find(name); }
  std::string focusName() const {
    return form_ && form_->focus() ? form_->focus()->name() : std::string("(none)");
  }

  Desk desk;
  form::Desktop desktop_ = desk.desktop();
  std::optional<SearchWindow> window_;
  Form* form_ = nullptr;
  Messages focusAtMessage;
  std::string focusAfterRun;
};

// Opens in design state with the unit label; Enter runs without moving the focus, replaces
// the report in the unit shown (any decimal notation passes the checks; empty boxes and
// reversed ranges are run by the tests below and the scan's), opens it in the viewer and the
// window stays; Escape, the close box and Close unload it and discard what was typed.
TEST_F(SearchWindowTest, enter_runs_in_the_unit_shown_and_escape_or_close_unload) {
  write("REPORT.TXT", "old result");
  std::vector<bool> frameShown;  // at each pass of the event pump
  desk.onPump = [&](int) { frameShown.push_back(c("S_FRAME").visible()); };
  open("", [&](Form& f) {
    EXPECT_EQ(c("L_UNITS").caption(), "(inches)");
    EXPECT_EQ(focusName(), "S_WB1");
    EXPECT_FALSE(c("S_FRAME").visible());
    c("S_WB1").userType("1E2");
    c("S_WB2").userType("+105");
    c("S_WB2").userFocus();
    EXPECT_TRUE(f.userEnterKey());
    EXPECT_EQ(focusName(), "S_WB2");
    EXPECT_TRUE(f.loaded());
    f.userClose();
  });
  EXPECT_EQ(frameShown, (std::vector<bool>{true, true, false}));
  EXPECT_EQ(desk.opened, Messages{(data_ / "REPORT.TXT").string()});
  EXPECT_EQ(read("REPORT.TXT"), kHeader + "1995 ALDER" + blanks(25) + " SEDAN" + blanks(35) +
                                    "  104.3  59.1   58.3  \r\n\r\n1    Models found\r\n");
  desk.onPump = nullptr;
  open(" metric ", [&](Form& f) {
    EXPECT_EQ(c("L_UNITS").caption(), "(cm)");
    EXPECT_EQ(c("S_WB1").text(), "");
    EXPECT_TRUE(f.userEscapeKey());
    EXPECT_FALSE(f.loaded());
  });
  open("Metric", [&](Form& f) {
    c("B_CLOSE").userClick();
    EXPECT_FALSE(f.loaded());
  });
  EXPECT_TRUE(desk.messages().empty());
}

// fuzz_checks has numeric checks before pairing and the focus on the blank end of a pair;
// these rows the names in the messages and the order of the pairs.
TEST_F(SearchWindowTest, input_checks_show_one_message_and_leave_the_focus_as_described) {
  const auto numeric = [](std::string what) { return what + " must be numeric"; };
  const auto both = [](std::string what) {
    return "You must specify both starting and ending " + what + " values.";
  };
  // Boxes typed, the one message, where the focus ends.
  const std::tuple<Boxes, std::string, std::string> cases[] = {
      {{{"S_WB1", "1"}, {"S_WB2", "1..2"}}, numeric("Ending Wheelbase"), "B_RUN"},
      // Front and rear track are checked before the wheelbase, which the window lists first.
      {{{"S_FTW2", "150"}, {"S_WB1", "250"}}, both("Front track width"), "S_FTW1"},
      {{{"S_RTW1", "1"}, {"S_RTW2", "   "}, {"S_WB2", "2"}}, both("Rear track width"), "S_RTW2"},
      {{{"S_WB2", "250"}}, both("Wheelbase"), "S_WB1"},
  };
  for (const auto& [boxes, message, focus] : cases) {
    write("REPORT.TXT", "old result");
    desk.shown.clear();
    focusAtMessage.clear();
    run(boxes);
    EXPECT_EQ(desk.messages(), Messages{message});
    EXPECT_EQ(focusAtMessage, Messages{"B_RUN"}) << message;  // before the focus moves
    EXPECT_EQ(focusAfterRun, focus) << message;
    // The old result is gone even though the check stopped the click.
    EXPECT_FALSE(fs::exists(data_ / "REPORT.TXT"));
  }
  EXPECT_EQ(desk.pumps, 0);
  EXPECT_TRUE(desk.opened.empty());
}

TEST_F(SearchWindowTest, over_2000_hits_stop_with_message_and_the_file_is_still_written) {
  std::string year;
  for (int i = 0; i < 2100; ++i) year += car("ALDER");
  write("SP1990.TXT", year);
  run({});
  EXPECT_EQ(desk.messages(), Messages{"The search returned over 2000 hits and has been "
                                      "automatically stopped.  Use smaller ranges and try again."});
  EXPECT_EQ(desk.opened.size(), 1u);
  EXPECT_TRUE(read("REPORT.TXT").ends_with("148.0 \r\n\r\n2001 Models found\r\n"));
}

TEST_F(SearchWindowTest, undeletable_old_result_stops_before_any_check) {
  // The current folder has gone: the old result can not be deleted.
  const Places gone(data_ / "gone", data_.path(), data_ / "report");
  window_.emplace(gone, desktop_, "1996");
  run({{"S_WB1", "abc"}});  // would fail the numeric check
  EXPECT_EQ(desk.messages(), Messages{"Can not delete the file REPORT.TXT in the Kalvo folder.  "
                                      "If a previous report is open,  close it and run the search "
                                      "again.  Otherwise,  delete the file manually."});
  EXPECT_EQ(desk.pumps, 0);
  EXPECT_TRUE(desk.opened.empty());
}

TEST_F(SearchWindowTest, result_name_taken_during_the_run_is_left_alone) {
  desk.onPump = [&](int pass) {
    if (pass == 3) write("report.txt", "someone else's");
  };
  run({});
  EXPECT_EQ(read("report.txt"), "someone else's");
  fs::remove(data_ / "report.txt");
  desk.onPump = nullptr;
  fs::create_directory(data_ / "REPORT.TXT");
  run({});
  EXPECT_TRUE(fs::is_directory(data_ / "REPORT.TXT"));
  const std::string exists =
      "The file REPORT.TXT exists in the Kalvo folder.  If a previous report is open,  close it "
      "and run the search again.  Otherwise,  delete the file manually.";
  EXPECT_EQ(desk.messages(), (Messages{exists, exists}));
  EXPECT_TRUE(desk.opened.empty());
}

}  // namespace
}  // namespace orv::output::testing

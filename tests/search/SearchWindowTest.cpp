// The search window driven as a person drives it: typing into the boxes, clicking, Enter
// and Escape, with a recording desktop that answers the message boxes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <map>

#include "SearchFolder.h"
#include "search/SearchWindow.h"
#include "support/DesktopRecorder.h"

namespace orv::search::testing {
namespace {

using form::Control;
using form::Form;

const std::string kCannotDelete =
    "Can not delete the file REPORT.TXT in the Kalvo folder.  If a previous report is open,  "
    "close it and run the search again.  Otherwise,  delete the file manually.";
const std::string kExists =
    "The file REPORT.TXT exists in the Kalvo folder.  If a previous report is open,  close it "
    "and run the search again.  Otherwise,  delete the file manually.";
const std::string kOver2000 =
    "The search returned over 2000 hits and has been automatically stopped.  Use smaller "
    "ranges and try again.";
const std::string kCannotWrite =
    "The file REPORT.TXT could not be written in the Kalvo folder.  Make sure the folder can "
    "be written to and the disk is not full,  then run the search again.";
const std::string kHeader =
    "Year Make" + blanks(26) + " Model" + blanks(35) + "  WB     TWF    TWR\r\n";

// A recorder whose event pump can act, as other programs may while events are processed.
class Desk : public orv::testing::DesktopRecorder {
 public:
  std::function<void(int pass)> onPump;
  void processPendingEvents() override {
    DesktopRecorder::processPendingEvents();
    if (onPump) onPump(pumps);
  }
};

class SearchWindowTest : public SearchFolder {
 protected:
  void SetUp() override {
    SearchFolder::SetUp();
    writeFile("SP1995.TXT", record("ALDER", "SEDAN", dims("265", "150", "148")) +
                                record("BRISK", "COUPE", dims("250", "140", "140")));
    window_.emplace(places(), desktop_, "1996");
    desk.onMessage = [this] { focusAtMessage.push_back(focusName()); };
  }

  // Opens the window with `units` and runs `script` while it is up.
  void open(std::string_view units, const std::function<void(Form&)>& script) {
    desk.whileModal = [&](Form& f) {
      form_ = &f;
      script(f);
    };
    window_->open(units);
  }

  Control& c(std::string_view name) { return *form_->find(name); }
  void type(std::string_view box, std::string text) { c(box).userType(std::move(text)); }
  // A mouse click on a button takes the focus first.
  void press(std::string_view button) {
    c(button).userFocus();
    c(button).userClick();
  }
  std::string focusName() const {
    return form_ && form_->focus() ? form_->focus()->name() : std::string("(none)");
  }

  Desk desk;
  form::Desktop desktop_ = desk.desktop();
  std::optional<SearchWindow> window_;
  Form* form_ = nullptr;
  std::vector<std::string> focusAtMessage;
};

TEST_F(SearchWindowTest, opens_modally_in_design_state_with_unit_label_and_focus_on_S_WB1) {
  struct UnitCase {
    const char* units;
    const char* label;
  };
  for (const UnitCase u : {UnitCase{"Metric", "(cm)"},
                           {" metric ", "(cm)"},
                           {"m", "(cm)"},
                           {"Imperial", "(inches)"},
                           {"", "(inches)"},
                           {" x", "(inches)"},
                           {"iMPERIAL", "(inches)"}}) {
    open(u.units, [&](Form& f) {
      EXPECT_EQ(c("L_UNITS").caption(), u.label) << u.units;
      EXPECT_EQ(focusName(), "S_WB1");
      EXPECT_FALSE(c("S_FRAME").visible());
      for (const char* box : {"S_WB1", "S_WB2", "S_FTW1", "S_FTW2", "S_RTW1", "S_RTW2"})
        EXPECT_EQ(c(box).text(), "");
      EXPECT_TRUE(f.shown());
      type("S_WB1", "250");  // discarded by the close
      f.userClose();
    });
  }
  EXPECT_EQ(desk.modalForms.size(), 7u);
  EXPECT_TRUE(desk.messages().empty());
}

TEST_F(SearchWindowTest, design_tab_order_limits_and_frame) {
  open("Metric", [&](Form& f) {
    EXPECT_EQ(f.caption(), "Wheelbase / Track Width Search");
    EXPECT_EQ(form::toPixels(f.clientArea().width), 398);
    EXPECT_EQ(form::toPixels(f.clientArea().height), 285);
    EXPECT_EQ(f.font().family, "MS Sans Serif");
    EXPECT_DOUBLE_EQ(f.font().points, 8.25);
    EXPECT_EQ(f.controls().size(), 19u);

    std::vector<std::string> order;
    const Control* at = &c("S_WB1");
    for (int i = 0; i < 8; ++i, at = f.nextInTabOrder(at)) order.push_back(at->name());
    EXPECT_EQ(order, (std::vector<std::string>{"S_WB1", "S_WB2", "S_FTW1", "S_FTW2", "S_RTW1",
                                               "S_RTW2", "B_RUN", "B_CLOSE"}));
    EXPECT_EQ(f.nextInTabOrder(&c("B_CLOSE"))->name(), "S_WB1");

    type("S_FTW2", "123456");
    EXPECT_EQ(c("S_FTW2").text(), "12345");

    EXPECT_EQ(c("Label8").container, &c("S_FRAME"));
    EXPECT_EQ(c("Label8").caption(), "Searching.....");
    EXPECT_EQ(c("F_SEARCH").caption(), "Wheelbase:");
    for (const auto& ctl : f.controls()) EXPECT_EQ(ctl->accessKey(), 0) << ctl->name();
    // The frame lies under both buttons until a search raises it.
    const auto& cs = f.controls();
    auto pos = [&](std::string_view n) {
      for (std::size_t i = 0; i < cs.size(); ++i)
        if (cs[i]->name() == n) return i;
      return cs.size();
    };
    EXPECT_LT(pos("B_RUN"), pos("S_FRAME"));
    EXPECT_LT(pos("B_CLOSE"), pos("S_FRAME"));
    EXPECT_EQ(cs.front()->name(), "S_RTW2");
    EXPECT_EQ(cs.back()->name(), "F_SEARCH");
  });
}

TEST_F(SearchWindowTest, close_button_and_escape_unload_the_window) {
  open("Metric", [&](Form&) { press("B_CLOSE"); });
  EXPECT_FALSE(form_->loaded());
  open("Metric", [&](Form& f) {
    type("S_WB1", "260");
    EXPECT_TRUE(f.userEscapeKey());
    EXPECT_FALSE(f.loaded());
  });
  EXPECT_FALSE(exists("REPORT.TXT"));
}

TEST_F(SearchWindowTest, enter_in_a_box_runs_the_search_without_moving_the_focus) {
  open("Metric", [&](Form& f) {
    type("S_WB1", "260");
    type("S_WB2", "270");
    c("S_WB2").userFocus();
    EXPECT_TRUE(f.userEnterKey());
    EXPECT_EQ(focusName(), "S_WB2");
    EXPECT_TRUE(f.loaded());  // the window stays open after a run
    // Enter on the focused Close button closes instead of searching.
    c("B_CLOSE").userFocus();
    f.userEnterKey();
    EXPECT_FALSE(f.loaded());
  });
  EXPECT_EQ(desk.opened.size(), 1u);
}

TEST_F(SearchWindowTest, run_writes_report_and_asks_the_viewer_to_open_it) {
  writeFile("REPORT.TXT", "old result");
  bool frameOnTop = false;
  bool frameHiddenAfterScan = false;
  desk.onPump = [&](int pass) {
    if (pass <= 2)
      frameOnTop = c("S_FRAME").visible() && form_->controls().front()->name() == "S_FRAME";
    if (pass == 3) frameHiddenAfterScan = !c("S_FRAME").visible() && !exists("REPORT.TXT");
  };
  open("Metric", [&](Form&) {
    type("S_WB1", "260");
    type("S_WB2", "270");
    press("B_RUN");
  });
  EXPECT_TRUE(frameOnTop);
  EXPECT_TRUE(frameHiddenAfterScan);
  EXPECT_EQ(desk.pumps, 3);
  EXPECT_TRUE(desk.messages().empty());
  ASSERT_EQ(desk.opened.size(), 1u);
  EXPECT_EQ(desk.opened[0], (root() / "REPORT.TXT").string());
  EXPECT_EQ(readFile("REPORT.TXT"), kHeader + "1995 ALDER" + blanks(25) + " SEDAN" + blanks(35) +
                                        "  265.0  150.0  148.0 \r\n" + "\r\n" +
                                        "1    Models found\r\n");
}

TEST_F(SearchWindowTest, run_in_inches_uses_the_unit_label) {
  open("Imperial", [&](Form&) {
    type("S_WB1", "104.3");
    type("S_WB2", "104.4");
    press("B_RUN");
  });
  EXPECT_EQ(readFile("REPORT.TXT"), kHeader + "1995 ALDER" + blanks(25) + " SEDAN" + blanks(35) +
                                        "  104.3  59.1   58.3  \r\n" + "\r\n" +
                                        "1    Models found\r\n");
}

struct CheckCase {
  const char* name;
  std::map<std::string, std::string> boxes;
  const char* message;
  const char* focusAfter;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
  *os << c.name;
}

class InputChecks : public SearchWindowTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(InputChecks, show_one_message_and_leave_the_focus_as_described) {
  const CheckCase& k = GetParam();
  writeFile("REPORT.TXT", "old result");
  open("Metric", [&](Form&) {
    for (const auto& [box, text] : k.boxes) type(box, text);
    press("B_RUN");
    EXPECT_EQ(focusName(), k.focusAfter);
  });
  EXPECT_EQ(desk.messages(), std::vector<std::string>{k.message});
  // The message appears before the focus moves.
  EXPECT_EQ(focusAtMessage, std::vector<std::string>{"B_RUN"});
  // The old result is gone even though the check stopped the click.
  EXPECT_FALSE(exists("REPORT.TXT"));
  EXPECT_EQ(desk.pumps, 0);
  EXPECT_TRUE(desk.opened.empty());
}

INSTANTIATE_TEST_SUITE_P(
    SearchWindowTest, InputChecks,
    ::testing::Values(
        CheckCase{"wb1_letters", {{"S_WB1", "abc"}}, "Starting Wheelbase must be numeric", "B_RUN"},
        CheckCase{"wb2_two_points",
                  {{"S_WB1", "1"}, {"S_WB2", "1..2"}},
                  "Ending Wheelbase must be numeric",
                  "B_RUN"},
        CheckCase{"ftw1_letter",
                  {{"S_FTW1", "x"}, {"S_FTW2", "1"}},
                  "Starting Front track width must be numeric",
                  "B_RUN"},
        CheckCase{"ftw2_sign_only",
                  {{"S_FTW1", "1"}, {"S_FTW2", "-"}},
                  "Ending Front track width must be numeric",
                  "B_RUN"},
        CheckCase{"rtw1_dangling_exponent",
                  {{"S_RTW1", "1e"}, {"S_RTW2", "1"}},
                  "Starting Rear track width must be numeric",
                  "B_RUN"},
        CheckCase{"rtw2_trailing_letter",
                  {{"S_RTW1", "1"}, {"S_RTW2", "12a"}},
                  "Ending Rear track width must be numeric",
                  "B_RUN"},
        CheckCase{"inner_blank_is_not_numeric",
                  {{"S_WB1", "1 2"}, {"S_WB2", "3"}},
                  "Starting Wheelbase must be numeric",
                  "B_RUN"},
        // All numeric tests come before any pairing test.
        CheckCase{"numeric_before_pairing",
                  {{"S_WB1", "abc"}, {"S_FTW1", "150"}},
                  "Starting Wheelbase must be numeric",
                  "B_RUN"},
        CheckCase{"front_start_without_end",
                  {{"S_FTW1", "150"}},
                  "You must specify both starting and ending Front track width values.",
                  "S_FTW2"},
        // Front track is checked before wheelbase although wheelbase comes first.
        CheckCase{"front_before_wheelbase",
                  {{"S_FTW2", "150"}, {"S_WB1", "250"}},
                  "You must specify both starting and ending Front track width values.",
                  "S_FTW1"},
        CheckCase{"rear_end_without_start",
                  {{"S_RTW2", "150"}},
                  "You must specify both starting and ending Rear track width values.",
                  "S_RTW1"},
        CheckCase{"blanks_only_count_as_blank",
                  {{"S_RTW1", "150"}, {"S_RTW2", "   "}},
                  "You must specify both starting and ending Rear track width values.",
                  "S_RTW2"},
        CheckCase{"rear_before_wheelbase",
                  {{"S_RTW1", "1"}, {"S_WB2", "2"}},
                  "You must specify both starting and ending Rear track width values.",
                  "S_RTW2"},
        CheckCase{"wheelbase_start_without_end",
                  {{"S_WB1", "250"}},
                  "You must specify both starting and ending Wheelbase values.",
                  "S_WB2"},
        CheckCase{"wheelbase_end_without_start",
                  {{"S_WB2", "250"}},
                  "You must specify both starting and ending Wheelbase values.",
                  "S_WB1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchWindowTest, accepted_entries_run_the_search) {
  struct Accepted {
    std::map<std::string, std::string> boxes;
    int hits;
  };
  for (const Accepted& a : {Accepted{{}, 2}, Accepted{{{"S_WB1", " 12 "}, {"S_WB2", "300"}}, 2},
                            Accepted{{{"S_WB1", "2.6E2"}, {"S_WB2", "+270"}}, 1},
                            Accepted{{{"S_FTW1", ".5"}, {"S_FTW2", "145."}}, 1},
                            // A reversed range passes the checks and finds nothing.
                            Accepted{{{"S_RTW1", "200"}, {"S_RTW2", "100"}}, 0}}) {
    desk.opened.clear();
    open("Metric", [&](Form&) {
      for (const auto& [box, text] : a.boxes) type(box, text);
      press("B_RUN");
    });
    EXPECT_TRUE(desk.messages().empty());
    ASSERT_EQ(desk.opened.size(), 1u);
    const std::string report = readFile("REPORT.TXT");
    EXPECT_EQ(report.substr(report.size() - 17 - 2),
              std::to_string(a.hits) + "    Models found\r\n");
  }
}

TEST_F(SearchWindowTest, a_second_run_replaces_the_first_result) {
  open("Metric", [&](Form&) {
    press("B_RUN");
    type("S_WB1", "1");
    type("S_WB2", "2");
    press("B_RUN");
  });
  EXPECT_EQ(desk.opened.size(), 2u);
  EXPECT_EQ(readFile("REPORT.TXT"), kHeader + "\r\n0    Models found\r\n");
}

TEST_F(SearchWindowTest, over_2000_hits_stop_with_message_and_the_file_is_still_written) {
  std::string year;
  for (int i = 0; i < 2100; ++i) year += record("ALDER", "SEDAN", dims("265", "150", "148"));
  writeFile("SP1990.TXT", year);
  open("Metric", [&](Form&) { press("B_RUN"); });
  EXPECT_EQ(desk.messages(), std::vector<std::string>{kOver2000});
  ASSERT_EQ(desk.opened.size(), 1u);
  const std::string report = readFile("REPORT.TXT");
  EXPECT_EQ(report.size(), 97u + 2001u * 100u + 2u + 19u);
  EXPECT_EQ(report.substr(report.size() - 19), "2001 Models found\r\n");
}

TEST_F(SearchWindowTest, undeletable_old_result_stops_before_any_check) {
  // The current folder has gone: the old result can not be deleted.
  const Places gone(root() / "gone", root(), root() / "report");
  SearchWindow window(gone, desktop_, "1996");
  desk.whileModal = [&](Form& f) {
    form_ = &f;
    type("S_WB1", "abc");  // would fail the numeric check
    press("B_RUN");
  };
  window.open("Metric");
  EXPECT_EQ(desk.messages(), std::vector<std::string>{kCannotDelete});
  EXPECT_EQ(desk.pumps, 0);
  EXPECT_TRUE(desk.opened.empty());
}

TEST_F(SearchWindowTest, undeletable_old_result_in_a_read_only_folder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may delete in a read-only folder";
  writeFile("REPORT.TXT", "old result");
  fs::permissions(root(), fs::perms::owner_read | fs::perms::owner_exec);
  open("Metric", [&](Form&) { press("B_RUN"); });
  fs::permissions(root(), fs::perms::owner_all);
  EXPECT_EQ(desk.messages(), std::vector<std::string>{kCannotDelete});
  EXPECT_EQ(readFile("REPORT.TXT"), "old result");
}

TEST_F(SearchWindowTest, result_file_appearing_during_the_run_is_left_alone) {
  desk.onPump = [&](int pass) {
    if (pass == 3) writeFile("report.txt", "someone else's");
  };
  open("Metric", [&](Form&) { press("B_RUN"); });
  EXPECT_EQ(desk.messages(), std::vector<std::string>{kExists});
  EXPECT_TRUE(desk.opened.empty());
  EXPECT_EQ(readFile("report.txt"), "someone else's");
}

TEST_F(SearchWindowTest, folder_named_like_the_result_file_is_never_replaced) {
  fs::create_directory(root() / "REPORT.TXT");
  open("Metric", [&](Form&) { press("B_RUN"); });
  EXPECT_EQ(desk.messages(), std::vector<std::string>{kExists});
  EXPECT_TRUE(desk.opened.empty());
  EXPECT_TRUE(fs::is_directory(root() / "REPORT.TXT"));
}

TEST_F(SearchWindowTest, unwritable_result_file_is_reported_and_not_opened) {
  // The folder disappears while the search runs, so REPORT.TXT can not be created.
  desk.onPump = [&](int pass) {
    if (pass == 3) fs::rename(root(), root().string() + "-moved");
  };
  open("Metric", [&](Form&) { press("B_RUN"); });
  fs::rename(root().string() + "-moved", root());
  ASSERT_EQ(desk.messages().size(), 1u);
  EXPECT_EQ(desk.messages()[0].substr(0, kCannotWrite.size()), kCannotWrite);
  EXPECT_TRUE(desk.opened.empty());
  EXPECT_FALSE(exists("REPORT.TXT"));
}

TEST_F(SearchWindowTest, read_only_folder_for_the_result_is_reported_and_not_opened) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write into a read-only folder";
  desk.onPump = [&](int pass) {
    if (pass == 3) fs::permissions(root(), fs::perms::owner_read | fs::perms::owner_exec);
  };
  open("Metric", [&](Form&) { press("B_RUN"); });
  fs::permissions(root(), fs::perms::owner_all);
  ASSERT_EQ(desk.messages().size(), 1u);
  EXPECT_EQ(desk.messages()[0].substr(0, kCannotWrite.size()), kCannotWrite);
  EXPECT_TRUE(desk.opened.empty());
  EXPECT_FALSE(exists("REPORT.TXT"));
}

}  // namespace
}  // namespace orv::search::testing

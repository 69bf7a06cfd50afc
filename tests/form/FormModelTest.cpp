// The form model's promises: events raised synchronously and only on real change, focus
// events in order, redirected focus without ping-pong, tab order and access keys. A KeyPress
// that changes or swallows a key, a close that QueryUnload cancels and a check box's Click
// (mouse, model and access key) are proven through the real widgets by the view tests; a
// label's access key leading on, by the real window's.
#include <gtest/gtest.h>

#include "form/Form.h"

namespace orv::form {
namespace {

using Log = std::vector<std::string>;

class FormModelTest : public ::testing::Test {
 protected:
  FormModelTest() : form("F", "Caption", Rect{0, 0, 3000, 3000}, Font{"Arial", 9.75}) {
    int tab = 2;
    for (Control* c : std::initializer_list<Control*>{year, label, make, button, scroll}) {
      c->tabIndex = tab++;
      c->onGotFocus = [this, c] { log.push_back("GotFocus " + c->name()); };
      c->onLostFocus = [this, c] { log.push_back("LostFocus " + c->name()); };
      c->onClick = [this, c] { log.push_back("Click " + c->name()); };
      c->onChange = [this, c] { log.push_back("Change " + c->name() + "=" + c->text()); };
    }
    scroll->onChange = [this] {
      log.push_back("Change S_SCROLL=" + std::to_string(scroll->value()));
    };
    make->sorted = true;
    button->setCaption("&Go");
    button->tabStop = false;
  }

  Form form;
  ComboBox* year = &form.add<ComboBox>("S_YEAR");
  ComboBox* make = &form.add<ComboBox>("S_MAKE");
  Control* button = &form.addControl(Kind::CommandButton, "B_GO");
  Control* label = &form.addControl(Kind::Label, "Label1");
  ScrollBar* scroll = &form.add<ScrollBar>("S_SCROLL");
  Log log;
};

TEST_F(FormModelTest, SettersRaiseEventsOnlyOnRealChangeAndNestedEventsRunInsideThem) {
  year->setText("1995");
  year->setText("1995");
  scroll->setMax(20);
  scroll->setValue(5);
  scroll->setValue(5);
  scroll->setValue(99);  // clamped to the maximum
  scroll->setMax(3);     // the value follows the range down
  year->onChange = [this] {
    scroll->setValue(1);
    log.push_back("year handler ends");
  };
  year->setText("x");
  EXPECT_EQ(log, (Log{"Change S_YEAR=1995", "Change S_SCROLL=5", "Change S_SCROLL=20",
                      "Change S_SCROLL=3", "Change S_SCROLL=1", "year handler ends"}));
}

TEST_F(FormModelTest, ListSelectionInCodeRaisesClickOnceAndSortingIgnoresCaseButKeepsOrder) {
  year->addItem("1971");
  year->addItem("1972");
  year->setListIndex(1);
  year->setListIndex(1);
  EXPECT_EQ(year->text(), "1972");
  EXPECT_EQ(log, Log{"Click S_YEAR"});
  year->userType("19");
  EXPECT_EQ(year->listIndex(), -1);  // a typed text no longer stands on the entry
  year->userSelect(1);               // a person picking the entry is always a click
  EXPECT_EQ(log, (Log{"Click S_YEAR", "Change S_YEAR=19", "Click S_YEAR"}));
  for (const char* m : {"kestro", "ALDER", "Kestro", "BRISK", "ALDER"}) make->addItem(m);
  EXPECT_EQ(make->items(), (Log{"ALDER", "ALDER", "BRISK", "kestro", "Kestro"}));
}

TEST_F(FormModelTest, FocusMovesLostBeforeGotMayBePassedOnAndRefusalsDoNotPingPong) {
  year->setFocus();
  make->setFocus();
  make->setFocus();
  button->onGotFocus = [this] {
    log.push_back("GotFocus B_GO");
    scroll->setFocus();
  };
  button->setFocus();
  EXPECT_EQ(form.focus(), scroll);
  EXPECT_EQ(log, (Log{"GotFocus S_YEAR", "LostFocus S_YEAR", "GotFocus S_MAKE", "LostFocus S_MAKE",
                      "GotFocus B_GO", "LostFocus B_GO", "GotFocus S_SCROLL"}));
  log.clear();
  year->setFocus();
  for (ComboBox* box : {make, year}) {
    box->onLostFocus = [this, box] {
      log.push_back("LostFocus " + box->name());
      box->setFocus();  // refuses to let go
    };
  }
  make->setFocus();  // S_YEAR refuses: S_MAKE never gets the focus
  button->setFocus();
  EXPECT_EQ(form.focus(), year);
  EXPECT_EQ(log,
            (Log{"LostFocus S_SCROLL", "GotFocus S_YEAR", "LostFocus S_YEAR", "LostFocus S_YEAR"}));
}

TEST_F(FormModelTest, TabSkipsNoTabStopsAndWrapsAndAccessKeysPressOnlyShownButtons) {
  year->setFocus();
  for (Control* next : std::initializer_list<Control*>{make, scroll, year}) {  // B_GO: no tab stop
    form.userTab(false);
    EXPECT_EQ(form.focus(), next);
  }
  form.userTab(true);
  EXPECT_EQ(form.focus(), scroll);
  EXPECT_TRUE(form.userAccessKey('G'));
  EXPECT_EQ(form.focus(), button);
  EXPECT_EQ(log.back(), "Click B_GO");
  EXPECT_FALSE(form.userAccessKey('Q'));
  button->setVisible(false);
  EXPECT_FALSE(form.userAccessKey('G'));
}

}  // namespace
}  // namespace orv::form

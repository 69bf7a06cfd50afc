// The form model's promises: events raised synchronously and only on real change, focus
// events in order, redirected focus without ping-pong, tab order and access keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form/Form.h"

namespace orv::form {
namespace {

class FormModelTest : public ::testing::Test {
 protected:
  FormModelTest() : form("F", "Caption", Rect{0, 0, 3000, 3000}, Font{"Arial", 9.75}) {
    year = &form.add<ComboBox>("S_YEAR");
    year->tabIndex = 2;
    make = &form.add<ComboBox>("S_MAKE");
    make->tabIndex = 4;
    make->sorted = true;
    button = &form.addControl(Kind::CommandButton, "B_GO");
    button->setCaption("&Go");
    button->tabIndex = 5;
    button->tabStop = false;
    label = &form.addControl(Kind::Label, "Label1");
    label->setCaption("M&ake:");
    label->tabIndex = 3;
    scroll = &form.add<ScrollBar>("S_SCROLL");
    scroll->tabIndex = 6;
    for (Control* c : {static_cast<Control*>(year), static_cast<Control*>(make), button,
                       static_cast<Control*>(scroll)}) {
      c->onGotFocus = [this, c] { log.push_back("GotFocus " + c->name()); };
      c->onLostFocus = [this, c] { log.push_back("LostFocus " + c->name()); };
      c->onClick = [this, c] { log.push_back("Click " + c->name()); };
      c->onChange = [this, c] { log.push_back("Change " + c->name() + "=" + c->text()); };
    }
    scroll->onChange = [this] {
      log.push_back("Change S_SCROLL=" + std::to_string(scroll->value()));
    };
  }

  Form form;
  ComboBox* year;
  ComboBox* make;
  Control* button;
  Control* label;
  ScrollBar* scroll;
  std::vector<std::string> log;
};

TEST_F(FormModelTest, SettersRaiseEventsOnlyOnRealChange) {
  year->setText("1995");
  year->setText("1995");
  scroll->setMax(20);
  scroll->setValue(5);
  scroll->setValue(5);
  scroll->setValue(99);  // clamped to the maximum
  scroll->setMax(3);     // the value follows the range down
  EXPECT_EQ(log, (std::vector<std::string>{"Change S_YEAR=1995", "Change S_SCROLL=5",
                                           "Change S_SCROLL=20", "Change S_SCROLL=3"}));
}

TEST_F(FormModelTest, ListSelectionInCodeRaisesClickOnceAndSetsTheTextQuietly) {
  year->addItem("1971");
  year->addItem("1972");
  year->setListIndex(1);
  year->setListIndex(1);
  EXPECT_EQ(year->text(), "1972");
  EXPECT_EQ(log, std::vector<std::string>{"Click S_YEAR"});
  year->userType("19");
  EXPECT_EQ(year->listIndex(), -1);  // a typed text no longer stands on the entry
  year->userSelect(1);               // a person picking the entry is always a click
  EXPECT_EQ(log.back(), "Click S_YEAR");
}

TEST_F(FormModelTest, NestedEventsRunInsideTheSetterThatCausedThem) {
  scroll->setMax(10);
  year->onChange = [this] {
    log.push_back("year changed");
    scroll->setValue(4);
    log.push_back("year handler ends");
  };
  year->setText("x");
  EXPECT_EQ(log,
            (std::vector<std::string>{"year changed", "Change S_SCROLL=4", "year handler ends"}));
}

TEST_F(FormModelTest, SortedListOrdersWithoutRegardToCaseAndKeepsEqualEntriesInOrder) {
  for (const char* m : {"kestro", "ALDER", "Kestro", "BRISK", "ALDER"}) make->addItem(m);
  EXPECT_EQ(make->items(),
            (std::vector<std::string>{"ALDER", "ALDER", "BRISK", "kestro", "Kestro"}));
  make->setText("typed");
  make->clear();
  EXPECT_EQ(make->count(), 0);
  EXPECT_EQ(make->text(), "");
}

TEST_F(FormModelTest, FocusMovesWithLostFocusBeforeGotFocus) {
  year->setFocus();
  make->setFocus();
  make->setFocus();
  EXPECT_EQ(log,
            (std::vector<std::string>{"GotFocus S_YEAR", "LostFocus S_YEAR", "GotFocus S_MAKE"}));
  EXPECT_EQ(form.focus(), make);
}

TEST_F(FormModelTest, LostFocusHandlerTakingTheFocusBackRedirectsWithoutPingPong) {
  year->setFocus();
  make->onLostFocus = [this] {
    log.push_back("LostFocus S_MAKE");
    make->setFocus();  // refuses to let go
  };
  year->onLostFocus = [this] {
    log.push_back("LostFocus S_YEAR");
    year->setFocus();
  };
  make->setFocus();  // S_YEAR refuses: S_MAKE never gets the focus
  button->setFocus();
  EXPECT_EQ(form.focus(), year);
  EXPECT_EQ(log,
            (std::vector<std::string>{"GotFocus S_YEAR", "LostFocus S_YEAR", "LostFocus S_YEAR"}));
}

TEST_F(FormModelTest, GotFocusHandlerMayPassTheFocusOn) {
  button->onGotFocus = [this] {
    log.push_back("GotFocus B_GO");
    scroll->setFocus();
  };
  button->setFocus();
  EXPECT_EQ(form.focus(), scroll);
  EXPECT_EQ(log,
            (std::vector<std::string>{"GotFocus B_GO", "LostFocus B_GO", "GotFocus S_SCROLL"}));
}

TEST_F(FormModelTest, TabSkipsControlsThatAreNoTabStopsAndWraps) {
  year->setFocus();
  form.userTab(false);
  EXPECT_EQ(form.focus(), make);
  form.userTab(false);
  EXPECT_EQ(form.focus(), scroll);  // the button is no tab stop
  form.userTab(false);
  EXPECT_EQ(form.focus(), year);
  form.userTab(true);
  EXPECT_EQ(form.focus(), scroll);
}

TEST_F(FormModelTest, AccessKeysPressButtonsAndLeadLabelsToTheNextControl) {
  EXPECT_EQ(label->accessKey(), 'A');
  EXPECT_TRUE(form.userAccessKey('a'));
  EXPECT_EQ(form.focus(), make);
  EXPECT_TRUE(form.userAccessKey('G'));
  EXPECT_EQ(form.focus(), button);
  EXPECT_EQ(log.back(), "Click B_GO");
  EXPECT_FALSE(form.userAccessKey('Q'));
  button->setVisible(false);
  EXPECT_FALSE(form.userAccessKey('G'));
}

TEST_F(FormModelTest, KeyPressHandlerMayChangeOrSwallowTheCharacter) {
  make->onKeyPress = [](int& k) {
    if (k >= 'a' && k <= 'z') k -= 32;
    if (k == '!') k = 0;
  };
  EXPECT_EQ(make->userKeyPress('a'), 'A');
  EXPECT_EQ(make->userKeyPress('!'), 0);
  EXPECT_EQ(year->userKeyPress('a'), 'a');
}

TEST_F(FormModelTest, ClosingAsksQueryUnloadAndMayBeCancelled) {
  int asked = 0;
  bool refuse = true;
  form.onQueryUnload = [&](int& cancel, int) {
    ++asked;
    cancel = refuse ? 1 : 0;
  };
  form.show();
  form.userClose();
  EXPECT_TRUE(form.loaded());
  refuse = false;
  form.userClose();
  EXPECT_FALSE(form.loaded());
  EXPECT_EQ(asked, 2);
}

TEST_F(FormModelTest, ObserversHearEveryChangeOnce) {
  struct Counter : FormObserver {
    int changes = 0, focus = 0, forms = 0;
    void propertyChanged(Control&, Property) override { ++changes; }
    void focusChanged(Control*) override { ++focus; }
    void formChanged() override { ++forms; }
  } counter;
  form.addObserver(&counter);
  year->setText("a");
  year->setText("a");
  year->setBackColor(0x00800000);
  year->setFocus();
  form.setCaption("New");
  form.bringToFront(*scroll);
  EXPECT_EQ(form.controls().front().get(), scroll);
  EXPECT_EQ(counter.changes, 3);
  EXPECT_EQ(counter.focus, 1);
  EXPECT_EQ(counter.forms, 1);
  form.removeObserver(&counter);
}

}  // namespace
}  // namespace orv::form

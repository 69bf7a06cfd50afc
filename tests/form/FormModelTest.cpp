// The form model's promises: events raised synchronously and only on real change, focus
// events in order, redirected focus without ping-pong, tab order and access keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Form.h"

namespace orv::form {
namespace {

class FormModelTest : public ::testing::Test {
 protected:
  FormModelTest() : form("F", "Caption", Rect{0, 0, 3000, 3000}, Font{"Arial", 9.75}) {
    year->tabIndex = 2;
    make->tabIndex = 4;
    make->sorted = true;
    button->setCaption("&Go");
    button->tabIndex = 5;
    button->tabStop = false;
    label->setCaption("M&ake:");
    label->tabIndex = 3;
    scroll->tabIndex = 6;
    for (Control* c : std::initializer_list<Control*>{year, make, button, scroll}) {
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
  ComboBox* year = &form.add<ComboBox>("S_YEAR");
  ComboBox* make = &form.add<ComboBox>("S_MAKE");
  Control* button = &form.addControl(Kind::CommandButton, "B_GO");
  Control* label = &form.addControl(Kind::Label, "Label1");
  ScrollBar* scroll = &form.add<ScrollBar>("S_SCROLL");
  std::vector<std::string> log;
};

TEST_F(FormModelTest, SettersRaiseEventsOnlyOnRealChangeAndNestedEventsRunInsideThem) {
  year->setText("1995");
  year->setText("1995");
  scroll->setMax(20);
  scroll->setValue(5);
  scroll->setValue(5);
  scroll->setValue(99);  // clamped to the maximum
  scroll->setMax(3);     // the value follows the range down
  EXPECT_EQ(log, (std::vector<std::string>{"Change S_YEAR=1995", "Change S_SCROLL=5",
                                           "Change S_SCROLL=20", "Change S_SCROLL=3"}));
  log.clear();
  year->onChange = [this] {
    log.push_back("year changed");
    scroll->setValue(1);
    log.push_back("year handler ends");
  };
  year->setText("x");
  EXPECT_EQ(log,
            (std::vector<std::string>{"year changed", "Change S_SCROLL=1", "year handler ends"}));
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

TEST_F(FormModelTest, SortedListOrdersWithoutRegardToCaseAndKeepsEqualEntriesInOrder) {
  for (const char* m : {"kestro", "ALDER", "Kestro", "BRISK", "ALDER"}) make->addItem(m);
  EXPECT_EQ(make->items(),
            (std::vector<std::string>{"ALDER", "ALDER", "BRISK", "kestro", "Kestro"}));
}

TEST_F(FormModelTest, FocusMovesWithLostFocusBeforeGotFocusAndMayBePassedOn) {
  year->setFocus();
  make->setFocus();
  make->setFocus();
  button->onGotFocus = [this] {
    log.push_back("GotFocus B_GO");
    scroll->setFocus();
  };
  button->setFocus();
  EXPECT_EQ(form.focus(), scroll);
  EXPECT_EQ(log, (std::vector<std::string>{"GotFocus S_YEAR", "LostFocus S_YEAR", "GotFocus S_MAKE",
                                           "LostFocus S_MAKE", "GotFocus B_GO", "LostFocus B_GO",
                                           "GotFocus S_SCROLL"}));
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

TEST_F(FormModelTest, TabSkipsControlsThatAreNoTabStopsAndWraps) {
  year->setFocus();
  const std::pair<bool, Control*> steps[] = {
      {false, make}, {false, scroll}, {false, year}, {true, scroll}};  // B_GO is no tab stop
  for (const auto& [backwards, next] : steps) {
    form.userTab(backwards);
    EXPECT_EQ(form.focus(), next);
  }
}

TEST_F(FormModelTest, AccessKeysPressButtonsOrLeadLabelsOnAndKeyPressMayChangeTheKey) {
  EXPECT_EQ(label->accessKey(), 'A');
  EXPECT_TRUE(form.userAccessKey('a'));
  EXPECT_EQ(form.focus(), make);
  EXPECT_TRUE(form.userAccessKey('G'));
  EXPECT_EQ(form.focus(), button);
  EXPECT_EQ(log.back(), "Click B_GO");
  EXPECT_FALSE(form.userAccessKey('Q'));
  button->setVisible(false);
  EXPECT_FALSE(form.userAccessKey('G'));
  // A KeyPress handler may change or swallow the character.
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
  form.onQueryUnload = [&](int& cancel, int) { cancel = ++asked == 1 ? 1 : 0; };  // once
  form.show();
  form.userClose();
  EXPECT_TRUE(form.loaded());
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

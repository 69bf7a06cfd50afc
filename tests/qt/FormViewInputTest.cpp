// A person's input on the real widgets reaches the model through its user* calls, in the
// order the window logic relies on, and the model's answers show in Qt.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "TestForm.h"
#include "ui/qt/FormView.h"
#include "ui/qt/QtDesktop.h"

using orv::qt::FormView;
using orv::testing::TestForm;
using Log = std::vector<std::string>;

namespace {
long countOf(const Log& log, const std::string& entry) {
  return std::count(log.begin(), log.end(), entry);
}
}  // namespace

class FormViewInputTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void typedLettersPassThroughKeyPressWhichMayChangeOrSwallowThem();
  void typingInsideAChosenEntryKeepsTheCursorWhereThePersonTypes();
  void enterReachesKeyPressAndAddsNoEntry();
  void leavingABoxWhoseTextMatchesAnEntryChoosesNothing();
  void openingTheListRaisesDropDownBeforeTheEntriesShow();
  void labelAccessKeyMovesToTheNextControlInTabOrder();
  void buttonAccessKeyPressesTheButton();
  void clickOnButtonMovesTheFocusThereBeforeItsClick();
  void tabFollowsTheModelsTabOrder();
  void hiddenReceiverHoldsTheFocusAndGetsNavigationKeys();
  void clickOnReadOnlyCellRaisesFocusThenClick();
  void doubleClickOnCellRaisesOneClickAndOneDblClick();
  void lostFocusMessageThatTakesTheFocusBackDoesNotLoop();
  void activateIsRaisedOnceNotAfterAMessageBox();
  void closeBoxAsksTheModel();
  void showModalRunsTheFormAndReturnsWhenItUnloads();

 private:
  QComboBox* combo(const char* name) { return qobject_cast<QComboBox*>(view_->widget(name)); }
  void focusModel(orv::form::Control& c) {
    c.setFocus();
    view_->flush();
  }

  std::unique_ptr<TestForm> t_;
  std::unique_ptr<FormView> view_;
  orv::qt::QtDesktop desktop_;
};

void FormViewInputTest::init() {
  t_ = std::make_unique<TestForm>();
  view_ = std::make_unique<FormView>(t_->form);
  t_->form.show();
  view_->flush();
  // Keyboard tests need the active window, or the keys go nowhere.
  QVERIFY(QTest::qWaitForWindowActive(view_.get()));
}

void FormViewInputTest::cleanup() {
  view_.reset();
  t_.reset();
}

void FormViewInputTest::typedLettersPassThroughKeyPressWhichMayChangeOrSwallowThem() {
  focusModel(*t_->S_NAME);
  QTest::keyClicks(combo("S_NAME"), "ab1c");
  QCOMPARE(t_->S_NAME->text(), std::string("ABC"));
  QCOMPARE(combo("S_NAME")->currentText(), QString("ABC"));
  QCOMPARE(countOf(t_->log, "KeyPress S_NAME 97"), 1);  // the key as typed: 'a'
  QCOMPARE(countOf(t_->log, "KeyPress S_NAME 49"), 1);  // '1', swallowed
  QCOMPARE(t_->log.back(), std::string("Change S_NAME ABC"));
}

void FormViewInputTest::typingInsideAChosenEntryKeepsTheCursorWhereThePersonTypes() {
  for (const char* e : {"ALPHA", "BRAVO"}) t_->S_NAME->addItem(e);
  t_->S_NAME->setListIndex(1);
  focusModel(*t_->S_NAME);
  QLineEdit* edit = combo("S_NAME")->lineEdit();
  edit->setCursorPosition(2);
  QTest::keyClick(combo("S_NAME"), Qt::Key_X);
  // The text no longer is an entry, so the model chose none; the cursor stays after the X.
  QCOMPARE(t_->S_NAME->text(), std::string("BRXAVO"));
  QCOMPARE(t_->S_NAME->listIndex(), -1);
  QCOMPARE(edit->text(), QString("BRXAVO"));
  QCOMPARE(edit->cursorPosition(), 3);
  QTest::keyClick(combo("S_NAME"), Qt::Key_Y);
  QCOMPARE(edit->text(), QString("BRXYAVO"));
}

void FormViewInputTest::enterReachesKeyPressAndAddsNoEntry() {
  focusModel(*t_->S_NAME);
  QTest::keyClicks(combo("S_NAME"), "x");
  QTest::keyClick(combo("S_NAME"), Qt::Key_Return);
  QCOMPARE(t_->log.back(), std::string("KeyPress S_NAME 13"));
  QCOMPARE(combo("S_NAME")->count(), 0);
  QCOMPARE(t_->S_NAME->count(), 0);
  QCOMPARE(t_->S_NAME->text(), std::string("X"));
}

void FormViewInputTest::leavingABoxWhoseTextMatchesAnEntryChoosesNothing() {
  for (const char* e : {"ONE", "TWO"}) t_->S_KIND->addItem(e);
  focusModel(*t_->S_KIND);
  QTest::keyClicks(combo("S_KIND"), "TWO");
  QTest::keyClick(combo("S_KIND"), Qt::Key_Tab);
  QCOMPARE(t_->form.focus(), t_->S_SINK);
  QCOMPARE(countOf(t_->log, "Click S_KIND"), 0);
  QCOMPARE(t_->S_KIND->listIndex(), -1);
  QCOMPARE(t_->S_KIND->text(), std::string("TWO"));
}

void FormViewInputTest::openingTheListRaisesDropDownBeforeTheEntriesShow() {
  focusModel(*t_->S_NAME);
  t_->S_NAME->addItem("STALE");
  view_->flush();
  QComboBox* box = combo("S_NAME");
  box->showPopup();
  QCOMPARE(t_->log.back(), std::string("DropDown S_NAME"));
  QCOMPARE(box->count(), 3);  // the rebuilt list, not the stale entry
  QAbstractItemView* popup = box->view();
  QTRY_VERIFY(popup->isVisible());
  const QRect second = popup->visualRect(popup->model()->index(1, 0));
  QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, second.center());
  QCOMPARE(t_->log.back(), std::string("Click S_NAME BRAVO"));
  QCOMPARE(t_->S_NAME->text(), std::string("BRAVO"));
  QCOMPARE(box->currentText(), QString("BRAVO"));
}

void FormViewInputTest::labelAccessKeyMovesToTheNextControlInTabOrder() {
  focusModel(*t_->S_NAME);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::AltModifier);
  QCOMPARE(t_->form.focus(), t_->S_KIND);
  QCOMPARE(QApplication::focusWidget(), view_->widget("S_KIND"));
  QCOMPARE(combo("S_KIND")->currentText(), QString());  // the letter typed nothing
}

void FormViewInputTest::buttonAccessKeyPressesTheButton() {
  focusModel(*t_->S_NAME);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
  QTRY_COMPARE(t_->goClicks, 1);
  QCOMPARE(t_->form.focus(), t_->B_GO);
  QCOMPARE(QApplication::focusWidget(), view_->widget("B_GO"));
  QTest::qWait(150);  // no second, delayed click
  QCOMPARE(t_->goClicks, 1);
}

void FormViewInputTest::clickOnButtonMovesTheFocusThereBeforeItsClick() {
  focusModel(*t_->S_NAME);
  t_->log.clear();
  QTest::mouseClick(view_->widget("B_GO"), Qt::LeftButton);
  QCOMPARE(t_->log, (Log{"LostFocus S_NAME", "Click B_GO"}));
  QCOMPARE(t_->form.focus(), t_->B_GO);
}

void FormViewInputTest::tabFollowsTheModelsTabOrder() {
  focusModel(*t_->S_NAME);
  // Tab indexes 2, 4, 6; buttons, cells, the scroll bar and the hidden list are no stops.
  const std::vector<std::pair<bool, const char*>> steps = {
      {false, "S_KIND"}, {false, "S_SINK"}, {false, "S_NAME"}, {true, "S_SINK"}};
  for (const auto& [back, expected] : steps) {
    QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                    back ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(t_->form.focus()->name(), std::string(expected));
    QCOMPARE(QApplication::focusWidget(), view_->widget(expected));
  }
}

void FormViewInputTest::hiddenReceiverHoldsTheFocusAndGetsNavigationKeys() {
  focusModel(*t_->S_NAME);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
  QCOMPARE(t_->form.focus(), t_->S_SINK);
  QCOMPARE(QApplication::focusWidget(), view_->widget("S_SINK"));
  const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
      {Qt::Key_PageDown, Qt::NoModifier},  {Qt::Key_Down, Qt::ShiftModifier},
      {Qt::Key_Home, Qt::ControlModifier}, {Qt::Key_End, Qt::NoModifier},
      {Qt::Key_Up, Qt::NoModifier},        {Qt::Key_PageUp, Qt::NoModifier}};
  for (const auto& [key, mods] : keys) QTest::keyClick(QApplication::focusWidget(), key, mods);
  Log downs;
  for (const auto& e : t_->log) {
    if (e.rfind("KeyDown", 0) == 0) downs.push_back(e);
  }
  QCOMPARE(downs, (Log{"KeyDown S_SINK 34 0", "KeyDown S_SINK 40 1", "KeyDown S_SINK 36 2",
                       "KeyDown S_SINK 35 0", "KeyDown S_SINK 38 0", "KeyDown S_SINK 33 0"}));
  QCOMPARE(t_->form.focus(), t_->S_SINK);
}

void FormViewInputTest::clickOnReadOnlyCellRaisesFocusThenClick() {
  focusModel(*t_->S_NAME);
  t_->log.clear();
  auto* cell = qobject_cast<QTextEdit*>(view_->widget("S_CELL", 1));
  QTest::mouseClick(cell->viewport(), Qt::LeftButton);
  QCOMPARE(t_->log, (Log{"LostFocus S_NAME", "GotFocus S_CELL(1)", "Click S_CELL(1)",
                         "LostFocus S_CELL(1)", "GotFocus S_SINK"}));
  QCOMPARE(QApplication::focusWidget(), view_->widget("S_SINK"));
}

void FormViewInputTest::doubleClickOnCellRaisesOneClickAndOneDblClick() {
  auto* cell = qobject_cast<QTextEdit*>(view_->widget("S_CELL", 0));
  // A person's double click: press and release, then the second press arrives as a double
  // click, then its release.
  QTest::mouseClick(cell->viewport(), Qt::LeftButton);
  QTest::mouseDClick(cell->viewport(), Qt::LeftButton);
  QTest::mouseRelease(cell->viewport(), Qt::LeftButton);
  QCOMPARE(countOf(t_->log, "Click S_CELL(0)"), 1);
  QCOMPARE(countOf(t_->log, "DblClick S_CELL(0)"), 1);
}

void FormViewInputTest::lostFocusMessageThatTakesTheFocusBackDoesNotLoop() {
  orv::form::Desktop desktop = desktop_.desktop();
  t_->S_NAME->onLostFocus = [&] {
    t_->log.push_back("LostFocus S_NAME");
    if (!t_->S_NAME->text().empty()) return;
    desktop.boxes.message("Please enter a name.");
    t_->S_NAME->setFocus();
  };
  focusModel(*t_->S_NAME);
  // A person answers every message box that comes up.
  int boxes = 0;
  QTimer answer;
  connect(&answer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      ++boxes;
      QCOMPARE(box->windowTitle(), QString("Orvane"));
      QCOMPARE(box->text(), QString("Please enter a name."));
      box->button(QMessageBox::Ok)->click();
    }
  });
  answer.start(20);
  t_->log.clear();
  QTest::mouseClick(view_->widget("S_KIND"), Qt::LeftButton);
  QTest::qWait(400);
  QCOMPARE(boxes, 1);
  QCOMPARE(countOf(t_->log, "LostFocus S_NAME"), 1);
  QCOMPARE(countOf(t_->log, "GotFocus S_KIND"), 0);
  QCOMPARE(t_->form.focus(), t_->S_NAME);
  QTRY_COMPARE(QApplication::focusWidget(), view_->widget("S_NAME"));
}

void FormViewInputTest::activateIsRaisedOnceNotAfterAMessageBox() {
  QCOMPARE(countOf(t_->log, "Activate"), 1);
  QTimer::singleShot(50, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
  desktop_.message("Hello");
  QVERIFY(QTest::qWaitForWindowActive(view_.get()));
  QTest::qWait(50);
  QCOMPARE(countOf(t_->log, "Activate"), 1);
}

void FormViewInputTest::closeBoxAsksTheModel() {
  QSignalSpy unloaded(view_.get(), &FormView::formUnloaded);
  t_->queryUnloadCancel = 1;
  view_->close();
  QCOMPARE(t_->log.back(), std::string("QueryUnload 0"));
  QVERIFY(t_->form.loaded());
  QVERIFY(view_->isVisible());
  t_->queryUnloadCancel = 0;
  view_->close();
  QCOMPARE(t_->log.back(), std::string("Unload"));
  QVERIFY(!t_->form.loaded());
  QVERIFY(!view_->isVisible());
  QCOMPARE(unloaded.count(), 1);
}

void FormViewInputTest::showModalRunsTheFormAndReturnsWhenItUnloads() {
  orv::form::Form modal("F_MODAL", "Modal", {0, 0, 3000, 1500}, {"MS Sans Serif", 8.25});
  auto& close = modal.addControl(orv::form::Kind::CommandButton, "B_CLOSE");
  close.rect = {120, 120, 1200, 405};
  close.tabIndex = 0;
  close.setCaption("Close");
  close.onClick = [&] { modal.unload(); };
  modal.onLoad = [&] { close.setFocus(); };

  bool ownerDisabled = false;
  bool reachable = false;
  desktop_.onModalShown = [&](FormView& v) {
    QTimer::singleShot(0, [&] {
      ownerDisabled = !t_->form.enabled() && !view_->isEnabled();
      reachable = FormView::viewOf(modal) == &v && v.isVisible();
      QTest::mouseClick(v.widget("B_CLOSE"), Qt::LeftButton);
    });
  };
  t_->B_GO->onClick = [&] {
    desktop_.showModal(modal);
    t_->log.push_back("modal returned");
  };
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : view_.get(),
                  Qt::Key_G, Qt::AltModifier);
  QTRY_COMPARE(t_->log.back(), std::string("modal returned"));
  QVERIFY(ownerDisabled);
  QVERIFY(reachable);
  QVERIFY(!modal.loaded());
  QVERIFY(FormView::viewOf(modal) == nullptr);
  QVERIFY(t_->form.enabled());
  QVERIFY(view_->isEnabled());
  QTRY_COMPARE(QApplication::focusWidget(), view_->widget("B_GO"));
  desktop_.onModalShown = nullptr;
}

QTEST_MAIN(FormViewInputTest)
#include "FormViewInputTest.moc"

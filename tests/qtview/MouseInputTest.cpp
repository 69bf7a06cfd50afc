// A person's mouse on the real widgets of the view: presses, moves and releases at the
// places a person clicks (the style's own sub-control rectangles, the middle of a cell or a
// button, beside a button, a check box's indicator), the wheel, and double clicks. Each case checks
// the widget's own state after it as well as the events the model raised.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QWheelEvent>

#include "ViewFixture.h"
#include "WidgetParts.h"

using orv::testing::checkBoxIndicator;
using orv::testing::comboBoxArrow;
using orv::testing::kPastRepeatDelay;
using orv::testing::scrollBarPart;

class MouseInputTest : public ViewFixture {
  Q_OBJECT

  QScrollBar* bar() { return widget<QScrollBar>("S_SCROLL"); }
  QPoint barPart(QStyle::SubControl part) { return scrollBarPart(bar(), part).center(); }
  void wheel(QWidget* over, int notches) {
    const QPoint at = over->rect().center();
    QWheelEvent e(at, over->mapToGlobal(at), {}, {0, -120 * notches}, Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &e);
  }
  long changes() {
    return std::count_if(t_->log.begin(), t_->log.end(),
                         [](const std::string& e) { return e.rfind("Change S_SCROLL", 0) == 0; });
  }
  // Sets the bar, then puts the focus back on the name box and forgets the events so far.
  void scrollTo(int value) {
    t_->S_SCROLL.setMax(50);
    t_->S_SCROLL.setValue(value);
    focusModel(t_->S_NAME);
    t_->log.clear();
  }

 private slots:
  void init() {
    QVERIFY(showForm());
    focusModel(t_->S_NAME);
  }
  void cleanup() { dropForm(); }

  void scrollBarStepsOncePerClickAndRepeatsOnlyWhileHeld() {
    const std::tuple<int, QStyle::SubControl, int> cases[] = {
        {0, QStyle::SC_ScrollBarAddLine, 1},
        {0, QStyle::SC_ScrollBarAddPage, 10},
    };
    for (const auto& [from, part, to] : cases) {
      scrollTo(from);
      QTest::mouseClick(bar(), Qt::LeftButton, {}, barPart(part));
      QTest::qWait(kPastRepeatDelay);  // one step, no auto-repeat after the release
      QCOMPARE(t_->S_SCROLL.value(), to);
      QCOMPARE(changes(), 1);
      // The Change handler handed the focus on while the button was down.
      QCOMPARE(QApplication::focusWidget(), widget<QWidget>("S_SINK"));
    }
    // Held on the arrow, the bar repeats until the release and not after it.
    scrollTo(0);
    QTest::mousePress(bar(), Qt::LeftButton, {}, barPart(QStyle::SC_ScrollBarAddLine));
    QTest::qWait(900);
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, barPart(QStyle::SC_ScrollBarAddLine));
    const int held = bar()->value();
    QVERIFY2(held > 2, qPrintable(QString::number(held)));
    QTest::qWait(kPastRepeatDelay);
    QCOMPARE(t_->S_SCROLL.value(), held);
    QCOMPARE(changes(), held);
  }

  void theWheelOverCellsScrollsTheirBarButNotAClosedComboBox() {
    scrollTo(10);
    wheel(widget<QTextEdit>("S_CELL", 1)->viewport(), 1);
    // Three lines a notch.
    QCOMPARE(t_->log, (Log{"Change S_SCROLL 13", "LostFocus S_NAME", "GotFocus S_SINK"}));
    for (const char* e : {"ONE", "TWO"}) t_->S_KIND.addItem(e);
    auto* kind = combo("S_KIND");
    for (QWidget* over : {static_cast<QWidget*>(kind), static_cast<QWidget*>(kind->lineEdit())})
      wheel(over, 1);
    QCOMPARE(kind->currentIndex(), -1);
    QCOMPARE(count("Click S_KIND"), 0);
  }

  void buttonsClickOnReleaseOverThemOnly() {
    auto* go = widget<QPushButton>("B_GO");
    const QPoint in = go->rect().center(), out(go->width() + 20, in.y());
    const std::tuple<std::vector<QPoint>, QPoint, Log> cases[] = {
        {{}, in, {"LostFocus S_NAME", "Click B_GO"}},  // the press took the focus first
        {{out}, out, {"LostFocus S_NAME"}},
        {{out, in}, in, {"LostFocus S_NAME", "Click B_GO"}},
    };
    for (const auto& [moves, release, log] : cases) {
      focusModel(t_->S_NAME);
      t_->log.clear();
      QTest::mousePress(go, Qt::LeftButton, {}, in);
      QVERIFY(go->isDown());
      for (const QPoint& p : moves) QTest::mouseMove(go, p);
      QTest::mouseRelease(go, Qt::LeftButton, {}, release);
      QVERIFY(!go->isDown());
      QCOMPARE(t_->log, log);
    }
  }

  void cellsSelectNothingAndClickOnceEvenWhenDoubleClicked() {
    auto* text = widget<QTextEdit>("S_CELL", 0);
    t_->S_CELL[0]->setText("MODEL ONE\r\n95");
    view_->flush();
    QWidget* area = text->viewport();
    const QPoint mid = area->rect().center();
    t_->log.clear();
    QTest::mouseClick(area, Qt::LeftButton, {}, mid);
    QCOMPARE(t_->log, (Log{"LostFocus S_NAME", "GotFocus S_CELL(0)", "Click S_CELL(0)",
                           "LostFocus S_CELL(0)", "GotFocus S_SINK"}));
    t_->log.clear();
    QTest::mouseDClick(area, Qt::LeftButton, {}, mid);
    QTest::mouseRelease(area, Qt::LeftButton, {}, mid);
    QCOMPARE(t_->log.back(), std::string("DblClick S_CELL(0)"));
    QCOMPARE(count("Click S_CELL(0)"), 0);  // the first click of the pair was the one above
    // Dragging over the text selects nothing, and a release off the cell is no click.
    t_->log.clear();
    QTest::mousePress(area, Qt::LeftButton, {}, {2, 4});
    QTest::mouseMove(area, {area->width() - 2, area->height() - 4});
    QTest::mouseRelease(area, Qt::LeftButton, {}, {area->width() + 30, mid.y()});
    QVERIFY(!text->textCursor().hasSelection());
    QCOMPARE(count("Click S_CELL(0)"), 0);
  }

  // A click gives the focus once; the caret and selection are the edit field's own.
  void aRangeBoxTakesTheFocusOnceAndAtMostFiveCharacters() {
    auto* range = widget<QLineEdit>("S_RANGE");
    QTest::mouseClick(range, Qt::LeftButton, {}, range->rect().center());
    QTest::keyClicks(range, "1234567");
    QTest::mouseDClick(range, Qt::LeftButton, {}, range->rect().center());
    QCOMPARE(t_->S_RANGE.text(), std::string("12345"));
    QCOMPARE(range->selectedText(), QString("12345"));
    QCOMPARE(count("GotFocus S_RANGE"), 1);
  }

  void comboBoxesRaiseWithTheMouseWhatTheKeyboardRaises() {
    auto* name = combo("S_NAME");
    auto* kind = combo("S_KIND");
    QAbstractItemView* list = name->view();
    const QPoint editStart(4, kind->lineEdit()->height() / 2);
    const auto fromKind = [&] {
      const Log before = t_->log;
      focusModel(t_->S_KIND);
      t_->log.clear();
      return before;
    };
    // By mouse: the arrow, the wheel inside the open list, an entry, then the next box.
    fromKind();
    QTest::mouseClick(name, Qt::LeftButton, {}, comboBoxArrow(name).center());
    QTRY_VERIFY(list->isVisible());
    wheel(list->viewport(), 1);
    QVERIFY(list->isVisible());
    QTest::qWait(QApplication::doubleClickInterval() + 50);  // no press-drag-release pick
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    QTRY_VERIFY(!list->isVisible());
    QTest::mouseClick(kind->lineEdit(), Qt::LeftButton, {}, editStart);
    QCOMPARE(name->currentText(), QString("BRAVO"));
    const Log byMouse = fromKind();
    QTest::keyClick(kind, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(name, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(t_->log, byMouse);
    QCOMPARE(byMouse, (Log{"LostFocus S_KIND", "GotFocus S_NAME", "DropDown S_NAME", "Click S_NAME",
                           "LostFocus S_NAME", "GotFocus S_KIND"}));
    // Typing after a click in the edit field, against typing after Shift+Tab.
    fromKind();
    QTest::mouseClick(name->lineEdit(), Qt::LeftButton, {}, editStart);
    QTest::keyClicks(QApplication::focusWidget(), "q");
    const Log typedAfterClick = fromKind();
    QTest::keyClick(kind, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClicks(QApplication::focusWidget(), "q");
    QCOMPARE(t_->log, typedAfterClick);
    QCOMPARE(typedAfterClick, (Log{"LostFocus S_KIND", "GotFocus S_NAME", "KeyPress S_NAME 113"}));
  }

  void aCheckBoxFlipsOnceForAClickOnItsIndicatorAndShowsTheModelsValue() {
    auto* box = widget<QCheckBox>("S_METRIC");
    const QPoint mark = checkBoxIndicator(box).center();
    t_->log.clear();
    QTest::mouseClick(box, Qt::LeftButton, {}, mark);
    QVERIFY(box->isChecked() && t_->S_METRIC.checked());
    // Pressed on the indicator and let go beside the box: no click.
    QTest::mousePress(box, Qt::LeftButton, {}, mark);
    QTest::mouseRelease(box, Qt::LeftButton, {}, {box->width() + 20, mark.y()});
    QVERIFY(box->isChecked());
    t_->S_METRIC.setChecked(false);
    t_->S_METRIC.setChecked(false);  // no change, no Click
    view_->flush();
    QVERIFY(!box->isChecked());
    QTest::keyClick(box, Qt::Key_M, Qt::AltModifier);  // its access key
    QVERIFY(box->isChecked());
    QCOMPARE(t_->log, (Log{"LostFocus S_NAME", "GotFocus S_METRIC", "Click S_METRIC",
                           "Click S_METRIC", "Click S_METRIC"}));
  }

  void aPressAnsweredByAMessageBoxStartsNothingAndDoesNotLoop() {
    // Leaving the name box brings up a message and keeps the focus there, as a check does.
    t_->S_NAME.onLostFocus = [this] {
      t_->log.push_back("LostFocus S_NAME");
      desktop_.message("Please enter a name.");
      t_->S_NAME.setFocus();
    };
    answerMessageBoxes();
    scrollTo(0);
    QTest::mouseClick(bar(), Qt::LeftButton, {}, barPart(QStyle::SC_ScrollBarAddLine));
    QTest::qWait(kPastRepeatDelay);
    QCOMPARE(bar()->value(), 0);  // no step, and no auto-repeat without end
    auto* go = widget<QPushButton>("B_GO");
    QTest::mousePress(go, Qt::LeftButton, {}, go->rect().center());
    QVERIFY(!go->isDown());
    QTest::mouseRelease(go, Qt::LeftButton, {}, go->rect().center());
    QTest::mouseClick(combo("S_KIND"), Qt::LeftButton);
    QTest::qWait(400);
    // One message a press, no other box got the focus, and coming back is no new Activate.
    QCOMPARE(t_->log, (Log{"LostFocus S_NAME", "LostFocus S_NAME", "LostFocus S_NAME"}));
    QTRY_COMPARE(QApplication::focusWidget(), widget<QWidget>("S_NAME"));
    // The next press, with nothing in its way, works as usual.
    t_->S_NAME.onLostFocus = nullptr;
    QTest::mouseClick(go, Qt::LeftButton, {}, go->rect().center());
    QCOMPARE(count("Click B_GO"), 1);
  }
};

QTEST_MAIN(MouseInputTest)
#include "MouseInputTest.moc"

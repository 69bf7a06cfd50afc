// A person's mouse on the real widgets of the view: presses, moves and releases at the
// places a person clicks (the style's own sub-control rectangles, the middle of a cell or a
// button, beside a button), the wheel, and double clicks. Each case checks the widget's own
// state after it (a scroll bar's value after the auto-repeat delay, a button's down state, a
// caret, a selection) as well as the events the model raised.
#include <QAbstractItemView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QWheelEvent>

#include "ViewFixture.h"
#include "WidgetParts.h"

using orv::testing::comboBoxArrow;
using orv::testing::kPastRepeatDelay;
using orv::testing::scrollBarPart;

namespace {

QWheelEvent wheelNotch(QWidget* over, int notches) {
  const QPoint at = over->rect().center();
  return QWheelEvent(at, over->mapToGlobal(at), {}, {0, -120 * notches}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
}

}  // namespace

class MouseInputTest : public ViewFixture {
  Q_OBJECT

  QScrollBar* bar() { return widget<QScrollBar>("S_SCROLL"); }
  QTextEdit* cell(int row) { return widget<QTextEdit>("S_CELL", row); }
  long countStarting(const std::string& prefix) {
    return std::count_if(t_->log.begin(), t_->log.end(),
                         [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
  }
  // Sets the bar, then puts the focus back on the name box and forgets the events so far.
  void scrollTo(int value, int max = 50) {
    t_->S_SCROLL.setMax(max);
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

  void scrollBarStepsOncePerClickAndFollowsTheThumb() {
    struct Case {
      const char* name;
      int from;
      QStyle::SubControl part;
      int to;
    };
    const Case cases[] = {
        {"down arrow", 0, QStyle::SC_ScrollBarAddLine, 1},
        {"up arrow", 5, QStyle::SC_ScrollBarSubLine, 4},
        {"trough below the thumb", 0, QStyle::SC_ScrollBarAddPage, 10},
        {"trough above the thumb", 25, QStyle::SC_ScrollBarSubPage, 15},
    };
    for (const Case& c : cases) {
      scrollTo(c.from);
      QTest::mouseClick(bar(), Qt::LeftButton, {}, scrollBarPart(bar(), c.part).center());
      QTest::qWait(kPastRepeatDelay);
      QVERIFY2(bar()->value() == c.to, c.name);
      QVERIFY2(t_->S_SCROLL.value() == c.to, c.name);
      QVERIFY2(countStarting("Change S_SCROLL") == 1, c.name);
      // The Change handler handed the focus on while the button was down.
      QVERIFY2(t_->form.focus() == &t_->S_SINK, c.name);
      QVERIFY2(QApplication::focusWidget() == widget<QWidget>("S_SINK"), c.name);
    }

    // Held on the arrow, the bar repeats until the release and not after it.
    scrollTo(0);
    QTest::mousePress(bar(), Qt::LeftButton, {},
                      scrollBarPart(bar(), QStyle::SC_ScrollBarAddLine).center());
    QTest::qWait(900);
    QTest::mouseRelease(bar(), Qt::LeftButton, {},
                        scrollBarPart(bar(), QStyle::SC_ScrollBarAddLine).center());
    const int held = bar()->value();
    QVERIFY2(held > 2, qPrintable(QString::number(held)));
    QTest::qWait(kPastRepeatDelay);
    QCOMPARE(bar()->value(), held);
    QCOMPARE(t_->S_SCROLL.value(), held);
    QCOMPARE(countStarting("Change S_SCROLL"), held);

    // The thumb dragged to the end: the model follows while it moves and it stays dropped.
    scrollTo(0);
    const QRect thumb = scrollBarPart(bar(), QStyle::SC_ScrollBarSlider);
    QTest::mousePress(bar(), Qt::LeftButton, {}, thumb.center());
    const int bottom = bar()->height() - 1;
    for (int y = thumb.center().y(); y <= bottom; y += 8) {
      QTest::mouseMove(bar(), {thumb.center().x(), y});
      QCOMPARE(t_->S_SCROLL.value(), bar()->value());
    }
    QTest::mouseMove(bar(), {thumb.center().x(), bottom});
    QVERIFY(countStarting("Change S_SCROLL") > 3);  // the grid followed on the way
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, {thumb.center().x(), bottom});
    QTest::qWait(kPastRepeatDelay);
    QCOMPARE(bar()->value(), 50);
    QCOMPARE(t_->S_SCROLL.value(), 50);
    QVERIFY(!bar()->isSliderDown());
  }

  void theWheelOverCellsScrollsTheirBarButNotAClosedComboBox() {
    scrollTo(10);
    auto down = wheelNotch(cell(1)->viewport(), 1);
    QApplication::sendEvent(cell(1)->viewport(), &down);
    QCOMPARE(bar()->value(), 13);  // three lines a notch
    QCOMPARE(t_->log, (Log{"Change S_SCROLL 13", "LostFocus S_NAME", "GotFocus S_SINK"}));
    auto up = wheelNotch(cell(0)->viewport(), -2);
    QApplication::sendEvent(cell(0)->viewport(), &up);
    QCOMPARE(t_->S_SCROLL.value(), 7);

    // A bar that is not shown is not turned.
    t_->S_SCROLL.setVisible(false);
    view_->flush();
    QApplication::sendEvent(cell(1)->viewport(), &down);
    QCOMPARE(t_->S_SCROLL.value(), 7);

    for (const char* e : {"ONE", "TWO"}) t_->S_KIND.addItem(e);
    auto* kind = widget<QComboBox>("S_KIND");
    for (QWidget* over : {static_cast<QWidget*>(kind), static_cast<QWidget*>(kind->lineEdit())}) {
      QApplication::sendEvent(over, &down);
      QCOMPARE(kind->currentIndex(), -1);
    }
    QCOMPARE(count("Click S_KIND"), 0);
  }

  void buttonsClickOnReleaseOverThemOnly() {
    auto* go = widget<QPushButton>("B_GO");
    const QPoint inside = go->rect().center();
    const QPoint outside(go->width() + 20, inside.y());
    struct Case {
      const char* name;
      std::vector<QPoint> movesWhileDown;
      QPoint release;
      int clicks;
    };
    const Case cases[] = {
        {"click in the middle", {}, inside, 1},
        {"released beside it", {outside}, outside, 0},
        {"moved away and back", {outside, inside}, inside, 1},
    };
    for (const Case& c : cases) {
      focusModel(t_->S_NAME);
      t_->log.clear();
      QTest::mousePress(go, Qt::LeftButton, {}, inside);
      QVERIFY2(go->isDown(), c.name);
      for (const QPoint& p : c.movesWhileDown) QTest::mouseMove(go, p);
      QTest::mouseRelease(go, Qt::LeftButton, {}, c.release);
      QVERIFY2(!go->isDown(), c.name);
      // The press took the focus before any Click.
      QCOMPARE(t_->log,
               (c.clicks ? Log{"LostFocus S_NAME", "Click B_GO"} : Log{"LostFocus S_NAME"}));
      QVERIFY2(t_->form.focus() == &t_->B_GO, c.name);
    }
  }

  void cellsSelectNothingAndClickOnceEvenWhenDoubleClicked() {
    QTextEdit* text = cell(0);
    t_->S_CELL[0]->setText("MODEL ONE\r\n95");
    view_->flush();
    QWidget* area = text->viewport();
    const QPoint mid = area->rect().center();
    t_->log.clear();

    QTest::mouseClick(area, Qt::LeftButton, {}, mid);
    QCOMPARE(t_->log, (Log{"LostFocus S_NAME", "GotFocus S_CELL(0)", "Click S_CELL(0)",
                           "LostFocus S_CELL(0)", "GotFocus S_SINK"}));
    QCOMPARE(QApplication::focusWidget(), widget<QWidget>("S_SINK"));

    t_->log.clear();
    QTest::mouseDClick(area, Qt::LeftButton, {}, mid);
    QTest::mouseRelease(area, Qt::LeftButton, {}, mid);
    QCOMPARE(count("Click S_CELL(0)"), 0);  // the first click of the pair was the one above
    QCOMPARE(count("DblClick S_CELL(0)"), 1);

    // Dragging over the text selects nothing, and a release off the cell is no click.
    t_->log.clear();
    QTest::mousePress(area, Qt::LeftButton, {}, {2, 4});
    QTest::mouseMove(area, {area->width() - 2, area->height() - 4});
    QTest::mouseRelease(area, Qt::LeftButton, {}, {area->width() + 30, mid.y()});
    QVERIFY(!text->textCursor().hasSelection());
    QCOMPARE(text->textInteractionFlags(), Qt::NoTextInteraction);
    QCOMPARE(count("Click S_CELL(0)"), 0);
    QCOMPARE(count("GotFocus S_CELL(0)"), 1);
  }

  void rangeBoxesPlaceTheCaretAndSelectLikeAnyEditField() {
    auto* range = widget<QLineEdit>("S_RANGE");
    QTest::mouseClick(range, Qt::LeftButton, {}, range->rect().center());
    QCOMPARE(t_->form.focus(), &t_->S_RANGE);
    QTest::keyClicks(range, "1234567");
    QCOMPARE(range->text(), QString("12345"));  // at most five characters
    QCOMPARE(t_->S_RANGE.text(), std::string("12345"));

    struct Case {
      const char* name;
      QPoint press;
      QPoint release;  // a different place drags
      bool twice;
      int caret;
      QString selected;
    };
    const int y = range->height() / 2;
    const int right = range->width() - 3;
    const Case cases[] = {
        {"click at the left end", {3, y}, {3, y}, false, 0, ""},
        {"click at the right end", {right, y}, {right, y}, false, 5, ""},
        {"double click", {right, y}, {right, y}, true, 5, "12345"},
        {"drag from the left end", {3, y}, {right, y}, false, 5, "12345"},
    };
    for (const Case& c : cases) {
      range->deselect();
      if (c.twice) {
        QTest::mouseDClick(range, Qt::LeftButton, {}, c.press);
      } else {
        QTest::mousePress(range, Qt::LeftButton, {}, c.press);
        if (c.release != c.press) QTest::mouseMove(range, c.release);
        QTest::mouseRelease(range, Qt::LeftButton, {}, c.release);
      }
      QVERIFY2(range->cursorPosition() == c.caret, c.name);
      QVERIFY2(range->selectedText() == c.selected, c.name);
    }
    QCOMPARE(count("GotFocus S_RANGE"), 1);
  }

  void comboBoxesRaiseWithTheMouseWhatTheKeyboardRaises() {
    auto* name = widget<QComboBox>("S_NAME");
    auto* kind = widget<QComboBox>("S_KIND");
    // Chosen with the mouse: the arrow, an entry of the open list, then the next box.
    focusModel(t_->S_KIND);
    t_->log.clear();
    QTest::mouseClick(name, Qt::LeftButton, {}, comboBoxArrow(name).center());
    QAbstractItemView* list = name->view();
    QTRY_VERIFY(list->isVisible());
    auto wheel = wheelNotch(list->viewport(), 1);  // the wheel inside the open list
    QApplication::sendEvent(list->viewport(), &wheel);
    QVERIFY(list->isVisible());
    QTest::qWait(QApplication::doubleClickInterval() + 50);  // no press-drag-release pick
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    QTRY_VERIFY(!list->isVisible());
    QTest::mouseClick(kind->lineEdit(), Qt::LeftButton, {}, {4, kind->lineEdit()->height() / 2});
    const Log byMouse = t_->log;
    QCOMPARE(name->currentText(), QString("BRAVO"));

    // The same choice with the keyboard.
    focusModel(t_->S_KIND);
    t_->log.clear();
    QTest::keyClick(kind, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(name, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(byMouse, t_->log);
    QCOMPARE(byMouse, (Log{"LostFocus S_KIND", "GotFocus S_NAME", "DropDown S_NAME", "Click S_NAME",
                           "LostFocus S_NAME", "GotFocus S_KIND"}));

    // Typing after a click in the edit field, against typing after Shift+Tab.
    focusModel(t_->S_KIND);
    t_->log.clear();
    QTest::mouseClick(name->lineEdit(), Qt::LeftButton, {}, {4, name->lineEdit()->height() / 2});
    QTest::keyClicks(QApplication::focusWidget(), "q");
    const Log typedAfterClick = t_->log;
    focusModel(t_->S_KIND);
    t_->log.clear();
    QTest::keyClick(kind, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClicks(QApplication::focusWidget(), "q");
    QCOMPARE(typedAfterClick, t_->log);
    QCOMPARE(typedAfterClick, (Log{"LostFocus S_KIND", "GotFocus S_NAME", "KeyPress S_NAME 113"}));
  }

  void aListBoxRaisesOneClickPerClick() {
    for (const char* e : {"ONE", "TWO", "THREE"}) t_->S_LIST.addItem(e);
    t_->S_LIST.setVisible(true);
    view_->flush();
    auto* list = widget<QListWidget>("S_LIST");
    auto at = [&](int row) { return list->visualItemRect(list->item(row)).center(); };
    struct Case {
      const char* name;
      int row;
      bool twice;
      long clicks;
      long dblClicks;
    };
    const Case cases[] = {
        {"an entry not chosen yet", 1, false, 1, 0},
        {"the chosen entry again", 1, false, 1, 0},
        {"a double click on another entry", 2, true, 1, 1},
    };
    for (const Case& c : cases) {
      t_->log.clear();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(c.row));
      if (c.twice) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at(c.row));
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at(c.row));
      }
      QVERIFY2(count("Click S_LIST") == c.clicks, c.name);
      QVERIFY2(count("DblClick S_LIST") == c.dblClicks, c.name);
      QVERIFY2(t_->S_LIST.listIndex() == c.row, c.name);
    }
  }

  void aPressAnsweredByAMessageBoxStartsNothing() {
    // Leaving the name box brings up a message and keeps the focus there, as a check does.
    t_->S_NAME.onLostFocus = [this] {
      desktop_.message("Please enter a name.");
      t_->S_NAME.setFocus();
    };
    answerMessageBoxes();
    scrollTo(0);
    const QPoint arrow = scrollBarPart(bar(), QStyle::SC_ScrollBarAddLine).center();
    QTest::mousePress(bar(), Qt::LeftButton, {}, arrow);
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, arrow);
    QTest::qWait(kPastRepeatDelay);
    QCOMPARE(bar()->value(), 0);  // no step, and no auto-repeat without end
    auto* go = widget<QPushButton>("B_GO");
    QTest::mousePress(go, Qt::LeftButton, {}, go->rect().center());
    QVERIFY(!go->isDown());
    QTest::mouseRelease(go, Qt::LeftButton, {}, go->rect().center());
    QCOMPARE(t_->goClicks, 0);
    QCOMPARE(t_->form.focus(), &t_->S_NAME);
    // The next press, with nothing in its way, works as usual.
    t_->S_NAME.onLostFocus = nullptr;
    QTest::mouseClick(go, Qt::LeftButton, {}, go->rect().center());
    QCOMPARE(t_->goClicks, 1);
  }
};

QTEST_MAIN(MouseInputTest)
#include "MouseInputTest.moc"

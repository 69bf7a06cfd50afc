// A person's mouse on the real main window, delivered by a real X server: xdotool moves the
// pointer and presses the buttons at the places a person would, and the window's widgets
// (and the page it writes) are looked at after every step. Runs under Xvfb.
#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QTextEdit>

#include "RealWindow.h"
#include "WidgetParts.h"
#include "XPointer.h"

using namespace orv::testing;

class MouseSessionTest : public QObject {
  Q_OBJECT

  std::unique_ptr<RealWindow> w_;
  XPointer x_;

  QScrollBar* bar() { return w_->widget<QScrollBar>("S_SCROLL"); }
  QString modelInRow(int row) { return w_->widget<QTextEdit>("S_MODEL", row)->toPlainText(); }
  QRect thumb() { return scrollBarPart(bar(), QStyle::SC_ScrollBarSlider); }

 private slots:
  void aSessionWithTheMouse() {
    w_ = std::make_unique<RealWindow>("orvane-mouse-session");
    for (const char* name : {"SP2017.TXT", "SP2019.TXT"})  // the default year, then 2019
      w_->write(w_->root / "data" / name, kestroYear(45));
    w_->start();
    // The make list, opened at its arrow; an entry clicked.
    auto* make = w_->widget<QComboBox>("S_MAKE");
    x_.click(make, comboBoxArrow(make).center(), 600);
    QAbstractItemView* list = make->view();
    QTRY_VERIFY(list->isVisible());
    x_.click(list->viewport(),
             list->visualRect(list->model()->index(make->findText("KESTRO"), 0)).center());
    QTRY_COMPARE(make->currentText(), QString("KESTRO"));

    // Three clicks on the down arrow: three single steps, and nothing after the last.
    for (int i = 1; i <= 3; ++i) {
      x_.click(bar(), scrollBarPart(bar(), QStyle::SC_ScrollBarAddLine).center());
      QCOMPARE(bar()->value(), i);
    }
    QTest::qWait(kPastRepeatDelay);
    QCOMPARE(modelInRow(0), QString("TRELLAN 4"));
    QCOMPARE(w_->focusName(), QString("S_SCROLL2"));

    // One click in the trough below the thumb: one large step.
    x_.click(bar(), {thumb().center().x(), thumb().bottom() + 10}, kPastRepeatDelay);
    QCOMPARE(modelInRow(0), QString("TRELLAN 14"));

    // The thumb dragged to the bottom: the grid ends at the last model.
    const QPoint from = thumb().center();
    x_.at(bar(), from, {"mousedown", "1"}, 100);
    for (int y = from.y() + 20; y < bar()->height() + 40; y += 20)
      x_.at(bar(), {from.x(), y}, {}, 50);
    x_.at(bar(), {from.x(), bar()->height() + 40}, {"mouseup", "1"}, kPastRepeatDelay);
    QCOMPARE(modelInRow(13), QString("TRELLAN 45"));
    QVERIFY(!bar()->isSliderDown());

    // One notch of the wheel up over the cells: three models back.
    auto* cell = w_->widget<QTextEdit>("S_TEXT3", 5);
    x_.at(cell, cell->rect().center(), {"click", "4"});
    QCOMPARE(modelInRow(0), QString("TRELLAN 29"));

    // A click on a row selects it; a double click opens its model report.
    x_.click(cell, cell->rect().center());
    QCOMPARE(w_->widget<QTextEdit>("S_MODEL", 5)->palette().color(QPalette::Base),
             QColor(0, 0, 128));
    x_.at(cell, cell->rect().center(), {"click", "--repeat", "2", "--delay", "80", "1"}, 500);
    QCOMPARE(w_->desktop->opened.size(), 1);
    const std::string page = w_->read(w_->desktop->opened.front().toStdString());
    QVERIFY2(page.find("<CENTER><B>2019 KESTRO TRELLAN 34</B></CENTER>") != std::string::npos,
             page.c_str());
    QCOMPARE(w_->desktop->messages.join("|"), QString());
  }
};

QTEST_MAIN(MouseSessionTest)
#include "MouseSessionTest.moc"

// A person's mouse on the real main window, delivered by a real X server: xdotool moves the
// pointer and presses the buttons at the places a person would, and the window's widgets
// (and the page it writes) are looked at after every step. Runs under Xvfb.
#include <QAbstractItemView>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>
#include <memory>

#include "RealWindow.h"
#include "WidgetParts.h"

using orv::testing::kPastRepeatDelay;
using orv::testing::scrollBarPart;

class MouseSessionTest : public QObject {
  Q_OBJECT

  std::unique_ptr<orv::testing::RealWindow> w_;

  QPoint pointerAt_{-1, -1};

  template <class W>
  W* widget(const char* name, int index = -1) {
    return w_->widget<W>(name, index);
  }
  QScrollBar* bar() { return widget<QScrollBar>("S_SCROLL"); }
  QString modelInRow(int row) { return widget<QTextEdit>("S_MODEL", row)->toPlainText(); }

  // Runs xdotool with the pointer at `at` inside `w`, then lets the window handle what the
  // X server delivered.
  void pointer(QWidget* w, QPoint at, const QStringList& then, int settle = 250) {
    const QPoint g = w->mapToGlobal(at);
    QStringList args;
    // A synchronous move onto the place the pointer already is waits for a move that never
    // comes.
    if (g != pointerAt_)
      args << "mousemove"
           << "--sync" << QString::number(g.x()) << QString::number(g.y());
    pointerAt_ = g;
    args += then;
    if (!args.isEmpty()) QCOMPARE(QProcess::execute("xdotool", args), 0);
    QTest::qWait(settle);
  }
  void click(QWidget* w, QPoint at, int settle = 250) { pointer(w, at, {"click", "1"}, settle); }

 private slots:
  void initTestCase() {
    w_ = std::make_unique<orv::testing::RealWindow>("orvane-mouse-session");
    std::string year;
    for (int i = 1; i <= 45; ++i)
      year += orv::testing::yearRecord("KESTRO", "TRELLAN " + std::to_string(i), 250, 1300);
    year += orv::testing::yearRecord("ALDERYN", "SOLO", 240, 900);
    w_->write(w_->root / "data" / "VERSION.TXT", "2018.2\r\n");
    w_->write(w_->root / "data" / "SP2019.TXT", year);
    w_->write(w_->root / "data" / "SP2017.TXT", year);
    w_->start();
  }
  void cleanupTestCase() { w_.reset(); }

  void aSessionWithTheMouse() {
    // The make list, opened at its arrow; an entry clicked.
    auto* make = widget<QComboBox>("S_MAKE");
    click(make, orv::testing::comboBoxArrow(make).center(), 600);
    QAbstractItemView* list = make->view();
    QTRY_VERIFY(list->isVisible());
    const int kestro = make->findText("KESTRO");
    QVERIFY(kestro >= 0);
    click(list->viewport(), list->visualRect(list->model()->index(kestro, 0)).center());
    QTRY_COMPARE(make->currentText(), QString("KESTRO"));
    QCOMPARE(modelInRow(0), QString("TRELLAN 1"));
    QVERIFY(bar()->isVisible());
    QCOMPARE(bar()->maximum(), 31);

    // Three clicks on the down arrow: three single steps, and nothing after the last.
    const QPoint down = scrollBarPart(bar(), QStyle::SC_ScrollBarAddLine).center();
    for (int i = 1; i <= 3; ++i) {
      click(bar(), down);
      QCOMPARE(bar()->value(), i);
    }
    QTest::qWait(kPastRepeatDelay);
    QCOMPARE(bar()->value(), 3);
    QCOMPARE(w_->specs().S_SCROLL->value(), 3);
    QCOMPARE(modelInRow(0), QString("TRELLAN 4"));
    QCOMPARE(w_->focusName(), QString("S_SCROLL2"));

    // One click in the trough below the thumb: one large step.
    const QRect thumb = scrollBarPart(bar(), QStyle::SC_ScrollBarSlider);
    click(bar(), {thumb.center().x(), thumb.bottom() + 10}, kPastRepeatDelay);
    QCOMPARE(bar()->value(), 13);
    QCOMPARE(modelInRow(0), QString("TRELLAN 14"));

    // The thumb dragged to the bottom: the grid ends at the last model.
    const QRect from = scrollBarPart(bar(), QStyle::SC_ScrollBarSlider);
    pointer(bar(), from.center(), {"mousedown", "1"}, 100);
    for (int y = from.center().y() + 20; y < bar()->height() + 40; y += 20)
      pointer(bar(), {from.center().x(), y}, {}, 50);
    pointer(bar(), {from.center().x(), bar()->height() + 40}, {"mouseup", "1"}, kPastRepeatDelay);
    QCOMPARE(bar()->value(), 31);
    QCOMPARE(modelInRow(13), QString("TRELLAN 45"));
    QVERIFY(!bar()->isSliderDown());

    // One notch of the wheel up over the cells: three models back.
    auto* cell = widget<QTextEdit>("S_TEXT3", 5);
    pointer(cell, cell->rect().center(), {"click", "4"});
    QCOMPARE(bar()->value(), 28);
    QCOMPARE(modelInRow(0), QString("TRELLAN 29"));

    // A click on a row selects it; a double click opens its model report.
    click(cell, cell->rect().center());
    QCOMPARE(w_->specs().state().currentRow, 5);
    QCOMPARE(widget<QTextEdit>("S_MODEL", 5)->palette().color(QPalette::Base), QColor(0, 0, 128));
    QCOMPARE(w_->focusName(), QString("S_SCROLL2"));
    pointer(cell, cell->rect().center(), {"click", "--repeat", "2", "--delay", "80", "1"}, 500);
    QCOMPARE(w_->desktop().opened.size(), 1);
    const std::string page = w_->read(w_->desktop().opened.front().toStdString());
    QVERIFY2(page.find("<CENTER><B>2019 KESTRO TRELLAN 34</B></CENTER>") != std::string::npos,
             page.c_str());

    // A button pressed and let go beside it does nothing and does not stay down.
    auto* legend = widget<QPushButton>("B_LEGEND");
    pointer(legend, legend->rect().center(), {"mousedown", "1"}, 100);
    QVERIFY(legend->isDown());
    pointer(legend, {legend->width() / 2, legend->height() + 30}, {"mouseup", "1"});
    QVERIFY(!legend->isDown());
    QCOMPARE(w_->desktop().opened.size(), 1);
    QCOMPARE(w_->desktop().messages.join("|"), QString());
  }
};

QTEST_MAIN(MouseSessionTest)
#include "MouseSessionTest.moc"

// The real main window, offscreen: one full session of a person starting it, choosing and
// reading, and the search window opened from it.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "RealWindow.h"
#include "SearchWindow.h"

using orv::qt::FormView;
using orv::testing::yearRecord;

class SpecsViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<orv::testing::RealWindow> w_;

  template <class W>
  W* widget(const char* name, int index = -1) {
    return w_->widget<W>(name, index);
  }
  QString focusName() { return w_->focusName(); }
  QString cellText(int column, int row) {
    return widget<QTextEdit>(("S_TEXT" + std::to_string(column)).c_str(), row)->toPlainText();
  }
  // Opens a combo box's list as a person does and picks the entry with that text.
  void pickFromList(QComboBox* box, const QString& entry) {
    box->showPopup();
    const int i = box->findText(entry, Qt::MatchExactly);
    QVERIFY2(i >= 0, qPrintable(entry));
    box->view()->setCurrentIndex(box->model()->index(i, 0));
    QTest::keyClick(box->view(), Qt::Key_Return);
  }

 private slots:
  void init() {
    w_ = std::make_unique<orv::testing::RealWindow>("orvane-view-test");
    std::string year;
    for (int i = 1; i <= 30; ++i)
      year += yearRecord("KESTRO", (i <= 20 ? "TRELLAN " : "QUORVIX ") + std::to_string(i), 250 + i,
                         1300 + i);
    year += yearRecord("ALDERYN", "SOLO", 240, 900);
    w_->write(w_->root / "data" / "VERSION.TXT", "2018.2\r\n");
    for (const char* name : {"SP2017.TXT", "SP2018.TXT", "SP2019.TXT"})
      w_->write(w_->root / "data" / name, year);
    w_->start();
  }
  void cleanup() { w_.reset(); }

  // Closing and its unit file are the main-window tests' (model) and the view tests' (close box).
  void aFullSession() {
    QCOMPARE(w_->view().windowTitle(), QString("Orvane - Version 2018.2"));
    QCOMPARE(w_->view().size(), QSize(799, 633));
    QCOMPARE(focusName(), QString("S_MAKE"));
    QVERIFY(w_->desktop().messages.isEmpty());
    QCOMPARE(widget<QComboBox>("S_YEAR")->currentText(), QString("2019"));
    QVERIFY(!widget<QScrollBar>("S_SCROLL")->isVisible());

    QTest::keyClick(&w_->view(), Qt::Key_R, Qt::AltModifier);
    QTRY_COMPARE(focusName(), QString("S_YEAR"));
    QTest::keyClick(&w_->view(), Qt::Key_U, Qt::AltModifier);
    QTRY_COMPARE(focusName(), QString("S_UNITS"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // the combo boxes only
    QCOMPARE(w_->specs().form().focus(), w_->specs().S_YEAR);
    QCOMPARE(focusName(), QString("S_YEAR"));
    pickFromList(widget<QComboBox>("S_YEAR"), "2018");
    QCOMPARE(w_->specs().S_YEAR->text(), std::string("2018"));

    auto* make = widget<QComboBox>("S_MAKE");
    make->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "kestro");  // keys go where the focus is
    QCOMPARE(make->lineEdit()->text(), QString("KESTRO"));    // typed letters show in upper case
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(widget<QTextEdit>("S_MODEL", 0)->toPlainText(), QString("TRELLAN 1"));
    QVERIFY(widget<QScrollBar>("S_SCROLL")->isVisible());

    pickFromList(widget<QComboBox>("S_MODELDROP"), "TRELLAN");
    QCOMPARE(w_->specs().S_LIST->count(), 20);
    QCOMPARE(widget<QScrollBar>("S_SCROLL")->maximum(), 6);

    pickFromList(widget<QComboBox>("S_UNITS"), "Imperial");
    QCOMPARE(cellText(1, 0), QString("37.4\n98.9"));  // 95 and 251 cm in inches

    QTest::keyClick(&w_->view(), Qt::Key_E, Qt::AltModifier);  // the grid
    QTRY_COMPARE(focusName(), QString("S_SCROLL2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    QCOMPARE(widget<QScrollBar>("S_SCROLL")->value(), 6);
    QCOMPARE(widget<QTextEdit>("S_MODEL", 13)->toPlainText(), QString("TRELLAN 20"));

    auto* cell = widget<QTextEdit>("S_TEXT5", 4);
    QTest::mouseClick(cell->viewport(), Qt::LeftButton);
    QTRY_COMPARE(w_->specs().state().currentRow, 4);
    QCOMPARE(cellText(5, 4), QString("47.3\n2884"));  // E and CW of TRELLAN 11
    const QPalette selected = widget<QTextEdit>("S_MODEL", 4)->palette();
    QCOMPARE(selected.color(QPalette::Base), QColor(0, 0, 128));
    QCOMPARE(selected.color(QPalette::Text), QColor(224, 224, 224));
    QCOMPARE(widget<QTextEdit>("S_MODEL", 5)->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(focusName(), QString("S_SCROLL2"));
  }

  void theSearchWindowRunsFromTheMainWindow() {
    bool ran = false;
    w_->desktop().onModalShown = [&](FormView& search) {
      QTimer::singleShot(0, &search, [&] {
        QCOMPARE(search.windowTitle(), QString("Wheelbase / Track Width Search"));
        auto* from = qobject_cast<QLineEdit*>(search.widget("S_WB1"));
        QVERIFY(from);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(from));
        QTest::keyClicks(QApplication::focusWidget(), "260");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "280");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Enter runs
        ran = true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // Escape closes
      });
    };
    QTest::mouseClick(widget<QPushButton>("B_SEARCH"), Qt::LeftButton);
    QTRY_VERIFY(ran);
    QTRY_VERIFY(!w_->specs().searchWindow()->form()->loaded());
    QCOMPARE(w_->desktop().messages.join("|"), QString());
    const std::string result = w_->read(w_->root / "data" / "REPORT.TXT");
    QVERIFY2(result.find("63   Models found") != std::string::npos, result.c_str());
    QCOMPARE(w_->desktop().opened.size(), 1);
    QVERIFY(w_->desktop().opened.front().endsWith("REPORT.TXT"));
    QTRY_COMPARE(focusName(), QString("S_SCROLL2"));
  }
};

QTEST_MAIN(SpecsViewTest)
#include "SpecsViewTest.moc"

// The real main window, offscreen: one session of a person starting it, moving with the
// keyboard, and the search window opened from it, run with Enter and closed with Escape. What
// each step computes is the main and search window tests'; this proves the keys reach them.
// Typing a make in the real window is the bad-input tests', keys to the grid the view tests'.
#include <QPushButton>
#include <QTimer>

#include "RealWindow.h"
#include "SearchWindow.h"

class SpecsViewTest : public QObject {
  Q_OBJECT

  std::unique_ptr<orv::testing::RealWindow> w_;
  void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }

 private slots:
  void aFullSessionWithTheSearchWindow() {
    w_ = std::make_unique<orv::testing::RealWindow>("orvane-view-test");
    for (const char* name : {"SP2017.TXT", "SP2019.TXT"})  // the default year, then 2019
      w_->write(w_->root / "data" / name, orv::testing::kestroYear(30));
    w_->start();
    QCOMPARE(w_->focusName(), QString("S_MAKE"));
    QTest::keyClick(w_->view.get(), Qt::Key_U, Qt::AltModifier);
    QTRY_COMPARE(w_->focusName(), QString("S_UNITS"));
    key(Qt::Key_Tab);  // the combo boxes only
    QCOMPARE(w_->focusName(), QString("S_YEAR"));

    w_->desktop->onModalShown = [&](orv::qt::FormView& search) {
      QTimer::singleShot(0, &search, [&] {
        QTRY_COMPARE(QApplication::focusWidget(), search.widget("S_WB1"));
        QTest::keyClicks(QApplication::focusWidget(), "260");
        key(Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "280");
        key(Qt::Key_Return);  // Enter runs
        key(Qt::Key_Escape);  // Escape closes
      });
    };
    QTest::mouseClick(w_->widget<QPushButton>("B_SEARCH"), Qt::LeftButton);
    QTRY_VERIFY(!w_->specs->searchWindow()->form()->loaded());
    QCOMPARE(w_->desktop->messages.join("|"), QString());
    const std::string result = w_->read(w_->root / "data" / "REPORT.TXT");
    QVERIFY2(result.find("42   Models found") != std::string::npos, result.c_str());
    QCOMPARE(w_->desktop->opened.size(), 1);
    QTRY_COMPARE(w_->focusName(), QString("S_SCROLL2"));  // back in the main window
  }
};

QTEST_MAIN(SpecsViewTest)
#include "SpecsViewTest.moc"

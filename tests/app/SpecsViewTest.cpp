// The real main window, offscreen: one session of a person starting it, moving with the
// keyboard, and the search window opened from it as a modal window, run with Enter and closed
// with Escape. What each step computes is the main and search window tests'; this proves the
// keys reach them and the modal window hands the main window back.
// Typing a make in the real window is the bad-input tests', keys to the grid the view tests'.
#include <QTimer>

#include "RealWindow.h"
#include "windows/search/SearchWindow.h"

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

    bool ownerDisabled = false;
    w_->desktop->onModalShown = [&](orv::qt::FormView& search) {
      QTimer::singleShot(0, &search, [&] {
        ownerDisabled = !w_->view->isEnabled();
        QTRY_COMPARE(QApplication::focusWidget(), search.widget("S_WB1"));
        QTest::keyClicks(QApplication::focusWidget(), "260");
        key(Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "280");
        key(Qt::Key_Return);  // Enter runs
        key(Qt::Key_Escape);  // Escape closes
      });
    };
    // The button's access key clicks it a moment later, and once: a second, delayed press
    // would run the search again and open a second page.
    QTest::keyClick(w_->view.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(w_->focusName(), QString("S_SCROLL2"));  // back in the main window
    QTest::qWait(150);
    const orv::form::Form& search = *w_->specs->searchWindow()->form();
    QVERIFY(ownerDisabled && w_->view->isEnabled());
    QVERIFY(!search.loaded() && !orv::qt::FormView::viewOf(search));
    QCOMPARE(w_->desktop->messages.join("|"), QString());
    const std::string result = w_->read(w_->root / "data" / "REPORT.TXT");
    QVERIFY2(result.find("42   Models found") != std::string::npos, result.c_str());
    QCOMPARE(w_->desktop->opened.size(), 1);
  }
};

QTEST_MAIN(SpecsViewTest)
#include "SpecsViewTest.moc"

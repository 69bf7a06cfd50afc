// The analyst's commands on the real main window with a real X server's mouse and keyboard
// (Xvfb and xdotool): the grid rows' context menu and the menu bar open the vehicle sheet,
// the comparison and the sister-vehicle window, and the pages they write are read back.
#include <QLineEdit>
#include <QMenuBar>
#include <QTextEdit>
#include <QTimer>

#include "RealWindow.h"
#include "XPointer.h"
#include "windows/similar/SisterWindow.h"

using namespace orv::testing;

class AnalystSessionTest : public QObject {
  Q_OBJECT

  std::unique_ptr<RealWindow> w_;
  XPointer x_;

  // Two years of `models` KESTRO models, the window started on them.
  void start(const char* name, int models) {
    w_ = std::make_unique<RealWindow>(name);
    for (const char* file : {"SP2017.TXT", "SP2019.TXT"})
      w_->write(w_->root / "data" / file, kestroYear(models));
    w_->start();
  }
  // A right-click on grid row `row`, then `command` from its context menu.
  void onRow(int row, const QString& command) {
    x_.rightClick(w_->widget<QTextEdit>("S_TEXT2", row));
    x_.choose(command);
  }

  // In the sister window: WB's tolerance typed over with 2, Run, Close.
  void inSisterWindow(orv::qt::FormView& sister) {
    auto* tolerance = qobject_cast<QLineEdit*>(sister.widget("S_TOL", orv::core::WB));
    QVERIFY(tolerance);
    x_.click(tolerance);
    XPointer::run({"key", "ctrl+a"}, 50);
    XPointer::run({"type", "2"});
    QCOMPARE(tolerance->text(), QString("2"));
    x_.click(sister.widget("B_RUN"));
    QTRY_COMPARE(w_->desktop->opened.size(), 1);
    x_.click(sister.widget("B_CLOSE"));
  }

 private slots:
  void sheetAndComparisonFromTheRowsContextMenu() {
    start("orvane-analyst-session", 20);
    w_->specs->S_MAKE->userType("KESTRO");
    w_->specs->S_MAKE->userKeyPress(orv::form::kAsciiEnter);
    w_->view->flush();

    onRow(3, "Vehicle Sheet");
    QTRY_COMPARE(w_->desktop->opened.size(), 1);
    const std::string sheet = w_->read(w_->desktop->opened.front().toStdString());
    QVERIFY(sheet.find("2019 KESTRO TRELLAN 4") != std::string::npos);
    QVERIFY(sheet.find("<svg") != std::string::npos);
    QCOMPARE(w_->specs->selection().currentRow(), 3);  // the right-click selected the row

    onRow(0, "Add to Comparison");
    onRow(1, "Add to Comparison");
    QCOMPARE(w_->specs->comparison().size(), std::size_t{2});
    x_.choose(w_->view->menuBar(), "Comparison", "Compare");
    QTRY_COMPARE(w_->desktop->opened.size(), 2);
    const std::string page = w_->read(w_->desktop->opened.back().toStdString());
    QVERIFY(page.find("2019 KESTRO TRELLAN 1") != std::string::npos);
    QVERIFY(page.find("2019 KESTRO TRELLAN 2") != std::string::npos);
    QCOMPARE(w_->desktop->messages.join("|"), QString());
  }

  void findSisterVehiclesFromTheMenuBar() {
    start("orvane-sister-session", 45);
    XPointer::run({"type", "--delay", "20", "kestro"}, 50);
    XPointer::run({"key", "Return"});
    x_.click(w_->widget<QTextEdit>("S_TEXT1", 2));
    QCOMPARE(w_->widget<QTextEdit>("S_MODEL", 2)->toPlainText(), QString("TRELLAN 3"));

    w_->desktop->onModalShown = [&](orv::qt::FormView& sister) {
      QTimer::singleShot(0, &sister, [&] {
        inSisterWindow(sister);
        if (sister.form().loaded()) sister.form().userClose();  // never left hanging
      });
    };
    x_.choose(w_->view->menuBar(), "Vehicle", "Find Sister Vehicles...");
    QTRY_COMPARE(w_->focusName(), QString("S_SCROLL2"));  // back in the main window

    // WB 253 within 2 (TF and TR are alike in every record): TRELLAN 1 to 5 and 41 to 45 of
    // both years, but not the reference itself.
    QVERIFY(!w_->specs->sisterWindow()->form()->loaded());
    QCOMPARE(w_->desktop->messages.join("|"), QString());
    const std::string page = w_->read(w_->desktop->opened.value(0).toStdString());
    for (const char* text : {"<B>Sister vehicles of 2019 KESTRO TRELLAN 3</B>", "WB within 2.0 cm",
                             "19 vehicles match.",
                             "<td width=50>2017</td><td width=180>KESTRO</td><td "
                             "width=250>TRELLAN 3</td><td width=70>0.00</td>"})
      QVERIFY2(page.find(text) != std::string::npos, text);
  }
};

QTEST_MAIN(AnalystSessionTest)
#include "AnalystSessionTest.moc"

// The analyst's commands on the real main window with a real X server's mouse (Xvfb and
// xdotool): a right-click on a grid row opens its context menu, whose Vehicle Sheet writes
// and opens the sheet of that row; two rows are added to the comparison from the same menu,
// and the menu bar's Compare opens their comparison.
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTextEdit>

#include "RealWindow.h"

using namespace orv::testing;

class AnalystSessionTest : public QObject {
  Q_OBJECT

  std::unique_ptr<RealWindow> w_;

  // xdotool moves the pointer to `at` inside `w` and clicks `button` there.
  void click(QWidget* w, QPoint at, const char* button = "1") {
    const QPoint g = w->mapToGlobal(at);
    QCOMPARE(QProcess::execute("xdotool", {"mousemove", "--sync", QString::number(g.x()),
                                           QString::number(g.y()), "click", button}),
             0);
    QTest::qWait(200);
  }
  // The open popup menu's item `text` clicked.
  void choose(const QString& text) {
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr);
    for (QAction* action : menu->actions()) {
      if (action->text().remove('&').section('\t', 0, 0) == text)
        return click(menu, menu->actionGeometry(action).center());
    }
    QFAIL(qPrintable("no menu item " + text));
  }
  // A right-click on grid row `row`, then `command` from its context menu.
  void onRow(int row, const QString& command) {
    auto* cell = w_->widget<QTextEdit>("S_TEXT2", row);
    click(cell, cell->rect().center(), "3");
    choose(command);
  }

 private slots:
  void sheetAndComparisonFromTheRowsContextMenu() {
    w_ = std::make_unique<RealWindow>("orvane-analyst-session");
    for (const char* name : {"SP2017.TXT", "SP2019.TXT"})
      w_->write(w_->root / "data" / name, kestroYear(20));
    w_->start();
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
    // The menu bar's Comparison title, then Compare.
    QMenuBar* bar = w_->view->menuBar();
    for (QAction* title : bar->actions()) {
      if (title->text().remove('&') == "Comparison")
        click(bar, bar->actionGeometry(title).center());
    }
    choose("Compare");
    QTRY_COMPARE(w_->desktop->opened.size(), 2);
    const std::string page = w_->read(w_->desktop->opened.back().toStdString());
    QVERIFY(page.find("2019 KESTRO TRELLAN 1") != std::string::npos);
    QVERIFY(page.find("2019 KESTRO TRELLAN 2") != std::string::npos);
    QCOMPARE(w_->desktop->messages.join("|"), QString());
  }
};

QTEST_MAIN(AnalystSessionTest)
#include "AnalystSessionTest.moc"

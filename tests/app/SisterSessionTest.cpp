// The sister-vehicle window reached as a person reaches it, with real X events under Xvfb:
// a row clicked, the command chosen from the main window's menu bar with the mouse, a
// tolerance typed over, Run clicked and the window closed; then the page written is read.
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include "RealWindow.h"
#include "windows/similar/SisterWindow.h"

using namespace orv::testing;

class SisterSessionTest : public QObject {
  Q_OBJECT

  std::unique_ptr<RealWindow> w_;

  static void xdotool(const QStringList& args, int settle = 250) {
    QCOMPARE(QProcess::execute("xdotool", args), 0);
    QTest::qWait(settle);
  }
  // A click of the left button at the middle of `r` inside `w`.
  static void click(QWidget* w, QRect r, int settle = 250) {
    const QPoint g = w->mapToGlobal(r.center());
    xdotool({"mousemove", "--sync", QString::number(g.x()), QString::number(g.y()), "click", "1"},
            settle);
  }
  static QAction* action(const QWidget* menu, const QString& text) {
    for (QAction* a : menu->actions()) {
      if (a->text() == text) return a;
    }
    qFatal("no menu item %s", qPrintable(text));
  }

  // In the sister window: WB's tolerance typed over with 2, Run, Close.
  void inSisterWindow(orv::qt::FormView& sister) {
    auto* tolerance = qobject_cast<QLineEdit*>(sister.widget("S_TOL", orv::core::WB));
    QVERIFY(tolerance);
    click(tolerance, tolerance->rect());
    xdotool({"key", "ctrl+a"}, 50);
    xdotool({"type", "2"});
    QCOMPARE(tolerance->text(), QString("2"));
    click(sister.widget("B_RUN"), sister.widget("B_RUN")->rect());
    QTRY_COMPARE(w_->desktop->opened.size(), 1);
    click(sister.widget("B_CLOSE"), sister.widget("B_CLOSE")->rect());
  }

 private slots:
  void findSisterVehiclesFromTheMenuBar() {
    w_ = std::make_unique<RealWindow>("orvane-sister-session");
    for (const char* name : {"SP2017.TXT", "SP2019.TXT"})  // one more, and the year shown
      w_->write(w_->root / "data" / name, kestroYear(45));
    w_->start();
    xdotool({"type", "--delay", "20", "kestro"}, 50);
    xdotool({"key", "Return"});
    auto* row = w_->widget<QTextEdit>("S_TEXT1", 2);
    click(row, row->rect());
    QCOMPARE(w_->widget<QTextEdit>("S_MODEL", 2)->toPlainText(), QString("TRELLAN 3"));

    w_->desktop->onModalShown = [&](orv::qt::FormView& sister) {
      QTimer::singleShot(0, &sister, [&] {
        inSisterWindow(sister);
        if (sister.form().loaded()) sister.form().userClose();  // never left hanging
      });
    };
    QMenuBar* bar = w_->view->menuBar();
    click(bar, bar->actionGeometry(action(bar, "Veh&icle")));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    click(menu, menu->actionGeometry(action(menu, "Find Sister &Vehicles...")));
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

QTEST_MAIN(SisterSessionTest)
#include "SisterSessionTest.moc"

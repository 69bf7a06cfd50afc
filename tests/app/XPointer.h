// A real X server's pointer and keyboard driven with xdotool; after each step the window
// handles what the server delivered before the test looks at it.
#pragma once

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QtTest>

namespace orv::testing {

class XPointer {
 public:
  // Moves the pointer to `at` inside `w` and runs the xdotool commands `then` there.
  void at(QWidget* w, QPoint at, QStringList then, int settle = 250) {
    const QPoint g = w->mapToGlobal(at);
    // A synchronous move onto the place the pointer already is waits for one that never comes.
    if (g != last_)
      then =
          QStringList{"mousemove", "--sync", QString::number(g.x()), QString::number(g.y())} + then;
    last_ = g;
    run(then, settle);
  }
  void click(QWidget* w, QPoint at, int settle = 250, const char* button = "1") {
    this->at(w, at, {"click", button}, settle);
  }
  void click(QWidget* w) { click(w, w->rect().center()); }
  void rightClick(QWidget* w) { click(w, w->rect().center(), 250, "3"); }

  // The open popup menu's item `text` (its mnemonic and shortcut left out) clicked.
  void choose(const QString& text) {
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr);
    for (QAction* action : menu->actions()) {
      if (action->text().remove('&').section('\t', 0, 0) == text)
        return click(menu, menu->actionGeometry(action).center());
    }
    QFAIL(qPrintable("no menu item " + text));
  }
  // The title `title` of the menu bar `bar` clicked, then its item `text`.
  void choose(QMenuBar* bar, const QString& title, const QString& text) {
    for (QAction* action : bar->actions()) {
      if (action->text().remove('&') == title) click(bar, bar->actionGeometry(action).center());
    }
    choose(text);
  }

  // Keys typed where the focus is, e.g. {"type", "kestro"} or {"key", "Return"}.
  static void run(const QStringList& args, int settle = 250) {
    if (!args.isEmpty()) QCOMPARE(QProcess::execute("xdotool", args), 0);
    QTest::qWait(settle);
  }

 private:
  QPoint last_{-1, -1};
};

}  // namespace orv::testing

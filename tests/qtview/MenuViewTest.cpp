// A form's menus in the view: the menu bar above a client area that keeps its size and every
// control its place; titles, items and context menus clicked where a person clicks them; the
// form's access keys before the titles'; shortcuts typed into a combo box's edit field.
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>

#include "ViewFixture.h"

using orv::form::MenuItem;

class MenuViewTest : public ViewFixture {
  Q_OBJECT

  std::function<void()> logs(const std::string& what) {
    return [this, what] { t_->log.push_back(what); };
  }
  // "&Kit" shares its letter with the label "&Kind:". Once saved, the File menu is rebuilt
  // with one more command.
  std::vector<MenuItem> menus() {
    std::vector<MenuItem> file = {MenuItem::command(
                                      "&Save drawing...", [this] { save(); }, "Ctrl+Shift+S"),
                                  MenuItem::command("&Locked", logs("Locked"), "Ctrl+L", false),
                                  MenuItem::separator(),
                                  MenuItem::command("&Add to garage", logs("Add"), "Ctrl+A")};
    if (saved_) file.push_back(MenuItem::command("&Revert", logs("Revert")));
    return {MenuItem::submenu("&File", file),
            MenuItem::submenu("&Kit", {MenuItem::command("&Tools", logs("Tools"))})};
  }
  void setMenus() {
    t_->form.setMenuBar(menus());
    t_->form.setPopupMenu("M_ROW", {MenuItem::command("&Remove", logs("Remove"))});
    view_->flush();
  }
  // Saving shows a message, then its outcome in a cell, and rebuilds the menu it runs from.
  void save() {
    desktop_.message("Saved.");
    t_->S_CELL[0]->setText("saved");
    t_->log.push_back("Save");
    saved_ = true;
    t_->form.setMenuBar(menus());
  }
  bool saved_ = false;
  static QAction* action(const QWidget* in, const QString& text) {
    const auto actions = in->actions();
    const auto it = std::find_if(actions.begin(), actions.end(),
                                 [&](QAction* a) { return a->text().startsWith(text); });
    return it == actions.end() ? nullptr : *it;
  }
  static void clickItem(QWidget* menu, const QString& text) {
    QAction* a = action(menu, text);
    QVERIFY(a);
    const QRect r = qobject_cast<QMenuBar*>(menu) ? qobject_cast<QMenuBar*>(menu)->actionGeometry(a)
                                                  : qobject_cast<QMenu*>(menu)->actionGeometry(a);
    QTest::mouseClick(menu, Qt::LeftButton, {}, r.center());
  }
  static QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

 private slots:
  void init() {
    saved_ = false;
    QVERIFY(showForm());
    focusModel(t_->S_NAME);
    answerMessageBoxes();
    t_->log.clear();
  }
  void cleanup() { dropForm(); }

  void theMenuBarSitsAboveTheClientAreaWhichKeepsItsSizeAndPlaces() {
    const QSize designed(400, 300);  // 6000 x 4500 twips
    QCOMPARE(view_->size(), designed);
    QCOMPARE(view_->findChild<QMenuBar*>(), nullptr);
    const auto places = [this] {
      std::vector<QRect> out;
      for (const auto& c : t_->form.controls()) out.push_back(view_->widgetFor(*c)->geometry());
      return out;
    };
    const std::vector<QRect> before = places();
    setMenus();
    const int bar = view_->menuBar()->height();
    QVERIFY(bar > 10);
    QCOMPARE(view_->menuBar()->geometry(), QRect(0, 0, 400, bar));
    QCOMPARE(view_->clientArea()->geometry(), QRect(QPoint(0, bar), designed));
    QCOMPARE(view_->size(), designed + QSize(0, bar));
    QVERIFY(places() == before);
    QCOMPARE(view_->controlFor(view_->childAt(60, 133 + bar)), t_->S_CELL[0]);
    t_->form.setMenuBar({});
    view_->flush();
    QCOMPARE(view_->size(), designed);
  }

  void aTitleOpensItsMenuAndAnItemRunsOnceWithItsMessageBox() {
    setMenus();
    clickItem(view_->menuBar(), "&File");
    QTRY_VERIFY(openMenu());
    QMenu* file = openMenu();
    QCOMPARE(file->title(), QString("&File"));
    clickItem(file, "&Locked");
    QVERIFY(file->isVisible());  // a disabled item runs nothing and leaves the menu open
    clickItem(file, "&Save");
    QVERIFY(!file->isVisible());
    // The message came and went, the command's change shows at once, the focus is back.
    QCOMPARE(t_->log, Log{"Save"});
    QCOMPARE(widget<QTextEdit>("S_CELL", 0)->toPlainText(), QString("saved"));
    QVERIFY(action(action(view_->menuBar(), "&File")->menu(), "&Revert"));
    QTRY_COMPARE(QApplication::focusWidget(), widget("S_NAME"));
  }

  void theFormsAccessKeysComeFirstAndFreeLettersOpenMenus() {
    setMenus();
    QTest::keyClick(combo("S_NAME"), Qt::Key_K, Qt::AltModifier);
    QCOMPARE(t_->form.focus(), &t_->S_KIND);
    QVERIFY(!openMenu());
    QTest::keyClick(combo("S_KIND"), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(openMenu());
    QCOMPARE(openMenu()->title(), QString("&File"));
    QTest::keyClick(openMenu(), Qt::Key_Escape);
  }

  void shortcutsRunFromAComboBoxEditFieldEvenOverItsOwnKeys() {
    setMenus();
    auto* name = combo("S_NAME");
    QTest::keyClicks(name, "ab");
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);  // an edit field's "select all"
    QTest::keyClick(name, Qt::Key_L, Qt::ControlModifier);  // disabled: nothing
    QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(t_->log, (Log{"KeyPress S_NAME 97", "KeyPress S_NAME 98", "Add", "Save"}));
    QCOMPARE(name->currentText(), QString("AB"));
  }

  void theRightButtonAndTheMenuKeysRaiseContextMenuThenShowThePopup() {
    setMenus();
    for (orv::form::Control* c : {t_->S_CELL[0], static_cast<orv::form::Control*>(&t_->S_KIND)}) {
      c->popupMenu = "M_ROW";
      c->onContextMenu = logs("ContextMenu " + c->displayName());
    }
    // Through the window, as the desktop delivers a right click.
    const auto rightClick = [this](QWidget* w, QPoint at) {
      QTest::mouseClick(view_->windowHandle(), Qt::RightButton, {}, w->mapTo(view_.get(), at));
    };
    QWidget* cell = widget<QTextEdit>("S_CELL", 0)->viewport();
    rightClick(cell, {20, 10});
    QTRY_VERIFY(openMenu());
    QCOMPARE(openMenu()->pos(), cell->mapToGlobal(QPoint(20, 10)));
    clickItem(openMenu(), "&Remove");
    QTRY_VERIFY(!openMenu());
    rightClick(combo("S_KIND")->lineEdit(), {10, 5});
    QTRY_VERIFY(openMenu());
    QTest::keyClick(openMenu(), Qt::Key_Escape);
    for (const auto& [key, mods] :
         {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
      QTest::keyClick(combo("S_KIND"), key, mods);
      QTRY_VERIFY(openMenu());
      QTest::keyClick(openMenu(), Qt::Key_Escape);
    }
    QCOMPARE(t_->log, (Log{"ContextMenu S_CELL(0)", "Remove", "LostFocus S_NAME", "GotFocus S_KIND",
                           "ContextMenu S_KIND", "ContextMenu S_KIND", "ContextMenu S_KIND"}));
  }
};

QTEST_MAIN(MenuViewTest)
#include "MenuViewTest.moc"

// The view builds the designed window, keeps it in step with the model, and hands a
// person's input on the real widgets to the model in the order the window logic relies on.
// That a burst of changes waits for the next flush is a matter of speed, main_view_bench's.
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTextEdit>

#include "ViewFixture.h"

class FormViewTest : public ViewFixture {
  Q_OBJECT

  void key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, mods);
  }

 private slots:
  void init() { QVERIFY(showForm()); }
  void cleanup() { dropForm(); }

  void overlappingControlsStackInDesignOrderAndShowTwoLines() {
    // Row 0 lies over row 1 and is listed first, so it is on top; the receiver lies under
    // the combo box at the same place and never shows.
    QCOMPARE(view_->controlFor(view_->childAt(60, 133)), t_->S_CELL[0]);
    QCOMPARE(view_->controlFor(view_->childAt(105, 45)), &t_->S_KIND);
    t_->S_CELL[1]->bringToFront();
    t_->S_CELL[1]->setText("123.4\r\n56.7");
    view_->flush();
    QCOMPARE(view_->controlFor(view_->childAt(60, 133)), t_->S_CELL[1]);
    // A cell holds two lines of the window font without scrolling; headings break at a bare LF.
    auto* text = widget<QTextEdit>("S_CELL", 1);
    QCOMPARE(text->toPlainText(), QString("123.4\n56.7"));
    QVERIFY(text->document()->size().height() <= text->viewport()->height());
    auto* label = widget<QLabel>("L_B");
    QVERIFY(label->heightForWidth(label->width()) >= 2 * label->fontMetrics().lineSpacing() - 1);
  }

  void accessKeyMarksAreNotShownAndNameTheNextControl() {
    for (const auto& [name, expected] :
         {std::pair{"B_GO", "Go"}, {"S_NAME", "Name:"}, {"S_SINK", "Grid"}})
      QCOMPARE(widget(name)->accessibleName(), QString(expected));
    t_->Label2.setCaption("&Sort:");
    view_->flush();
    QCOMPARE(widget("S_KIND")->accessibleName(), QString("Sort:"));
  }

  void aListFilledWhileHiddenShowsItsEntriesOnceVisible() {
    auto* list = widget<QListWidget>("S_LIST");
    for (int i = 0; i < 5000; ++i) t_->S_LIST.addItem("MO" + std::to_string(i));
    view_->flush();
    QCOMPARE(list->count(), 0);  // a hidden list is copied only when it shows
    t_->S_LIST.setVisible(true);
    view_->flush();
    QCOMPARE(list->count(), 5000);
    QCOMPARE(list->item(4999)->text(), QString("MO4999"));
  }

  void modelChangesShowWithoutEchoes() {
    // A cell's colour goes back to the desktop's when the model asks for the system colour.
    t_->S_CELL[0]->setBackColor(0x00800000);  // navy, &H00BBGGRR
    view_->flush();
    QCOMPARE(widget("S_CELL", 0)->palette().color(QPalette::Base), QColor(0, 0, 128));
    t_->S_CELL[0]->setBackColor(orv::form::kSystemWindowBackground);
    view_->flush();
    QCOMPARE(widget("S_CELL", 0)->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
    for (const char* e : {"ONE", "TWO", "THREE"}) t_->S_KIND.addItem(e);
    t_->S_KIND.setListIndex(1);
    t_->S_SCROLL.setMax(50);
    t_->S_SCROLL.setValue(20);
    view_->flush();
    QCOMPARE(combo("S_KIND")->currentText(), QString("TWO"));
    QCOMPARE(widget<QScrollBar>("S_SCROLL")->value(), 20);
    // Only the model's own changes raised events, none came back from the widgets.
    QCOMPARE(t_->log, (Log{"Activate", "Click S_KIND", "Change S_SCROLL 20", "GotFocus S_SINK"}));
  }

  void typedKeysPassThroughKeyPressWhichMayChangeOrSwallowThem() {
    focusModel(t_->S_NAME);
    QTest::keyClicks(combo("S_NAME"), "ab1c");  // upper case, no digits
    QCOMPARE(combo("S_NAME")->currentText(), QString("ABC"));
    key(Qt::Key_Return);  // Enter reaches KeyPress and adds no entry
    QCOMPARE(t_->log.back(), std::string("KeyPress S_NAME 13"));
    QCOMPARE(combo("S_NAME")->count(), 0);
    // Typing inside a chosen entry: the model chooses none, the cursor stays after the key.
    for (const char* e : {"ALPHA", "BRAVO"}) t_->S_NAME.addItem(e);
    t_->S_NAME.setListIndex(1);
    view_->flush();
    combo("S_NAME")->lineEdit()->setCursorPosition(2);
    key(Qt::Key_X);
    QCOMPARE(t_->S_NAME.listIndex(), -1);
    key(Qt::Key_Y);
    QCOMPARE(t_->S_NAME.text(), std::string("BRXYAVO"));
  }

  void openingTheListRaisesDropDownBeforeTheEntriesShow() {
    focusModel(t_->S_NAME);
    t_->S_NAME.addItem("STALE");
    view_->flush();
    combo("S_NAME")->showPopup();
    // The opened list is sized for the entries DropDown rebuilt: the last one shows.
    QAbstractItemView* popup = combo("S_NAME")->view();
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(popup->viewport()->rect().contains(popup->visualRect(popup->model()->index(2, 0))));
  }

  void leavingABoxChoosesNothingAndTheReceiverGetsKeysWithTheirShiftState() {
    for (const char* e : {"ONE", "TWO"}) t_->S_KIND.addItem(e);
    focusModel(t_->S_KIND);
    // Leaving a box whose typed text matches an entry chooses nothing.
    QTest::keyClicks(combo("S_KIND"), "TWO");
    key(Qt::Key_Tab);
    QCOMPARE(t_->S_KIND.listIndex(), -1);
    t_->log.clear();
    key(Qt::Key_PageDown);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(t_->log, (Log{"KeyDown S_SINK 34 0", "KeyDown S_SINK 40 1", "KeyDown S_SINK 36 2"}));
  }

  void closeBoxAsksTheModel() {
    QSignalSpy unloaded(view_.get(), &FormView::formUnloaded);
    t_->queryUnloadCancel = 1;
    view_->close();
    QVERIFY(t_->form.loaded() && view_->isVisible());
    t_->queryUnloadCancel = 0;
    view_->close();
    QCOMPARE(t_->log.back(), std::string("Unload"));
    QVERIFY(!view_->isVisible());
    QCOMPARE(unloaded.count(), 1);
  }
};

QTEST_MAIN(FormViewTest)
#include "FormViewTest.moc"

// The view builds the designed window, keeps it in step with the model, and hands a
// person's input on the real widgets to the model in the order the window logic relies on.
#include <QAbstractItemView>
#include <QFontInfo>
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

  void controlsStandAtTheirDesignedPixels() {
    QCOMPARE(view_->size(), QSize(400, 300));
    // Twips / 15, measured from the client area (or the frame for Line1).
    const std::vector<std::tuple<const char*, int, QRect>> cases = {
        {"S_NAME", -1, {100, 8, 160, 21}},    {"B_GO", -1, {280, 8, 67, 25}},
        {"S_CELL", 1, {20, 132, 100, 40}},    {"L_A", -1, {119, 60, 47, 35}},
        {"S_SCROLL", -1, {360, 96, 17, 133}}, {"Line1", -1, {12, 0, 1, 99}}};
    for (const auto& [name, index, pixels] : cases)
      QCOMPARE(widget(name, index)->geometry(), pixels);
    // Rows overlap at y 132..135: row 0 is listed first, so it is on top.
    QCOMPARE(view_->controlFor(view_->childAt(60, 133)), t_->S_CELL[0]);
    QCOMPARE(view_->controlFor(view_->childAt(21, 110)), &t_->S_FRAME);  // over the cells
    // The receiver lies under the wider combo box at the same place: it never shows.
    QCOMPARE(view_->controlFor(view_->childAt(105, 45)), &t_->S_KIND);
    t_->S_CELL[1]->bringToFront();
    view_->flush();
    QCOMPARE(view_->controlFor(view_->childAt(60, 133)), t_->S_CELL[1]);
  }

  void textsFitTheirDesignedBoxes() {
    // Designed fonts missing here fall back to a plain sans serif of the same size.
    QCOMPARE(QFontInfo(widget("S_CELL", 0)->font()).pixelSize(), 13);  // 9.75 pt at 96 dpi
    QCOMPARE(QFontInfo(widget("S_NAME")->font()).pixelSize(), 11);     // 8.25 pt
    // Headings show two lines for CR LF and for a bare LF; a one-line label stays one line.
    for (const char* name : {"L_A", "L_B", "L_GRID", "Label1"}) {
      auto* label = qobject_cast<QLabel*>(widget(name));
      const int line = QFontMetrics(label->font()).lineSpacing();
      const int lines = name == std::string("Label1") ? 1 : 2;
      const int height = label->heightForWidth(label->width());
      QVERIFY2(height >= lines * line - 1 && height < (lines + 1) * line, name);
    }
    QVERIFY(qobject_cast<QLabel*>(widget("L_A"))->alignment() & Qt::AlignHCenter);
    // A cell holds two lines of the window font without scrolling.
    t_->S_CELL[0]->setText("123.4\r\n56.7");
    view_->flush();
    auto* text = qobject_cast<QTextEdit*>(widget("S_CELL", 0));
    QCOMPARE(text->toPlainText(), QString("123.4\n56.7"));
    const int needed = static_cast<int>(text->document()->size().height());
    QVERIFY2(needed <= text->viewport()->height(), qPrintable(QString::number(needed)));
  }

  void accessKeyMarksAreNotShownAndNameTheNextControl() {
    const std::vector<std::pair<const char*, const char*>> names = {{"Label1", "Name:"},
                                                                    {"B_GO", "Go"},
                                                                    {"S_NAME", "Name:"},
                                                                    {"S_KIND", "Kind:"},
                                                                    {"S_SINK", "Grid"}};
    for (const auto& [name, expected] : names)
      QCOMPARE(widget(name)->accessibleName(), QString(expected));
    t_->Label2.setCaption("&Sort:");
    view_->flush();
    QCOMPARE(widget("S_KIND")->accessibleName(), QString("Sort:"));
  }

  void burstsOfChangesReachTheWidgetsAtTheNextFlush() {
    auto* text = qobject_cast<QTextEdit*>(widget("S_CELL", 1));
    auto* list = qobject_cast<QListWidget*>(widget("S_LIST"));
    for (int i = 0; i < 500; ++i) t_->S_CELL[1]->setText("v" + std::to_string(i));
    for (int i = 0; i < 5000; ++i) t_->S_LIST.addItem("MO" + std::to_string(i));
    QCOMPARE(text->toPlainText(), QString());  // nothing applied per change
    QCoreApplication::processEvents();         // the queued flush
    QCOMPARE(text->toPlainText(), QString("v499"));
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
    view_->flush();
    QCOMPARE(combo("S_KIND")->count(), 3);
    QCOMPARE(combo("S_KIND")->currentText(), QString("TWO"));
    t_->S_KIND.setText("FREE TEXT");
    view_->flush();
    QCOMPARE(combo("S_KIND")->currentText(), QString("FREE TEXT"));
    t_->S_KIND.clear();
    view_->flush();
    QCOMPARE(combo("S_KIND")->count(), 0);
    QCOMPARE(combo("S_KIND")->currentText(), QString());

    auto* bar = qobject_cast<QScrollBar*>(widget("S_SCROLL"));
    t_->S_SCROLL.setMax(50);
    t_->S_SCROLL.setValue(20);
    view_->flush();
    QCOMPARE(bar->maximum(), 50);
    QCOMPARE(bar->value(), 20);
    // Only the model's own changes raised events, none came back from the widgets.
    QCOMPARE(t_->log, (Log{"Activate", "Click S_KIND", "Change S_SCROLL 20", "GotFocus S_SINK"}));
    // A person's step arrives as one Change with the new value.
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(t_->log.back(), std::string("Change S_SCROLL 21"));
    t_->S_SCROLL.setMax(5);  // the value is pulled into the new range
    view_->flush();
    QCOMPARE(bar->value(), 5);
  }

  void typedKeysPassThroughKeyPressWhichMayChangeOrSwallowThem() {
    focusModel(t_->S_NAME);
    QTest::keyClicks(combo("S_NAME"), "ab1c");  // upper case, no digits
    QCOMPARE(t_->S_NAME.text(), std::string("ABC"));
    QCOMPARE(combo("S_NAME")->currentText(), QString("ABC"));
    key(Qt::Key_Return);  // Enter reaches KeyPress and adds no entry
    QCOMPARE(t_->log.back(), std::string("KeyPress S_NAME 13"));
    QCOMPARE(combo("S_NAME")->count(), 0);
    QCOMPARE(t_->S_NAME.count(), 0);
    // Typing inside a chosen entry: the model chooses none, the cursor stays after the key.
    for (const char* e : {"ALPHA", "BRAVO"}) t_->S_NAME.addItem(e);
    t_->S_NAME.setListIndex(1);
    view_->flush();
    QLineEdit* edit = combo("S_NAME")->lineEdit();
    edit->setCursorPosition(2);
    key(Qt::Key_X);
    QCOMPARE(t_->S_NAME.text(), std::string("BRXAVO"));
    QCOMPARE(t_->S_NAME.listIndex(), -1);
    key(Qt::Key_Y);
    QCOMPARE(edit->text(), QString("BRXYAVO"));
  }

  void openingTheListRaisesDropDownBeforeTheEntriesShow() {
    focusModel(t_->S_NAME);
    t_->S_NAME.addItem("STALE");
    view_->flush();
    combo("S_NAME")->showPopup();
    QCOMPARE(t_->log.back(), std::string("DropDown S_NAME"));
    QCOMPARE(combo("S_NAME")->count(), 3);  // the rebuilt list, not the stale entry
    QCOMPARE(combo("S_NAME")->itemText(1), QString("BRAVO"));
    // The opened list is sized for the rebuilt entries: the last one shows.
    QAbstractItemView* popup = combo("S_NAME")->view();
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(popup->viewport()->rect().contains(popup->visualRect(popup->model()->index(2, 0))));
    combo("S_NAME")->hidePopup();
  }

  void comboBoxChoosesOnlyWhatAPersonPicks() {
    for (const char* e : {"ONE", "TWO"}) t_->S_KIND.addItem(e);
    focusModel(t_->S_KIND);
    // Leaving a box whose typed text matches an entry chooses nothing either.
    QTest::keyClicks(combo("S_KIND"), "TWO");
    key(Qt::Key_Tab);
    QCOMPARE(t_->form.focus(), &t_->S_SINK);
    QCOMPARE(count("Click S_KIND"), 0);
    QCOMPARE(t_->S_KIND.listIndex(), -1);
    QCOMPARE(t_->S_KIND.text(), std::string("TWO"));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), widget("S_KIND"));
  }

  // A clicked button's order of events is the mouse suite's.
  void theHiddenReceiverGetsTheNavigationKeysWithTheirShiftState() {
    focusModel(t_->S_SINK);
    t_->log.clear();
    key(Qt::Key_PageDown);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(t_->log, (Log{"KeyDown S_SINK 34 0", "KeyDown S_SINK 40 1", "KeyDown S_SINK 36 2"}));
  }

  void lostFocusMessageThatTakesTheFocusBackDoesNotLoop() {
    orv::form::Desktop desktop = desktop_.desktop();
    t_->S_NAME.onLostFocus = [&] {
      t_->log.push_back("LostFocus S_NAME");
      desktop.boxes.message("Please enter a name.");
      t_->S_NAME.setFocus();
    };
    focusModel(t_->S_NAME);
    int boxes = 0;
    answerMessageBoxes([&](QMessageBox* box) {
      ++boxes;
      QCOMPARE(box->text(), QString("Please enter a name."));
    });
    QTest::mouseClick(widget("S_KIND"), Qt::LeftButton);
    QTest::qWait(400);
    QCOMPARE(boxes, 1);
    QCOMPARE(count("LostFocus S_NAME"), 1);
    QCOMPARE(count("GotFocus S_KIND"), 0);
    QCOMPARE(t_->form.focus(), &t_->S_NAME);
    QTRY_COMPARE(QApplication::focusWidget(), widget("S_NAME"));
    QCOMPARE(count("Activate"), 1);  // coming back from the box is no new activation
  }

  void closeBoxAsksTheModel() {
    QSignalSpy unloaded(view_.get(), &FormView::formUnloaded);
    t_->queryUnloadCancel = 1;
    view_->close();
    QCOMPARE(t_->log.back(), std::string("QueryUnload 0"));
    QVERIFY(t_->form.loaded() && view_->isVisible());
    t_->queryUnloadCancel = 0;
    view_->close();
    QCOMPARE(t_->log.back(), std::string("Unload"));
    QVERIFY(!t_->form.loaded() && !view_->isVisible());
    QCOMPARE(unloaded.count(), 1);
  }

  void showModalRunsTheFormAndReturnsWhenItUnloads() {
    orv::form::Form modal("F_MODAL", "Modal", {0, 0, 3000, 1500}, {"MS Sans Serif", 8.25});
    auto& close = modal.addControl(orv::form::Kind::CommandButton, "B_CLOSE");
    close.rect = {120, 120, 1200, 405};
    close.onClick = [&] { modal.unload(); };
    bool ownerDisabled = false;
    desktop_.onModalShown = [&](FormView& v) {
      QTimer::singleShot(0, [&] {
        ownerDisabled = !t_->form.enabled() && !view_->isEnabled();
        QTest::mouseClick(v.widget("B_CLOSE"), Qt::LeftButton);
      });
    };
    t_->B_GO.onClick = [&] {
      ++t_->goClicks;
      desktop_.showModal(modal);
      t_->log.push_back("modal returned");
    };
    key(Qt::Key_G, Qt::AltModifier);  // the button's access key presses it
    QTRY_COMPARE(t_->log.back(), std::string("modal returned"));
    QVERIFY(ownerDisabled);
    QVERIFY(!modal.loaded() && !FormView::viewOf(modal));
    QVERIFY(t_->form.enabled() && view_->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), widget("B_GO"));
    QTest::qWait(150);  // no second, delayed press
    QCOMPARE(t_->goClicks, 1);
    desktop_.onModalShown = nullptr;
  }
};

QTEST_MAIN(FormViewTest)
#include "FormViewTest.moc"

// The view builds the designed window and keeps it in step with the model.
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

#include "TestForm.h"
#include "ui/qt/FormView.h"

using orv::qt::FormView;
using orv::testing::TestForm;

class FormViewTest : public QObject {
  Q_OBJECT

 private slots:
  void clientAreaAndControlsStandAtTheirDesignedPixels_data();
  void clientAreaAndControlsStandAtTheirDesignedPixels();
  void upperControlsCoverLowerOnesWhereTheyOverlap();
  void missingDesignedFontsFallBackToASansSerifOfTheSameSize();
  void headingsShowTwoLinesForCrLfAndBareLf();
  void accessKeyMarksAreNotShownAndNameTheNextControl();
  void cellsHoldTwoLinesOfTheWindowFont();
  void burstsOfChangesReachTheWidgetsAtTheNextFlush();
  void colorsAndVisibilityFollowTheModel();
  void scrollBarMirrorsValueAndRange();
  void hiddenListIsCopiedOnlyWhenItShows();
  void comboListAndTextFollowTheModelWithoutEchoes();
};

void FormViewTest::clientAreaAndControlsStandAtTheirDesignedPixels_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("index");
  QTest::addColumn<QRect>("pixels");
  // Twips / 15, measured from the client area (or the frame for Line1).
  QTest::newRow("combo") << "S_NAME" << -1 << QRect(100, 8, 160, 21);
  QTest::newRow("button") << "B_GO" << -1 << QRect(280, 8, 67, 25);
  QTest::newRow("cell row 1") << "S_CELL" << 1 << QRect(20, 132, 100, 40);
  QTest::newRow("heading") << "L_A" << -1 << QRect(119, 60, 47, 35);
  QTest::newRow("scroll bar") << "S_SCROLL" << -1 << QRect(360, 96, 17, 133);
  QTest::newRow("line in frame") << "Line1" << -1 << QRect(12, 0, 1, 99);
}

void FormViewTest::clientAreaAndControlsStandAtTheirDesignedPixels() {
  QFETCH(QString, name);
  QFETCH(int, index);
  QFETCH(QRect, pixels);
  TestForm t;
  FormView view(t.form);
  QCOMPARE(view.size(), QSize(400, 300));
  QWidget* w = view.widget(name.toStdString(), index);
  QVERIFY(w);
  QCOMPARE(w->geometry(), pixels);
}

void FormViewTest::upperControlsCoverLowerOnesWhereTheyOverlap() {
  TestForm t;
  FormView view(t.form);
  t.form.show();
  view.flush();
  // Rows overlap by 4 pixels at y 132..135: row 0 is listed first, so it is on top.
  QWidget* atOverlap = view.childAt(60, 133);
  QCOMPARE(t.form.find("S_CELL", 0), view.controlFor(atOverlap));
  // The frame lies over the left edge of the cells.
  QCOMPARE(view.controlFor(view.childAt(21, 110)), t.S_FRAME);
  // The receiver lies under the wider combo box at the same place: it never shows.
  QCOMPARE(view.controlFor(view.childAt(105, 45)), t.S_KIND);
  // A control brought to the front covers the others.
  t.S_CELL[1]->bringToFront();
  view.flush();
  QCOMPARE(view.controlFor(view.childAt(60, 133)), t.S_CELL[1]);
}

void FormViewTest::missingDesignedFontsFallBackToASansSerifOfTheSameSize() {
  TestForm t;
  FormView view(t.form);
  const QFontInfo cell(view.widget("S_CELL", 0)->font());
  const QFontInfo label(view.widget("Label1")->font());
  QCOMPARE(cell.pixelSize(), 13);  // 9.75 pt at 96 dpi
  QCOMPARE(label.pixelSize(), 13);
  QCOMPARE(QFontInfo(view.widget("S_NAME")->font()).pixelSize(), 11);  // 8.25 pt
  QVERIFY2(cell.family() == "Arial" || cell.family() == "Liberation Sans" ||
               cell.family() == "DejaVu Sans",
           qPrintable(cell.family()));
  QVERIFY(!cell.italic() && !cell.bold());
}

void FormViewTest::headingsShowTwoLinesForCrLfAndBareLf() {
  TestForm t;
  FormView view(t.form);
  for (const char* name : {"L_A", "L_B", "L_GRID"}) {
    auto* label = qobject_cast<QLabel*>(view.widget(name));
    QVERIFY(label);
    const int line = QFontMetrics(label->font()).lineSpacing();
    const int height = label->heightForWidth(label->width());
    QVERIFY2(height >= 2 * line - 1 && height < 3 * line, name);
  }
  QVERIFY(qobject_cast<QLabel*>(view.widget("L_A"))->alignment() & Qt::AlignHCenter);
  auto* single = qobject_cast<QLabel*>(view.widget("Label1"));
  QVERIFY(single->alignment() & Qt::AlignLeft);
  QVERIFY(single->heightForWidth(single->width()) < 2 * QFontMetrics(single->font()).lineSpacing());
}

void FormViewTest::accessKeyMarksAreNotShownAndNameTheNextControl() {
  TestForm t;
  FormView view(t.form);
  QCOMPARE(view.widget("Label1")->accessibleName(), QString("Name:"));
  QCOMPARE(view.widget("B_GO")->accessibleName(), QString("Go"));
  QCOMPARE(view.widget("S_NAME")->accessibleName(), QString("Name:"));
  QCOMPARE(view.widget("S_KIND")->accessibleName(), QString("Kind:"));
  QCOMPARE(view.widget("S_SINK")->accessibleName(), QString("Grid"));
  t.Label2->setCaption("&Sort:");
  view.flush();
  QCOMPARE(view.widget("S_KIND")->accessibleName(), QString("Sort:"));
}

void FormViewTest::cellsHoldTwoLinesOfTheWindowFont() {
  TestForm t;
  FormView view(t.form);
  t.S_CELL[0]->setText("123.4\r\n56.7");
  view.flush();
  auto* cell = qobject_cast<QTextEdit*>(view.widget("S_CELL", 0));
  QCOMPARE(cell->toPlainText(), QString("123.4\n56.7"));
  QCOMPARE(cell->document()->blockCount(), 2);
  const int needed = static_cast<int>(cell->document()->size().height());
  QVERIFY2(needed <= cell->viewport()->height(),
           qPrintable(QString("%1 > %2").arg(needed).arg(cell->viewport()->height())));
}

void FormViewTest::burstsOfChangesReachTheWidgetsAtTheNextFlush() {
  TestForm t;
  FormView view(t.form);
  auto* cell = qobject_cast<QTextEdit*>(view.widget("S_CELL", 1));
  for (int i = 0; i < 500; ++i) t.S_CELL[1]->setText("v" + std::to_string(i));
  QCOMPARE(cell->toPlainText(), QString());  // nothing applied per change
  QCoreApplication::processEvents();         // the queued flush
  QCOMPARE(cell->toPlainText(), QString("v499"));
}

void FormViewTest::colorsAndVisibilityFollowTheModel() {
  TestForm t;
  FormView view(t.form);
  t.form.show();
  QWidget* cell = view.widget("S_CELL", 0);
  t.S_CELL[0]->setBackColor(0x00800000);  // navy, &H00BBGGRR
  t.S_CELL[0]->setForeColor(0x00E0E0E0);
  view.flush();
  QCOMPARE(cell->palette().color(QPalette::Base), QColor(0, 0, 128));
  QCOMPARE(cell->palette().color(QPalette::Text), QColor(224, 224, 224));
  t.S_CELL[0]->setBackColor(orv::form::kSystemWindowBackground);
  t.S_CELL[0]->setVisible(false);
  view.flush();
  QCOMPARE(cell->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
  QVERIFY(!cell->isVisible());
  t.B_GO->setEnabled(false);
  view.flush();
  QVERIFY(!view.widget("B_GO")->isEnabled());
}

void FormViewTest::scrollBarMirrorsValueAndRange() {
  TestForm t;
  FormView view(t.form);
  auto* bar = qobject_cast<QScrollBar*>(view.widget("S_SCROLL"));
  t.S_SCROLL->setMax(50);
  t.S_SCROLL->setValue(20);
  view.flush();
  QCOMPARE(bar->maximum(), 50);
  QCOMPARE(bar->value(), 20);
  QCOMPARE(bar->pageStep(), 10);
  // The mirrored value raised no second Change.
  QCOMPARE(t.log, (std::vector<std::string>{"Change S_SCROLL 20"}));
  // A person's step arrives as one Change with the new value.
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  QCOMPARE(t.S_SCROLL->value(), 21);
  QCOMPARE(t.log.back(), std::string("Change S_SCROLL 21"));
  t.S_SCROLL->setMax(5);  // the value is pulled into the new range
  view.flush();
  QCOMPARE(bar->value(), 5);
}

void FormViewTest::hiddenListIsCopiedOnlyWhenItShows() {
  TestForm t;
  FormView view(t.form);
  auto* list = qobject_cast<QListWidget*>(view.widget("S_LIST"));
  for (int i = 0; i < 5000; ++i) t.S_LIST->addItem("MO" + std::to_string(i));
  view.flush();
  QCOMPARE(list->count(), 0);
  t.S_LIST->setVisible(true);
  view.flush();
  QCOMPARE(list->count(), 5000);
  QCOMPARE(list->item(4999)->text(), QString("MO4999"));
}

void FormViewTest::comboListAndTextFollowTheModelWithoutEchoes() {
  TestForm t;
  FormView view(t.form);
  auto* combo = qobject_cast<QComboBox*>(view.widget("S_KIND"));
  for (const char* e : {"ONE", "TWO", "THREE"}) t.S_KIND->addItem(e);
  t.S_KIND->setListIndex(1);
  view.flush();
  QCOMPARE(combo->count(), 3);
  QCOMPARE(combo->currentText(), QString("TWO"));
  t.S_KIND->setText("FREE TEXT");
  view.flush();
  QCOMPARE(combo->currentText(), QString("FREE TEXT"));
  // Only the model's own changes raised events: one Click, no echo from the widget.
  QCOMPARE(t.log, (std::vector<std::string>{"Click S_KIND"}));
  // Clearing empties both the list and the edit field.
  t.S_KIND->clear();
  view.flush();
  QCOMPARE(combo->count(), 0);
  QCOMPARE(combo->currentText(), QString());
}

QTEST_MAIN(FormViewTest)
#include "FormViewTest.moc"

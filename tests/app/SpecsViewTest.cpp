// The real main window, offscreen: start-up, access keys, closing, one full session of a
// person choosing and reading, and the search window opened from it.
#include <unistd.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "FormView.h"
#include "Places.h"
#include "QtDesktop.h"
#include "SearchWindow.h"
#include "SpecsWindow.h"

namespace fs = std::filesystem;
using orv::qt::FormView;

namespace {

// Real modal windows, recorded messages and documents.
class TestDesktop : public orv::qt::QtDesktop {
 public:
  QStringList messages;
  QStringList opened;
  void message(std::string_view text) override {
    messages << QString::fromStdString(std::string(text));
  }
  orv::form::Answer askYesNoCancel(std::string_view) override { return orv::form::Answer::No; }
  void openDocument(const std::string& path) override { opened << QString::fromStdString(path); }
};

std::string record(const std::string& make, const std::string& model, int wb, int cw) {
  char dims[64];
  std::snprintf(dims, sizeof dims, "%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%4d%5s%2s", 95, 80, 45,
                60, 120, 90, 100, 450, 175, 140, wb, 150, 151, cw, "55/45", "98");
  return "<R><MA>" + make + "</MA><MO>" + model + "</MO><DA>" + dims + "</DA></R>\r\n";
}

}  // namespace

class SpecsViewTest : public QObject {
  Q_OBJECT

 private:
  fs::path root_;
  std::unique_ptr<orv::Places> places_;
  std::unique_ptr<TestDesktop> desktop_;
  std::unique_ptr<orv::SpecsWindow> specs_;
  std::unique_ptr<FormView> view_;
  int quits_ = 0;

  void write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  template <class W>
  W* widget(const char* name, int index = -1) {
    auto* w = qobject_cast<W*>(view_->widget(name, index));
    if (!w) qFatal("no widget %s", name);
    return w;
  }
  QString focusName() {
    auto* c = view_->controlFor(QApplication::focusWidget());
    return c ? QString::fromStdString(c->displayName()) : QString();
  }
  QString cellText(int column, int row) {
    return widget<QTextEdit>(("S_TEXT" + std::to_string(column)).c_str(), row)->toPlainText();
  }
  // Opens a combo box's list as a person does and picks the entry with that text.
  void pickFromList(QComboBox* box, const QString& entry) {
    box->showPopup();
    const int i = box->findText(entry, Qt::MatchExactly);
    QVERIFY2(i >= 0, qPrintable(entry));
    box->view()->setCurrentIndex(box->model()->index(i, 0));
    QTest::keyClick(box->view(), Qt::Key_Return);
  }
  void startWindow() {
    view_.reset();  // a view must go before the form it shows
    specs_.reset();
    desktop_ = std::make_unique<TestDesktop>();
    specs_ = std::make_unique<orv::SpecsWindow>(orv::SpecsEnvironment{
        *places_, desktop_->desktop(), [] { return 2019; }, [this] { ++quits_; }});
    view_ = std::make_unique<FormView>(specs_->form());
    specs_->form().show();
    view_->flush();
    // Keyboard tests need the active window, or the keys go nowhere.
    QVERIFY(QTest::qWaitForWindowActive(view_.get()));
  }

 private slots:
  void init() {
    root_ = fs::temp_directory_path() / ("orvane-view-test-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "data");
    fs::create_directories(root_ / "program");
    places_ = std::make_unique<orv::Places>(root_ / "data", root_ / "program", root_ / "report");
    std::string year;
    for (int i = 1; i <= 30; ++i)
      year += record("KESTRO", (i <= 20 ? "TRELLAN " : "QUORVIX ") + std::to_string(i), 250 + i,
                     1300 + i);
    year += record("ALDERYN", "SOLO", 240, 900);
    write(root_ / "data" / "VERSION.TXT", "2018.2\r\n");
    for (const char* name : {"SP2017.TXT", "SP2018.TXT", "SP2019.TXT"})
      write(root_ / "data" / name, year);
    startWindow();
  }
  void cleanup() {
    view_.reset();
    specs_.reset();
    desktop_.reset();
    fs::remove_all(root_);
  }

  void startUpShowsTheDesignedWindowWithTheFocusOnTheMakeBox() {
    QCOMPARE(view_->windowTitle(), QString("Orvane - Version 2018.2"));
    QCOMPARE(view_->size(), QSize(799, 633));
    QCOMPARE(focusName(), QString("S_MAKE"));
    QVERIFY(desktop_->messages.isEmpty());
    QCOMPARE(widget<QComboBox>("S_YEAR")->currentText(), QString("2019"));
    QVERIFY(!widget<QScrollBar>("S_SCROLL")->isVisible());
  }

  void accessKeysMoveTheFocus() {
    QTest::keyClick(view_.get(), Qt::Key_R, Qt::AltModifier);
    QTRY_COMPARE(focusName(), QString("S_YEAR"));
    QCOMPARE(specs_->form().focus(), specs_->S_YEAR);
    QTest::keyClick(view_.get(), Qt::Key_U, Qt::AltModifier);
    QTRY_COMPARE(focusName(), QString("S_UNITS"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // the combo boxes only
    QCOMPARE(specs_->form().focus(), specs_->S_YEAR);
    QCOMPARE(focusName(), QString("S_YEAR"));
  }

  void theCloseBoxStoresTheUnitLetter() {
    pickFromList(widget<QComboBox>("S_UNITS"), "Imperial");
    view_->close();
    QCOMPARE(read(root_ / "program" / "UNITS.TXT"), std::string("I"));
    QVERIFY(!specs_->form().loaded());
    QCOMPARE(quits_, 0);
  }

  void theCloseButtonStoresTheUnitLetterAndEndsTheProgram() {
    QTest::mouseClick(widget<QPushButton>("B_CLOSE"), Qt::LeftButton);
    QTRY_COMPARE(quits_, 1);
    QCOMPARE(read(root_ / "program" / "UNITS.TXT"), std::string("M"));
  }

  void aFullSession() {
    pickFromList(widget<QComboBox>("S_YEAR"), "2018");
    QCOMPARE(specs_->S_YEAR->text(), std::string("2018"));

    auto* make = widget<QComboBox>("S_MAKE");
    make->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "kestro");  // keys go where the focus is
    QCOMPARE(make->lineEdit()->text(), QString("KESTRO"));    // typed letters show in upper case
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(widget<QTextEdit>("S_MODEL", 0)->toPlainText(), QString("TRELLAN 1"));
    QVERIFY(widget<QScrollBar>("S_SCROLL")->isVisible());

    pickFromList(widget<QComboBox>("S_MODELDROP"), "TRELLAN");
    QCOMPARE(specs_->S_LIST->count(), 20);
    QCOMPARE(widget<QScrollBar>("S_SCROLL")->maximum(), 6);

    pickFromList(widget<QComboBox>("S_UNITS"), "Imperial");
    QCOMPARE(cellText(1, 0), QString("37.4\n98.9"));  // 95 and 251 cm in inches

    QTest::keyClick(view_.get(), Qt::Key_E, Qt::AltModifier);  // the grid
    QTRY_COMPARE(focusName(), QString("S_SCROLL2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    QCOMPARE(widget<QScrollBar>("S_SCROLL")->value(), 6);
    QCOMPARE(widget<QTextEdit>("S_MODEL", 13)->toPlainText(), QString("TRELLAN 20"));

    auto* cell = widget<QTextEdit>("S_TEXT5", 4);
    QTest::mouseClick(cell->viewport(), Qt::LeftButton);
    QTRY_COMPARE(specs_->state().currentRow, 4);
    QCOMPARE(cellText(5, 4), QString("47.3\n2884"));  // E and CW of TRELLAN 11
    const QPalette selected = widget<QTextEdit>("S_MODEL", 4)->palette();
    QCOMPARE(selected.color(QPalette::Base), QColor(0, 0, 128));
    QCOMPARE(selected.color(QPalette::Text), QColor(224, 224, 224));
    QCOMPARE(widget<QTextEdit>("S_MODEL", 5)->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(focusName(), QString("S_SCROLL2"));
  }

  void theSearchWindowRunsFromTheMainWindow() {
    bool ran = false;
    desktop_->onModalShown = [&](FormView& search) {
      QTimer::singleShot(0, &search, [&] {
        QCOMPARE(search.windowTitle(), QString("Wheelbase / Track Width Search"));
        auto* from = qobject_cast<QLineEdit*>(search.widget("S_WB1"));
        QVERIFY(from);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(from));
        QTest::keyClicks(QApplication::focusWidget(), "260");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "280");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Enter runs
        ran = true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // Escape closes
      });
    };
    QTest::mouseClick(widget<QPushButton>("B_SEARCH"), Qt::LeftButton);
    QTRY_VERIFY(ran);
    QTRY_VERIFY(!specs_->searchWindow()->form()->loaded());
    QCOMPARE(desktop_->messages.join("|"), QString());
    const std::string result = read(root_ / "data" / "REPORT.TXT");
    QVERIFY2(result.find("63   Models found") != std::string::npos, result.c_str());
    QCOMPARE(desktop_->opened.size(), 1);
    QVERIFY(desktop_->opened.front().endsWith("REPORT.TXT"));
    QTRY_COMPARE(focusName(), QString("S_SCROLL2"));
  }
};

QTEST_MAIN(SpecsViewTest)
#include "SpecsViewTest.moc"

// The desktop's save dialog through QtDesktop: title, suggested name and file types shown; a
// name typed without an extension takes the chosen type's; an existing file is replaced only
// once the person agreed; cancelling returns nothing.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

#include "TempFolder.h"
#include "qtview/QtDesktop.h"

class SaveDialogTest : public QObject {
  Q_OBJECT

  orv::qt::QtDesktop desktop_;
  orv::test::TempFolder folder_;

  static QWidget* modal() { return QApplication::activeModalWidget(); }
  static void closeAll() {
    for (int i = 0; i < 3 && modal(); ++i) modal()->close();
  }
  // Runs `person` once the dialog is up; what the person leaves open is closed (a failure),
  // also a question left unanswered for 10 s.
  static void whenUp(std::function<void(QFileDialog&)> person) {
    QTimer::singleShot(0, [person] {
      const auto closeLeftOpen = qScopeGuard(closeAll);
      QTRY_VERIFY(qobject_cast<QFileDialog*>(modal()));
      QTimer::singleShot(10000, modal(), closeAll);
      person(*qobject_cast<QFileDialog*>(modal()));
    });
  }
  static void answerNextQuestion(QMessageBox::StandardButton answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
      if (auto* box = qobject_cast<QMessageBox*>(modal())) {
        poll->deleteLater();
        box->button(answer)->click();
      }
    });
    poll->start(20);
  }
  static void typeAndSave(QFileDialog& dialog, const char* name) {
    // Typed into the focused field, a name replaces the file chosen before. Offscreen, no
    // window manager gives the dialog the activation back after a question.
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, name);
    dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save)->click();
  }

 private slots:
  void theChosenTypeNamesTheFileAndReplacingAsksFirst() {
    orv::test::writeBytes(folder_ / "old.dxf", "x");
    whenUp([](QFileDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("Save drawing"));
      QCOMPARE(dialog.findChild<QLineEdit*>("fileNameEdit")->text(), QString("car.svg"));
      auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
      QCOMPARE(types->itemText(1), QString("DXF drawing (*.dxf)"));
      QTest::keyClick(types, Qt::Key_Down);
      answerNextQuestion(QMessageBox::No);  // it comes up while the Save button is clicked
      typeAndSave(dialog, "old");
      QCOMPARE(modal(), &dialog);
      typeAndSave(dialog, "new");
    });
    const auto choice = desktop_.askSaveFile("Save drawing", folder_ / "car.svg",
                                             {"SVG drawing (*.svg)", "DXF drawing (*.dxf)"});
    QVERIFY(choice);
    QCOMPARE(choice->path, folder_ / "new.dxf");
    QCOMPARE(choice->type, 1);
    whenUp([](QFileDialog& dialog) { dialog.reject(); });
    QVERIFY(!desktop_.askSaveFile("Save drawing", folder_ / "car.svg", {"SVG drawing (*.svg)"}));
  }
};

QTEST_MAIN(SaveDialogTest)
#include "SaveDialogTest.moc"

#include <QtTest>
class FormViewInputTest : public QObject {
  Q_OBJECT
};
QTEST_MAIN(FormViewInputTest)
#include "FormViewInputTest.moc"

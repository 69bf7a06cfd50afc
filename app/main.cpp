// orvane: the vehicle dimension viewer. Creates the application, the main window's logic and
// its view; everything else happens in the window's event procedures.
#include <QApplication>
#include <QDate>

#include "FormView.h"
#include "Places.h"
#include "QtDesktop.h"
#include "SpecsWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Orvane");

  const orv::Places places =
      orv::Places::forThisProcess(QCoreApplication::applicationFilePath().toStdString());
  orv::qt::QtDesktop desktop;
  orv::SpecsWindow specs({places, desktop.desktop(), [] { return QDate::currentDate().year(); },
                          [] { QApplication::quit(); }});
  orv::qt::FormView view(specs.form());
  QObject::connect(&view, &orv::qt::FormView::formUnloaded, &app, &QApplication::quit);
  specs.form().show();
  return QApplication::exec();
}

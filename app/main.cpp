// orvane: the vehicle dimension viewer. Creates the application, the main window's logic and
// its view; everything else happens in the window's event procedures.
#include <QApplication>
#include <QDate>
#include <QIcon>

#include "core/Places.h"
#include "qtview/FormView.h"
#include "qtview/QtDesktop.h"
#include "windows/main/SpecsWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Orvane");
  // Names the installed desktop entry, so a desktop matches the window to its menu entry.
  QGuiApplication::setDesktopFileName("org.orvane.Orvane");
  QIcon icon;
  for (const int size : {16, 32, 48, 256})
    icon.addFile(QString(":/icons/orvane-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);

  const orv::core::Places places =
      orv::core::Places::forThisProcess(QCoreApplication::applicationFilePath().toStdString());
  orv::qt::QtDesktop desktop;
  orv::windows::SpecsWindow specs({places, desktop.desktop(),
                                   [] { return QDate::currentDate().year(); },
                                   [] { QApplication::quit(); }});
  orv::qt::FormView view(specs.form());
  QObject::connect(&view, &orv::qt::FormView::formUnloaded, &app, &QApplication::quit);
  specs.form().show();
  return QApplication::exec();
}

// Turns the user guide source (an HTML text) into the PDF that the Help button opens. The
// two car drawings are painted here and handed to the document as images.
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

#include "CarDrawings.h"

int main(int argc, char* argv[]) {
  // The guide is made during the build, where there is no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s GUIDE.html OUTPUT.pdf\n", argv[0]);
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const QString html = QString::fromUtf8(source.readAll());

  QTextDocument document;
  QFont font("DejaVu Sans");
  font.setPointSizeF(10.5);
  document.setDefaultFont(font);
  document.addResource(QTextDocument::ImageResource, QUrl("side-view.png"), orv::guide::sideView());
  document.addResource(QTextDocument::ImageResource, QUrl("top-view.png"), orv::guide::topView());
  document.setHtml(html);

  const QString output = QString::fromLocal8Bit(argv[2]);
  const QString partial = output + ".part";
  {
    QPdfWriter writer(partial);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle("Orvane User Guide");
    writer.setCreator("Orvane");
    document.print(&writer);
  }
  // Replace the old guide only with a complete one.
  QFile::remove(output);
  if (!QFile::rename(partial, output)) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}

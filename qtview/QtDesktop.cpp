#include "qtview/QtDesktop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>
#include <memory>

#include "qtview/FormView.h"
#include "qtview/QtText.h"

namespace orv::qt {

namespace {
// The window a message belongs to: the active form's, else the last one shown.
QWidget* ownerWindow() {
  if (QWidget* active = QApplication::activeWindow()) {
    if (qobject_cast<FormView*>(active)) return active;
  }
  const auto& views = FormView::views();
  for (auto it = views.rbegin(); it != views.rend(); ++it) {
    if ((*it)->isVisible()) return *it;
  }
  return nullptr;
}

QMessageBox::StandardButton runBox(QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton escape, std::string_view text) {
  const FormView::ModalScope scope;  // shows every pending change first
  QMessageBox box(QMessageBox::NoIcon, fromModel(form::kMessageCaption), withQtLineEnds(text),
                  buttons, ownerWindow());
  box.setTextFormat(Qt::PlainText);
  box.setEscapeButton(escape);
  box.setWindowModality(Qt::ApplicationModal);
  const int result = box.exec();
  return static_cast<QMessageBox::StandardButton>(result);
}

// The extension of the first pattern of a file type: "svg" of "SVG drawing (*.svg)".
QString extensionOf(const QString& type) {
  static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;)*]+)"));
  return pattern.match(type).captured(1);
}
}  // namespace

void QtDesktop::message(std::string_view text) {
  runBox(QMessageBox::Ok, QMessageBox::Ok, text);
}

form::Answer QtDesktop::askYesNoCancel(std::string_view text) {
  switch (
      runBox(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel, text)) {
    case QMessageBox::Yes:
      return form::Answer::Yes;
    case QMessageBox::No:
      return form::Answer::No;
    default:
      return form::Answer::Cancel;
  }
}

std::optional<form::SaveChoice> QtDesktop::askSaveFile(std::string_view title,
                                                       const std::filesystem::path& suggested,
                                                       const std::vector<std::string>& types) {
  const FormView::ModalScope scope;  // shows every pending change first
  QFileDialog dialog(ownerWindow(), fromModel(title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setWindowModality(Qt::ApplicationModal);
  QStringList filters;
  for (const std::string& type : types) filters << fromModel(type);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(extensionOf(filters.value(0)));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& type) { dialog.setDefaultSuffix(extensionOf(type)); });
  if (!suggested.empty()) dialog.selectFile(QFile::decodeName(suggested.string().c_str()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  form::SaveChoice choice;
  choice.path = QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
  choice.type = std::max<int>(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
  return choice;
}

void QtDesktop::openDocument(const std::string& path) {
  // Only the effect counts: the desktop's viewer reports nothing back.
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromLocal8Bit(path.c_str())));
}

void QtDesktop::processPendingEvents() {
  FormView::flushAll();
  QCoreApplication::processEvents();
}

void QtDesktop::showModal(form::Form& form) {
  FormView::flushAll();
  FormView* owner = qobject_cast<FormView*>(ownerWindow());

  // The other windows take no input while the modal form is open.
  std::vector<form::Form*> disabled;
  for (FormView* v : FormView::views()) {
    form::Form& other = v->form();
    if (&other != &form && other.shown() && other.enabled()) {
      other.setEnabled(false);
      disabled.push_back(&other);
    }
  }

  auto view = std::make_unique<FormView>(form);
  view->setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  QObject::connect(view.get(), &FormView::formUnloaded, &loop, &QEventLoop::quit);
  if (owner) {
    // Over the middle of the window it belongs to.
    const QRect area = owner->frameGeometry();
    view->move(area.center() - QPoint(view->width() / 2, view->height() / 2));
  }
  form.show();  // Load runs now, observed by the view
  view->flush();
  if (form.loaded() && form.shown()) {
    if (onModalShown) onModalShown(*view);
    if (form.loaded()) loop.exec();
  }
  view.reset();

  for (form::Form* f : disabled) f->setEnabled(true);
  FormView::flushAll();
  if (owner) {
    owner->activateWindow();
    owner->reapplyFocus();
  }
}

}  // namespace orv::qt

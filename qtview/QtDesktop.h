// The desktop services of the window logic on a real Qt desktop: message boxes
// (QMessageBox with the program's caption), opening a document with the desktop's default
// viewer, processing pending events, showing a form modally in a FormView of its own and
// the desktop's save dialog (QFileDialog).
//
//   orv::qt::QtDesktop desktop;
//   orv::form::Desktop d = desktop.desktop();   // hand this to the window logic
//
// Tests drive an open modal form through onModalShown (or FormView::viewOf from a timer).
#pragma once

#include <functional>

#include "form/Desktop.h"

namespace orv::qt {

class FormView;

class QtDesktop : public form::MessageBoxes,
                  public form::DocumentOpener,
                  public form::EventPump,
                  public form::ModalDisplay,
                  public form::SaveDialog {
 public:
  form::Desktop desktop() { return form::Desktop{*this, *this, *this, *this, *this}; }

  // Runs once the modal form's window is up, before its event loop starts.
  std::function<void(FormView&)> onModalShown;

  void message(std::string_view text) override;
  form::Answer askYesNoCancel(std::string_view text) override;
  void openDocument(const std::string& path) override;
  void processPendingEvents() override;
  // Shows `form` application-modal; the other shown forms are disabled meanwhile and the
  // focus returns where their model has it.
  void showModal(form::Form& form) override;
  // Application-modal, like a message box. A name typed without an extension takes the
  // chosen type's first one ("*.svg"); the dialog asks before an existing file is replaced.
  std::optional<form::SaveChoice> askSaveFile(std::string_view title,
                                              const std::filesystem::path& suggested,
                                              const std::vector<std::string>& types) override;
};

}  // namespace orv::qt

// What the window logic needs from the desktop, as small interfaces: message boxes,
// opening a document, processing pending events, showing a form modally and asking for a
// file to save. The Qt view implements them; tests use a recorder with scripted answers.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::form {

class Form;

enum class Answer { Yes, No, Cancel };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A message with an OK button; returns when the user has answered.
  virtual void message(std::string_view text) = 0;
  // A question with Yes, No and Cancel.
  virtual Answer askYesNoCancel(std::string_view text) = 0;
};

class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // Asks the desktop to open the document with its default viewer; the outcome is not
  // reported back.
  virtual void openDocument(const std::string& path) = 0;
};

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void processPendingEvents() = 0;
};

class ModalDisplay {
 public:
  virtual ~ModalDisplay() = default;
  // Shows `form` modally and returns once it has closed (unloaded).
  virtual void showModal(Form& form) = 0;
};

// The file a person chose to save to.
struct SaveChoice {
  std::filesystem::path path;
  int type = 0;  // which of the offered file types, counted from 0
};

class SaveDialog {
 public:
  virtual ~SaveDialog() = default;
  // Asks the person for a file to save, in the desktop's save dialog headed `title`, offering
  // the file name `suggested` and the file `types` (as "SVG drawing (*.svg)"; the first is
  // chosen at first). Returns the chosen path and type once the person has confirmed, also
  // that an existing file may be replaced; nothing when the person cancelled.
  virtual std::optional<SaveChoice> askSaveFile(std::string_view title,
                                                const std::filesystem::path& suggested,
                                                const std::vector<std::string>& types) = 0;
};

struct Desktop {
  MessageBoxes& boxes;
  DocumentOpener& opener;
  EventPump& pump;
  ModalDisplay& modal;
  SaveDialog& saver;
};

// The caption of every message box of the program.
inline constexpr std::string_view kMessageCaption = "Orvane";

}  // namespace orv::form

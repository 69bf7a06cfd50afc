// What the window logic needs from the desktop, as small interfaces: message boxes,
// opening a document, processing pending events and showing a form modally. The Qt view
// implements them; tests use a recorder with scripted answers.
#pragma once

#include <string>
#include <string_view>

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

struct Desktop {
  MessageBoxes& boxes;
  DocumentOpener& opener;
  EventPump& pump;
  ModalDisplay& modal;
};

// The caption of every message box of the program.
inline constexpr std::string_view kMessageCaption = "Orvane";

}  // namespace orv::form

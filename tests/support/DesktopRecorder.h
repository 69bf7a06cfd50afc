// A desktop for tests: answers message boxes and save dialogs from a script and keeps
// everything the window logic asked for, including where the focus stood when each message
// appeared.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "form/Desktop.h"
#include "form/Form.h"

namespace orv::testing {

class DesktopRecorder : public form::MessageBoxes,
                        public form::DocumentOpener,
                        public form::EventPump,
                        public form::ModalDisplay,
                        public form::SaveDialog {
 public:
  struct Shown {
    std::string text;
    bool question = false;
  };
  struct SaveAsked {
    std::string title;
    std::filesystem::path suggested;
    std::vector<std::string> types;
  };

  std::vector<Shown> shown;                     // every message and question, in order
  std::deque<form::Answer> answers;             // replies to questions (Cancel when none left)
  std::vector<std::string> opened;              // documents asked to open
  int pumps = 0;                                // pending-event passes requested
  std::function<void()> onMessage;              // runs while a message is "up"
  std::function<void(form::Form&)> whileModal;  // drives a modal form; it must close it
  std::vector<SaveAsked> saveAsked;             // every save dialog, in order
  std::deque<std::optional<form::SaveChoice>> saveReplies;  // cancelled when none left

  form::Desktop desktop() { return form::Desktop{*this, *this, *this, *this, *this}; }

  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const auto& s : shown) out.push_back(s.text);
    return out;
  }

  void message(std::string_view text) override {
    shown.push_back({std::string(text), false});
    if (onMessage) onMessage();
  }
  form::Answer askYesNoCancel(std::string_view text) override {
    shown.push_back({std::string(text), true});
    if (answers.empty()) return form::Answer::Cancel;
    const auto a = answers.front();
    answers.pop_front();
    return a;
  }
  void openDocument(const std::string& path) override { opened.push_back(path); }
  void processPendingEvents() override { ++pumps; }
  void showModal(form::Form& form) override {
    form.show();
    if (whileModal) whileModal(form);
    if (form.loaded()) form.unload(0);  // a modal window always ends closed
  }
  std::optional<form::SaveChoice> askSaveFile(std::string_view title,
                                              const std::filesystem::path& suggested,
                                              const std::vector<std::string>& types) override {
    saveAsked.push_back({std::string(title), suggested, types});
    if (saveReplies.empty()) return std::nullopt;
    auto reply = saveReplies.front();
    saveReplies.pop_front();
    return reply;
  }
};

}  // namespace orv::testing

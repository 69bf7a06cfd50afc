// A desktop for tests: answers message boxes from a script and keeps everything the
// window logic asked for, including where the focus stood when each message appeared.
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
                        public form::ModalDisplay {
 public:
  struct Shown {
    std::string text;
    bool question = false;
  };

  std::vector<Shown> shown;                     // every message and question, in order
  std::deque<form::Answer> answers;             // replies to questions (Cancel when none left)
  std::vector<std::string> opened;              // documents asked to open
  int pumps = 0;                                // pending-event passes requested
  std::function<void()> onMessage;              // runs while a message is "up"
  std::function<void(form::Form&)> whileModal;  // drives a modal form; it must close it

  form::Desktop desktop() { return form::Desktop{*this, *this, *this, *this}; }

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
};

}  // namespace orv::testing

// The few standard Qt widgets that need a small adjustment to stand for a form control.
// Each stays the standard widget (role, text and keyboard behaviour for assistive tools).
#pragma once

#include <QComboBox>
#include <QTextEdit>
#include <functional>

namespace orv::qt {

// An editable drop-down combo box that lets the model rebuild its list before the popup
// opens (the DropDown event), whether a click or the keyboard opens it.
class ModelComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ModelComboBox(QWidget* parent);
  std::function<void()> beforePopup;
  void showPopup() override;
};

// A text box cell: a read-only, multi-line text without scroll bars or a caret, centred or
// left aligned; mouse input is handed to the model by the view.
class TextCell : public QTextEdit {
  Q_OBJECT

 public:
  TextCell(QWidget* parent, bool readOnly, bool centred);
  // Sets the text unless it is already shown (a cell is rewritten often with the same text).
  void showText(const QString& text);

 private:
  QString shown_;
};

}  // namespace orv::qt

#include "ControlWidgets.h"

#include <QLineEdit>
#include <QTextOption>

namespace orv::qt {

ModelComboBox::ModelComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);  // Enter belongs to the model, not to the list
  setCompleter(nullptr);                 // typing goes through KeyPress, never auto-completed
  setMaxVisibleItems(8);
  // Leaving the box must not pick an entry that happens to match the text: only a person's
  // choice in the list is a selection.
  QObject::disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  QObject::disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
}

void ModelComboBox::showPopup() {
  if (beforePopup) beforePopup();
  QComboBox::showPopup();
}

TextCell::TextCell(QWidget* parent, bool readOnly, bool centred) : QTextEdit(parent) {
  setAcceptRichText(false);
  setUndoRedoEnabled(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QTextEdit::WidgetWidth);
  // Two lines of the window font must fit the designed 40-pixel cell.
  document()->setDocumentMargin(2);
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(centred ? Qt::AlignHCenter : Qt::AlignLeft);
  document()->setDefaultTextOption(option);
  if (readOnly) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);  // the model moves the focus on a click
    viewport()->setCursor(Qt::ArrowCursor);
  }
}

void TextCell::showText(const QString& text) {
  if (text == shown_) return;
  shown_ = text;
  setPlainText(text);
}

}  // namespace orv::qt

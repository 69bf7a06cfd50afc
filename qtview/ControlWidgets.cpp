#include "qtview/ControlWidgets.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QTextOption>

#include "qtview/QtText.h"

namespace orv::qt {

ListEntriesModel::ListEntriesModel(const form::ListControl& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {}

int ListEntriesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : list_.count();
}

QVariant ListEntriesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= list_.count()) return {};
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return fromModel(list_.item(index.row()));
}

void ListEntriesModel::entriesChanged() {
  beginResetModel();
  endResetModel();
}

ModelComboBox::ModelComboBox(const form::ListControl& list, QWidget* parent)
    : QComboBox(parent), entries_(new ListEntriesModel(list, this)) {
  setModel(entries_);
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
    setFocusPolicy(Qt::NoFocus);
    viewport()->setCursor(Qt::ArrowCursor);
  }
}

void TextCell::showText(const QString& text) {
  if (text == shown_) return;
  shown_ = text;
  setPlainText(text);
}

void TextCell::mousePressEvent(QMouseEvent* event) {
  QTextEdit::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  pressedHere_ = true;
  endsDouble_ = false;
  emit pressed();
}

void TextCell::mouseDoubleClickEvent(QMouseEvent* event) {
  QTextEdit::mouseDoubleClickEvent(event);
  if (event->button() != Qt::LeftButton) return;
  pressedHere_ = true;
  endsDouble_ = true;
  emit doubleClicked();
}

void TextCell::mouseReleaseEvent(QMouseEvent* event) {
  QTextEdit::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !pressedHere_) return;
  pressedHere_ = false;
  // A release away from the cell is no click, as on a button.
  if (!endsDouble_ && viewport()->rect().contains(event->position().toPoint())) emit clicked();
}

ModelListBox::ModelListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);  // long lists stay cheap to lay out
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) emit chosen(row);
  });
  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    // A click that changed the row has been reported by the change already.
    if (!endsDouble_ && index.row() == rowAtPress_) emit chosen(index.row());
    endsDouble_ = false;
  });
  connect(this, &QAbstractItemView::doubleClicked, this, [this] { emit doubleClicked(); });
}

void ModelListBox::mousePressEvent(QMouseEvent* event) {
  rowAtPress_ = currentRow();
  endsDouble_ = false;
  QListWidget::mousePressEvent(event);
}

void ModelListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  rowAtPress_ = currentRow();
  endsDouble_ = true;
  QListWidget::mouseDoubleClickEvent(event);
}

}  // namespace orv::qt

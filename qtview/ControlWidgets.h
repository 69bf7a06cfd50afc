// The few standard Qt widgets that need a small adjustment to stand for a form control.
// Each stays the standard widget (role, text, keyboard and mouse behaviour for assistive
// tools) and reports a person's input through signals of its own, never through a filter.
#pragma once

#include <QAbstractListModel>
#include <QComboBox>
#include <QListWidget>
#include <QTextEdit>
#include <functional>

#include "form/Controls.h"

namespace orv::qt {

// The entries of a form's list control as a Qt model, read where the form keeps them:
// nothing is copied, so a list of a hundred thousand model groups costs nothing until a
// person opens it, and only the rows shown are converted then.
class ListEntriesModel : public QAbstractListModel {
  Q_OBJECT

 public:
  ListEntriesModel(const form::ListControl& list, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The form's list was rebuilt: views read it again.
  void entriesChanged();

 private:
  const form::ListControl& list_;
};

// An editable drop-down combo box that lets the model rebuild its list before the popup
// opens (the DropDown event), whether a click or the keyboard opens it.
class ModelComboBox : public QComboBox {
  Q_OBJECT

 public:
  ModelComboBox(const form::ListControl& list, QWidget* parent);
  ListEntriesModel& entries() const { return *entries_; }
  std::function<void()> beforePopup;
  void showPopup() override;

 private:
  ListEntriesModel* entries_;
};

// A text box cell: a multi-line text without scroll bars. A read-only cell shows no caret,
// selects nothing and never takes the focus itself: it reports presses and clicks, and the
// model decides where the focus goes.
class TextCell : public QTextEdit {
  Q_OBJECT

 public:
  TextCell(QWidget* parent, bool readOnly, bool centred);
  // Sets the text unless it is already shown (a cell is rewritten often with the same text).
  void showText(const QString& text);

 signals:
  // The left button went down on the cell.
  void pressed();
  // The left button was pressed and released on the cell; not for the release that ends a
  // double click.
  void clicked();
  // The second press of a double click.
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QString shown_;
  bool pressedHere_ = false;  // a left press on the cell awaits its release
  bool endsDouble_ = false;   // that press was the second of a double click
};

// A list box that reports a person's choice once: a keyboard step or a click on another
// entry changes the current row (one report), a click on the current entry reports it again,
// and the release that ends a double click reports nothing.
class ModelListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit ModelListBox(QWidget* parent);

 signals:
  void chosen(int row);
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int rowAtPress_ = -1;
  bool endsDouble_ = false;
};

}  // namespace orv::qt

// What both view suites share: a fresh TestForm shown through a FormView as the active window,
// the lookups of its widgets and logged events, and a person who answers message boxes.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "TestForm.h"
#include "qtview/FormView.h"
#include "qtview/QtDesktop.h"

using orv::qt::FormView;
using Log = std::vector<std::string>;

namespace QTest {
// Logs print as their entries when a comparison fails.
template <>
inline char* toString(const Log& log) {
  QStringList entries;
  for (const auto& e : log) entries << QString::fromStdString(e);
  return qstrdup(qPrintable("{" + entries.join(", ") + "}"));
}
}  // namespace QTest

class ViewFixture : public QObject {
 protected:
  std::unique_ptr<orv::testing::TestForm> t_;
  std::unique_ptr<FormView> view_;
  orv::qt::QtDesktop desktop_;
  QTimer answer_;

  // Keyboard tests need the active window, or the keys go nowhere.
  bool showForm() {
    t_ = std::make_unique<orv::testing::TestForm>();
    view_ = std::make_unique<FormView>(t_->form);
    t_->form.show();
    view_->flush();
    return QTest::qWaitForWindowActive(view_.get());
  }
  void dropForm() {
    answer_.stop();
    answer_.disconnect();
    view_.reset();
    t_.reset();
  }

  template <class W = QWidget>
  W* widget(const char* name, int index = -1) {
    return qobject_cast<W*>(view_->widget(name, index));
  }
  QComboBox* combo(const char* name) { return widget<QComboBox>(name); }
  long count(const std::string& entry) { return std::count(t_->log.begin(), t_->log.end(), entry); }
  void focusModel(orv::form::Control& c) {
    c.setFocus();
    view_->flush();
  }
  // From now on every message box that comes up is answered with OK.
  void answerMessageBoxes() {
    connect(&answer_, &QTimer::timeout, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        box->button(QMessageBox::Ok)->click();
    });
    answer_.start(20);
  }
};

// A person's input on a FormView, handed to the model through its user* calls only.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "ControlWidgets.h"
#include "FormView.h"
#include "QtText.h"

namespace orv::qt {

using form::Kind;

namespace {

// The key code the window logic knows for a Qt key, or 0.
int keyCodeOf(int key) {
  switch (key) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return form::kKeyPageUp;
    case Qt::Key_PageDown:
      return form::kKeyPageDown;
    case Qt::Key_End:
      return form::kKeyEnd;
    case Qt::Key_Home:
      return form::kKeyHome;
    case Qt::Key_Left:
      return form::kKeyLeft;
    case Qt::Key_Up:
      return form::kKeyUp;
    case Qt::Key_Right:
      return form::kKeyRight;
    case Qt::Key_Down:
      return form::kKeyDown;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    default:
      break;
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;  // same codes as ASCII
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 112 + (key - Qt::Key_F1);
  return 0;
}

// Shift 1, Ctrl 2, Alt 4, as KeyDown reports them.
int shiftMask(Qt::KeyboardModifiers m) {
  return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) |
         ((m & Qt::AltModifier) ? 4 : 0);
}

bool isAccessKey(const QKeyEvent& k) {
  const auto m = k.modifiers();
  const int key = k.key();
  return (m & Qt::AltModifier) && !(m & Qt::ControlModifier) &&
         ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9));
}

QLineEdit* editFieldOf(QWidget* w) {
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
  return qobject_cast<QLineEdit*>(w);
}
}  // namespace

void FormView::forward(const std::function<void()>& call) {
  call();
  // Every change the input caused shows before the next input is read, also for input
  // that arrives inside a modal window opened by an outer handler.
  flushAll();
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Wheel:
      // A closed combo box does not change its choice under a passing mouse wheel.
      return qobject_cast<QComboBox*>(watched) != nullptr;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      const auto it = byWidget_.find(watched);
      if (it == byWidget_.end()) break;
      Entry& e = entries_[it->second];
      if (event->type() == QEvent::KeyPress) return handleKey(e, *static_cast<QKeyEvent*>(event));
      return handleMouse(e, *event);
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

bool FormView::handleWindowKey(QKeyEvent& k) {
  const int key = k.key();
  const auto m = k.modifiers();
  if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
      !(m & (Qt::ControlModifier | Qt::AltModifier))) {
    const bool backwards = key == Qt::Key_Backtab || (m & Qt::ShiftModifier);
    forward([this, backwards] { form_.userTab(backwards); });
    return true;
  }
  if (isAccessKey(k)) {
    forward([this, key] { form_.userAccessKey(static_cast<char>(key)); });
    return true;  // an unused access key types nothing either
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && form_.defaultButton) {
    bool taken = false;
    forward([this, &taken] { taken = form_.userEnterKey(); });
    if (taken) return true;
  }
  if (key == Qt::Key_Escape && form_.cancelButton) {
    bool taken = false;
    forward([this, &taken] { taken = form_.userEscapeKey(); });
    if (taken) return true;
  }
  return false;
}

bool FormView::handleKey(Entry& e, QKeyEvent& k) {
  if (handleWindowKey(k)) return true;
  form::Control& c = *e.control;
  if (const int code = keyCodeOf(k.key())) {
    const int shift = shiftMask(k.modifiers());
    forward([&c, code, shift] { c.userKeyDown(code, shift); });
  }
  // The widget's own handling of the key follows (a combo box steps through its list).
  if (c.kind() == Kind::ComboBox || (c.kind() == Kind::TextBox && !c.multiLine))
    return handleKeyPress(e, k);
  return false;
}

bool FormView::handleKeyPress(Entry& e, QKeyEvent& k) {
  form::Control& c = *e.control;
  const int key = k.key();
  const auto m = k.modifiers();
  int ascii = 0;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    ascii = form::kAsciiEnter;
  } else if (key == Qt::Key_Backspace) {
    ascii = 8;
  } else if (key == Qt::Key_Escape) {
    ascii = 27;
  } else if (!(m & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
             k.text().size() == 1) {
    const char16_t u = k.text().at(0).unicode();
    if (u >= 32 && u <= 255 && u != 127) ascii = u;
  }
  if (ascii == 0) return false;

  int result = 0;
  forward([&c, ascii, &result] { result = c.userKeyPress(ascii); });
  if (ascii == form::kAsciiEnter) return true;  // Enter never inserts an entry
  if (result == 0) return true;                 // the handler swallowed the key
  if (ascii < 32) return false;                 // the edit field erases or cancels itself

  QLineEdit* edit = editFieldOf(e.widget);
  if (!edit || edit->isReadOnly() || !c.enabled()) return true;
  if (result >= 32 && result <= 255) {
    const QSignalBlocker blocker(edit);
    edit->insert(QString(QChar(static_cast<char16_t>(result))));
  }
  forward([&c, edit] { c.userType(toModel(edit->text())); });
  return true;
}

bool FormView::handleMouse(Entry& e, QEvent& event) {
  const auto& mouse = static_cast<QMouseEvent&>(event);
  if (mouse.button() != Qt::LeftButton) return false;
  form::Control& c = *e.control;
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      // A read-only cell takes no Qt focus; the model decides where the focus goes.
      if (c.kind() == Kind::TextBox) forward([&c] { c.userFocus(); });
      return c.kind() == Kind::TextBox;
    case QEvent::MouseButtonRelease:
      if (suppressRelease_) {
        suppressRelease_ = false;
        return true;
      }
      forward([&c] { c.userClick(); });
      return true;
    case QEvent::MouseButtonDblClick:
      suppressRelease_ = true;
      forward([&c] { c.userDblClick(); });
      return true;
    default:
      return false;
  }
}

void FormView::onQtFocusChanged(QWidget*, QWidget* now) {
  if (!now || now->window() != this) return;
  // Focus that Qt moves by itself (around message boxes, a disabled window, our own
  // setFocus) is not a person's choice; the model's focus is put back instead.
  if (applyingFocus_ || flushing_ || ModalScope::active() || !form_.enabled()) return;
  form::Control* c = controlFor(now);
  if (!c || c == form_.focus()) return;
  forward([c] { c->userFocus(); });
  // The model may have refused or redirected the move.
  applyFocus(false);
}

}  // namespace orv::qt

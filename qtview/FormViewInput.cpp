// A person's input on a FormView, handed to the model through its user* calls only. Mouse
// input stays with the widgets: each presses, drags, repeats and releases as it always does,
// and the model hears of the outcome once, through the widget's own signal (see
// WidgetFactory.cpp). Only keys, the mouse wheel and requests for a context menu pass
// through the view's filter.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "qtview/ControlWidgets.h"
#include "qtview/FormView.h"
#include "qtview/QtText.h"

namespace orv::qt {

using form::Kind;

namespace {

// The key code the window logic knows for a Qt key, or 0.
int keyCodeOf(int key) {
  switch (key) {
    case Qt::Key_Backspace:
      return form::kKeyBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return form::kKeyReturn;
    case Qt::Key_Escape:
      return form::kKeyEscape;
    case Qt::Key_Space:
      return form::kKeySpace;
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
      return form::kKeyInsert;
    case Qt::Key_Delete:
      return form::kKeyDelete;
    default:
      break;
  }
  // Qt's codes of digits and letters are their ASCII codes, as the window logic's are.
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return form::kKeyF1 + (key - Qt::Key_F1);
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

// The Menu key and Shift+F10 ask for the focused control's context menu.
bool isContextMenuKey(const QKeyEvent& k) {
  return k.key() == Qt::Key_Menu ||
         (k.key() == Qt::Key_F10 && (k.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier);
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
      return handleWheel(watched, *event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      // A press whose focus change brought up a message box was answered by the box: the
      // widget must not start a click, a drag or an auto-repeat that no release will end.
      if (pressInterrupted_) {
        pressInterrupted_ = false;
        return true;
      }
      break;
    case QEvent::KeyPress: {
      const auto it = byWidget_.find(watched);
      if (it != byWidget_.end())
        return handleKey(entries_[it->second], *static_cast<QKeyEvent*>(event));
      break;
    }
    case QEvent::ShortcutOverride:
      // A menu command's key is the command's, also where the widget has a use of its own
      // for it (an edit field's Ctrl+A); left unaccepted, the key goes on to the command.
      return isMenuShortcut(*static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu:
      return handleContextMenu(watched, *static_cast<QContextMenuEvent*>(event));
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

bool FormView::handleWheel(QObject* watched, QEvent& wheel) {
  const auto it = byWidget_.find(watched);
  if (it == byWidget_.end()) return false;
  const form::Control& c = *entries_[it->second].control;
  if (c.wheelTarget) {
    // The cells of a grid turn the grid's scroll bar: its own wheel handling takes the
    // desktop's step (three lines a notch) and reports the new value as any scroll does.
    QWidget* bar = widgetFor(*c.wheelTarget);
    if (bar && bar->isVisible() && bar->isEnabled()) {
      QApplication::sendEvent(bar, &wheel);
      return true;
    }
    return false;
  }
  // A closed combo box does not change its choice under a passing mouse wheel.
  return c.kind() == Kind::ComboBox;
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

bool FormView::isFormAccessKey(const QKeyEvent& k) const {
  return isAccessKey(k) && form_.takesAccessKey(static_cast<char>(k.key()));
}

bool FormView::handleKey(Entry& e, QKeyEvent& k) {
  if (handleWindowKey(k)) return true;
  form::Control& c = *e.control;
  if (isContextMenuKey(k) && c.hasContextMenu()) {
    openContextMenu(c, e.widget->mapToGlobal(e.widget->rect().center()));
    return true;
  }
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
    ascii = form::kAsciiBackspace;
  } else if (key == Qt::Key_Escape) {
    ascii = form::kAsciiEscape;
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

void FormView::onQtFocusChanged(QWidget*, QWidget* now) {
  if (!now || now->window() != this) return;
  // Focus that Qt moves by itself (around message boxes, a disabled window, our own
  // setFocus) is not a person's choice; the model's focus is put back instead.
  if (applyingFocus_ || flushing_ || ModalScope::active() || !form_.enabled()) return;
  form::Control* c = controlFor(now);
  if (!c || c == form_.focus()) return;
  const int boxesBefore = ModalScope::opened();
  forward([c] { c->userFocus(); });
  if (ModalScope::opened() != boxesBefore) {
    // A click moved the focus and a LostFocus handler answered with a message box: the
    // person let go of the button inside the box, so the press that is still on its way to
    // the widget is dropped. A press that never comes must not drop a later one.
    pressInterrupted_ = true;
    QTimer::singleShot(0, this, [this] { pressInterrupted_ = false; });
  }
  // The model may have refused or redirected the move.
  applyFocus(false);
}

}  // namespace orv::qt

#include "qtview/FormView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include "qtview/QtText.h"

namespace orv::qt {

namespace {
std::vector<FormView*>& registry() {
  static std::vector<FormView*> views;
  return views;
}
int modalDepth = 0;
int modalOpened = 0;
// The view of the last form that became active: returning to it from a message box or from
// another program is no new activation of the form.
FormView* lastActive = nullptr;
}  // namespace

FormView::FormView(form::Form& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), client_(new QWidget(this)) {
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  setAttribute(Qt::WA_KeyCompression, false);
  setObjectName(fromModel(form.name()));

  entries_.reserve(form.controls().size());
  for (const auto& c : form.controls()) widgetOrCreate(*c);
  for (auto& e : entries_) connectInput(e);
  // Controls are listed topmost first: raise from the lowest up.
  for (auto it = form.controls().rbegin(); it != form.controls().rend(); ++it) {
    if (QWidget* w = widgetFor(**it)) w->raise();
  }
  for (auto& e : entries_) apply(e, ~0u & ~(1u << static_cast<int>(form::Property::ZOrder)));
  updateAccessibleNames();
  applyMenus();  // also sizes the window around the client area

  registry().push_back(this);
  form_.addObserver(this);
  connect(qApp, &QApplication::focusChanged, this, &FormView::onQtFocusChanged);
  applyForm();
  applyFocus(false);
}

FormView::~FormView() {
  // The widgets go first, while this view is still whole: nothing they signal on the way
  // out may reach the model, and Qt's focus news must not reach a half-destroyed view.
  disconnect(qApp, nullptr, this, nullptr);
  std::vector<QWidget*> outer;
  for (auto& e : entries_) {
    e.widget->blockSignals(true);
    e.widget->removeEventFilter(this);
    if (e.widget->parentWidget() == client_) outer.push_back(e.widget);
  }
  entries_.clear();
  byControl_.clear();
  byWidget_.clear();
  qDeleteAll(outer);  // a frame takes the controls inside it along
  form_.removeObserver(this);
  auto& v = registry();
  v.erase(std::remove(v.begin(), v.end(), this), v.end());
  if (lastActive == this) lastActive = nullptr;
}

QWidget* FormView::widgetFor(const form::Control& control) const {
  const auto it = byControl_.find(&control);
  return it == byControl_.end() ? nullptr : entries_[it->second].widget;
}

QWidget* FormView::widget(std::string_view name, int index) const {
  const form::Control* c = form_.find(name, index);
  return c ? widgetFor(*c) : nullptr;
}

form::Control* FormView::controlFor(const QWidget* widget) const {
  for (const QObject* o = widget; o && o != this; o = o->parent()) {
    const auto it = byWidget_.find(o);
    if (it != byWidget_.end()) return entries_[it->second].control;
  }
  return nullptr;
}

FormView* FormView::viewOf(const form::Form& form) {
  for (FormView* v : registry()) {
    if (&v->form() == &form) return v;
  }
  return nullptr;
}

const std::vector<FormView*>& FormView::views() {
  return registry();
}

void FormView::flushAll() {
  // A copy: flushing may close a view whose owner then deletes it.
  const std::vector<FormView*> views = registry();
  for (FormView* v : views) {
    if (viewOf(v->form()) == v) v->flush();
  }
}

FormView::ModalScope::ModalScope() : wasActive_(QApplication::activeWindow()) {
  flushAll();
  ++modalDepth;
  ++modalOpened;
}

FormView::ModalScope::~ModalScope() {
  --modalDepth;
  if (modalDepth > 0) return;
  for (FormView* v : registry()) {
    v->flush();
    v->reapplyFocus();
  }
  // Where no window manager hands the activation back, the window gets it back itself.
  if (wasActive_ && !QApplication::activeWindow() && wasActive_->isVisible())
    wasActive_->activateWindow();
}

bool FormView::ModalScope::active() {
  return modalDepth > 0;
}

int FormView::ModalScope::opened() {
  return modalOpened;
}

bool FormView::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::WindowActivate:
      if (lastActive != this && form_.loaded()) {
        lastActive = this;
        forward([this] { form_.userActivate(); });
      }
      break;
    case QEvent::ShortcutOverride:
      // Alt + a letter the form takes is its access key, not a menu title's: the key goes on
      // as a key press.
      if (isFormAccessKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
      }
      break;
    case QEvent::KeyPress:
      // Keys that reach the window itself (no control has the focus, or a control passed
      // them on) can still be window keys.
      if (handleWindowKey(*static_cast<QKeyEvent*>(event))) return true;
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void FormView::closeEvent(QCloseEvent* event) {
  if (closingByModel_ || !form_.loaded()) {
    event->accept();
    return;
  }
  forward([this] { form_.userClose(); });
  if (form_.loaded())
    event->ignore();  // QueryUnload cancelled
  else
    event->accept();
}

}  // namespace orv::qt

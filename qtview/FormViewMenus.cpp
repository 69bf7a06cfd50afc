// The menus of a FormView: the menu bar above the designed client area and the context menus
// of controls, standard QMenuBar and QMenu widgets built from the form's menu descriptions.
// A command reaches the model through Form::userCommand only and is flushed afterwards, as
// any other input.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "qtview/FormView.h"
#include "qtview/QtText.h"

namespace orv::qt {

QMenuBar* FormView::menuBar() const {
  return menuBar_;
}

void FormView::applyMenus() {
  // The old menus may hold the command that is running now: they go once the event loop is
  // reached again. Their shortcuts go at once, or the new commands' keys would be ambiguous.
  for (const auto& action : barShortcuts_) {
    if (action) action->setShortcut(QKeySequence());
  }
  barShortcuts_.clear();
  if (menuBar_) menuBar_->clear();
  for (const auto& item : barItems_) {
    if (item) item->deleteLater();
  }
  barItems_.clear();
  const auto& menus = form_.menuBar();
  if (!menus.empty() && !menuBar_) {
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);  // in the window, above the client area, everywhere
  }
  if (menuBar_) {
    addMenuItems(*menuBar_, menus, true);
    menuBar_->setVisible(!menus.empty());
  }
  placeClientArea();
}

void FormView::placeClientArea() {
  const int width = form::toPixels(form_.clientArea().width);
  const int height = form::toPixels(form_.clientArea().height);
  int top = 0;
  if (menuBar_ && !form_.menuBar().empty()) {
    top = std::max(menuBar_->heightForWidth(width), menuBar_->sizeHint().height());
    menuBar_->setGeometry(0, 0, width, top);
  }
  client_->setGeometry(0, top, width, height);
  setFixedSize(width, top + height);
}

void FormView::addMenuItems(QWidget& target, const std::vector<form::MenuItem>& items, bool inBar) {
  using Type = form::MenuItem::Type;
  // Items right on the bar belong to the view, not to the bar, which would delete them at
  // once when cleared.
  const bool onBar = &target == menuBar_.data();
  QObject* owner = onBar ? static_cast<QObject*>(this) : &target;
  for (const form::MenuItem& item : items) {
    QAction* action = nullptr;
    if (item.type == Type::Submenu) {
      auto* menu = new QMenu(fromModel(item.caption), &target);
      addMenuItems(*menu, item.items, inBar);
      action = menu->menuAction();
      if (onBar) barItems_.push_back(menu);
    } else {
      action = new QAction(fromModel(item.caption), owner);
      if (onBar) barItems_.push_back(action);
    }
    action->setSeparator(item.type == Type::Separator);
    action->setEnabled(item.enabled);
    if (item.type == Type::Command) {
      connect(action, &QAction::triggered, this,
              [this, id = item.id] { forward([this, id] { form_.userCommand(id); }); });
      const QKeySequence key(fromModel(item.shortcut), QKeySequence::PortableText);
      if (inBar && !key.isEmpty()) {
        action->setShortcut(key);
        barShortcuts_.push_back(action);
      } else if (!key.isEmpty()) {
        // A context menu shows the key of the same command on the bar; the bar's runs it.
        action->setText(action->text() + QLatin1Char('\t') +
                        key.toString(QKeySequence::NativeText));
      }
    }
    target.addAction(action);
  }
}

void FormView::openContextMenu(form::Control& control, const QPoint& at) {
  const std::vector<form::MenuItem>* items = nullptr;
  forward([&control, &items] { items = control.userContextMenu(); });
  if (!items || items->empty() || !form_.loaded()) return;
  if (popup_) popup_->deleteLater();
  popup_ = new QMenu(this);
  addMenuItems(*popup_, *items, false);
  popup_->popup(at);
}

bool FormView::handleContextMenu(QObject* watched, QContextMenuEvent& event) {
  const auto it = byWidget_.find(watched);
  if (it == byWidget_.end()) return false;
  form::Control& c = *entries_[it->second].control;
  if (!c.hasContextMenu()) return false;  // the widget's own menu, if it has one
  // The Menu key has opened the menu already (handleKey); the desktop's request that may
  // follow the key is no second one.
  if (event.reason() != QContextMenuEvent::Keyboard) openContextMenu(c, event.globalPos());
  return true;
}

bool FormView::isMenuShortcut(const QKeyEvent& key) const {
  const QKeySequence pressed(
      QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(key.key())));
  return std::any_of(barShortcuts_.begin(), barShortcuts_.end(), [&](const auto& action) {
    return action && action->isEnabled() && action->shortcut() == pressed;
  });
}

}  // namespace orv::qt

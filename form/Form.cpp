#include "form/Form.h"

#include <algorithm>
#include <stdexcept>

#include "core/Text.h"

namespace orv::form {

using namespace core;

Form::Form(std::string name, std::string caption, Rect clientArea, Font font)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      area_(clientArea),
      font_(std::move(font)) {}

void Form::setCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  notifyForm();
}

Control& Form::addControl(Kind kind, std::string name, int index) {
  controls_.push_back(std::make_unique<Control>(*this, kind, std::move(name), index));
  return *controls_.back();
}

Control& Form::addDesigned(const ControlDesign& d) {
  const std::string name(d.name);
  Control* c = nullptr;
  if (d.kind == Kind::ComboBox) {
    c = &add<ComboBox>(name);
  } else if (d.kind == Kind::ListBox) {
    c = &add<ListBox>(name);
  } else if (d.kind == Kind::ScrollBar) {
    c = &add<ScrollBar>(name);
  } else if (d.kind == Kind::CheckBox) {
    c = &add<CheckBox>(name, d.index);
  } else {
    c = &addControl(d.kind, name, d.index);
  }
  c->rect = d.rect;
  c->tabIndex = d.tabIndex;
  if (!d.font.family.empty()) c->font = Font{std::string(d.font.family), d.font.points};
  c->setCaption(std::string(d.caption));
  c->alignment = d.alignment;
  if (!d.container.empty()) c->container = &get(d.container);
  c->setVisible(d.visible);
  c->tabStop = d.tabStop;
  if (auto* list = dynamic_cast<ListControl*>(c)) list->sorted = d.sorted;
  c->border = d.border;
  c->multiLine = d.multiLine;
  c->readOnly = d.readOnly;
  c->maxLength = d.maxLength;
  if (d.backColor) c->setBackColor(*d.backColor);
  if (d.foreColor) c->setForeColor(*d.foreColor);
  return *c;
}

void Form::designError(std::string_view name, int index) const {
  std::string what = std::string(name);
  if (index >= 0) what += "(" + std::to_string(index) + ")";
  throw std::logic_error("The design of " + name_ + " has no control " + what + " of that kind");
}

Control* Form::find(std::string_view name, int index) const {
  for (const auto& c : controls_) {
    if (c->name() == name && c->index() == index) return c.get();
  }
  return nullptr;
}

void Form::bringToFront(Control& control) {
  auto it = std::find_if(controls_.begin(), controls_.end(),
                         [&](const auto& c) { return c.get() == &control; });
  if (it == controls_.end() || it == controls_.begin()) return;
  std::rotate(controls_.begin(), it, it + 1);
  notify(control, Property::ZOrder);
}

void Form::setFocus(Control* target) {
  if (target && (!target->canTakeFocus() || !target->enabled() || !target->visible())) return;
  if (changingFocus_) {
    // Inside a LostFocus handler: the handler decides where the focus goes instead.
    redirect_ = target;
    return;
  }
  if (target == focus_) return;
  Control* old = focus_;
  changingFocus_ = true;
  redirect_ = target;
  if (old && old->onLostFocus) old->onLostFocus();
  target = redirect_;
  changingFocus_ = false;
  focus_ = target;
  for (auto* o : observers_) o->focusChanged(focus_);
  // Focus taken back by the old control's own LostFocus is no new arrival.
  if (target && target != old && target->onGotFocus) target->onGotFocus();
}

std::vector<Control*> Form::tabOrder(const TabWalk& walk) const {
  std::vector<Control*> order;
  for (const auto& c : controls_) {
    const bool passes = c->canTakeFocus() || (walk.labels && c->kind() == Kind::Label);
    if (c->tabIndex < 0 || !passes || (walk.tabStopsOnly && !c->tabStop) ||
        (walk.reachableOnly && (!c->visible() || !c->enabled())))
      continue;
    order.push_back(c.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
  return order;
}

Control* Form::nextInTabOrder(const Control* from, bool backwards, const TabWalk& walk) const {
  const std::vector<Control*> order = tabOrder(walk);
  if (order.empty()) return nullptr;
  const int here = from ? from->tabIndex : -1;
  if (!backwards) {
    for (Control* c : order) {
      if (c->tabIndex > here) return c;
    }
    return walk.wrap ? order.front() : nullptr;
  }
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if (here < 0 || (*it)->tabIndex < here) return *it;
  }
  return walk.wrap ? order.back() : nullptr;
}

void Form::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  notifyForm();
}

void Form::load() {
  if (loaded_) return;
  loaded_ = true;
  if (onLoad) onLoad();
}

void Form::show() {
  load();
  if (shown_) return;
  shown_ = true;
  notifyForm();
}

bool Form::unload(int unloadMode) {
  if (!loaded_) return true;
  int cancel = 0;
  if (onQueryUnload) onQueryUnload(cancel, unloadMode);
  if (cancel != 0) return false;
  if (onUnload) onUnload();
  loaded_ = false;
  shown_ = false;
  focus_ = nullptr;
  notifyForm();
  return true;
}

void Form::userActivate() {
  if (onActivate) onActivate();
}

void Form::userClose() {
  unload(0);
}

void Form::userTab(bool backwards) {
  if (Control* next = nextInTabOrder(focus_, backwards)) setFocus(next);
}

bool Form::userEnterKey() {
  // A focused command button answers Enter itself, as on every desktop.
  Control* target = (focus_ && focus_->kind() == Kind::CommandButton) ? focus_ : defaultButton;
  if (!target || !target->visible() || !target->enabled()) return false;
  target->userClick();
  return true;
}

bool Form::userEscapeKey() {
  if (!cancelButton || !cancelButton->visible() || !cancelButton->enabled()) return false;
  cancelButton->userClick();
  return true;
}

Control* Form::accessKeyTarget(char key) const {
  key = upperChar(key);
  for (const auto& c : controls_) {
    const Kind kind = c->kind();
    if (c->accessKey() == key && c->visible() && c->enabled() &&
        (kind == Kind::CommandButton || kind == Kind::CheckBox || kind == Kind::Label))
      return c.get();
  }
  return nullptr;
}

bool Form::userAccessKey(char key) {
  Control* c = accessKeyTarget(key);
  if (!c) return false;
  if (c->kind() == Kind::Label) {
    // A label hands the focus to the next control in tab order that can take it, tab stop
    // or not.
    if (Control* next = nextInTabOrder(c, false, {.tabStopsOnly = false, .wrap = false}))
      setFocus(next);
    return true;
  }
  setFocus(c);
  c->userClick();
  return true;
}

void Form::setMenuBar(std::vector<MenuItem> menus) {
  if (menus_.setBar(std::move(menus))) notifyMenus();
}

void Form::setPopupMenu(const std::string& name, std::vector<MenuItem> items) {
  if (menus_.setPopup(name, std::move(items))) notifyMenus();
}

bool Form::userCommand(CommandId id) {
  if (!enabled_) return false;
  // A copy: the handler may replace the menus, and with them the command it runs from.
  const std::function<void()> handler = menus_.handlerOf(id);
  if (!handler) return false;
  handler();
  return true;
}

void Form::addObserver(FormObserver* o) {
  observers_.push_back(o);
}

void Form::removeObserver(FormObserver* o) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

void Form::notify(Control& c, Property what) {
  for (auto* o : observers_) o->propertyChanged(c, what);
}

void Form::notifyForm() {
  for (auto* o : observers_) o->formChanged();
}

void Form::notifyMenus() {
  for (auto* o : observers_) o->menusChanged();
}

}  // namespace orv::form

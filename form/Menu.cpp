#include "form/Menu.h"

namespace orv::form {

namespace {

using Items = std::vector<MenuItem>;

bool sameLook(const Items& a, const Items& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const MenuItem& x = a[i];
    const MenuItem& y = b[i];
    if (x.type != y.type || x.caption != y.caption || x.shortcut != y.shortcut ||
        x.enabled != y.enabled || !sameLook(x.items, y.items))
      return false;
  }
  return true;
}

void copyIds(const Items& from, Items& to) {
  for (std::size_t i = 0; i < from.size(); ++i) {
    to[i].id = from[i].id;
    copyIds(from[i].items, to[i].items);
  }
}

void giveIds(Items& items, CommandId& next) {
  for (MenuItem& item : items) {
    item.id = item.type == MenuItem::Type::Command ? next++ : 0;
    giveIds(item.items, next);
  }
}

// The command `id` among `items` if it and the submenus leading to it are enabled.
const MenuItem* enabledCommand(const Items& items, CommandId id) {
  for (const MenuItem& item : items) {
    if (item.type == MenuItem::Type::Command && item.id == id)
      return item.enabled ? &item : nullptr;
    if (item.type != MenuItem::Type::Submenu) continue;
    if (const MenuItem* found = enabledCommand(item.items, id))
      return item.enabled ? found : nullptr;
  }
  return nullptr;
}

const MenuItem* byCaptions(const Items& items, const std::vector<std::string_view>& path,
                           std::size_t at) {
  for (const MenuItem& item : items) {
    if (withoutAccessMarks(item.caption) != path[at]) continue;
    if (at + 1 == path.size() && item.type == MenuItem::Type::Command) return &item;
    if (at + 1 < path.size() && item.type == MenuItem::Type::Submenu) {
      if (const MenuItem* found = byCaptions(item.items, path, at + 1)) return found;
    }
  }
  return nullptr;
}

}  // namespace

MenuItem MenuItem::command(std::string caption, std::function<void()> onClick, std::string shortcut,
                           bool enabled) {
  MenuItem item;
  item.caption = std::move(caption);
  item.onClick = std::move(onClick);
  item.shortcut = std::move(shortcut);
  item.enabled = enabled;
  return item;
}

MenuItem MenuItem::separator() {
  MenuItem item;
  item.type = Type::Separator;
  return item;
}

MenuItem MenuItem::submenu(std::string caption, std::vector<MenuItem> items, bool enabled) {
  MenuItem item;
  item.type = Type::Submenu;
  item.caption = std::move(caption);
  item.items = std::move(items);
  item.enabled = enabled;
  return item;
}

std::string withoutAccessMarks(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&x" -> "x", "&&" -> "&"
    out += caption[i];
  }
  return out;
}

bool Menus::replace(Items& now, Items fresh) {
  const bool changed = !sameLook(now, fresh);
  if (changed)
    giveIds(fresh, nextId_);
  else
    copyIds(now, fresh);
  now = std::move(fresh);
  return changed;
}

bool Menus::setBar(Items bar) {
  return replace(bar_, std::move(bar));
}

bool Menus::setPopup(const std::string& name, Items items) {
  return replace(popups_[name], std::move(items));
}

const Items* Menus::popup(std::string_view name) const {
  const auto it = popups_.find(name);
  return it == popups_.end() ? nullptr : &it->second;
}

CommandId Menus::find(const std::vector<std::string_view>& path) const {
  if (path.empty()) return 0;
  if (const MenuItem* c = byCaptions(bar_, path, 0)) return c->id;
  const Items* items = path.size() > 1 ? popup(path[0]) : nullptr;
  const MenuItem* c = items ? byCaptions(*items, path, 1) : nullptr;
  return c ? c->id : 0;
}

std::function<void()> Menus::handlerOf(CommandId id) const {
  if (id <= 0) return {};
  const MenuItem* c = enabledCommand(bar_, id);
  for (auto it = popups_.begin(); !c && it != popups_.end(); ++it)
    c = enabledCommand(it->second, id);
  return c ? c->onClick : std::function<void()>{};
}

}  // namespace orv::form

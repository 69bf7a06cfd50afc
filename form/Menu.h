// The menus a form describes: a menu bar and named popup menus, each a list of items
// (commands, separators, submenus). Plain data that the window logic builds, and builds again
// whenever what they show changes; the form gives every command an id. Not a widget: the Qt
// view shows the menu bar as a QMenuBar and a popup menu as a QMenu.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orv::form {

// Names one command of one build of a form's menus; 0 names none. A command of a menu that
// has since been replaced keeps its old id, which no longer names anything.
using CommandId = int;

struct MenuItem {
  enum class Type { Command, Separator, Submenu };
  Type type = Type::Command;
  std::string caption;   // "&Remove": "&" marks the access key, "&&" is an ampersand
  std::string shortcut;  // a command's key, as "Ctrl+Shift+S" or "F5"; empty: none
  bool enabled = true;
  std::function<void()> onClick;  // a command's handler
  std::vector<MenuItem> items;    // a submenu's items
  CommandId id = 0;               // a command's id, given by the form

  static MenuItem command(std::string caption, std::function<void()> onClick,
                          std::string shortcut = {}, bool enabled = true);
  static MenuItem separator();
  static MenuItem submenu(std::string caption, std::vector<MenuItem> items, bool enabled = true);
};

// The caption as a person reads it: access-key marks removed ("&&" is a literal "&").
std::string withoutAccessMarks(std::string_view caption);

// A form's menu bar and popup menus and the ids of their commands. Replacing a menu with one
// that looks the same (captions, shortcuts, enabled flags, structure) keeps its ids and takes
// the new handlers; any other replacement gives each of its commands a new id.
class Menus {
 public:
  // Each replaces what was there; true when what a person sees changed.
  bool setBar(std::vector<MenuItem> bar);
  bool setPopup(const std::string& name, std::vector<MenuItem> items);

  const std::vector<MenuItem>& bar() const { return bar_; }
  // The items of the popup menu `name`, or null when the form has none of that name.
  const std::vector<MenuItem>* popup(std::string_view name) const;

  // The command at the end of `path`: a menu title (or a popup menu's name), the captions of
  // the submenus below it and the command's caption, all without access-key marks. 0: none.
  CommandId find(const std::vector<std::string_view>& path) const;
  // A copy of the handler of command `id`, empty when there is no such command or it or a
  // menu leading to it is disabled (a person could not reach it).
  std::function<void()> handlerOf(CommandId id) const;

 private:
  bool replace(std::vector<MenuItem>& now, std::vector<MenuItem> fresh);

  std::vector<MenuItem> bar_;
  std::map<std::string, std::vector<MenuItem>, std::less<>> popups_;
  CommandId nextId_ = 1;
};

}  // namespace orv::form

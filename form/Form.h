// A form: its controls in stacking order (topmost first), the input focus, the tab order,
// access keys, its menus and the form's own events. Qt-free; the view observes it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "form/Control.h"
#include "form/Controls.h"
#include "form/Menu.h"

namespace orv::form {

// Told about every change the view must mirror.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void propertyChanged(Control& control, Property what) = 0;
  virtual void focusChanged(Control* now) = 0;
  virtual void formChanged() = 0;  // caption, visibility, enabled
  virtual void menusChanged() {}   // the menu bar or a popup menu was replaced
};

// Which controls a walk through the tab order passes. It passes the controls with a tab index
// that can take the focus, in the order of their tab indexes (equal ones in stacking order);
// Tab moves the focus along it, a label's access key leads to the control after the label,
// and a label names that control for assistive tools.
struct TabWalk {
  bool tabStopsOnly = true;   // only controls whose tabStop is on (Tab; not a label's key)
  bool reachableOnly = true;  // only visible, enabled controls (not for naming)
  bool labels = false;        // labels too, in their places (for naming)
  bool wrap = true;           // past the last control comes the first again (Tab)
};

class Form {
 public:
  Form(std::string name, std::string caption, Rect clientArea, Font font);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  const Rect& clientArea() const { return area_; }
  const Font& font() const { return font_; }
  Color backColor = kSystemButtonFace;
  std::string tag;

  // The window-level Enter and Escape buttons (none when null): Enter clicks the default
  // button unless a command button has the focus, Escape clicks the cancel button.
  Control* defaultButton = nullptr;
  Control* cancelButton = nullptr;

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  // Adds a control below those added before (design tables list the topmost first).
  template <class T, class... Args>
  T& add(Args&&... args) {
    auto owned = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& ref = *owned;
    controls_.push_back(std::move(owned));
    return ref;
  }
  Control& addControl(Kind kind, std::string name, int index = -1);
  // Adds the control a design row describes, of the class its kind needs. A container that
  // is not there yet is a design error (std::logic_error), found while the window is built.
  Control& addDesigned(const ControlDesign& design);

  // Controls in stacking order, topmost first.
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  Control* find(std::string_view name, int index = -1) const;
  // The control `name` (element `index`) as the class T. A control that is missing or of
  // another class is a design error (std::logic_error): windows take their typed pointers
  // this way while they are built, never from an event.
  template <class T = Control>
  T& get(std::string_view name, int index = -1) const {
    if (auto* c = dynamic_cast<T*>(find(name, index))) return *c;
    designError(name, index);
  }
  void bringToFront(Control& control);

  // --- focus ---
  Control* focus() const { return focus_; }
  // Raises LostFocus on the old control, then GotFocus on the new one. Setting the focus
  // to the control that has it raises nothing. A LostFocus handler that sets the focus
  // (for example back onto itself) redirects this change instead of starting another.
  void setFocus(Control* target);
  // The controls `walk` passes, in tab order.
  std::vector<Control*> tabOrder(const TabWalk& walk = {}) const;
  // The control after (or before) `from` in tab order that `walk` passes; from none, the
  // first (or last). Null when there is none.
  Control* nextInTabOrder(const Control* from, bool backwards = false,
                          const TabWalk& walk = {}) const;

  // --- the form's life ---
  bool loaded() const { return loaded_; }
  bool shown() const { return shown_; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  std::function<void()> onLoad, onActivate, onUnload;
  std::function<void(int& cancel, int unloadMode)> onQueryUnload;
  void load();  // raises Load once
  void show();  // marks the form shown (the view shows its window)
  // Asks the form to close: QueryUnload, then Unload; false when a handler cancelled.
  bool unload(int unloadMode = 1);

  // --- user input ---
  void userActivate();  // the window became active: raises Activate
  void userClose();     // the window's close box
  void userTab(bool backwards);
  // Enter and Escape at window level; true when a button took the key. The view calls
  // these only for a form that has a default or cancel button.
  bool userEnterKey();
  bool userEscapeKey();
  // Alt + key: presses the button, flips the check box or moves to the control after the
  // label. True if taken.
  bool userAccessKey(char key);
  // True when Alt + `key` is one of the form's own access keys (a shown, enabled button, check
  // box or label marks it); other keys are free for the menu bar's titles.
  bool takesAccessKey(char key) const { return accessKeyTarget(key) != nullptr; }

  // --- menus (see form/Menu.h); observers hear of a change that a person can see ---
  // The menu bar: its titles are the captions of its submenus. Empty: none.
  void setMenuBar(std::vector<MenuItem> menus);
  const std::vector<MenuItem>& menuBar() const { return menus_.bar(); }
  // A popup menu that controls name (Control::popupMenu).
  void setPopupMenu(const std::string& name, std::vector<MenuItem> items);
  const std::vector<MenuItem>* popupMenu(std::string_view name) const { return menus_.popup(name); }
  // The id of the command at the end of a path of captions, without access-key marks:
  // findCommand({"File", "Save drawing..."}), or a popup menu's name first. 0: none.
  CommandId findCommand(const std::vector<std::string_view>& path) const {
    return menus_.find(path);
  }
  // A person chooses command `id` (from a menu or by its shortcut): runs its handler. False,
  // and nothing runs, for an id of menus since replaced, a disabled command or form.
  bool userCommand(CommandId id);

  // --- observers ---
  void addObserver(FormObserver* o);
  void removeObserver(FormObserver* o);
  void notify(Control& c, Property what);

 private:
  void notifyForm();
  void notifyMenus();
  Control* accessKeyTarget(char key) const;
  [[noreturn]] void designError(std::string_view name, int index) const;

  std::string name_;
  std::string caption_;
  Rect area_;
  Font font_;
  std::vector<std::unique_ptr<Control>> controls_;
  Menus menus_;
  std::vector<FormObserver*> observers_;
  Control* focus_ = nullptr;
  bool changingFocus_ = false;
  Control* redirect_ = nullptr;
  bool loaded_ = false;
  bool shown_ = false;
  bool enabled_ = true;
};

}  // namespace orv::form

// The form model's controls: plain properties behind setters. A setter that really changes
// a value raises the control's own event at once, nested inside the running handler; a
// setter that changes nothing raises nothing. Not a widget: the Qt view mirrors it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "form/Design.h"
#include "form/Menu.h"

namespace orv::form {

class Form;

// What changed, for the view.
enum class Property {
  Caption,
  Text,
  List,
  ListIndex,
  Visible,
  Enabled,
  Colors,
  Value,
  Range,
  Geometry,
  ZOrder
};

class Control {
 public:
  Control(Form& form, Kind kind, std::string name, int index);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // --- design data (set while the form is built) ---
  Form& form() const { return form_; }
  Kind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }  // element of a control array, -1 otherwise
  std::string displayName() const;      // "S_TEXT1(3)" or "S_YEAR"
  Rect rect;
  Font font;          // empty family: the form's font
  int tabIndex = -1;  // -1: takes no part in the tab order
  bool tabStop = true;
  Control* container = nullptr;  // the frame that holds it, or none
  Align alignment = Align::Left;
  bool border = false;
  bool multiLine = false;
  bool readOnly = false;
  int maxLength = 0;  // 0: no limit
  // The scroll bar that a mouse wheel over this control turns (the cells of a grid scroll
  // the grid), or none.
  Control* wheelTarget = nullptr;
  // The popup menu of the form (Form::setPopupMenu) that a person's request for this
  // control's context menu shows; empty: the widget's own, if it has one.
  std::string popupMenu;
  // True when a request for the context menu is the form's (a popup menu or a handler).
  bool hasContextMenu() const { return !popupMenu.empty() || onContextMenu != nullptr; }

  // True for the kinds that can hold the input focus.
  bool canTakeFocus() const;
  // The access key marked by "&" in the caption, upper case, or 0.
  char accessKey() const;

  // --- properties ---
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  const std::string& text() const { return text_; }
  // Raises Change when the text really changes.
  void setText(std::string text);

  std::string tag;  // a free text property; no event

  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);

  Color backColor() const { return backColor_; }
  Color foreColor() const { return foreColor_; }
  void setBackColor(Color c);
  void setForeColor(Color c);

  void setTop(int top);
  void setLeft(int left);
  // Brings the control in front of its siblings.
  void bringToFront();

  bool hasFocus() const;
  // Moves the input focus here (raising LostFocus and GotFocus).
  void setFocus();

  // --- events, assigned by the window logic ---
  std::function<void()> onClick, onDblClick, onGotFocus, onLostFocus, onChange, onDropDown;
  // A person asked for the context menu here, before it shows (a grid row selects itself).
  std::function<void()> onContextMenu;
  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void(int keyCode, int shift)> onKeyDown;

  // --- user input: the view calls these and nothing else, tests too ---
  // Raises Click (a check box flips its value first).
  virtual void userClick();
  void userDblClick();
  void userFocus();
  // Raises KeyPress; returns the character to insert (changed by the handler, 0 = none).
  int userKeyPress(int keyAscii);
  void userKeyDown(int keyCode, int shift = 0);
  // The edit field's whole new text after typing.
  void userType(std::string text);
  // The right button, the Menu key or Shift+F10 on the control: raises ContextMenu, then
  // returns the items of the popup menu the control names for the view to show (null: none;
  // the handler may have built them anew).
  const std::vector<MenuItem>* userContextMenu();

 protected:
  void changed(Property what);
  // Sets the text without raising Change (a list selection reports itself with Click).
  void setTextSilently(std::string text);
  static void raise(const std::function<void()>& handler) {
    if (handler) handler();
  }

 private:
  Form& form_;
  Kind kind_;
  std::string name_;
  int index_;
  std::string caption_;
  std::string text_;
  bool visible_ = true;
  bool enabled_ = true;
  Color backColor_ = kWhite;
  Color foreColor_ = kBlack;
};

}  // namespace orv::form

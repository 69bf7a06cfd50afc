#include "form/Control.h"

#include "core/Text.h"
#include "form/Controls.h"
#include "form/Form.h"

namespace orv::form {

using namespace core;

Control::Control(Form& form, Kind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
  // Input boxes are white by default; labels, buttons and frames take the face colour.
  const bool inputBox = kind == Kind::TextBox || kind == Kind::ComboBox || kind == Kind::ListBox;
  backColor_ = inputBox ? kWhite : kSystemButtonFace;
}

std::string Control::displayName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Control::canTakeFocus() const {
  switch (kind_) {
    case Kind::CommandButton:
    case Kind::ComboBox:
    case Kind::ListBox:
    case Kind::TextBox:
    case Kind::ScrollBar:
    case Kind::CheckBox:
      return true;
    default:
      return false;
  }
}

char Control::accessKey() const {
  for (std::size_t i = 0; i + 1 < caption_.size(); ++i) {
    if (caption_[i] != '&') continue;
    const char c = caption_[i + 1];
    if (c == '&') {  // "&&" is a literal ampersand
      ++i;
      continue;
    }
    return upperChar(c);
  }
  return 0;
}

void Control::setCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  changed(Property::Caption);
}

void Control::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  if (kind_ == Kind::ComboBox || kind_ == Kind::ListBox)
    static_cast<ListControl*>(this)->textWasSet();
  changed(Property::Text);
  raise(onChange);
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  changed(Property::Visible);
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  changed(Property::Enabled);
}

void Control::setBackColor(Color c) {
  if (c == backColor_) return;
  backColor_ = c;
  changed(Property::Colors);
}

void Control::setForeColor(Color c) {
  if (c == foreColor_) return;
  foreColor_ = c;
  changed(Property::Colors);
}

void Control::setTop(int top) {
  if (top == rect.top) return;
  rect.top = top;
  changed(Property::Geometry);
}

void Control::setLeft(int left) {
  if (left == rect.left) return;
  rect.left = left;
  changed(Property::Geometry);
}

void Control::bringToFront() {
  form_.bringToFront(*this);
}

bool Control::hasFocus() const {
  return form_.focus() == this;
}

void Control::setFocus() {
  form_.setFocus(this);
}

void Control::userClick() {
  raise(onClick);
}
void Control::userDblClick() {
  raise(onDblClick);
}
void Control::userFocus() {
  form_.setFocus(this);
}

int Control::userKeyPress(int keyAscii) {
  if (onKeyPress) onKeyPress(keyAscii);
  return keyAscii;
}

void Control::userKeyDown(int keyCode, int shift) {
  if (onKeyDown) onKeyDown(keyCode, shift);
}

const std::vector<MenuItem>* Control::userContextMenu() {
  raise(onContextMenu);
  return popupMenu.empty() ? nullptr : form_.popupMenu(popupMenu);
}

void Control::userType(std::string text) {
  if (maxLength > 0 && text.size() > static_cast<std::size_t>(maxLength)) text.resize(maxLength);
  setText(std::move(text));
}

void Control::changed(Property what) {
  form_.notify(*this, what);
}

void Control::setTextSilently(std::string text) {
  text_ = std::move(text);
  changed(Property::Text);
}

}  // namespace orv::form

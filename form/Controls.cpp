#include "form/Controls.h"

#include <algorithm>

#include "core/ListOrder.h"

namespace orv::form {

using namespace core;

void ListControl::sortNow() const {
  if (!unsorted_) return;
  sortAsList(items_);
  unsorted_ = false;
}

const std::string& ListControl::item(int i) const {
  sortNow();
  return items_.at(static_cast<std::size_t>(i));
}

const std::vector<std::string>& ListControl::items() const {
  sortNow();
  return items_;
}

void ListControl::addItem(std::string entry) {
  if (sorted && !items_.empty() && listOrderBefore(entry, items_.back())) unsorted_ = true;
  items_.push_back(std::move(entry));
  changed(Property::List);
}

void ListControl::clear() {
  const bool hadItems = !items_.empty();
  items_.clear();
  unsorted_ = false;
  if (listIndex_ != -1) {
    listIndex_ = -1;
    changed(Property::ListIndex);
  }
  if (hadItems) changed(Property::List);
  if (kind() == Kind::ComboBox) setText("");
}

void ListControl::setListIndex(int index) {
  if (index < -1 || index >= count() || index == listIndex_) return;
  listIndex_ = index;
  if (index >= 0) {
    // The entry becomes the text without a Change event; Click reports the selection.
    const std::string& entry = item(index);
    if (entry != text()) Control::setTextSilently(entry);
  }
  changed(Property::ListIndex);
  raise(onClick);
}

void ListControl::userSelect(int index) {
  if (index < 0 || index >= count()) return;
  listIndex_ = index;
  const std::string& entry = item(index);
  if (entry != text()) Control::setTextSilently(entry);
  changed(Property::ListIndex);
  raise(onClick);
}

void ListControl::userDropDown() {
  raise(onDropDown);
}

void ListControl::textWasSet() {
  if (listIndex_ >= 0 && (listIndex_ >= count() || item(listIndex_) != text())) {
    listIndex_ = -1;
    changed(Property::ListIndex);
  }
}

void ScrollBar::setValue(int value) {
  value = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
  if (value == value_) return;
  value_ = value;
  changed(Property::Value);
  raise(onChange);
}

void ScrollBar::setMax(int max) {
  if (max == max_) return;
  max_ = max;
  changed(Property::Range);
  setValue(value_);
}

void ScrollBar::setMin(int min) {
  if (min == min_) return;
  min_ = min;
  changed(Property::Range);
  setValue(value_);
}

void CheckBox::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  changed(Property::Value);
  raise(onClick);
}

}  // namespace orv::form

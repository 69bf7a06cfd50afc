// The control kinds with properties of their own: list controls, the scroll bar and the
// check box.
// Labels, buttons, text boxes, frames and lines are plain Controls of their kind.
#pragma once

#include <string>
#include <vector>

#include "form/Control.h"

namespace orv::form {

// Entries of a combo box or a list box. A sorted list keeps its entries in alphabetical
// order without regard to case (equal entries in the order added); sorting happens once,
// when the entries are next read, so filling a long list stays linear-logarithmic.
class ListControl : public Control {
 public:
  using Control::Control;
  bool sorted = false;

  int count() const { return static_cast<int>(items_.size()); }
  const std::string& item(int i) const;
  const std::vector<std::string>& items() const;
  void addItem(std::string entry);
  // Removes every entry; a combo box's text becomes empty too.
  void clear();
  // Reserves room for a known number of entries.
  void reserve(std::size_t n) { items_.reserve(n); }

  int listIndex() const { return listIndex_; }
  // Selects an entry (-1: none). A real change puts the entry into the text and raises
  // Click.
  void setListIndex(int index);

  // A person picks entry `index` from the open list: raises Click even for the same entry.
  void userSelect(int index);
  // A person opens the drop-down list.
  void userDropDown();

 protected:
  void textWasSet();
  friend class Control;

 private:
  void sortNow() const;
  mutable std::vector<std::string> items_;
  mutable bool unsorted_ = false;
  int listIndex_ = -1;
};

class ComboBox : public ListControl {
 public:
  ComboBox(Form& form, std::string name) : ListControl(form, Kind::ComboBox, std::move(name), -1) {}
};

class ListBox : public ListControl {
 public:
  ListBox(Form& form, std::string name) : ListControl(form, Kind::ListBox, std::move(name), -1) {}
};

class ScrollBar : public Control {
 public:
  ScrollBar(Form& form, std::string name) : Control(form, Kind::ScrollBar, std::move(name), -1) {}

  int value() const { return value_; }
  int min() const { return min_; }
  int max() const { return max_; }
  int smallChange = 1;
  int largeChange = 10;

  // Clamped into [min, max]; raises Change when the value really changes.
  void setValue(int value);
  // A value left outside the new range is pulled in (raising Change).
  void setMax(int max);
  void setMin(int min);

  // A person moves the bar.
  void userScroll(int value) { setValue(value); }

 private:
  int value_ = 0;
  int min_ = 0;
  int max_ = 32767;
};

// A check box: checked or not, with a caption that may mark an access key. A person's click
// (or the access key) flips the value; either way, and when code changes the value, Click is
// raised, but only on a real change.
class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, int index = -1)
      : Control(form, Kind::CheckBox, std::move(name), index) {}

  bool checked() const { return checked_; }
  void setChecked(bool checked);

  // A person clicks the box: the value flips.
  void userClick() override { setChecked(!checked_); }

 private:
  bool checked_ = false;
};

}  // namespace orv::form

// Where the style draws the parts a person presses: a scroll bar's arrows, trough and thumb,
// a combo box's arrow, a check box's indicator. Tests press at these places rather than at
// guessed pixels.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>

namespace orv::testing {

inline QRect scrollBarPart(const QScrollBar* bar, QStyle::SubControl part) {
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.subControls = QStyle::SC_All;
  opt.orientation = bar->orientation();
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = bar->sliderPosition();
  opt.sliderValue = bar->value();
  opt.singleStep = bar->singleStep();
  opt.pageStep = bar->pageStep();
  opt.upsideDown = bar->invertedAppearance();
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
}

inline QRect comboBoxArrow(const QComboBox* box) {
  QStyleOptionComboBox opt;
  opt.initFrom(box);
  opt.editable = box->isEditable();
  opt.subControls = QStyle::SC_All;
  return box->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, box);
}

inline QRect checkBoxIndicator(const QCheckBox* box) {
  QStyleOptionButton opt;
  opt.initFrom(box);
  opt.text = box->text();
  return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, box);
}

// Longer than a scroll bar's auto-repeat delay (500 ms): a bar that missed its release has
// stepped again by then.
inline constexpr int kPastRepeatDelay = 700;

}  // namespace orv::testing

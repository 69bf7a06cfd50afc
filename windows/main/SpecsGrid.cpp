// The fourteen-row grid: filling it from the row list, scrolling, the highlighted row and
// the keyboard receiver S_SCROLL2 that carries the grid's focus unseen.
#include <algorithm>

#include "core/Fields.h"
#include "core/Format.h"
#include "windows/main/SpecsWindow.h"

namespace orv::windows {

using namespace core;

void SpecsWindow::F_SCROLL() {
  const auto& rows = selection_.rows();
  const int top = selection_.top();
  const UnitSystem units = selection_.units();
  for (int i = 0; i < kGridRows; ++i) {
    const auto p = static_cast<std::size_t>(top + i);
    // A row past the end of the list shows nothing, as a record of no model would.
    const VehicleRecord record = p < rows.size() ? rows[p] : VehicleRecord();
    S_MODEL[i]->setText(std::string(record.shownModel()));
    if (record.shownModel().empty()) {
      for (auto& column : S_TEXT) column[i]->setText("");
      continue;
    }
    for (std::size_t c = 0; c < kPairedColumns.size(); ++c) {
      const auto& pair = kPairedColumns[c];
      S_TEXT[c][i]->setText(formatField(record, pair.upper, units) + "\r\n" +
                            formatField(record, pair.lower, units));
    }
    // The weight distribution is shown as stored, under a blank first line.
    S_TEXT[7][i]->setText(" \r\n" + formatField(record, WD, units));
  }
}

void SpecsWindow::S_SCROLL_Change() {
  // The scroll bar reports where the grid now starts, whoever moved it.
  selection_.setTop(S_SCROLL->value());
  F_SCROLL();
  F_LINE_SET(selection_.currentRow());
  S_SCROLL2->setFocus();
}

void SpecsWindow::F_LINE_SET2(int in_row) {
  auto paint = [](form::Control* cell, form::Color back, form::Color fore) {
    cell->setBackColor(back);
    cell->setForeColor(fore);
  };
  for (int i = 0; i < kGridRows; ++i) {
    paint(S_MODEL[i], form::kWhite, form::kBlack);
    for (auto& column : S_TEXT) paint(column[i], form::kWhite, form::kBlack);
  }
  if (in_row < 0 || in_row >= kGridRows) return;
  const auto back = S_LIST->backColor();
  const auto fore = S_LIST->foreColor();
  paint(S_MODEL[in_row], back, fore);
  for (auto& column : S_TEXT) paint(column[in_row], back, fore);
}

void SpecsWindow::F_LINE_SET(int in_row) {
  selection_.setCurrentRow(in_row);
  F_LINE_SET2(in_row);
}

void SpecsWindow::S_SCROLL2_GotFocus() {
  F_LINE_SET(selection_.currentRow());
}
void SpecsWindow::S_SCROLL2_LostFocus() {
  F_LINE_SET2(-1);
}

void SpecsWindow::setSinkEntry(int top) {
  // Nothing reads the sink entry; past its last entry it stays on the last one.
  S_SCROLL2->setListIndex(std::clamp(top, 0, std::max(0, S_SCROLL2->count() - 1)));
}

void SpecsWindow::S_SCROLL2_KeyDown(int keyCode, int /*shift*/) {
  // Shift, Ctrl and Alt make no difference. Assigning the scroll value raises S_SCROLL_Change
  // at once, which redraws and highlights the current row, so the row is stored first.
  const int r = selection_.currentRow();
  const bool scrolls = S_SCROLL->visible();
  const int top = selection_.top();
  const int max = S_SCROLL->max();
  constexpr int kLast = kGridRows - 1;
  switch (keyCode) {
    case form::kKeyHome:
      F_LINE_SET(0);
      S_SCROLL->setValue(0);
      setSinkEntry(0);
      F_SCROLL();  // top may already be 0, and then no change is raised
      break;
    case form::kKeyEnd:
      F_LINE_SET(kLast);
      if (scrolls) {
        S_SCROLL->setValue(max);
        setSinkEntry(S_SCROLL->value());
      }
      break;
    case form::kKeyDown:
      if (r != kLast) {
        F_LINE_SET(r + 1);
      } else if (scrolls && top != max) {
        S_SCROLL->setValue(top + 1);
        setSinkEntry(S_SCROLL->value());
      }
      break;
    case form::kKeyUp:
      if (r != 0) {
        F_LINE_SET(r - 1);
      } else if (scrolls && top != 0) {
        S_SCROLL->setValue(top - 1);
        setSinkEntry(S_SCROLL->value());
      }
      break;
    case form::kKeyPageDown:
      if (r != kLast) {
        F_LINE_SET(kLast);
      } else if (scrolls && top != max) {
        S_SCROLL->setValue(std::min(top + kGridRows, max));
        setSinkEntry(S_SCROLL->value());
      }
      break;
    case form::kKeyPageUp:
      if (r != 0) {
        F_LINE_SET(0);
      } else if (scrolls && top != 0) {
        S_SCROLL->setValue(std::max(top - kGridRows, 0));
        setSinkEntry(S_SCROLL->value());
      }
      break;
    default:
      break;
  }
}

void SpecsWindow::S_MODEL_Click(int index) {
  F_LINE_SET(index);
  S_SCROLL2->setFocus();
}

void SpecsWindow::S_MODEL_GotFocus(int index) {
  S_MODEL_Click(index);
}
void SpecsWindow::S_MODEL_LostFocus(int /*index*/) {
  F_LINE_SET2(-1);
}

void SpecsWindow::S_TEXT_Click(int index) {
  F_LINE_SET(index);
  S_SCROLL2->setFocus();
}

void SpecsWindow::S_CELL_DblClick(int /*index*/) {
  B_MODEL_Click();
}

}  // namespace orv::windows

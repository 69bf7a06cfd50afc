// Keeping the widgets of a FormView in step with the model: changes are marked as they
// arrive and applied once per flush, with each widget's signals blocked so that nothing
// echoes back into the model.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaObject>
#include <QScrollBar>
#include <QSignalBlocker>

#include "qtview/ColorMapping.h"
#include "qtview/ControlWidgets.h"
#include "qtview/FontMapping.h"
#include "qtview/FormView.h"
#include "qtview/QtText.h"

namespace orv::qt {

using form::Kind;
using form::Property;

namespace {
constexpr unsigned bit(Property p) {
  return 1u << static_cast<int>(p);
}
constexpr unsigned kListBits = bit(Property::List) | bit(Property::ListIndex) | bit(Property::Text);

QStringList toQStrings(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(items.size()));
  for (const auto& s : items) out.push_back(fromModel(s));
  return out;
}
}  // namespace

void FormView::propertyChanged(form::Control& control, Property what) {
  markDirty(control, bit(what));
}

void FormView::focusChanged(form::Control*) {
  focusDirty_ = true;
  scheduleFlush();
}

void FormView::formChanged() {
  formDirty_ = true;
  scheduleFlush();
}

void FormView::menusChanged() {
  menusDirty_ = true;
  scheduleFlush();
}

void FormView::markDirty(form::Control& control, unsigned bits) {
  const auto it = byControl_.find(&control);
  if (it == byControl_.end()) return;
  Entry& e = entries_[it->second];
  if (e.dirty == 0) dirtyList_.push_back(it->second);
  e.dirty |= bits;
  scheduleFlush();
}

void FormView::scheduleFlush() {
  if (scheduled_) return;
  scheduled_ = true;
  QMetaObject::invokeMethod(this, &FormView::flush, Qt::QueuedConnection);
}

void FormView::flush() {
  scheduled_ = false;
  if (flushing_) return;  // the running flush picks the new changes up
  flushing_ = true;
  while (!dirtyList_.empty() || formDirty_ || focusDirty_ || namesDirty_ || menusDirty_) {
    std::vector<std::size_t> dirty;
    dirty.swap(dirtyList_);
    for (std::size_t i : dirty) {
      Entry& e = entries_[i];
      const unsigned bits = e.dirty;
      e.dirty = 0;
      apply(e, bits);
    }
    if (namesDirty_) {
      namesDirty_ = false;
      updateAccessibleNames();
    }
    if (menusDirty_) {
      menusDirty_ = false;
      applyMenus();
    }
    if (formDirty_) {
      formDirty_ = false;
      applyForm();
    }
    if (focusDirty_) {
      focusDirty_ = false;
      applyFocus(false);
    }
  }
  flushing_ = false;
}

void FormView::apply(Entry& e, unsigned bits) {
  form::Control& c = *e.control;
  QWidget* w = e.widget;
  const QSignalBlocker blocker(w);

  if (bits & bit(Property::Geometry)) {
    using form::toPixels;
    const form::Rect& r = c.rect;
    if (c.kind() == Kind::Line) {
      // A line of no width (or height) is one pixel wide, drawn on its designed position.
      const bool vertical = r.width == 0;
      w->setGeometry(toPixels(r.left), toPixels(r.top), vertical ? 1 : toPixels(r.width),
                     vertical ? toPixels(r.height) : 1);
    } else {
      w->setGeometry(toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height));
    }
    w->setFont(toQFont(c.font, form_.font()));
  }
  if (bits & bit(Property::Caption)) {
    switch (c.kind()) {
      case Kind::Label:
        static_cast<QLabel*>(w)->setText(labelHtml(c.caption()));
        break;
      case Kind::CommandButton:
      case Kind::CheckBox: {
        auto* button = static_cast<QAbstractButton*>(w);
        button->setText(withQtLineEnds(c.caption()));
        // The "&" underlines the access key, but the key itself is the model's to handle.
        button->setShortcut(QKeySequence());
        break;
      }
      default:
        break;
    }
    namesDirty_ = true;
  }
  if (bits & bit(Property::Colors)) applyColors(*w, c.kind(), c.backColor(), c.foreColor());
  if (bits & bit(Property::Enabled)) w->setEnabled(c.enabled());
  if (bits & bit(Property::Visible)) {
    if (c.visible() && e.listStale) bits |= bit(Property::List);
    w->setVisible(c.visible());
  }
  if (bits & kListBits) applyList(e, bits);
  if (bits & (bit(Property::Value) | bit(Property::Range))) {
    if (auto* bar = qobject_cast<QScrollBar*>(w)) {
      auto& s = static_cast<form::ScrollBar&>(c);
      bar->setRange(std::min(s.min(), s.max()), std::max(s.min(), s.max()));
      bar->setInvertedAppearance(s.min() > s.max());
      bar->setSingleStep(s.smallChange);
      bar->setPageStep(s.largeChange);
      bar->setValue(s.value());
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
      box->setChecked(static_cast<form::CheckBox&>(c).checked());
    }
  }
  if (bits & bit(Property::ZOrder)) w->raise();
}

void FormView::applyList(Entry& e, unsigned bits) {
  form::Control& c = *e.control;
  switch (c.kind()) {
    case Kind::ComboBox: {
      auto* combo = static_cast<ModelComboBox*>(e.widget);
      auto& list = static_cast<form::ListControl&>(c);
      const QSignalBlocker lineBlocker(combo->lineEdit());
      if (bits & bit(Property::List)) combo->entries().entriesChanged();
      QLineEdit* edit = combo->lineEdit();
      const QString before = edit->text();
      const int cursor = edit->cursorPosition();
      if (bits & (bit(Property::List) | bit(Property::ListIndex)))
        combo->setCurrentIndex(list.listIndex());
      // An edit field that already shows the text keeps its cursor (choosing no entry
      // must not move the cursor of a person typing).
      const QString text = fromModel(c.text());
      if (edit->text() != text) {
        edit->setText(text);
        if (text == before) edit->setCursorPosition(cursor);
      }
      break;
    }
    case Kind::ListBox: {
      auto* view = static_cast<QListWidget*>(e.widget);
      auto& list = static_cast<form::ListControl&>(c);
      if (bits & bit(Property::List)) {
        if (!c.visible()) {
          e.listStale = true;  // a hidden list holds up to 100,000 entries nobody sees
          break;
        }
        e.listStale = false;
        view->clear();
        view->addItems(toQStrings(list.items()));
      }
      if (!e.listStale) view->setCurrentRow(list.listIndex());
      break;
    }
    case Kind::TextBox:
      if (auto* cell = qobject_cast<TextCell*>(e.widget)) {
        cell->showText(withQtLineEnds(c.text()));
      } else if (auto* edit = qobject_cast<QLineEdit*>(e.widget)) {
        const QString text = fromModel(c.text());
        if (edit->text() != text) edit->setText(text);
      }
      break;
    default:
      break;
  }
}

void FormView::applyForm() {
  setWindowTitle(fromModel(form_.caption()));
  {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(form_.backColor));
    setPalette(pal);
    setAutoFillBackground(true);
  }
  setEnabled(form_.enabled());
  if (form_.loaded() && form_.shown()) {
    if (!isVisible()) {
      wasShown_ = true;
      show();
      activateWindow();  // without a window manager nothing else makes it active
    }
  } else if (!form_.loaded() && wasShown_) {
    wasShown_ = false;
    if (isVisible()) {
      closingByModel_ = true;
      close();
      closingByModel_ = false;
    }
    emit formUnloaded();
  }
}

void FormView::applyFocus(bool force) {
  form::Control* c = form_.focus();
  if (!c) return;
  QWidget* w = widgetFor(*c);
  if (!w || !w->isEnabled()) return;
  const QWidget* current = focusWidget();
  if (!force && current && (current == w || w->isAncestorOf(current))) return;
  applyingFocus_ = true;
  w->setFocus(Qt::OtherFocusReason);
  applyingFocus_ = false;
}

void FormView::reapplyFocus() {
  applyFocus(true);
}

}  // namespace orv::qt

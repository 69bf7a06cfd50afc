// Building the widgets of a FormView: one standard widget per control, wired so that a
// person's input reaches the model through its user* calls.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "qtview/ControlWidgets.h"
#include "qtview/FormView.h"
#include "qtview/QtText.h"

namespace orv::qt {

using form::Kind;

namespace {
QFrame* makeFrame(QWidget* parent, bool border) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
  return frame;
}
}  // namespace

QWidget* FormView::widgetOrCreate(form::Control& control) {
  if (QWidget* w = widgetFor(control)) return w;
  QWidget* w = createWidget(control);
  w->setObjectName(fromModel(control.displayName()));
  const std::size_t index = entries_.size();
  entries_.push_back({&control, w});
  byControl_[&control] = index;
  byWidget_[w] = index;
  return w;
}

QWidget* FormView::createWidget(form::Control& control) {
  // A control inside a frame is a child of the frame's widget, placed in frame coordinates.
  QWidget* parent = control.container ? widgetOrCreate(*control.container) : client_;
  switch (control.kind()) {
    case Kind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::RichText);
      label->setWordWrap(true);
      label->setTextInteractionFlags(Qt::NoTextInteraction);
      label->setFrameStyle(control.border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
      label->setAlignment(
          Qt::AlignTop |
          (control.alignment == form::Align::Center ? Qt::AlignHCenter : Qt::AlignLeft));
      label->setMargin(0);
      label->setIndent(0);
      return label;
    }
    case Kind::CommandButton: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(true);  // a focused button answers Enter
      return button;
    }
    case Kind::ComboBox:
      return new ModelComboBox(static_cast<form::ListControl&>(control), parent);
    case Kind::ListBox:
      return new ModelListBox(parent);
    case Kind::TextBox:
      if (control.multiLine) {
        auto* cell =
            new TextCell(parent, control.readOnly, control.alignment == form::Align::Center);
        if (!control.border)
          cell->setFrameStyle(QFrame::NoFrame);
        else
          cell->setFrameStyle(QFrame::Box | QFrame::Plain);
        return cell;
      } else {
        auto* edit = new QLineEdit(parent);
        if (control.maxLength > 0) edit->setMaxLength(control.maxLength);
        edit->setReadOnly(control.readOnly);
        edit->setAlignment(control.alignment == form::Align::Center ? Qt::AlignHCenter
                                                                    : Qt::AlignLeft);
        return edit;
      }
    case Kind::ScrollBar:
      // Tracking: the value changes, and the grid follows, while the thumb is dragged.
      return new QScrollBar(Qt::Vertical, parent);
    case Kind::CheckBox:
      return new QCheckBox(parent);
    case Kind::Frame:
      return makeFrame(parent, control.border);
    case Kind::Line: {
      auto* line = new QFrame(parent);
      line->setFrameShadow(QFrame::Plain);
      line->setLineWidth(1);
      line->setFrameShape(control.rect.width == 0 ? QFrame::VLine : QFrame::HLine);
      line->setAttribute(Qt::WA_TransparentForMouseEvents);
      return line;
    }
  }
  return makeFrame(parent, false);
}

void FormView::connectInput(Entry& entry) {
  form::Control& c = *entry.control;
  QWidget* w = entry.widget;
  const std::size_t index = byControl_.at(&c);
  // Keys, the mouse wheel, requests for a context menu and presses that a message box
  // answered pass the view's filter; every other mouse event belongs to the widget alone.
  auto watch = [&](QObject* part) {
    byWidget_[part] = index;
    part->installEventFilter(this);
  };
  watch(w);
  if (c.canTakeFocus() && !c.readOnly) w->setFocusPolicy(Qt::ClickFocus);  // Tab is the model's

  switch (c.kind()) {
    case Kind::CommandButton:
    case Kind::CheckBox:
      // Qt decides what a click is: pressed and released on the button (a check box has
      // flipped itself by then, and the model flips its value to match).
      connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
              [this, &c] { forward([&c] { c.userClick(); }); });
      break;
    case Kind::ComboBox: {
      auto* combo = static_cast<ModelComboBox*>(w);
      auto& list = static_cast<form::ListControl&>(c);
      // DropDown first, so the popup shows the list the model has just rebuilt.
      combo->beforePopup = [this, &list] { forward([&list] { list.userDropDown(); }); };
      connect(combo, qOverload<int>(&QComboBox::activated), this,
              [this, &list](int i) { forward([&list, i] { list.userSelect(i); }); });
      connect(combo->lineEdit(), &QLineEdit::textEdited, this,
              [this, &c](const QString& t) { forward([&c, &t] { c.userType(toModel(t)); }); });
      break;
    }
    case Kind::ListBox: {
      auto* list = static_cast<ModelListBox*>(w);
      auto& model = static_cast<form::ListControl&>(c);
      watch(list->viewport());
      connect(list, &ModelListBox::chosen, this,
              [this, &model](int row) { forward([&model, row] { model.userSelect(row); }); });
      connect(list, &ModelListBox::doubleClicked, this,
              [this, &c] { forward([&c] { c.userDblClick(); }); });
      break;
    }
    case Kind::TextBox:
      if (auto* cell = qobject_cast<TextCell*>(w)) {
        watch(cell->viewport());
        // A read-only cell never takes Qt's focus: its press asks the model for it.
        connect(cell, &TextCell::pressed, this, [this, &c] { forward([&c] { c.userFocus(); }); });
        connect(cell, &TextCell::clicked, this, [this, &c] { forward([&c] { c.userClick(); }); });
        connect(cell, &TextCell::doubleClicked, this,
                [this, &c] { forward([&c] { c.userDblClick(); }); });
      } else {
        auto* edit = static_cast<QLineEdit*>(w);
        connect(edit, &QLineEdit::textEdited, this,
                [this, &c](const QString& t) { forward([&c, &t] { c.userType(toModel(t)); }); });
      }
      break;
    case Kind::ScrollBar: {
      auto* bar = static_cast<QScrollBar*>(w);
      auto& model = static_cast<form::ScrollBar&>(c);
      connect(bar, &QScrollBar::valueChanged, this,
              [this, &model](int v) { forward([&model, v] { model.userScroll(v); }); });
      break;
    }
    case Kind::Label:
    case Kind::Frame:
    case Kind::Line:
      break;
  }
}

void FormView::updateAccessibleNames() {
  // Labels, buttons, check boxes and frames are named by their captions.
  const auto captioned = [](Kind k) {
    return k == Kind::Label || k == Kind::CommandButton || k == Kind::CheckBox || k == Kind::Frame;
  };
  // A label names the control that follows it in tab order, as its access key leads there.
  QString pending;
  for (const form::Control* c :
       form_.tabOrder({.tabStopsOnly = false, .reachableOnly = false, .labels = true})) {
    if (c->kind() == Kind::Label) {
      const QString caption = plainCaption(c->caption()).simplified();
      if (!caption.isEmpty()) pending = caption;
      continue;
    }
    if (!captioned(c->kind()) && !pending.isEmpty()) widgetFor(*c)->setAccessibleName(pending);
    pending.clear();
  }
  for (auto& e : entries_) {
    const form::Control& c = *e.control;
    if (captioned(c.kind())) {
      const QString caption = plainCaption(c.caption()).simplified();
      e.widget->setAccessibleName(caption.isEmpty() ? fromModel(c.displayName()) : caption);
    } else if (e.widget->accessibleName().isEmpty()) {
      e.widget->setAccessibleName(fromModel(c.displayName()));
    }
  }
}

}  // namespace orv::qt

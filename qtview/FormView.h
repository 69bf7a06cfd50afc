// FormView: the one generic Qt window for any form model. It builds a standard Qt widget
// per control from the design data (twips at 96 dpi, fonts, colours, stacking, captions),
// keeps the widgets in step with the model, and feeds a person's input back into the
// model through its user* calls only. It holds no window logic and decides nothing: tab
// order, access keys, focus, menus and closing are the model's.
//
// The controls lie in the client area, a widget of the designed size. A form with a menu
// bar (Form::setMenuBar) shows a QMenuBar above it and the window is taller by the bar's
// height; every control keeps its designed place in the client area. A form without menus
// has no menu bar and the window is the client area's size. Alt + a letter is the form's
// access key where the form takes it (Form::takesAccessKey), else a menu title's. A menu
// command's shortcut works anywhere in the window, also over an edit field's own use of the
// key (a window that gives a command Ctrl+A takes "select all" from the edit fields). A control
// that names a popup menu shows it for the right button, the Menu key and Shift+F10, after
// its ContextMenu event.
//
// Usage (app code):
//   QApplication app(argc, argv);
//   orv::qt::QtDesktop desktop;                 // message boxes, documents, modal forms
//   orv::SpecsWindow specs({places, desktop.desktop(), clock, quit});
//   orv::qt::FormView view(specs.form());        // widgets for F_SPECS, hidden until shown
//   specs.form().show();                          // Load runs; the view shows the window
//   QObject::connect(&view, &orv::qt::FormView::formUnloaded, &app, &QApplication::quit);
//   return app.exec();
// A modal form (F_SEARCH) needs no code of its own: QtDesktop::showModal creates its view.
// The form must outlive its view. The view paints what the model holds: a label shows the
// window's grey only if its backColor says so, and a text box or label draws its one-pixel
// frame only where `border` is set (read when the view is built).
//
// Tests reach a view with FormView::viewOf(form) (also while a modal form is open, e.g.
// from QtDesktop::onModalShown or a timer) and its widgets with widget("S_MAKE").
//
// Model changes arrive synchronously and in bursts (a grid rewrite, thousands of list
// entries); the view only marks what changed and brings the widgets up to date in flush(),
// which runs after every forwarded input, before any message box or modal window, and
// otherwise from the event loop. A hidden list box is not copied into Qt until it shows.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "form/Form.h"

class QContextMenuEvent;
class QKeyEvent;
class QMenu;
class QMenuBar;
class QAction;

namespace orv::qt {

class FormView : public QWidget, private form::FormObserver {
  Q_OBJECT

 public:
  // Builds the window for `form`; it shows when the form is shown and closes when it unloads.
  explicit FormView(form::Form& form, QWidget* parent = nullptr);
  ~FormView() override;
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;

  form::Form& form() const { return form_; }

  // The widget standing for a control, or null.
  QWidget* widgetFor(const form::Control& control) const;
  QWidget* widget(std::string_view name, int index = -1) const;
  // The control a widget (or one of its inner widgets) stands for, or null.
  form::Control* controlFor(const QWidget* widget) const;
  // The designed client area, which holds the controls' widgets.
  QWidget* clientArea() const { return client_; }
  // The menu bar above the client area, or null while the form has no menus.
  QMenuBar* menuBar() const;

  // Brings every widget up to date with the model now.
  void flush();
  // Gives the Qt focus to the model's focus control even where Qt believes it is there.
  void reapplyFocus();

  // --- all live views ---
  static FormView* viewOf(const form::Form& form);
  static const std::vector<FormView*>& views();
  static void flushAll();

  // While a message box is up, Qt's focus moves are not the user's choice of control: they
  // are ignored, and when the box closes every view puts Qt's focus back where the model has
  // it. QtDesktop opens one around each message box.
  class ModalScope {
   public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    static bool active();
    // How many have been opened so far.
    static int opened();

   private:
    QPointer<QWidget> wasActive_;  // activated again when the box has gone
  };

 signals:
  // The form was unloaded; the window has closed.
  void formUnloaded();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    form::Control* control = nullptr;
    QWidget* widget = nullptr;
    unsigned dirty = 0;
    bool listStale = false;  // a hidden list box's entries are not yet copied
  };

  // FormObserver
  void propertyChanged(form::Control& control, form::Property what) override;
  void focusChanged(form::Control* now) override;
  void formChanged() override;
  void menusChanged() override;

  // Building (WidgetFactory.cpp)
  QWidget* createWidget(form::Control& control);
  QWidget* widgetOrCreate(form::Control& control);
  void connectInput(Entry& entry);
  void updateAccessibleNames();

  // Keeping in step (WidgetSync.cpp)
  void markDirty(form::Control& control, unsigned bits);
  void scheduleFlush();
  void apply(Entry& entry, unsigned bits);
  void applyList(Entry& entry, unsigned bits);
  void applyForm();
  void applyFocus(bool force);

  // Menus (FormViewMenus.cpp)
  void applyMenus();
  void placeClientArea();
  void addMenuItems(QWidget& target, const std::vector<form::MenuItem>& items, bool inBar);
  void openContextMenu(form::Control& control, const QPoint& at);
  bool handleContextMenu(QObject* watched, QContextMenuEvent& event);
  bool isMenuShortcut(const QKeyEvent& key) const;

  // Input (FormViewInput.cpp)
  void forward(const std::function<void()>& call);
  bool handleKey(Entry& entry, QKeyEvent& key);
  bool handleWindowKey(QKeyEvent& key);
  bool handleKeyPress(Entry& entry, QKeyEvent& key);
  bool handleWheel(QObject* watched, QEvent& wheel);
  bool isFormAccessKey(const QKeyEvent& key) const;
  void onQtFocusChanged(QWidget* old, QWidget* now);

  form::Form& form_;
  QWidget* client_ = nullptr;
  QPointer<QMenuBar> menuBar_;
  std::vector<QPointer<QObject>> barItems_;      // the bar's menus and items as last built
  std::vector<QPointer<QAction>> barShortcuts_;  // its commands that have a shortcut
  QPointer<QMenu> popup_;                        // the context menu last shown
  std::vector<Entry> entries_;
  std::unordered_map<const form::Control*, std::size_t> byControl_;
  std::unordered_map<const QObject*, std::size_t> byWidget_;  // incl. inner widgets
  std::vector<std::size_t> dirtyList_;
  bool formDirty_ = false;
  bool focusDirty_ = false;
  bool namesDirty_ = false;
  bool menusDirty_ = false;
  bool scheduled_ = false;
  bool flushing_ = false;
  bool applyingFocus_ = false;
  bool closingByModel_ = false;
  bool wasShown_ = false;
  bool pressInterrupted_ = false;  // a message box came up between a press and its widget
};

}  // namespace orv::qt

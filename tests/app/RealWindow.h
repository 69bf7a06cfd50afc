// The real main window over temporary folders, built as app/main.cpp builds it: the places,
// a Qt desktop that shows modal windows for real but records messages and documents, the
// window logic and its view. For tests that drive the window as a person does.
#pragma once

#include <unistd.h>

#include <QApplication>
#include <QStringList>
#include <QtTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "FormView.h"
#include "Places.h"
#include "QtDesktop.h"
#include "SpecsWindow.h"

namespace orv::testing {

namespace fs = std::filesystem;

class RecordingQtDesktop : public qt::QtDesktop {
 public:
  QStringList messages;
  QStringList opened;
  void message(std::string_view text) override {
    messages << QString::fromStdString(std::string(text));
  }
  form::Answer askYesNoCancel(std::string_view) override { return form::Answer::No; }
  void openDocument(const std::string& path) override { opened << QString::fromStdString(path); }
};

// One record of a year file with plausible measurements, a wheelbase and a curb weight.
inline std::string yearRecord(const std::string& make, const std::string& model, int wb, int cw) {
  char dims[64];
  std::snprintf(dims, sizeof dims, "%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%4d%5s%2s", 95, 80, 45,
                60, 120, 90, 100, 450, 175, 140, wb, 150, 151, cw, "55/45", "98");
  return "<R><MA>" + make + "</MA><MO>" + model + "</MO><DA>" + dims + "</DA></R>\r\n";
}

class RealWindow {
 public:
  // Empty data, program and report folders named after the test.
  explicit RealWindow(const std::string& name)
      : root(fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()))),
        places(root / "data", root / "program", root / "report") {
    fs::remove_all(root);
    fs::create_directories(root / "data");
    fs::create_directories(root / "program");
  }
  ~RealWindow() {
    view_.reset();  // a view must go before the form it shows
    specs_.reset();
    fs::remove_all(root);
  }
  RealWindow(const RealWindow&) = delete;
  RealWindow& operator=(const RealWindow&) = delete;

  void write(const fs::path& path, const std::string& text) const {
    std::ofstream(path, std::ios::binary) << text;
  }
  std::string read(const fs::path& path) const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // Starts (or starts again) the window with the clock at 2019; it becomes the active window.
  void start() {
    view_.reset();
    specs_.reset();
    desktop_ = std::make_unique<RecordingQtDesktop>();
    specs_ = std::make_unique<SpecsWindow>(
        SpecsEnvironment{places, desktop_->desktop(), [] { return 2019; }, [this] { ++quits; }});
    view_ = std::make_unique<qt::FormView>(specs_->form());
    specs_->form().show();
    view_->flush();
    // Keyboard tests need the active window, or the keys go nowhere.
    QVERIFY(QTest::qWaitForWindowActive(view_.get()));
  }

  SpecsWindow& specs() { return *specs_; }
  qt::FormView& view() { return *view_; }
  RecordingQtDesktop& desktop() { return *desktop_; }

  template <class W>
  W* widget(const char* name, int index = -1) const {
    auto* w = qobject_cast<W*>(view_->widget(name, index));
    if (!w) qFatal("no widget %s", name);
    return w;
  }
  QString focusName() const {
    auto* c = view_->controlFor(QApplication::focusWidget());
    return c ? QString::fromStdString(c->displayName()) : QString();
  }

  const fs::path root;
  const Places places;
  int quits = 0;

 private:
  std::unique_ptr<RecordingQtDesktop> desktop_;
  std::unique_ptr<SpecsWindow> specs_;
  std::unique_ptr<qt::FormView> view_;
};

}  // namespace orv::testing

// The real main window over temporary folders, built as app/main.cpp builds it: the places,
// a Qt desktop that shows modal windows for real but records messages and documents, the
// window logic and its view. For tests that drive the window as a person does.
#pragma once

#include <unistd.h>

#include <QApplication>
#include <QtTest>
#include <filesystem>

#include "TempFolder.h"
#include "YearRecords.h"
#include "core/Places.h"
#include "qtview/FormView.h"
#include "qtview/QtDesktop.h"
#include "windows/main/SpecsWindow.h"

namespace orv::testing {

using namespace orv::core;
using namespace orv::windows;

namespace fs = std::filesystem;

class RecordingQtDesktop : public qt::QtDesktop {
 public:
  QStringList messages, opened;
  void message(std::string_view text) override {
    messages << QString::fromStdString(std::string(text));
  }
  form::Answer askYesNoCancel(std::string_view) override { return form::Answer::No; }
  void openDocument(const std::string& path) override { opened << QString::fromStdString(path); }
};

// One record of a year file with plausible measurements, a wheelbase and a curb weight.
inline std::string yearRecord(const std::string& make, const std::string& model, int wb, int cw) {
  return record(make, model, dims(wb, cw));
}

// A year of KESTRO "TRELLAN 1" ... (wheelbase 251 ...) and one ALDERYN after them.
inline std::string kestroYear(int models) {
  std::string year;
  for (int i = 1; i <= models; ++i)
    year += yearRecord("KESTRO", "TRELLAN " + std::to_string(i), 250 + i % 40, 1300 + i);
  return year + yearRecord("ALDERYN", "SOLO", 240, 900);
}

class RealWindow {
 public:
  // Empty data, program and report folders named after the test, VERSION.TXT of 2018.2.
  explicit RealWindow(const std::string& name)
      : root(fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()))),
        places(root / "data", root / "program", root / "report") {
    fs::remove_all(root);
    for (const char* folder : {"data", "program"}) fs::create_directories(root / folder);
    write(root / "data" / "VERSION.TXT", "2018.2\r\n");
  }
  ~RealWindow() { fs::remove_all(root); }

  static void write(const fs::path& p, std::string_view text) { test::writeBytes(p, text); }
  static std::string read(const fs::path& p) { return test::readBytes(p); }

  // Starts (or starts again) the window with the clock at 2019; it becomes the active window.
  void start() {
    view.reset();  // a view must go before the form it shows
    specs.reset();
    desktop = std::make_unique<RecordingQtDesktop>();
    specs = std::make_unique<SpecsWindow>(
        SpecsEnvironment{places, desktop->desktop(), [] { return 2019; }, [] {}});
    view = std::make_unique<qt::FormView>(specs->form());
    specs->form().show();
    view->flush();
    // Keyboard tests need the active window, or the keys go nowhere.
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
  }

  template <class W>
  W* widget(const char* name, int index = -1) const {
    if (auto* w = qobject_cast<W*>(view->widget(name, index))) return w;
    qFatal("no widget %s", name);
  }
  QString focusName() const {
    auto* c = view->controlFor(QApplication::focusWidget());
    return c ? QString::fromStdString(c->displayName()) : QString();
  }

  const fs::path root;
  const Places places;
  // Destroyed in reverse order: the view before the form it shows.
  std::unique_ptr<RecordingQtDesktop> desktop;
  std::unique_ptr<SpecsWindow> specs;
  std::unique_ptr<qt::FormView> view;
};

}  // namespace orv::testing

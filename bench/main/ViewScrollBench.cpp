// One scroll step of the real main window, offscreen, with everything a person waits for:
// the model's handling, the view's flush into the widgets and a synchronous repaint of the
// window. A Down key at the grid's lower edge, and one click on the scroll bar's down arrow.
// Compare with the form-model-only figure of main_bench (BM_DownKeyAtTheGridEdge).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

#include <QApplication>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <filesystem>

#include "BigYear.h"
#include "qtview/FormView.h"
#include "qtview/QtDesktop.h"
#include "windows/main/SpecsWindow.h"

using namespace orv::core;
using namespace orv::windows;

namespace {

namespace fs = std::filesystem;
using namespace orv;

// Start-up finds no year file here: its message must not wait for an answer.
struct QuietDesktop : qt::QtDesktop {
  void message(std::string_view) override {}
};

struct RealWindow {
  RealWindow()
      : root(fs::temp_directory_path() / ("orvane-view-bench-" + std::to_string(::getpid()))),
        places((fs::create_directories(root), root), root, root / "report"),
        specs({places, desktop.desktop(), [] { return 2019; }, [] {}}),
        view(specs.form()) {
    specs.form().show();
    view.flush();
    std::ofstream(root / "SP2019.TXT", std::ios::binary) << bench::bigYear();
    specs.selection().readYear(places, "2019");
    specs.S_UNITS->setText("Imperial");  // the costlier formatting
    specs.S_MAKE->setText("MAKE110");
    specs.F_LOADMODEL();
    specs.S_SCROLL2->setFocus();
    view.flush();
    QApplication::processEvents();
  }
  ~RealWindow() { fs::remove_all(root); }
  QWidget* focus() { return QApplication::focusWidget(); }

  fs::path root;
  Places places;
  QuietDesktop desktop;
  SpecsWindow specs;
  qt::FormView view;
};

QPoint downArrow(const QScrollBar* bar) {
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.orientation = bar->orientation();
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = bar->sliderPosition();
  opt.sliderValue = bar->value();
  return bar->style()
      ->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarAddLine, bar)
      .center();
}

void BM_ViewDownKeyAtTheGridEdge(benchmark::State& state) {
  RealWindow w;
  QTest::keyClick(w.focus(), Qt::Key_PageDown);  // onto the last row
  for (auto _ : state) {
    QTest::keyClick(w.focus(), Qt::Key_Down);
    w.view.repaint();
    if (w.specs.S_SCROLL->value() == w.specs.S_SCROLL->max()) {
      state.PauseTiming();
      QTest::keyClick(w.focus(), Qt::Key_Home);
      QTest::keyClick(w.focus(), Qt::Key_PageDown);
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_ViewDownKeyAtTheGridEdge)->Unit(benchmark::kMicrosecond);

void BM_ViewArrowClick(benchmark::State& state) {
  RealWindow w;
  auto* bar = qobject_cast<QScrollBar*>(w.view.widget("S_SCROLL"));
  const QPoint arrow = downArrow(bar);
  for (auto _ : state) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrow);
    w.view.repaint();
    if (bar->value() == bar->maximum()) {
      state.PauseTiming();
      w.specs.S_SCROLL->setValue(0);
      w.view.flush();
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_ViewArrowClick)->Unit(benchmark::kMicrosecond);

// Heap in use now, in MiB: what the process holds, not its peak.
double heapMiB() {
  return static_cast<double>(mallinfo2().uordblks) / (1 << 20);
}

// A make of a million records (ORVANE_BIG_MAKE_RECORDS to change it): typing it and Enter,
// until the grid has been drawn, and the memory the window then holds beside the year data.
void BM_ViewMakeOfAMillionRecords(benchmark::State& state) {
  const char* wanted = std::getenv("ORVANE_BIG_MAKE_RECORDS");
  const long records = wanted ? std::atol(wanted) : 1000000;
  RealWindow w;
  std::ofstream(w.root / "SP2018.TXT", std::ios::binary) << bench::bigMake(records);
  w.specs.S_YEAR->setFocus();
  w.specs.S_YEAR->userType("2018");
  w.specs.S_MAKE->setFocus();  // leaving the year box reads the file
  w.view.flush();
  const double before = heapMiB();
  double held = 0, logicMs = 0, shown = 0;
  using Clock = std::chrono::steady_clock;
  for (auto _ : state) {
    const auto start = Clock::now();
    w.specs.S_MAKE->userType("MAKE10000");
    w.specs.S_MAKE->userKeyPress(form::kAsciiEnter);
    logicMs += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    w.view.flush();
    w.view.repaint();
    state.PauseTiming();
    held = heapMiB() - before;
    shown = static_cast<double>(w.specs.selection().rows().size());
    w.specs.S_MAKE->userType("NONE");  // back to an empty grid
    w.specs.S_MAKE->userKeyPress(form::kAsciiEnter);
    w.view.flush();
    state.ResumeTiming();
  }
  state.counters["records"] = shown;
  // The window logic's part of the time (the rest is the view bringing the widgets up to date).
  state.counters["logic_ms"] = logicMs / static_cast<double>(state.iterations());
  state.counters["year_MiB"] =
      static_cast<double>(w.specs.selection().yearText().size()) / (1 << 20);
  state.counters["held_MiB"] = held;
}
BENCHMARK(BM_ViewMakeOfAMillionRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// One scroll step of the real main window, offscreen, with everything a person waits for:
// the model's handling, the view's flush into the widgets and a synchronous repaint of the
// window. A Down key at the grid's lower edge, and one click on the scroll bar's down arrow.
// Compare with the form-model-only figure of main_bench (BM_DownKeyAtTheGridEdge).
#include <benchmark/benchmark.h>
#include <unistd.h>
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

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// The main window's two hot paths on the form model: loading a make with 5,000 models out
// of a 100,000-record year (F_LOADMODEL and F_SCROLL), and one Down key at the grid's lower
// edge (a scroll step and a redraw of all 126 cells).
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <fstream>

#include <filesystem>
#include <string>

#include "BigYear.h"
#include "windows/main/SpecsWindow.h"

using namespace orv::core;
using namespace orv::windows;

namespace {

namespace fs = std::filesystem;
using namespace orv;

class SilentDesktop : public form::MessageBoxes,
                      public form::DocumentOpener,
                      public form::EventPump,
                      public form::ModalDisplay,
                      public form::SaveDialog {
 public:
  void message(std::string_view) override {}
  form::Answer askYesNoCancel(std::string_view) override { return form::Answer::Cancel; }
  void openDocument(const std::string&) override {}
  void processPendingEvents() override {}
  void showModal(form::Form&) override {}
  std::optional<form::SaveChoice> askSaveFile(std::string_view, const fs::path&,
                                              const std::vector<std::string>&) override {
    return std::nullopt;
  }
};

struct Window {
  Window()
      : root(fs::temp_directory_path() / ("orvane-bench-" + std::to_string(::getpid()))),
        places((fs::create_directories(root), root), root, root / "report"),
        specs({places, desktop(), [] { return 2019; }, [] {}}) {
    specs.form().load();
    specs.form().userActivate();
    std::ofstream(root / "SP2019.TXT", std::ios::binary) << bench::bigYear();
    specs.selection().readYear(places, "2019");
    specs.S_UNITS->setText("Imperial");  // the costlier formatting
  }
  ~Window() { fs::remove_all(root); }
  form::Desktop desktop() { return silent.desktop(); }

  fs::path root;
  Places places;
  struct : SilentDesktop {
    form::Desktop desktop() { return form::Desktop{*this, *this, *this, *this, *this}; }
  } silent;
  SpecsWindow specs;
};

void BM_LoadMakeWith5000Models(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    w.specs.S_MAKE->setText("make110");
    w.specs.S_MAKE_Click();  // empties the filter box, then F_LOADMODEL
    benchmark::DoNotOptimize(w.specs.selection().rows().size());
  }
  state.counters["models"] = w.specs.selection().rows().size();
  state.counters["groups"] = w.specs.S_MODELDROP->count();
}
BENCHMARK(BM_LoadMakeWith5000Models)->Unit(benchmark::kMillisecond);

void BM_DownKeyAtTheGridEdge(benchmark::State& state) {
  Window w;
  w.specs.S_MAKE->setText("MAKE110");
  w.specs.F_LOADMODEL();
  w.specs.S_SCROLL2->setFocus();
  w.specs.S_SCROLL2->userKeyDown(form::kKeyPageDown);  // onto the last row
  for (auto _ : state) {
    w.specs.S_SCROLL2->userKeyDown(form::kKeyDown);
    if (w.specs.S_SCROLL->value() == w.specs.S_SCROLL->max()) {
      state.PauseTiming();
      w.specs.S_SCROLL2->userKeyDown(form::kKeyHome);
      w.specs.S_SCROLL2->userKeyDown(form::kKeyPageDown);
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_DownKeyAtTheGridEdge)->Unit(benchmark::kMicrosecond);

// The row list alone for a make of a million records: the make scan and eight bytes a row.
void BM_RowListOfAMillionRecords(benchmark::State& state) {
  const auto data = yearDataOf(bench::bigMake(1000000));
  for (auto _ : state) benchmark::DoNotOptimize(rowList(data, "MAKE10000", "").size());
}
BENCHMARK(BM_RowListOfAMillionRecords)->Unit(benchmark::kMillisecond);

// F_LOADMODEL for that make: the row list, the model groups and the grid.
void BM_LoadMakeOfAMillionRecords(benchmark::State& state) {
  Window w;
  std::ofstream(w.root / "SP2018.TXT", std::ios::binary) << bench::bigMake(1000000);
  w.specs.selection().readYear(w.places, "2018");
  for (auto _ : state) {
    w.specs.S_MAKE->setText("MAKE10000");
    w.specs.S_MAKE_Click();
    benchmark::DoNotOptimize(w.specs.S_MODELDROP->items().size());  // sorted as shown
  }
  state.counters["groups"] = w.specs.S_MODELDROP->count();
}
BENCHMARK(BM_LoadMakeOfAMillionRecords)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

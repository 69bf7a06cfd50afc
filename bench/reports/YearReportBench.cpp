// The year report (boxed layout, Imperial) over a generated year of many records, written
// through the page file into a private temporary report folder. Reports the time per run
// and the peak resident memory of the process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "output/reports/PageOutput.h"
#include "output/reports/YearReport.h"

using namespace orv::core;
using namespace orv::output;

namespace {

namespace fs = std::filesystem;

// A deterministic year: makes of about forty records each, values from a simple generator.
std::string generateYear(int records) {
  std::string data;
  data.reserve(static_cast<std::size_t>(records) * 110);
  unsigned state = 12345;
  auto next = [&state](unsigned range) {
    state = state * 1103515245u + 12345u;
    return (state >> 16) % range;
  };
  auto field = [](std::string& out, unsigned value, int width) {
    std::string digits = std::to_string(value);
    out.append(static_cast<std::size_t>(width) - digits.size(), ' ').append(digits);
  };
  for (int i = 0; i < records; ++i) {
    data += "<R><MA>MAKE";
    data += std::to_string(i / 40);
    data += "</MA><MO>Model ";
    data += std::to_string(i);
    data += " 4dr</MO><DA>";
    for (int f = 0; f < 13; ++f) field(data, 40 + next(500), 3);
    field(data, 800 + next(2000), 4);
    data += "55/45";
    field(data, next(100), 2);
    data += "</DA></R>\r\n";
  }
  return data;
}

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void BM_YearReportBoxedImperial(benchmark::State& state) {
  const long before = peakKilobytes();
  const std::string year = generateYear(static_cast<int>(state.range(0)));
  std::string pattern = (fs::temp_directory_path() / "orv-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const fs::path root = pattern;
  const fs::path report = root / "orvane-bench";
  fs::create_directory(report);
  fs::permissions(report, fs::perms::owner_all, fs::perm_options::replace);
  const orv::core::Places places(root, root, report);

  std::uintmax_t pageBytes = 0;
  for (auto _ : state) {
    std::string problem;
    auto out = orv::output::openPageFile(places, problem);
    const bool ok =
        out &&
        orv::output::writeYearReport(year, "1995", orv::core::UnitSystem::Imperial, false,
                                     [&out](std::string_view p) { return out->write(p); }) &&
        out->finish();
    if (!ok) {
      state.SkipWithError(problem.empty() ? out->error().c_str() : problem.c_str());
      break;
    }
    pageBytes = fs::file_size(out->path());
  }
  state.SetComplexityN(state.range(0));
  state.counters["year_MB"] = static_cast<double>(year.size()) / 1e6;
  state.counters["page_MB"] = static_cast<double>(pageBytes) / 1e6;
  state.counters["peak_rss_MB_before"] = static_cast<double>(before) / 1024.0;
  state.counters["peak_rss_MB_after"] = static_cast<double>(peakKilobytes()) / 1024.0;
  fs::remove_all(root);
}
BENCHMARK(BM_YearReportBoxedImperial)
    ->Arg(10000)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();

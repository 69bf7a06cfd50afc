// The year walks over one 50 MB year file, next to a single memchr pass over the same bytes
// as the floor of what any scan of the data can cost.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "SampleData.h"
#include "core/YearWalk.h"

using namespace orv::core;

namespace {

constexpr std::size_t kBytes = 50u << 20;

const std::string& yearData() {
  static const std::string data = orv::sample::bulkYearText(kBytes);
  return data;
}

// A make from the middle of the file, so the scan passes many other makes first and after.
const std::string& middleMake() {
  static const std::string make = [] {
    const auto names = orv::core::makeNames(yearData());
    return names[names.size() / 2];
  }();
  return make;
}

void BM_MemchrPass(benchmark::State& state) {
  const std::string& data = yearData();
  for (auto _ : state) {
    std::size_t count = 0;
    const char* p = data.data();
    const char* end = p + data.size();
    while ((p = static_cast<const char*>(std::memchr(p, '<', static_cast<std::size_t>(end - p)))) !=
           nullptr) {
      ++count;
      ++p;
    }
    benchmark::DoNotOptimize(count);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(data.size()));
}
BENCHMARK(BM_MemchrPass)->Unit(benchmark::kMillisecond);

void BM_MakeScanOneMake(benchmark::State& state) {
  const std::string& data = yearData();
  const std::string& make = middleMake();
  std::size_t records = 0;
  for (auto _ : state) {
    records = 0;
    orv::core::forEachModelRecord(data, make, [&](std::string_view r) {
      benchmark::DoNotOptimize(r.data());
      ++records;
    });
  }
  state.counters["records"] = static_cast<double>(records);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(data.size()));
}
BENCHMARK(BM_MakeScanOneMake)->Unit(benchmark::kMillisecond);

void BM_MakeNames(benchmark::State& state) {
  const std::string& data = yearData();
  std::size_t makes = 0;
  for (auto _ : state) {
    const auto names = orv::core::makeNames(data);
    makes = names.size();
    benchmark::DoNotOptimize(names.data());
  }
  state.counters["makes"] = static_cast<double>(makes);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(data.size()));
}
BENCHMARK(BM_MakeNames)->Unit(benchmark::kMillisecond);

void BM_GenerateYearData(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(orv::sample::bulkYearText(kBytes).size());
}
BENCHMARK(BM_GenerateYearData)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();

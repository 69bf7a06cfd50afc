// Throughput of the search scan and the sister-vehicle scan (sequential and on every core)
// over a large generated data set, beside a plain memchr pass
// that only counts records and beside `grep -c '<R>'` over the same files. The files are
// generated once (deterministically) and then sit in the page cache, so the figures measure
// the scan, not the disk.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/FileProcs.h"
#include "core/Places.h"
#include "core/SharedState.h"
#include "output/search/SearchScan.h"
#include "output/similar/SimilarVehicles.h"

using namespace orv::core;
using namespace orv::output;

namespace {

namespace fs = std::filesystem;

constexpr int kLastYear = 2020;  // 50 year files, 1971 to 2020
constexpr std::size_t kBytesPerYear = 11u << 20;
constexpr const char* kStamp = "generated-v1";

fs::path gDataFolder = ORVANE_BENCH_DATA;
std::uintmax_t gTotalBytes = 0;

// A small deterministic generator, so every machine scans the same bytes.
struct Lcg {
  std::uint64_t state;
  std::uint32_t next() {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>(state >> 33);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
};

const char* const kMakes[] = {"ALDER",    "BRISK",   "CORVO",  "DANUBE",   "ELMWOOD", "FENWICK",
                              "GARNET",   "HALCYON", "IVORY",  "JASPER",   "KESTREL", "LARKIN",
                              "MERIDIAN", "NORLAND", "ORCHID", "PEMBROKE", "QUILL",   "RAVEN"};
const char* const kModels[] = {"SEDAN",  "COUPE", "WAGON",  "ROADSTER", "VAN",   "PICKUP",
                               "TOURER", "HATCH", "ESTATE", "CABRIO",   "SPORT", "LIMOUSINE"};
const char* const kTrims[] = {"2DR", "4DR", "LX", "GT", "SE", "DELUXE 4WD", "LONG WHEELBASE", ""};

void appendField(std::string& out, int value, int width) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%*d", width, value);
  out.append(buf, static_cast<std::size_t>(width));
}

// One year file of about kBytesPerYear: records of one make stand together, elements on
// their own lines as the data release writes them; older years often lack track widths.
std::string yearFile(int year) {
  Lcg rng{static_cast<std::uint64_t>(year) * 7919u};
  std::string text = "Dimension data " + std::to_string(year) + "\r\n";
  text.reserve(kBytesPerYear + 4096);
  int make = 0;
  while (text.size() < kBytesPerYear) {
    if (rng.below(200) == 0) make = (make + 1) % static_cast<int>(std::size(kMakes));
    text += "<R>\r\n<MA>";
    text += kMakes[make];
    text += "</MA>\r\n<MO>";
    text += kModels[rng.below(static_cast<int>(std::size(kModels)))];
    text += ' ';
    text += kTrims[rng.below(static_cast<int>(std::size(kTrims)))];
    text += "</MO>\r\n<DA>";
    for (int i = 0; i < 10; ++i) appendField(text, 40 + rng.below(400), 3);  // A to OH
    appendField(text, 200 + rng.below(150), 3);                              // WB
    const bool tracks = year >= 1995 || rng.below(2) == 0;
    if (!tracks) {
      text += rng.below(3) == 0 ? "-1 N/A" : "      ";
    } else {
      appendField(text, 120 + rng.below(60), 3);  // TF
      appendField(text, 120 + rng.below(60), 3);  // TR
    }
    appendField(text, 800 + rng.below(1800), 4);  // CW
    text += "52/48";
    appendField(text, year % 100, 2);
    text += "</DA>\r\n</R>\r\n";
  }
  return text;
}

std::string yearName(int year) {
  return "SP" + std::to_string(year) + ".TXT";
}

void generateOnce() {
  fs::create_directories(gDataFolder);
  if (!fs::exists(gDataFolder / kStamp)) {
    std::fprintf(stderr, "generating %d year files in %s ...\n", kLastYear - 1970,
                 gDataFolder.c_str());
    for (int year = orv::core::kFirstModelYear; year <= kLastYear; ++year) {
      std::ofstream(gDataFolder / yearName(year), std::ios::binary) << yearFile(year);
    }
    std::ofstream(gDataFolder / kStamp) << "done\n";
  }
  for (int year = orv::core::kFirstModelYear; year <= kLastYear; ++year)
    gTotalBytes += fs::file_size(gDataFolder / yearName(year));
}

orv::core::Places places() {
  return orv::core::Places(gDataFolder, gDataFolder, gDataFolder / "report");
}

double megabytes(std::uintmax_t bytes) {
  return static_cast<double>(bytes) / 1.0e6;
}

// `grep -c '<R>'` over the same files, timed around std::system; the best of three runs.
void timeGrep() {
  std::string command = "cd '" + gDataFolder.string() + "' && LC_ALL=C grep -c '<R>'";
  for (int year = orv::core::kFirstModelYear; year <= kLastYear; ++year)
    command += " " + yearName(year);
  // Not /dev/null: GNU grep stops at the first match when its output is discarded.
  command += " > grep-counts.txt";
  double best = 1e9;
  for (int run = 0; run < 4; ++run) {  // the first run only warms the page cache
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "grep failed\n");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (run > 0 && took.count() < best) best = took.count();
  }
  std::printf("grep -c '<R>' over %.0f MB (page cache): %.3f s, %.0f MB/s\n",
              megabytes(gTotalBytes), best, megabytes(gTotalBytes) / best);
}

// (a) The scan with ranges that keep the hits well under 2000.
void BM_ScanNarrowRanges(benchmark::State& state) {
  const auto p = places();
  int hits = 0;
  for (auto _ : state) {
    const auto r =
        orv::output::scanYears({"250", "252", "150", "151", "150", "152"}, UnitSystem::Metric, p,
                               kLastYear, static_cast<int>(state.range(0)));
    hits = r.hits;
    benchmark::DoNotOptimize(r.text.data());
  }
  state.counters["hits"] = hits;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gTotalBytes));
}
// Argument: the threads (0: one per core, 1: the sequential walk). Timed by the clock: the
// scanning threads' time is not the calling thread's.
BENCHMARK(BM_ScanNarrowRanges)
    ->Arg(1)
    ->Arg(kEveryCore)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The same ranges in inches: every value goes through the division.
void BM_ScanNarrowRangesInches(benchmark::State& state) {
  const auto p = places();
  for (auto _ : state) {
    const auto r = orv::output::scanYears({"98.4", "99.2", "59", "59.5", "59", "59.8"},
                                          UnitSystem::Imperial, p, kLastYear);
    benchmark::DoNotOptimize(r.text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gTotalBytes));
}
BENCHMARK(BM_ScanNarrowRangesInches)->UseRealTime()->Unit(benchmark::kMillisecond);

// (b) All boxes blank: every record is a hit, so the scan stops at the 2001st.
void BM_ScanAllBlankStops(benchmark::State& state) {
  const auto p = places();
  bool stopped = false;
  for (auto _ : state) {
    const auto r =
        orv::output::scanYears({"", "", "", "", "", ""}, UnitSystem::Metric, p, kLastYear);
    stopped = r.stopped;
    benchmark::DoNotOptimize(r.text.data());
  }
  state.counters["stopped"] = stopped;
}
BENCHMARK(BM_ScanAllBlankStops)->UseRealTime()->Unit(benchmark::kMillisecond);

// The sister vehicles of typed values: every record's WB, TF and TR read as values.
void BM_SimilarTyped(benchmark::State& state) {
  const auto p = places();
  SimilarRequest request;
  request.typed[WB] = 265;
  request.typed[TF] = 150;
  request.typed[TR] = 148;
  long long found = 0;
  for (auto _ : state) {
    const auto r = findSimilar(request, p, kLastYear, static_cast<int>(state.range(0)));
    found = r.found;
    benchmark::DoNotOptimize(r.matches.data());
  }
  state.counters["found"] = static_cast<double>(found);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gTotalBytes));
}
BENCHMARK(BM_SimilarTyped)->Arg(1)->Arg(kEveryCore)->UseRealTime()->Unit(benchmark::kMillisecond);

// (c) The floor: read every file whole the same way and count "<R>" with memchr.
void BM_ReadAndCountRecords(benchmark::State& state) {
  const auto p = places();
  std::size_t records = 0;
  for (auto _ : state) {
    records = 0;
    for (int year = orv::core::kFirstModelYear; year <= kLastYear; ++year) {
      const std::string text = orv::core::F_READFILE(p, yearName(year));
      const char* at = text.data();
      const char* const end = text.data() + text.size();
      while (true) {
        at = static_cast<const char*>(std::memchr(at, '<', static_cast<std::size_t>(end - at)));
        if (!at) break;
        if (end - at >= 3 && at[1] == 'R' && at[2] == '>') ++records;
        ++at;
      }
    }
    benchmark::DoNotOptimize(records);
  }
  state.counters["records"] = static_cast<double>(records);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gTotalBytes));
}
BENCHMARK(BM_ReadAndCountRecords)->Unit(benchmark::kMillisecond);

// Reading alone, for reference.
void BM_ReadOnly(benchmark::State& state) {
  const auto p = places();
  for (auto _ : state) {
    for (int year = orv::core::kFirstModelYear; year <= kLastYear; ++year) {
      const std::string text = orv::core::F_READFILE(p, yearName(year));
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gTotalBytes));
}
BENCHMARK(BM_ReadOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // --data=FOLDER overrides the build folder's data set.
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--data=", 7) == 0) gDataFolder = argv[i] + 7;
  }
  benchmark::Initialize(&argc, argv);
  generateOnce();
  std::printf("data set: %d year files, %.0f MB in %s\n", kLastYear - 1970, megabytes(gTotalBytes),
              gDataFolder.c_str());
  timeGrep();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

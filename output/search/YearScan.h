// Runs one job per year file over every model year, on several threads, and hands the
// results back in year order: the scans over all year files (the search, the sister vehicles,
// the generations) read the files on every core yet give exactly what a walk from the first
// year to the last gives, early stop included.
// Memory stays bounded: each thread reads into one buffer of its own (reused from file to
// file, so at most one file per thread is held), and at most two results per thread wait
// for their turn. Not a thread pool: the threads live for one scan.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Places.h"

namespace orv::output {

// As many threads as the machine has cores (at most kMaxScanThreads).
inline constexpr int kEveryCore = 0;
// Each thread may hold a year file of up to 1 GB: more threads would not bound the memory.
inline constexpr int kMaxScanThreads = 4;

// The threads a scan of `years` files runs on when asked for `threads` (kEveryCore: one per
// core): at least 1, at most kMaxScanThreads and never more than the files.
int scanThreads(int threads, int years);

// The file name of a model year's data, "SP1995.TXT", as the scans look it up and the
// results name their sources.
std::string yearFileName(int year);

// The type-erased core of scanYearFiles. `work(year, slot, text)` runs on a scanning thread
// for each year from `firstYear` to `lastYear`, with the text F_READFILE gives for
// "SP<year>.TXT" ("" for a missing file, "-1" for an unreadable one), valid during the call
// only. `take(year, slot)` runs on the calling thread, in year order; false stops the scan.
// A slot (0 to 2 * threads - 1) is used by one year at a time. An exception thrown by either
// stops the scan and is thrown again here once every thread has ended.
void runYearJobs(const core::Places& places, int firstYear, int lastYear, int threads,
                 const std::function<void(int, std::size_t, std::string_view)>& work,
                 const std::function<bool(int, std::size_t)>& take);

// Calls `job(year, text)` for each year file from `firstYear` to `lastYear` on `threads`
// threads (1: one after another on the calling thread, the plain sequential walk) and
// `take(year, Result&&)` with each result, in year order, on the calling thread, until it
// answers false.
template <typename Result, typename Job, typename Take>
void scanYearFiles(const core::Places& places, int firstYear, int lastYear, int threads,
                   const Job& job, const Take& take) {
  std::vector<std::optional<Result>> slots(2 * static_cast<std::size_t>(kMaxScanThreads));
  runYearJobs(
      places, firstYear, lastYear, threads,
      [&](int year, std::size_t slot, std::string_view text) {
        slots[slot].emplace(job(year, text));
      },
      [&](int year, std::size_t slot) {
        Result result = std::move(*slots[slot]);
        slots[slot].reset();
        return take(year, std::move(result));
      });
}

}  // namespace orv::output

#include "output/search/YearScan.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

#include "core/FileProcs.h"

namespace orv::output {

using namespace core;

std::string yearFileName(int year) {
  return "SP" + std::to_string(year) + ".TXT";
}

namespace {

// What the scanning threads and the calling thread share. Year i (counted from the first)
// is claimed by one thread, worked into slot i % slots, marked ready and taken by the
// calling thread; no thread claims year i + slots before year i was taken, so a slot is
// never used by two years at once.
class YearQueue {
 public:
  YearQueue(int years, std::size_t slots) : years_(years), ready_(slots, false) {}

  // The next year to work on, or nothing when the scan is over or stopped.
  std::optional<int> claim() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] {
      return stopped_ || next_ >= years_ || next_ < taken_ + static_cast<int>(ready_.size());
    });
    if (stopped_ || next_ >= years_) return std::nullopt;
    return next_++;
  }

  void markReady(int index) {
    const std::lock_guard lock(mutex_);
    ready_[slotOf(index)] = true;
    changed_.notify_all();
  }

  // Waits for the next year in order; false when the scan stopped meanwhile (an error).
  bool awaitNext() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopped_ || ready_[slotOf(taken_)]; });
    return ready_[slotOf(taken_)];
  }

  void markTaken() {
    const std::lock_guard lock(mutex_);
    ready_[slotOf(taken_)] = false;
    ++taken_;
    changed_.notify_all();
  }

  void stop(std::exception_ptr error = nullptr) {
    const std::lock_guard lock(mutex_);
    if (error && !error_) error_ = error;
    stopped_ = true;
    changed_.notify_all();
  }

  std::exception_ptr error() {
    const std::lock_guard lock(mutex_);
    return error_;
  }

  std::size_t slotOf(int index) const { return static_cast<std::size_t>(index) % ready_.size(); }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  const int years_;
  int next_ = 0;   // the next year to claim
  int taken_ = 0;  // the next year to take
  std::vector<bool> ready_;
  bool stopped_ = false;
  std::exception_ptr error_;
};

void runSequentially(const Places& places, int firstYear, int lastYear,
                     const std::function<void(int, std::size_t, std::string_view)>& work,
                     const std::function<bool(int, std::size_t)>& take) {
  platform::ReadBuffer buffer;
  for (int year = firstYear; year <= lastYear; ++year) {
    work(year, 0, F_READFILE(places, yearFileName(year), buffer));
    if (!take(year, 0)) return;
  }
}

}  // namespace

int scanThreads(int threads, int years) {
  if (threads == kEveryCore) threads = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(std::min(threads, years), 1, kMaxScanThreads);
}

void runYearJobs(const Places& places, int firstYear, int lastYear, int threads,
                 const std::function<void(int, std::size_t, std::string_view)>& work,
                 const std::function<bool(int, std::size_t)>& take) {
  if (lastYear < firstYear) return;
  const int years = lastYear - firstYear + 1;
  const int count = scanThreads(threads, years);
  if (count == 1) return runSequentially(places, firstYear, lastYear, work, take);

  YearQueue queue(years, 2 * static_cast<std::size_t>(count));
  const auto scanning = [&] {
    try {
      platform::ReadBuffer buffer;
      while (const auto index = queue.claim()) {
        const int year = firstYear + *index;
        work(year, queue.slotOf(*index), F_READFILE(places, yearFileName(year), buffer));
        queue.markReady(*index);
      }
    } catch (...) {
      queue.stop(std::current_exception());
    }
  };
  std::vector<std::thread> threadList;
  try {
    for (int i = 0; i < count; ++i) threadList.emplace_back(scanning);
    for (int index = 0; index < years && queue.awaitNext(); ++index) {
      const bool goOn = take(firstYear + index, queue.slotOf(index));
      queue.markTaken();
      if (!goOn) break;
    }
  } catch (...) {
    queue.stop(std::current_exception());
  }
  queue.stop();
  for (auto& thread : threadList) thread.join();
  if (const auto error = queue.error()) std::rethrow_exception(error);
}

}  // namespace orv::output

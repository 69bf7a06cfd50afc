// orvane_make_sample_data <folder> [--last-year N]: writes the invented sample year files
// and VERSION.TXT. Without --last-year the data runs to the year after the current one
// (at least 2027), so a fresh start finds the file of the current calendar year; the
// output then changes only when the calendar year does.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "SampleData.h"

namespace {

int calendarYear() {
  const auto today = std::chrono::year_month_day(
      std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
  return static_cast<int>(today.year());
}

int usage() {
  std::cerr << "usage: orvane_make_sample_data <folder> [--last-year N]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder;
  int lastYear = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--last-year" && i + 1 < argc) {
      char* end = nullptr;
      const long value = std::strtol(argv[++i], &end, 10);
      if (end == argv[i] || *end != '\0' || value < 1971 || value > 9999) return usage();
      lastYear = static_cast<int>(value);
    } else if (folder.empty() && !arg.empty() && arg.front() != '-') {
      folder = arg;
    } else {
      return usage();
    }
  }
  if (folder.empty()) return usage();
  if (lastYear == 0) lastYear = orv::sample::defaultLastYear(calendarYear());
  const std::string problem = orv::sample::writeSampleData(folder, lastYear);
  if (!problem.empty()) {
    std::cerr << problem << "\n";
    return 1;
  }
  std::cout << "Sample data for " << orv::sample::kFirstYear << " to " << lastYear << " written to "
            << folder << "\n";
  return 0;
}

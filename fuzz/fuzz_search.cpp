// The search scan over a folder that holds one arbitrary year file, in both units.
// Input: a unit byte, the six range texts, then the year file.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/Places.h"
#include "core/Text.h"
#include "core/YearWalk.h"
#include "output/search/SearchScan.h"

using namespace orv::core;
using namespace orv::output;

namespace {

namespace fs = std::filesystem;

// One private folder per fuzzing process, made on the first input in the temporary folder
// (scripts/fuzz.sh points TMPDIR into its own work folder: libFuzzer may end without running
// the destructor below).
struct SearchFolder {
  SearchFolder() {
    std::string pattern = (fs::temp_directory_path() / "orvane-fuzz-XXXXXX").string();
    FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr, "a temporary folder is made");
    path = pattern;
  }
  ~SearchFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  fs::path path;
};

const orv::core::Places& searchPlaces() {
  static const SearchFolder folder;
  static const orv::core::Places places(folder.path, folder.path, folder.path);
  return places;
}

// The result text cut into lines at CR LF; every line must end with one.
std::vector<std::string_view> resultLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find("\r\n");
    FUZZ_CHECK(end != std::string_view::npos, "every line of REPORT.TXT ends with CR LF");
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  return lines;
}

void checkResult(const orv::output::SearchResult& result, std::size_t records) {
  const auto lines = resultLines(result.text);
  FUZZ_CHECK(result.hits >= 0 && result.hits <= orv::output::kMaxHits + 1,
             "the scan stops at the first hit beyond the limit");
  FUZZ_CHECK(result.stopped == (result.hits > orv::output::kMaxHits),
             "the scan says it stopped exactly when it passed the limit");
  FUZZ_CHECK(result.hits <= static_cast<int>(records), "no more hits than records");
  const auto hits = static_cast<std::size_t>(result.hits);
  FUZZ_CHECK(lines.size() == hits + 3, "header, one line per hit, empty line, count line");
  FUZZ_CHECK(lines.front().size() == 95, "the header is 95 characters before CR LF");
  for (std::size_t i = 1; i <= hits; ++i) {
    FUZZ_CHECK(lines[i].size() == 98, "every hit line is 98 characters before CR LF");
    FUZZ_CHECK(lines[i].starts_with("1972 "), "a hit line begins with its year");
    FUZZ_CHECK(lines[i].find_first_of("\r\n") == std::string_view::npos,
               "a hit line holds no line break of its own");
  }
  FUZZ_CHECK(lines[hits + 1].empty(), "an empty line follows the hits");
  FUZZ_CHECK(std::string(lines[hits + 2]) + "\r\n" == orv::output::countLine(result.hits),
             "the count line gives the hits");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  orv::fuzz::FuzzInput in(bytes, size);
  const UnitSystem units = (in.byte() & 1) ? UnitSystem::Imperial : UnitSystem::Metric;
  orv::output::RangeTexts boxes;
  for (auto& box : boxes) box = in.part();
  const std::string_view yearFile = in.rest();

  const orv::core::Places& places = searchPlaces();
  {
    std::ofstream out(places.currentFolder() / "SP1972.TXT", std::ios::binary | std::ios::trunc);
    out.write(yearFile.data(), static_cast<std::streamsize>(yearFile.size()));
    FUZZ_CHECK(out.good(), "the year file is written");
  }
  // The walk finds what a plain search finds: the first "<R>" from where the last record
  // ended, then the first "</R>" after it (the walker reads 64 bytes at a time).
  std::size_t records = 0;
  YearWalker walk(yearFile);
  std::size_t from = 0;
  for (YearRecord record; walk.nextRecord(record); ++records) {
    const std::size_t open = findText(yearFile, "<R>", from);
    FUZZ_CHECK(record.open == open && record.close == findText(yearFile, "</R>", open + 3),
               "the walk finds each record a plain search finds");
    from = record.close + 4;
  }
  const std::size_t open = findText(yearFile, "<R>", from);
  FUZZ_CHECK(open == npos || findText(yearFile, "</R>", open + 3) == npos,
             "the walk ends where a plain search finds no closed record");

  // 1971 is missing and skipped; 1972 is the fuzzed file.
  const auto result = orv::output::scanYears(boxes, units, places, 1972);
  checkResult(result, records);
  FUZZ_CHECK(orv::output::scanYears(boxes, units, places, 1972, 1).text == result.text,
             "the sequential walk gives the same result as the threads");
  // With every box blank each record is a hit, up to the limit.
  const auto all = orv::output::scanYears({}, units, places, 1972);
  checkResult(all, records);
  FUZZ_CHECK(
      all.hits == static_cast<int>(std::min<std::size_t>(records, orv::output::kMaxHits + 1)),
      "blank ranges take every record");
  return 0;
}

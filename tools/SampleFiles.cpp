// VERSION.TXT of the sample data and the writing of the whole sample folder.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <system_error>

#include "SampleData.h"
#include "core/TextWriter.h"

namespace orv::sample {

namespace {

// Release notes, one picked per release; tabs and runs of blanks as the history has them.
constexpr std::array<std::string_view, 6> kNotes{
    "Track widths of older models checked against the published sheets.",
    "Curb weights  corrected for several vans.\tNo other changes.",
    "Weight distribution added where it was measured.",
    "Makes merged under one name where they were sold as one.",
    "Overall heights of pick-ups re-measured.    Minor corrections.",
    "Measurement years filled in where known.",
};

}  // namespace

int defaultLastYear(int calendarYear) {
  return std::max(2027, calendarYear + 1);
}

std::string versionText(int lastYear) {
  const int release = lastYear - 1;
  const std::string version = std::to_string(release) + ".1";  // six characters
  std::string out;
  out += version + "\tOrvane vehicle dimension data.  Model years " + std::to_string(kFirstYear) +
         " to " + std::to_string(lastYear) + ".\r\n";
  out += "\r\n";
  out += "Version history\r\n";
  out += "\r\n";
  for (int year = release; year >= std::max(kFirstYear, release - 11); --year) {
    out += std::to_string(year) + ".1\tModel year " + std::to_string(year + 1) + " added.  ";
    out += kNotes[static_cast<std::size_t>(year % static_cast<int>(kNotes.size()))];
    out += "\r\n";
  }
  out += "\r\n";
  out += "All names in this data are invented.\r\n";
  return out;
}

std::string writeSampleData(const std::filesystem::path& folder, int lastYear) {
  if (lastYear < kFirstYear || lastYear > 9999)
    return "The last year must be between " + std::to_string(kFirstYear) + " and 9999.";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return "The folder " + folder.string() + " can not be created: " + ec.message() + ".";
  for (int year = kFirstYear; year <= lastYear; ++year) {
    const std::string problem =
        core::writeNewFile(folder / ("SP" + std::to_string(year) + ".TXT"), yearText(year));
    if (!problem.empty()) return problem;
  }
  return core::writeNewFile(folder / "VERSION.TXT", versionText(lastYear));
}

}  // namespace orv::sample

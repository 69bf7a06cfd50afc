#include "core/Places.h"

#include <system_error>

#include "core/Platform.h"
#include "core/Text.h"

namespace orv::core {

namespace {

constexpr std::string_view kUnitFile = "UNITS.TXT";

// Creates `folder` and any missing folder above it, each open to this user only;
// failures show later, when the unit choice cannot be stored.
void makePrivateFolders(const fs::path& folder) {
  std::error_code ec;
  if (fs::is_directory(folder, ec) || folder.empty() || folder == folder.parent_path()) return;
  makePrivateFolders(folder.parent_path());
  platform::makeFolder(folder, 0700);
}

}  // namespace

Places::Places(fs::path currentFolder, fs::path programFolder, fs::path reportFolder)
    : Places(std::move(currentFolder), programFolder, std::move(reportFolder),
             programFolder / std::string(kUnitFile)) {}

Places::Places(fs::path currentFolder, fs::path programFolder, fs::path reportFolder,
               fs::path unitFile)
    : current_(std::move(currentFolder)),
      program_(std::move(programFolder)),
      report_(std::move(reportFolder)),
      unitFile_(std::move(unitFile)) {}

Places Places::forThisProcess(const fs::path& executable) {
  std::error_code ec;
  fs::path current = fs::current_path(ec);
  fs::path program = fs::weakly_canonical(executable, ec).parent_path();
  fs::path temp = fs::temp_directory_path(ec);
  if (ec) temp = "/tmp";
  const fs::path unitFolder =
      unitFolderFor(program, platform::canWrite(program), platform::environment("XDG_CONFIG_HOME"),
                    platform::homeFolder());
  if (unitFolder != program) makePrivateFolders(unitFolder);
  return Places(current, program, temp / ("orvane-" + platform::userId()),
                unitFolder / std::string(kUnitFile));
}

fs::path Places::unitFolderFor(const fs::path& programFolder, bool programFolderWritable,
                               std::string_view xdgConfigHome, std::string_view home) {
  if (programFolderWritable) return programFolder;
  // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
  if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/')
    return fs::path(xdgConfigHome) / "orvane";
  if (!home.empty() && home.front() == '/') return fs::path(home) / ".config" / "orvane";
  return programFolder;
}

bool Places::isBareName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of(std::string_view("/\\\0", 3)) == npos;
}

std::optional<fs::path> Places::findCurrentFile(std::string_view name,
                                                std::error_code* listError) const {
  const auto bare = trimBlanks(name);
  if (!isBareName(bare)) return std::nullopt;
  const std::string wanted = toUpper(bare);
  std::optional<fs::path> found;
  std::error_code ec;
  for (fs::directory_iterator it(current_, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (entry == name) return it->path();
    if (!found && trimBlanks(toUpper(entry)) == wanted) found = it->path();
  }
  if (listError) *listError = ec;
  return found;
}

std::optional<fs::path> Places::currentFile(std::string_view name) const {
  if (!isBareName(name)) return std::nullopt;
  if (auto found = findCurrentFile(name)) return found;
  return current_ / std::string(name);
}

std::optional<fs::path> Places::mapFixedPath(std::string_view windowsPath) const {
  constexpr std::string_view kTemp = "C:\\TEMP\\";
  if (windowsPath.size() < kTemp.size() || toUpper(windowsPath.substr(0, kTemp.size())) != kTemp)
    return std::nullopt;
  fs::path out = report_;
  std::string_view rest = windowsPath.substr(kTemp.size());
  while (!rest.empty()) {
    const auto cut = rest.find('\\');
    const auto part = rest.substr(0, cut);
    if (!part.empty()) {
      if (!isBareName(part)) return std::nullopt;
      out /= std::string(part);
    }
    if (cut == npos) break;
    rest.remove_prefix(cut + 1);
  }
  return out;
}

std::string Places::reportFolderProblem() const {
  const auto status = platform::folderStatus(report_);
  const std::string where = report_.string();
  if (!status.exists) return "The report folder " + where + " does not exist.";
  if (status.isLink) return "The report folder " + where + " is a symbolic link and is not used.";
  if (!status.isFolder) return "The report folder " + where + " is not a folder.";
  if (!status.ownedByUser)
    return "The report folder " + where + " belongs to another user and is not used.";
  if (status.writableByOthers)
    return "The report folder " + where + " can be written by other users and is not used.";
  return {};
}

}  // namespace orv::core

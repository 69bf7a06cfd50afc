#include "core/FileProcs.h"

#include <optional>
#include <system_error>

#include "core/Platform.h"
#include "core/Text.h"

namespace orv::core {

namespace fs = std::filesystem;

namespace {

// What a read gives the file procedures: the content (nothing), "" or "-1".
template <typename Content>
std::optional<std::string_view> readAnswer(const fs::path& path, Content& content) {
  const std::string name = path.filename().string();
  if (name.empty() || name.front() == '.') return "";  // hidden files do not count
  switch (platform::readRegularFile(path, kMaxReadBytes, content)) {
    case platform::ReadResult::Read:
      return std::nullopt;
    case platform::ReadResult::NoFile:
    case platform::ReadResult::NotRegular:  // folders, devices and pipes are not normal files
      return "";
    case platform::ReadResult::TooLarge:
    case platform::ReadResult::Failed:
      break;
  }
  return "-1";
}

}  // namespace

std::string readWholeFile(const std::filesystem::path& path) {
  std::string content;
  if (const auto answer = readAnswer(path, content)) return std::string(*answer);
  return content;
}

std::string F_READFILE(const Places& places, std::string_view name) {
  const auto path = places.currentFile(name);
  return path ? readWholeFile(*path) : std::string();
}

std::string_view F_READFILE(const Places& places, std::string_view name,
                            platform::ReadBuffer& buffer) {
  const auto path = places.currentFile(name);
  if (!path) return "";
  const auto answer = readAnswer(*path, buffer);
  return answer ? *answer : buffer.text();
}

bool F_KILLFILE(const Places& places, std::string_view name) {
  const auto wanted = trimBlanks(name);
  // Names on disk are upper-cased before they are compared: a name not written in upper
  // case never matches.
  if (wanted != toUpper(wanted)) return true;
  std::error_code ec;
  const auto found = places.findCurrentFile(wanted, &ec);
  if (ec) return false;
  if (!found || found->filename().string().front() == '.' || !fs::is_regular_file(*found, ec))
    return true;
  return !platform::removeFile(*found);
}

bool F_MAKEDIR(const Places& places, std::string_view path) {
  if (const auto target = places.mapFixedPath(path)) {
    platform::makeFolder(*target, 0700);  // every failure is swallowed
  }
  return false;
}

bool F_MAKEPATH(const Places& places, std::string_view path) {
  const auto first = path.find('\\');
  if (first == npos) return true;
  for (auto p = path.find('\\', first + 1); p != npos; p = path.find('\\', p + 1)) {
    F_MAKEDIR(places, path.substr(0, p + 1));
  }
  return true;
}

}  // namespace orv::core

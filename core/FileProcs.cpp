#include "FileProcs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "Text.h"

namespace orv {

std::string readWholeFile(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  if (name.empty() || name.front() == '.') return {};  // hidden files do not count
  // O_NONBLOCK: a FIFO placed under a data file's name must not hang the program.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return (errno == ENOENT || errno == ENOTDIR) ? std::string() : std::string("-1");
  struct stat st {};
  std::string out;
  if (::fstat(fd, &st) != 0) {
    out = "-1";
  } else if (!S_ISREG(st.st_mode)) {
    out.clear();  // folders, devices and pipes are not normal files
  } else if (static_cast<std::uintmax_t>(st.st_size) > kMaxReadBytes) {
    out = "-1";
  } else {
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < out.size()) {
      const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        out = "-1";
        break;
      }
      if (n == 0) {  // the file shrank while being read
        out.resize(got);
        break;
      }
      got += static_cast<std::size_t>(n);
    }
  }
  ::close(fd);
  return out;
}

std::string F_READFILE(const Places& places, std::string_view name) {
  const auto path = places.currentFile(name);
  return path ? readWholeFile(*path) : std::string();
}

bool F_KILLFILE(const Places& places, std::string_view name) {
  const auto wanted = trimBlanks(name);
  if (!Places::isBareName(wanted)) return true;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(places.currentFolder(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (entry.front() == '.') continue;
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    if (trimBlanks(toUpper(entry)) != wanted) continue;
    if (::unlink(it->path().c_str()) != 0) return false;
    return true;
  }
  return !ec;
}

bool F_MAKEDIR(const Places& places, std::string_view path) {
  if (const auto target = places.mapFixedPath(path)) {
    ::mkdir(target->c_str(), 0700);  // every failure is swallowed
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

}  // namespace orv

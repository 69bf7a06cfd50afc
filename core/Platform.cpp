#include "core/Platform.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace orv::core::platform {

namespace {
std::error_code lastError() {
  return {errno, std::generic_category()};
}

// Asks for huge pages under a large buffer before its first touch: on a virtual machine a
// 300 MB year file otherwise spends most of its load in faults of small pages.
void preferHugePages(const char* data, std::size_t capacity) {
#ifdef MADV_HUGEPAGE
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t begin = (start + page - 1) / page * page;
  const std::uintptr_t end = (start + capacity) / page * page;
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}
constexpr std::uintmax_t kHugePageWorth = std::uintmax_t{8} << 20;

// Opens and checks the file, then reads it into the memory `storage(size)` gives; returns
// the result and sets `got` to the bytes read (fewer when the file shrank meanwhile).
template <typename Storage>
ReadResult readInto(const fs::path& path, std::uintmax_t maxBytes, Storage storage,
                    std::size_t& got) {
  got = 0;
  // O_NONBLOCK: a FIFO placed under a data file's name must not hang the program.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::NoFile : ReadResult::Failed;
  struct stat st {};
  ReadResult result = ReadResult::Read;
  if (::fstat(fd, &st) != 0) {
    result = ReadResult::Failed;
  } else if (!S_ISREG(st.st_mode)) {
    result = ReadResult::NotRegular;
  } else if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
    result = ReadResult::TooLarge;
  } else {
    const auto size = static_cast<std::size_t>(st.st_size);
    char* const data = storage(size);
    while (got < size) {
      const ssize_t n = ::read(fd, data + got, size - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        result = ReadResult::Failed;
        break;
      }
      if (n == 0) break;  // the file shrank while being read
      got += static_cast<std::size_t>(n);
    }
  }
  ::close(fd);
  if (result != ReadResult::Read) got = 0;
  return result;
}
}  // namespace

ReadResult readRegularFile(const fs::path& path, std::uintmax_t maxBytes, std::string& content) {
  content.clear();
  std::size_t got = 0;
  const ReadResult result = readInto(
      path, maxBytes,
      [&](std::size_t size) {
        content.reserve(size);
        if (size >= kHugePageWorth) preferHugePages(content.data(), content.capacity());
        content.resize(size);
        return content.data();
      },
      got);
  content.resize(got);
  return result;
}

ReadResult readRegularFile(const fs::path& path, std::uintmax_t maxBytes, ReadBuffer& buffer) {
  buffer.size_ = 0;
  return readInto(
      path, maxBytes,
      [&](std::size_t size) {
        if (size > buffer.capacity_) {
          buffer.data_.reset();  // the old bytes are not needed: never hold both
          // An eighth more, so that files of about the same size (the year files) fit in
          // the memory of the first one; default-initialised: the bytes are not zero-filled.
          const std::size_t capacity = size + size / 8;
          buffer.data_.reset(new char[capacity]);
          buffer.capacity_ = capacity;
          if (capacity >= kHugePageWorth) preferHugePages(buffer.data_.get(), capacity);
        }
        return buffer.data_.get();
      },
      buffer.size_);
}

FileHandle createNewFile(const fs::path& path, unsigned mode, std::error_code& error) {
  // O_EXCL|O_NOFOLLOW: if anything appeared under the name, do not write through it.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        static_cast<mode_t>(mode));
  error = fd < 0 ? lastError() : std::error_code();
  return fd < 0 ? kNoFile : fd;
}

std::error_code writeAll(FileHandle file, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(file, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return lastError();
    if (n == 0) return std::make_error_code(std::errc::io_error);
    done += static_cast<std::size_t>(n);
  }
  return {};
}

std::error_code closeFile(FileHandle file) {
  return ::close(file) == 0 ? std::error_code() : lastError();
}

std::error_code removeFile(const fs::path& path) {
  return ::unlink(path.c_str()) == 0 ? std::error_code() : lastError();
}

std::error_code makeFolder(const fs::path& path, unsigned mode) {
  return ::mkdir(path.c_str(), static_cast<mode_t>(mode)) == 0 ? std::error_code() : lastError();
}

FolderStatus folderStatus(const fs::path& path) {
  struct stat st {};
  FolderStatus status;
  if (::lstat(path.c_str(), &st) != 0) return status;
  status.exists = true;
  status.isLink = S_ISLNK(st.st_mode);
  status.isFolder = S_ISDIR(st.st_mode);
  status.ownedByUser = st.st_uid == ::geteuid();
  status.writableByOthers = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
  return status;
}

std::string userId() {
  return std::to_string(::getuid());
}

bool canWrite(const fs::path& path) {
  return ::access(path.c_str(), W_OK) == 0;
}

std::string_view environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string homeFolder() {
  const std::string_view home = environment("HOME");
  if (!home.empty()) return std::string(home);
  const passwd* entry = ::getpwuid(::getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

}  // namespace orv::core::platform

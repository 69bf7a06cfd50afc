#include "NewFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orv {

namespace {
constexpr std::size_t kBufferBytes = 1 << 16;
}

NewFile::~NewFile() {
  if (fd_ >= 0) abandon();
}

bool NewFile::create(const std::filesystem::path& path, unsigned mode) {
  path_ = path;
  error_.clear();
  buffer_.clear();
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
    error_ = "The file " + path.string() + " can not be deleted: " + std::strerror(errno) + ".";
    return false;
  }
  // O_EXCL|O_NOFOLLOW: if anything appeared under the name since, do not write through it.
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
  if (fd_ < 0) {
    error_ = "The file " + path.string() + " can not be created: " + std::strerror(errno) + ".";
    return false;
  }
  return true;
}

bool NewFile::write(std::string_view piece) {
  if (fd_ < 0) return false;
  buffer_.append(piece);
  return buffer_.size() < kBufferBytes || flush();
}

bool NewFile::flush() {
  std::size_t done = 0;
  while (done < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      fail("The file " + path_.string() +
           " can not be written: " + std::strerror(n < 0 ? errno : EIO) + ".");
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  buffer_.clear();
  return true;
}

bool NewFile::finish() {
  if (fd_ < 0) return false;
  if (!flush()) return false;
  if (::close(fd_) != 0) {
    fd_ = -1;
    ::unlink(path_.c_str());
    error_ =
        "The file " + path_.string() + " could not be completed: " + std::strerror(errno) + ".";
    return false;
  }
  fd_ = -1;
  return true;
}

void NewFile::abandon() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
    ::unlink(path_.c_str());
  }
  buffer_.clear();
}

void NewFile::fail(const std::string& what) {
  error_ = what;
  abandon();
}

std::string writeNewFile(const std::filesystem::path& path, std::string_view text, unsigned mode) {
  NewFile file;
  if (!file.create(path, mode) || !file.write(text) || !file.finish()) return file.error();
  return {};
}

}  // namespace orv

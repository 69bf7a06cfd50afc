#include "core/NewFile.h"

#include <system_error>

#include "core/Platform.h"

namespace orv::core {

namespace {
constexpr std::size_t kBufferBytes = 1 << 16;
}

NewFile::~NewFile() {
  if (fd_ != platform::kNoFile) abandon();
}

bool NewFile::create(const std::filesystem::path& path, unsigned mode) {
  path_ = path;
  error_.clear();
  buffer_.clear();
  if (const auto ec = platform::removeFile(path);
      ec && ec != std::errc::no_such_file_or_directory) {
    error_ = "The file " + path.string() + " can not be deleted: " + ec.message() + ".";
    return false;
  }
  // Created exclusively: if anything appeared under the name since, it is not written through.
  std::error_code ec;
  fd_ = platform::createNewFile(path, mode, ec);
  if (fd_ == platform::kNoFile) {
    error_ = "The file " + path.string() + " can not be created: " + ec.message() + ".";
    return false;
  }
  return true;
}

bool NewFile::write(std::string_view piece) {
  if (fd_ == platform::kNoFile) return false;
  buffer_.append(piece);
  return buffer_.size() < kBufferBytes || flush();
}

bool NewFile::flush() {
  if (const auto ec = platform::writeAll(fd_, buffer_)) {
    fail("The file " + path_.string() + " can not be written: " + ec.message() + ".");
    return false;
  }
  buffer_.clear();
  return true;
}

bool NewFile::finish() {
  if (fd_ == platform::kNoFile) return false;
  if (!flush()) return false;
  const auto ec = platform::closeFile(fd_);
  fd_ = platform::kNoFile;
  if (ec) {
    platform::removeFile(path_);
    error_ = "The file " + path_.string() + " could not be completed: " + ec.message() + ".";
    return false;
  }
  return true;
}

void NewFile::abandon() {
  if (fd_ != platform::kNoFile) {
    platform::closeFile(fd_);
    fd_ = platform::kNoFile;
    platform::removeFile(path_);
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

}  // namespace orv::core

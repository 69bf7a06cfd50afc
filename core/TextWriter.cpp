#include "core/TextWriter.h"

#include <system_error>

namespace orv::core {

namespace {
constexpr std::size_t kBufferBytes = 1 << 16;
}

TextWriter::TextWriter(std::filesystem::path path, unsigned mode, platform::FileHandle handle)
    : path_(std::move(path)), mode_(mode), handle_(handle) {}

TextWriter TextWriter::newFile(std::filesystem::path path, unsigned mode) {
  return TextWriter(std::move(path), mode, platform::kNoFile);
}

TextWriter TextWriter::standardOutput() {
  return TextWriter({}, 0, platform::kStandardOutput);
}

TextWriter::TextWriter(TextWriter&& other) noexcept
    : path_(std::move(other.path_)),
      mode_(other.mode_),
      handle_(other.handle_),
      ownsFile_(other.ownsFile_),
      buffer_(std::move(other.buffer_)),
      error_(std::move(other.error_)) {
  other.handle_ = platform::kNoFile;
  other.ownsFile_ = false;
}

TextWriter::~TextWriter() {
  abandon();
}

std::string TextWriter::describe() const {
  return path_.empty() ? "The standard output" : "The file " + path_.string();
}

bool TextWriter::open() {
  error_.clear();
  buffer_.clear();
  if (path_.empty()) return handle_ != platform::kNoFile;
  if (const auto ec = platform::removeFile(path_);
      ec && ec != std::errc::no_such_file_or_directory) {
    error_ = describe() + " can not be deleted: " + ec.message() + ".";
    return false;
  }
  std::error_code ec;
  handle_ = platform::createNewFile(path_, mode_, ec);
  if (handle_ == platform::kNoFile) {
    error_ = describe() + " can not be created: " + ec.message() + ".";
    return false;
  }
  ownsFile_ = true;
  return true;
}

bool TextWriter::write(std::string_view piece) {
  if (handle_ == platform::kNoFile || !error_.empty()) return false;
  buffer_.append(piece);
  return buffer_.size() < kBufferBytes || flush();
}

bool TextWriter::flush() {
  if (const auto ec = platform::writeAll(handle_, buffer_))
    return fail(describe() + " can not be written: " + ec.message() + ".");
  buffer_.clear();
  return true;
}

bool TextWriter::finish() {
  if (handle_ == platform::kNoFile || !error_.empty()) return false;
  if (!flush()) return false;
  if (!ownsFile_) return true;  // standard output stays open for the process
  const auto ec = platform::closeFile(handle_);
  handle_ = platform::kNoFile;
  ownsFile_ = false;
  if (ec) {
    platform::removeFile(path_);
    error_ = describe() + " could not be completed: " + ec.message() + ".";
    return false;
  }
  return true;
}

void TextWriter::abandon() {
  if (ownsFile_ && handle_ != platform::kNoFile) {
    platform::closeFile(handle_);
    platform::removeFile(path_);
  }
  if (ownsFile_) handle_ = platform::kNoFile;
  ownsFile_ = false;
  buffer_.clear();
}

bool TextWriter::fail(const std::string& what) {
  error_ = what;
  abandon();
  return false;
}

std::string writeNewFile(const std::filesystem::path& path, std::string_view text, unsigned mode) {
  TextWriter file = TextWriter::newFile(path, mode);
  if (!file.open() || !file.write(text) || !file.finish()) return file.error();
  return {};
}

}  // namespace orv::core

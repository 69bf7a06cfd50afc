// The one writer of the program's output: the report page, REPORT.TXT, UNITS.TXT and
// orvane-cli's output (its -o file or standard output), whole or piece by piece through a
// buffer. A file is always written new: an old file of that name is deleted (a link itself,
// never its target) and the file created exclusively, so nothing that appears under the name
// meanwhile is written through; a file that cannot be completed is removed rather than left
// half written. Errors are worded for the person reading them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/Platform.h"

namespace orv::core {

class TextWriter {
 public:
  // A new file at `path`, created with `mode` when opened.
  static TextWriter newFile(std::filesystem::path path, unsigned mode = 0644);
  // The process's standard output.
  static TextWriter standardOutput();

  TextWriter(TextWriter&& other) noexcept;
  TextWriter& operator=(TextWriter&&) = delete;
  TextWriter(const TextWriter&) = delete;
  ~TextWriter();  // an unfinished file is removed

  // Deletes the old file and creates the new one (nothing to do for standard output).
  // False with error() set when that fails.
  bool open();
  // Appends a piece; written out once the buffer fills. False after any failure.
  bool write(std::string_view piece);
  // Writes what is buffered and completes the output. False, with the file removed, after
  // any failure.
  bool finish();
  // Closes and removes an unfinished file.
  void abandon();

  const std::string& error() const { return error_; }
  // The file written; empty for standard output.
  const std::filesystem::path& path() const { return path_; }

 private:
  TextWriter(std::filesystem::path path, unsigned mode, platform::FileHandle handle);
  bool flush();
  bool fail(const std::string& what);
  std::string describe() const;

  std::filesystem::path path_;
  unsigned mode_ = 0644;
  platform::FileHandle handle_ = platform::kNoFile;
  bool ownsFile_ = false;  // a file this writer created, as opposed to standard output
  std::string buffer_;
  std::string error_;
};

// Writes `text` as the whole new content of `path`; empty on success, else the reason.
std::string writeNewFile(const std::filesystem::path& path, std::string_view text,
                         unsigned mode = 0644);

}  // namespace orv::core

// Writes a file that must not exist yet, in pieces, through a buffer. It never follows a
// symbolic link and never leaves a partial file behind: a failed write removes what it
// wrote. Used for the report page and REPORT.TXT.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/Platform.h"

namespace orv::core {

class NewFile {
 public:
  NewFile() = default;
  ~NewFile();
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;

  // Deletes an old file of that name (a link itself, never its target) and creates the
  // file anew with `mode`. False with error() set when that fails.
  bool create(const std::filesystem::path& path, unsigned mode = 0644);

  // Appends a piece; written out once the buffer fills. False after any failure.
  bool write(std::string_view piece);

  // Writes what is buffered and closes. On failure the file is removed.
  bool finish();

  // Closes and removes the file.
  void abandon();

  const std::string& error() const { return error_; }

 private:
  bool flush();
  void fail(const std::string& what);

  platform::FileHandle fd_ = platform::kNoFile;
  std::filesystem::path path_;
  std::string buffer_;
  std::string error_;
};

// Writes `text` as the whole new content of `path`; empty on success, else the reason.
std::string writeNewFile(const std::filesystem::path& path, std::string_view text,
                         unsigned mode = 0644);

}  // namespace orv::core

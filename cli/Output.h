// Where a command's output goes: standard output, or the file of -o written through the same
// safe writer the window uses (never through a symbolic link, no partial file left behind).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/NewFile.h"

namespace orv::cli {

class Output {
 public:
  explicit Output(std::optional<std::filesystem::path> file) : file_(std::move(file)) {}

  // Creates the -o file (deleting an old one first); nothing to do for standard output.
  bool open();
  bool write(std::string_view piece);
  // Completes the output; on failure a -o file is removed.
  bool finish();

  // Why it failed, worded for the user.
  const std::string& error() const { return error_; }

 private:
  bool stdoutFailed();

  std::optional<std::filesystem::path> file_;
  core::NewFile newFile_;
  std::string error_;
};

}  // namespace orv::cli

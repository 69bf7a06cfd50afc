// Writes a report page to the one page file "C:\TEMP\ORV.HTM" in the report folder. The old
// page is deleted and the file created anew, never through a symbolic link; a page that
// cannot be completed is removed rather than left half written. It does not open a viewer.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/NewFile.h"
#include "core/Places.h"

namespace orv::output {

inline constexpr std::string_view kPageFile = "C:\\TEMP\\ORV.HTM";

// Where the page file really is: the report folder's ORV.HTM.
std::optional<std::filesystem::path> pageFilePath(const core::Places& places);

// A page written in pieces (the year report) or at once.
class PageOutput {
 public:
  explicit PageOutput(const core::Places& places) : places_(places) {}

  // Checks the report folder, deletes the old page and creates the file. False with
  // message() set when any of that fails.
  bool open();

  // Appends a piece (buffered). False with message() set; the file is then removed.
  bool write(std::string_view piece);

  // Writes what is left and closes. False with message() set; the file is then removed.
  bool finish();

  // What went wrong, worded for the user; empty after success.
  const std::string& message() const { return message_; }

  // The page file, for the viewer; empty before open().
  const std::filesystem::path& path() const { return path_; }

 private:
  bool failed(const std::string& reason);

  core::Places places_;  // a copy: the page may outlive the caller's places
  core::NewFile file_;
  std::filesystem::path path_;
  std::string message_;
};

// Writes `page` as the whole page file; empty on success, else the message for the user.
std::string writePage(const core::Places& places, std::string_view page);

}  // namespace orv::output

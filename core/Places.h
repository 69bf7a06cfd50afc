// The places the program works in: the current folder (data files, REPORT.TXT), the program
// folder (the user guide), the unit file UNITS.TXT and the report folder that stands for
// "C:\TEMP\". Created once in main() and handed down; tests build it over temporary folders.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace orv::core {

namespace fs = std::filesystem;

class Places {
 public:
  // The unit file is UNITS.TXT in the program folder.
  Places(fs::path currentFolder, fs::path programFolder, fs::path reportFolder);
  Places(fs::path currentFolder, fs::path programFolder, fs::path reportFolder, fs::path unitFile);

  // The working folder, the folder of the executable at `executable`, the unit file of
  // unitFolderFor (its folder created, private, when missing) and the folder "orvane-<uid>"
  // inside the system temporary folder.
  static Places forThisProcess(const fs::path& executable);

  // The folder that keeps UNITS.TXT: the program folder while this user may write to it (a
  // build folder); else, for an installed program, each user's own configuration folder:
  // `xdgConfigHome`/orvane when that is an absolute path, else `home`/.config/orvane. The
  // program folder, too, when there is neither.
  static fs::path unitFolderFor(const fs::path& programFolder, bool programFolderWritable,
                                std::string_view xdgConfigHome, std::string_view home);

  const fs::path& currentFolder() const { return current_; }
  const fs::path& programFolder() const { return program_; }
  const fs::path& reportFolder() const { return report_; }

  // True for a plain file name: not empty, no folder separator, not "." or "..", no NUL.
  static bool isBareName(std::string_view name);

  // The one case-insensitive file finder: the entry of the current folder named `name`
  // (blanks around it ignored) when upper-cased; an exact match wins. Nothing when there is
  // none, or for a name that is not bare (so a lookup never leaves the current folder).
  // `listError`, when given, tells whether the folder could not be listed.
  std::optional<fs::path> findCurrentFile(std::string_view name,
                                          std::error_code* listError = nullptr) const;

  // Where the file `name` of the current folder is or would be: the entry findCurrentFile
  // finds, else the current folder joined with `name`. Nothing for a name that is not bare.
  std::optional<fs::path> currentFile(std::string_view name) const;

  // The file `name` in the program folder.
  fs::path programFile(std::string_view name) const { return program_ / std::string(name); }

  // Where the unit choice is read from and stored.
  const fs::path& unitFile() const { return unitFile_; }

  // Maps a fixed path of the form "C:\TEMP\..." onto the report folder; nothing for any
  // other drive path or for a part that is "." or "..".
  std::optional<fs::path> mapFixedPath(std::string_view windowsPath) const;

  // Empty when the report folder is safe to write into: a real folder (not a symbolic link)
  // owned by this user and not writable by group or others. Otherwise what is wrong.
  std::string reportFolderProblem() const;

 private:
  fs::path current_;
  fs::path program_;
  fs::path report_;
  fs::path unitFile_;
};

}  // namespace orv::core

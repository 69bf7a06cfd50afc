// The operating system's file and user calls behind a plain C++ interface: the one file of
// the core that includes the system's own headers (POSIX here; Windows calls belong here
// too). It knows none of the program's files or rules; FileProcs, TextWriter and Places do.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace orv::core::platform {

namespace fs = std::filesystem;

enum class ReadResult { Read, NoFile, NotRegular, TooLarge, Failed };

// Reads the file at `path` whole into `content` without blocking on a pipe placed under its
// name. NoFile when nothing (or no folder on the way) is there; NotRegular for folders,
// devices and pipes; TooLarge beyond `maxBytes`. A file that shrinks while it is read gives
// what was there.
ReadResult readRegularFile(const fs::path& path, std::uintmax_t maxBytes, std::string& content);

// Memory that files are read into one after another: kept from read to read and never
// zero-filled, so a scan over many files pays for their bytes only (a std::string would
// fill each file's size with zeros first, and fault in fresh pages for every file).
class ReadBuffer {
 public:
  // The bytes of the last read; valid until the next read into this buffer.
  std::string_view text() const { return {data_.get(), size_}; }

 private:
  friend ReadResult readRegularFile(const fs::path&, std::uintmax_t, ReadBuffer&);
  std::unique_ptr<char[]> data_;
  std::size_t capacity_ = 0;
  std::size_t size_ = 0;
};

// The same read into `buffer`, which grows to the largest file read so far.
ReadResult readRegularFile(const fs::path& path, std::uintmax_t maxBytes, ReadBuffer& buffer);

// An open file written by TextWriter; kNoFile when none is open.
using FileHandle = int;
inline constexpr FileHandle kNoFile = -1;
inline constexpr FileHandle kStandardOutput = 1;

// Creates `path` with `mode` for writing; it must not exist and is never reached through a
// symbolic link. kNoFile, with `error` set, when that fails.
FileHandle createNewFile(const fs::path& path, unsigned mode, std::error_code& error);

// Writes all of `bytes`; a write that makes no progress fails with EIO.
std::error_code writeAll(FileHandle file, std::string_view bytes);

// Closes the file; the error of the close, if any.
std::error_code closeFile(FileHandle file);

// Removes the file entry at `path` (a link itself, never its target).
std::error_code removeFile(const fs::path& path);

// Creates one folder with `mode`.
std::error_code makeFolder(const fs::path& path, unsigned mode);

// What a folder is, seen without following a symbolic link.
struct FolderStatus {
  bool exists = false;
  bool isLink = false;
  bool isFolder = false;
  bool ownedByUser = false;       // by the process's effective user
  bool writableByOthers = false;  // by group or others
};
FolderStatus folderStatus(const fs::path& path);

// The real user id of the process, as decimal digits.
std::string userId();

// True when this user may create files in the folder `path`.
bool canWrite(const fs::path& path);

// The value of the environment variable `name`; empty when it is not set.
std::string_view environment(const char* name);

// $HOME, else the home folder the user database gives; empty when there is none.
std::string homeFolder();

}  // namespace orv::core::platform

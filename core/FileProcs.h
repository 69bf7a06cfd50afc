// The four file procedures of the shared module, over the places of Places.h.
// Text is 8-bit: every byte comes back as one character, nothing is converted.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/Places.h"
#include "core/Platform.h"

namespace orv::core {

// Larger files are treated as unreadable rather than exhausting memory.
inline constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t{1} << 30;

// The whole content of the file: "" when it does not exist (or is hidden, a folder or
// another non-regular file, or is empty); "-1" when it exists but cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

// F_READFILE for a bare name in the current folder (matched without regard to case).
std::string F_READFILE(const Places& places, std::string_view name);

// F_READFILE into memory that is reused from file to file (the scans over every year file):
// the same answers, the content as a view into `buffer`, valid until its next read.
std::string_view F_READFILE(const Places& places, std::string_view name,
                            platform::ReadBuffer& buffer);

// F_KILLFILE: deletes the file of the current folder whose upper-cased name equals `name`
// (trimmed). A name with a folder part, or not in upper case, never matches. True unless
// an error occurred.
bool F_KILLFILE(const Places& places, std::string_view name);

// F_MAKEPATH: creates every folder along a backslash path that ends with a backslash
// (below the drive root); only "C:\TEMP\..." is mapped, onto the report folder. Always true.
bool F_MAKEPATH(const Places& places, std::string_view path);

// F_MAKEDIR: creates one folder (mode 0700) and swallows every failure; always false.
bool F_MAKEDIR(const Places& places, std::string_view path);

}  // namespace orv::core

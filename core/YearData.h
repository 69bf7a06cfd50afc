// The year data: the whole text of one year file as it was read, with the name of the file
// and the model year it was read for. Shared, never copied: the selection holds the current
// one, and a row list or a collected vehicle keeps alive the one its records point into.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/Places.h"

namespace orv::core {

struct YearData {
  std::string text;      // every byte of the file; "" or "-1" after a failed read
  std::string fileName;  // the file's name as found on disk; empty when none was found
  int year = 0;          // the model year it was read for; 0 when the year text is no year

  // The SHA-256 of `text` as 64 lower-case hexadecimal digits, worked out on the first call
  // and kept, so that a year file of 300 MB is hashed once per load rather than once per
  // page that names it. Year data is shared as const and never changed once read, so the
  // kept digest stays true. Not for two threads at once: year data is read on one thread.
  const std::string& sha256() const;

  // The kept digest: empty until sha256() is first called, and written by it alone.
  mutable std::string sha256Cache;
};
using YearDataPtr = std::shared_ptr<const YearData>;

// Shown when the year file of a chosen year is missing, empty, unreadable or holds no make.
inline constexpr std::string_view kCannotReadYear = "Can not read specs for this year.";

// Year data holding `text` alone (tests, and whatever has the text already).
YearDataPtr yearDataOf(std::string text, int year = 0);

// True when text read from a year file can be shown: neither "" nor "-1", and holding at
// least one make element. Otherwise "-1" stays and anything else (random bytes, another kind
// of file under the name) is emptied, so every reader treats it as an empty file.
bool keepIfSpecs(std::string& text);

// Reads `fileName` of the current folder (matched without regard to letter case) for the
// model year written in `yearText`, through keepIfSpecs.
YearData readYearData(const Places& places, std::string_view fileName, std::string_view yearText);

// The model year a year text names: its four digits, blanks around allowed; 0 otherwise.
int modelYearOf(std::string_view yearText);

}  // namespace orv::core

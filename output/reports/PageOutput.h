// Where a report page goes: the one page file "C:\TEMP\ORV.HTM", which is ORV.HTM in the
// report folder. The folder is checked before every page (a folder someone else can write
// into could swap the page for anything); the page itself is written by the one TextWriter.
// It does not open a viewer.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/Places.h"
#include "core/TextWriter.h"

namespace orv::output {

inline constexpr std::string_view kPageFile = "C:\\TEMP\\ORV.HTM";

// Where the page file really is: the report folder's ORV.HTM.
std::optional<std::filesystem::path> pageFilePath(const core::Places& places);

// The page file, opened for a page written in pieces (the year report): the old page
// deleted, the file created anew. Nothing, with `message` set for the person, when the
// report folder is not safe or the file cannot be created.
std::optional<core::TextWriter> openPageFile(const core::Places& places, std::string& message);

// What to tell the person when the page could not be written.
std::string pageFailure(std::string_view reason);

// Writes `page` as the whole page file; empty on success, else the message for the person.
std::string writePage(const core::Places& places, std::string_view page);

}  // namespace orv::output

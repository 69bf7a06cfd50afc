// The text of --help and of --version.
#pragma once

#include <string>
#include <string_view>

namespace orv::cli {

// Every command with an example.
std::string_view helpText();

// "orvane-cli" and the program version.
std::string versionLine();

}  // namespace orv::cli

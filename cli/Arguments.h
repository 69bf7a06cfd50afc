// The command line of orvane-cli taken apart: the command words and the options with their
// values. Knows every option and how many values it takes, not which command allows which.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::cli {

struct Arguments {
  std::vector<std::string> words;  // the command, e.g. {"report", "model"}
  std::map<std::string, std::vector<std::string>, std::less<>> options;

  bool has(std::string_view option) const { return options.find(option) != options.end(); }
  // The first value of an option, nothing when the option was not given.
  std::optional<std::string> value(std::string_view option) const;
  // Every value of an option, in the order given; none when the option was not given.
  std::vector<std::string> values(std::string_view option) const;
};

// Parses argv[1..]. An option's values are the arguments after it, taken as they are (so a
// range may start at -1); how many may depend on the command word given before it (--wb
// takes FROM TO after "search", one value after "similar"). An option is given once, but
// --vehicle YEAR MAKE MODEL may be repeated: its values are those of every time, in order.
// On a usage error returns nothing and sets `problem`.
std::optional<Arguments> parseArguments(int argc, const char* const* argv, std::string& problem);

}  // namespace orv::cli

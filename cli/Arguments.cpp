#include "cli/Arguments.h"

#include <array>

namespace orv::cli {

namespace {

struct OptionSpec {
  std::string_view name;
  int values;
  // The command (its first word, given before the option) under which it takes one value:
  // a range FROM TO for the search, one typed measure for the sister vehicles.
  std::string_view oneValueFor = {};
  // What the values are, for the message when some are missing (more than one value).
  std::string_view valueNames = "two values, FROM and TO";
  // May be given again: each time adds its values after those given before.
  bool repeatable = false;
};

constexpr OptionSpec kOptions[] = {
    {"--data", 1},
    {"-o", 1},
    {"--year", 1},
    {"--make", 1},
    {"--model", 1},
    {"--group", 1},
    {"--units", 1},
    {"--layout", 1},
    {"--wb", 2, "similar"},
    {"--tf", 2, "similar"},
    {"--tr", 2, "similar"},
    {"--ol", 1},
    {"--ow", 1},
    {"--oh", 1},
    {"--cw", 1},
    {"--by", 1},
    {"--tolerance", 1},
    {"--format", 1},
    {"--view", 1},
    {"--vehicle", 3, {}, "three values, YEAR MAKE MODEL", true},
    {"--align", 1},
    {"--help", 0},
    {"-h", 0},
    {"--version", 0},
};

const OptionSpec* findOption(std::string_view name) {
  for (const auto& spec : kOptions) {
    if (spec.name == name) return &spec;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> Arguments::value(std::string_view option) const {
  const auto it = options.find(option);
  if (it == options.end() || it->second.empty()) return std::nullopt;
  return it->second.front();
}

std::vector<std::string> Arguments::values(std::string_view option) const {
  const auto it = options.find(option);
  return it == options.end() ? std::vector<std::string>() : it->second;
}

std::optional<Arguments> parseArguments(int argc, const char* const* argv, std::string& problem) {
  Arguments args;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.size() < 2 || arg.front() != '-') {
      args.words.emplace_back(arg);
      continue;
    }
    const OptionSpec* spec = findOption(arg);
    if (!spec) {
      problem = "unknown option '" + std::string(arg) + "'";
      return std::nullopt;
    }
    if (args.has(spec->name) && !spec->repeatable) {
      problem = "option '" + std::string(arg) + "' is given twice";
      return std::nullopt;
    }
    const bool one = !spec->oneValueFor.empty() && !args.words.empty() &&
                     args.words.front() == spec->oneValueFor;
    const int count = one ? 1 : spec->values;
    if (argc - 1 - i < count) {
      problem = "option '" + std::string(arg) + "' needs " +
                (count == 1 ? "a value" : std::string(spec->valueNames));
      return std::nullopt;
    }
    auto& values = args.options[std::string(spec->name)];
    for (int v = 0; v < count; ++v) values.emplace_back(argv[++i]);
  }
  return args;
}

}  // namespace orv::cli

// orvane-cli: the viewer's pages, search, lists and a CSV export from a terminal or a script.
// See --help and the manual page orvane-cli(1).
#include <algorithm>
#include <array>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "cli/Help.h"
#include "cli/SheetCommands.h"
#include "core/Text.h"

namespace orv::cli {
// similar and generations (SimilarCommand.cpp).
int runSimilar(const Arguments& args, Context& ctx);
int runGenerations(const Arguments& args, Context& ctx);
// compare (CompareCommand.cpp).
int runCompare(const Arguments& args, Context& ctx);
}  // namespace orv::cli

namespace {

using namespace orv::cli;

// A command: its words, the options it requires and those it allows besides --data and -o.
struct CommandSpec {
  std::vector<std::string_view> words;
  std::vector<std::string_view> required;
  std::vector<std::string_view> allowed;
  int (*run)(const Arguments&, Context&);
};

const CommandSpec kCommands[] = {
    {{"report", "legend"}, {}, {}, runReport},
    {{"report", "history"}, {}, {}, runReport},
    {{"report", "model"}, {"--year", "--make", "--model"}, {"--group", "--units"}, runReport},
    {{"report", "make"}, {"--year", "--make"}, {"--group", "--units"}, runReport},
    {{"report", "year"}, {"--year"}, {"--layout", "--units"}, runReport},
    {{"search"}, {}, {"--wb", "--tf", "--tr", "--units"}, runSearch},
    {{"list", "years"}, {}, {}, runList},
    {{"list", "makes"}, {"--year"}, {}, runList},
    {{"list", "models"}, {"--year", "--make"}, {"--group"}, runList},
    {{"export"}, {"--year"}, {"--make", "--group", "--units"}, runExport},
    {{"sheet"}, {"--year", "--make", "--model"}, {"--group", "--units", "--format"}, runSheet},
    {{"drawing"},
     {"--year", "--make", "--model", "--view", "--format"},
     {"--group", "--units"},
     runDrawing},
    {{"similar"},
     {},
     {"--year", "--make", "--model", "--wb", "--tf", "--tr", "--ol", "--ow", "--oh", "--cw", "--by",
      "--tolerance", "--units", "--format"},
     runSimilar},
    {{"generations"},
     {"--make", "--model"},
     {"--tolerance", "--units", "--format"},
     runGenerations},
    {{"compare"}, {"--vehicle"}, {"--units", "--format", "--align"}, runCompare},
};

std::string joined(const std::vector<std::string>& words) {
  std::string out;
  for (const auto& w : words) out += (out.empty() ? "" : " ") + w;
  return out;
}

bool contains(const std::vector<std::string_view>& list, std::string_view item) {
  for (const auto& entry : list) {
    if (entry == item) return true;
  }
  return false;
}

const CommandSpec* findCommand(const std::vector<std::string>& words) {
  for (const auto& spec : kCommands) {
    if (spec.words.size() == words.size() &&
        std::equal(words.begin(), words.end(), spec.words.begin()))
      return &spec;
  }
  return nullptr;
}

// Empty when the options suit the command, else the usage problem.
std::string optionProblem(const CommandSpec& spec, const Arguments& args) {
  const std::string name = joined(args.words);
  for (const auto& [option, values] : args.options) {
    if (option != "--data" && option != "-o" && !contains(spec.required, option) &&
        !contains(spec.allowed, option))
      return "option '" + option + "' does not apply to '" + name + "'";
  }
  for (const auto& option : spec.required) {
    if (!args.has(option)) return "'" + name + "' needs " + std::string(option);
  }
  if (args.has("--group") && !args.has("--make")) return "--group needs --make";
  if (args.has("-o") && args.value("-o")->empty()) return "-o needs a file name";
  return {};
}

// True when `file` would replace VERSION.TXT or a year file of the data folder (names match
// without regard to case, as the data files are found).
bool replacesDataFile(const std::filesystem::path& file, const std::filesystem::path& data) {
  std::error_code ec;
  const auto folder =
      std::filesystem::weakly_canonical(std::filesystem::absolute(file, ec).parent_path(), ec);
  if (ec || folder != std::filesystem::weakly_canonical(data, ec)) return false;
  const std::string name = orv::core::toUpper(file.filename().string());
  if (name == "VERSION.TXT") return true;
  return name.size() > 6 && name.starts_with("SP") && name.ends_with(".TXT") &&
         name.find_first_not_of("0123456789", 2) == name.size() - 4;
}

}  // namespace

int main(int argc, char** argv) {
  std::string problem;
  const auto args = parseArguments(argc, argv, problem);
  const orv::core::Places none("", "", "");
  Context usageOnly(none, std::nullopt, std::cerr);
  if (!args) return usageOnly.usage(problem);
  if (args->has("--help") || args->has("-h")) {
    std::cout << helpText();
    return kSuccess;
  }
  if (args->has("--version")) {
    std::cout << versionLine();
    return kSuccess;
  }
  if (args->words.empty()) return usageOnly.usage("no command given");
  const CommandSpec* spec = findCommand(args->words);
  if (!spec) return usageOnly.usage("unknown command '" + joined(args->words) + "'");
  if (problem = optionProblem(*spec, *args); !problem.empty()) return usageOnly.usage(problem);

  std::error_code ec;
  const std::filesystem::path data = args->value("--data").value_or(".");
  if (!std::filesystem::is_directory(data, ec))
    return usageOnly.usage("--data: '" + data.string() + "' is not a folder");
  const std::filesystem::path current = std::filesystem::absolute(data, ec);
  // Only the current folder is used: no unit file, no report folder, no viewer.
  const orv::core::Places places(current, current, current);
  std::optional<std::filesystem::path> outputFile;
  if (const auto file = args->value("-o")) outputFile = *file;
  if (outputFile && replacesDataFile(*outputFile, current))
    return usageOnly.usage("-o: '" + outputFile->string() + "' is a data file and is not replaced");
  Context ctx(places, outputFile, std::cerr);
  return spec->run(*args, ctx);
}

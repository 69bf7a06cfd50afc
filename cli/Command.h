// What every command of orvane-cli gets (the data folder, where its output goes, how it
// reports) and the command groups. Each command mirrors what the window does for the same
// choices and uses the window's own builders, checks and scan.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "cli/Arguments.h"
#include "core/Format.h"
#include "core/Places.h"
#include "core/Selection.h"
#include "core/SharedState.h"
#include "core/TextWriter.h"

namespace orv::cli {

// Exit statuses.
inline constexpr int kSuccess = 0;
inline constexpr int kMessage = 1;  // the data or a check said no (the window's message)
inline constexpr int kUsage = 2;    // the command line is wrong

class Context {
 public:
  Context(const core::Places& places, std::optional<std::filesystem::path> outputFile,
          std::ostream& err)
      : places_(places), outputFile_(std::move(outputFile)), err_(err) {}

  const core::Places& places() const { return places_; }
  const std::optional<std::filesystem::path>& outputFile() const { return outputFile_; }

  // A message of the window (or of a failed write) on standard error; returns kMessage.
  int message(std::string_view text);
  // A usage error with the hint to --help; returns kUsage.
  int usage(std::string_view problem);

  // The year data of `yearText` read into the selection as the window reads a chosen year;
  // false after telling the window's message.
  bool loadYear(core::Selection& selection, std::string_view yearText);

  // Where the output goes: the -o file (an old one replaced, never through a link) or
  // standard output, not yet opened.
  core::TextWriter output() const;

  // Writes `text` as the whole output; kSuccess, or kMessage after telling why it failed.
  int writeAll(std::string_view text);

 private:
  const core::Places& places_;
  std::optional<std::filesystem::path> outputFile_;
  std::ostream& err_;
};

// "report legend|history|model|make|year", "search", "list years|makes|models", "export".
int runReport(const Arguments& args, Context& ctx);
int runSearch(const Arguments& args, Context& ctx);
int runList(const Arguments& args, Context& ctx);
int runExport(const Arguments& args, Context& ctx);

// The unit system of --units metric|imperial (default metric); nothing after a usage error.
std::optional<core::UnitSystem> unitSystem(const Arguments& args, Context& ctx);

// The choice `option` names (the first when it is not given); nothing after a usage error
// listing the choices.
template <typename T, std::size_t N>
std::optional<T> chosen(const Arguments& args, Context& ctx, std::string_view option,
                        const std::array<std::pair<std::string_view, T>, N>& choices) {
  const std::string text = args.value(option).value_or(std::string(choices.front().first));
  std::string names;
  for (std::size_t i = 0; i < N; ++i) {
    if (choices[i].first == text) return choices[i].second;
    names += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::string(choices[i].first);
  }
  ctx.usage(std::string(option) + " takes " + names + ", not '" + text + "'");
  return std::nullopt;
}

}  // namespace orv::cli

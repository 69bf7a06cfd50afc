#include "cli/Command.h"
#include "cli/Output.h"

namespace orv::cli {

using namespace core;

int Context::message(std::string_view text) {
  err_ << text << '\n';
  return kMessage;
}

int Context::usage(std::string_view problem) {
  err_ << "orvane-cli: " << problem << "\nTry 'orvane-cli --help' for more information.\n";
  return kUsage;
}

bool Context::loadYear(SharedState& state, std::string_view yearText) {
  if (readYearFile(state, places_, yearText)) return true;
  message(kCannotReadYear);
  return false;
}

int Context::writeAll(std::string_view text) {
  Output out(outputFile_);
  if (out.open() && out.write(text) && out.finish()) return kSuccess;
  return message(out.error());
}

std::optional<std::string> unitText(const Arguments& args, Context& ctx) {
  const std::string units = args.value("--units").value_or("metric");
  if (units == "metric") return "Metric";
  if (units == "imperial") return "Imperial";
  ctx.usage("--units takes metric or imperial here, not '" + units + "'");
  return std::nullopt;
}

}  // namespace orv::cli

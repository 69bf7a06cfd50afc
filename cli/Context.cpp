#include "cli/Command.h"

namespace orv::cli {

using namespace core;

namespace {
constexpr unsigned kFileMode = 0666;  // narrowed by the user's umask, as other tools do
}

int Context::message(std::string_view text) {
  err_ << text << '\n';
  return kMessage;
}

int Context::usage(std::string_view problem) {
  err_ << "orvane-cli: " << problem << "\nTry 'orvane-cli --help' for more information.\n";
  return kUsage;
}

bool Context::loadYear(Selection& selection, std::string_view yearText) {
  if (selection.readYear(places_, yearText)) return true;
  message(kCannotReadYear);
  return false;
}

TextWriter Context::output() const {
  return outputFile_ ? TextWriter::newFile(*outputFile_, kFileMode) : TextWriter::standardOutput();
}

int Context::writeAll(std::string_view text) {
  TextWriter out = output();
  if (out.open() && out.write(text) && out.finish()) return kSuccess;
  return message(out.error());
}

std::optional<UnitSystem> unitSystem(const Arguments& args, Context& ctx) {
  const std::string units = args.value("--units").value_or("metric");
  if (units == "metric") return UnitSystem::Metric;
  if (units == "imperial") return UnitSystem::Imperial;
  ctx.usage("--units takes metric or imperial here, not '" + units + "'");
  return std::nullopt;
}

}  // namespace orv::cli

// compare: two to four vehicles side by side, each found as `report model` finds its model,
// as the comparison page, its JSON or CSV, built by the builders the window uses.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/FindVehicle.h"
#include "core/SharedState.h"
#include "output/compare/CompareOutput.h"
#include "output/compare/Comparison.h"

namespace orv::cli {

using namespace core;
using namespace output;

namespace {

enum class Format { Html, Json, Csv };

// The values of --vehicle: YEAR MAKE MODEL, each time it is given.
constexpr std::size_t kVehicleValues = 3;
constexpr std::size_t kFewestCompared = 2;

constexpr std::array<std::pair<std::string_view, Format>, 3> kFormats{
    {{"html", Format::Html}, {"json", Format::Json}, {"csv", Format::Csv}}};
constexpr std::array<std::pair<std::string_view, Alignment>, 3> kAlignments{
    {{"front-axle", Alignment::FrontAxle},
     {"front-end", Alignment::FrontEnd},
     {"rear-axle", Alignment::RearAxle}}};

}  // namespace

int runCompare(const Arguments& args, Context& ctx) {
  const std::vector<std::string> given = args.values("--vehicle");
  const std::size_t count = given.size() / kVehicleValues;
  if (count < kFewestCompared || count > kMostCompared)
    return ctx.usage(
        "'compare' takes 2 to 4 vehicles, each given as --vehicle YEAR MAKE MODEL, "
        "not " +
        std::to_string(count));
  const auto units = unitSystem(args, ctx);
  if (!units) return kUsage;
  const auto format = chosen(args, ctx, "--format", kFormats);
  if (!format) return kUsage;
  if (*format == Format::Json && *units != UnitSystem::Metric)
    return ctx.usage("--format json is always metric: leave out --units imperial");
  const auto align = chosen(args, ctx, "--align", kAlignments);
  if (!align) return kUsage;

  std::vector<Vehicle> vehicles;
  for (std::size_t v = 0; v < count; ++v) {
    const auto at = given.begin() + static_cast<std::ptrdiff_t>(v * kVehicleValues);
    auto vehicle = findVehicle({at[0], at[1], at[2], ""}, ctx);
    if (!vehicle) return kUsage;
    vehicles.push_back(std::move(*vehicle));
  }
  SharedState state;
  readVersion(state, ctx.places());
  switch (*format) {
    case Format::Json:
      return ctx.writeAll(compareJson(vehicles, state.versionText));
    case Format::Csv:
      return ctx.writeAll(compareCsv(vehicles, *units));
    case Format::Html:
      break;
  }
  return ctx.writeAll(comparePage(vehicles, *units, *align, state.versionText));
}

}  // namespace orv::cli

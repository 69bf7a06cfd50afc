// sheet | drawing: the vehicle sheet and the drawing files of one vehicle, found as `report
// model` finds its model, built by the same builders the window uses.
#include "cli/SheetCommands.h"

#include <string>

#include "cli/FindVehicle.h"
#include "core/SharedState.h"
#include "output/sheet/DrawingFiles.h"
#include "output/sheet/SheetJson.h"
#include "output/sheet/SheetPage.h"

namespace orv::cli {

using namespace core;
using namespace output;

namespace {

// The value of `option` when it is one of `first` and `second` (the first when not given);
// nothing after a usage error.
std::optional<std::string> choice(const Arguments& args, Context& ctx, std::string_view option,
                                  std::string_view first, std::string_view second) {
  const std::string value = args.value(option).value_or(std::string(first));
  if (value == first || value == second) return value;
  ctx.usage(std::string(option) + " takes " + std::string(first) + " or " + std::string(second) +
            " here, not '" + value + "'");
  return std::nullopt;
}

std::string versionText(const Context& ctx) {
  SharedState state;
  readVersion(state, ctx.places());
  return state.versionText;
}

}  // namespace

int runSheet(const Arguments& args, Context& ctx) {
  const auto units = unitSystem(args, ctx);
  if (!units) return kUsage;
  const auto format = choice(args, ctx, "--format", "html", "json");
  if (!format) return kUsage;
  if (*format == "json" && *units != UnitSystem::Metric)
    return ctx.usage("--format json is always metric: leave out --units imperial");
  const auto vehicle = findVehicle(vehicleQuery(args), ctx);
  if (!vehicle) return kUsage;
  return ctx.writeAll(*format == "html" ? sheetPage(*vehicle, *units, versionText(ctx))
                                        : sheetJson(*vehicle, versionText(ctx)));
}

int runDrawing(const Arguments& args, Context& ctx) {
  const auto units = unitSystem(args, ctx);
  if (!units) return kUsage;
  const auto view = choice(args, ctx, "--view", "top", "side");
  if (!view) return kUsage;
  const auto format = choice(args, ctx, "--format", "svg", "dxf");
  if (!format) return kUsage;
  const auto vehicle = findVehicle(vehicleQuery(args), ctx);
  if (!vehicle) return kUsage;
  return ctx.writeAll(drawingFile(*vehicle, *view == "top" ? View::Top : View::Side,
                                  *format == "svg" ? DrawingFormat::Svg : DrawingFormat::Dxf,
                                  *units, versionText(ctx)));
}

}  // namespace orv::cli

// similar: the sister vehicles of a vehicle of the data or of typed values, and the
// generations of its model; generations: the generations of a make and model. Each as an
// HTML page, plain text or JSON, built by the same builders a window will use.
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>

#include "cli/Command.h"
#include "core/SharedState.h"
#include "core/Text.h"
#include "core/YearData.h"
#include "output/similar/Generations.h"
#include "output/similar/SimilarOutput.h"
#include "output/similar/SimilarVehicles.h"

namespace orv::cli {

using namespace core;
using namespace output;

namespace {

enum class Format { Html, Json, Text };

// The measures a value can be typed for (tyre marks and what a tape measures at a scene).
constexpr std::array<std::pair<std::string_view, Field>, 7> kTypedOptions{{
    {"--wb", WB},
    {"--tf", TF},
    {"--tr", TR},
    {"--ol", OL},
    {"--ow", OW},
    {"--oh", OH},
    {"--cw", CW},
}};

// The usage problem, empty when all is well; what was read goes to the out parameters.
using Problem = std::string;

constexpr std::array<std::pair<std::string_view, Format>, 3> kFormats{
    {{"html", Format::Html}, {"json", Format::Json}, {"text", Format::Text}}};

// "--by WB,TF,TR": measures, each once.
Problem readMeasures(std::string_view list, std::vector<Criterion>& by) {
  by.clear();
  for (std::size_t at = 0; at <= list.size();) {
    const std::size_t end = std::min(list.find(',', at), list.size());
    const std::string_view code = trimBlanks(list.substr(at, end - at));
    const auto field = measureNamed(code);
    if (!field)
      return "--by: '" + std::string(code) + "' is no measure (A to G, OL, OW, OH, WB, TF, TR, CW)";
    for (const Criterion& c : by) {
      if (c.field == *field) return "--by names " + std::string(code) + " twice";
    }
    by.push_back({*field, defaultTolerance(*field)});
    at = end + 1;
  }
  return {};
}

// "--tolerance WB=1,CW=25": a tolerance, 0 or more, for measures of `by`.
Problem readTolerances(const Arguments& args, std::vector<Criterion>& by) {
  const auto list = args.value("--tolerance");
  if (!list) return {};
  const std::string_view text = *list;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find(',', at), text.size());
    const std::string_view item = text.substr(at, end - at);
    const std::size_t equals = item.find('=');
    const auto field = measureNamed(trimBlanks(item.substr(0, std::min(equals, item.size()))));
    const auto value = equals == npos ? std::nullopt : typedNumber(item.substr(equals + 1));
    if (!field || !value)
      return "--tolerance takes MEASURE=VALUE items such as WB=1,CW=25, not '" + std::string(item) +
             "'";
    if (*value < 0)
      return "--tolerance: a tolerance cannot be negative ('" + std::string(item) + "')";
    Criterion* criterion = nullptr;
    for (Criterion& c : by) {
      if (c.field == *field) criterion = &c;
    }
    if (!criterion)
      return "--tolerance: " + std::string(codeOf(*field)) + " is not one of the measures compared";
    criterion->tolerance = *value;
    at = end + 1;
  }
  return {};
}

// The reference: a vehicle (--year, --make, --model) or typed values; then the measures.
Problem readReference(const Arguments& args, SimilarRequest& request) {
  const bool chosen = args.has("--year") || args.has("--make") || args.has("--model");
  std::vector<Field> typed;
  for (const auto& [option, field] : kTypedOptions) {
    const auto text = args.value(option);
    if (!text) continue;
    const auto value = typedNumber(*text);
    if (!value)
      return std::string(option) + " takes a number of at most " +
             std::to_string(kMaxNumberLength) + " characters, such as 265 or 265.5, not '" + *text +
             "'";
    request.typed[field] = *value;
    typed.push_back(field);
  }
  if (chosen == !typed.empty())
    return "'similar' needs either --year, --make and --model or typed values such as --wb";
  if (chosen) {
    if (!args.has("--year") || !args.has("--make") || !args.has("--model"))
      return "'similar' needs --year, --make and --model together";
    const int year = modelYearOf(*args.value("--year"));
    if (year == 0)
      return "--year takes a model year such as 1995, not '" + *args.value("--year") + "'";
    request.vehicle = VehicleChoice{year, *args.value("--make"), *args.value("--model")};
    if (trimBlanks(request.vehicle->make).empty() || trimBlanks(request.vehicle->model).empty())
      return "--make and --model must not be blank";
  }
  if (const auto list = args.value("--by")) {
    if (Problem problem = readMeasures(*list, request.by); !problem.empty()) return problem;
  } else {
    // Typed values are compared on what was typed; a vehicle on WB, TF and TR.
    for (int i = A; i < WD; ++i) {
      const auto field = static_cast<Field>(i);
      const bool wanted = chosen ? std::find(kDefaultMeasures.begin(), kDefaultMeasures.end(),
                                             field) != kDefaultMeasures.end()
                                 : request.typed[field].has_value();
      if (wanted) request.by.push_back({field, defaultTolerance(field)});
    }
  }
  for (const Criterion& c : request.by) {
    if (!chosen && !request.typed[c.field])
      return "--by names " + std::string(codeOf(c.field)) + ", which has no typed value";
  }
  return readTolerances(args, request.by);
}

}  // namespace

int runSimilar(const Arguments& args, Context& ctx) {
  const auto format = chosen(args, ctx, "--format", kFormats);
  const auto units = format ? unitSystem(args, ctx) : std::nullopt;
  if (!units) return kUsage;
  SimilarRequest request;
  request.units = *units;
  if (const Problem problem = readReference(args, request); !problem.empty())
    return ctx.usage(problem);
  SharedState state;
  readVersion(state, ctx.places());
  const int lastYear = lastModelYear(state.lastYear);
  // The JSON lists the matches alone; the page and the text show the generations too.
  const SistersAndGenerations found =
      *format == Format::Json
          ? SistersAndGenerations{findSimilar(request, ctx.places(), lastYear), {}}
          : findSistersAndGenerations(request, ctx.places(), lastYear);
  const SimilarResult& result = found.sisters;
  if (!result.problem.empty()) return ctx.message(result.problem);
  const GenerationsResult* shown = found.generations ? &*found.generations : nullptr;
  if (*format == Format::Json) return ctx.writeAll(similarJson(result, state.versionText));
  if (*format == Format::Text) return ctx.writeAll(similarText(result, shown, state.versionText));
  return ctx.writeAll(similarPage(result, shown, state.versionText));
}

int runGenerations(const Arguments& args, Context& ctx) {
  GenerationsRequest request{*args.value("--make"), *args.value("--model"), {}, {}};
  request.by = defaultCriteria(kGenerationMeasures);
  const auto format = chosen(args, ctx, "--format", kFormats);
  const auto units = format ? unitSystem(args, ctx) : std::nullopt;
  if (!units) return kUsage;
  request.units = *units;
  if (const Problem problem = readTolerances(args, request.by); !problem.empty())
    return ctx.usage(problem);
  if (trimBlanks(request.make).empty() || trimBlanks(request.model).empty())
    return ctx.usage("--make and --model must not be blank");
  SharedState state;
  readVersion(state, ctx.places());
  const auto result = findGenerations(request, ctx.places(), lastModelYear(state.lastYear));
  if (!result.problem.empty()) return ctx.message(result.problem);
  if (*format == Format::Json) return ctx.writeAll(generationsJson(result, state.versionText));
  if (*format == Format::Text) return ctx.writeAll(generationsText(result, state.versionText));
  return ctx.writeAll(generationsPage(result, state.versionText));
}

}  // namespace orv::cli

#include "cli/FindVehicle.h"

#include "core/Selection.h"
#include "core/Text.h"
#include "output/reports/ModelReport.h"

namespace orv::cli {

namespace {

// "1995 ALDER Spey 2dr" as asked for: trimmed, the make upper-cased as the grid shows it.
std::string askedName(const VehicleQuery& q) {
  std::string name;
  for (const std::string& part :
       {std::string(core::trimBlanks(q.year)), core::toUpper(core::trimBlanks(q.make)),
        std::string(core::trimBlanks(q.model))}) {
    if (part.empty()) continue;
    if (!name.empty()) name += ' ';
    name += part;
  }
  return name;
}

}  // namespace

VehicleQuery vehicleQuery(const Arguments& args) {
  return {args.value("--year").value_or(""), args.value("--make").value_or(""),
          args.value("--model").value_or(""), args.value("--group").value_or("")};
}

std::optional<core::Vehicle> findVehicle(const VehicleQuery& query, Context& ctx) {
  const std::string notFound = "no vehicle '" + askedName(query) + "': ";
  const auto year = core::trimBlanks(query.year);
  const std::string make = core::toUpper(core::trimBlanks(query.make));
  const auto model = core::trimBlanks(query.model);
  core::Selection selection;
  if (!selection.readYear(ctx.places(), year)) {
    ctx.usage(notFound + "can not read specs for the year '" + std::string(year) + "'");
    return std::nullopt;
  }
  if (make.empty() || model.empty()) {
    ctx.usage(notFound + (make.empty() ? "no make given" : "no model given"));
    return std::nullopt;
  }
  const auto group = core::trimBlanks(query.group);
  const std::string noModel = notFound + make + " of " + std::string(year) + " has no model " +
                              std::string(model) +
                              (group.empty() ? "" : " in the group " + std::string(group));
  selection.chooseRows(make, group);
  if (selection.rows().empty()) {
    // Nothing in the list: either the make is not in the year or its group is empty.
    const bool makeKnown = !group.empty() && !core::rowList(selection.yearData(), make, "").empty();
    ctx.usage(makeKnown ? noModel : notFound + std::string(year) + " has no make " + make);
    return std::nullopt;
  }
  const auto found = output::reportedRecord(selection.rows(), model);
  if (!found) {
    ctx.usage(noModel);
    return std::nullopt;
  }
  return selection.rows().vehicle(*found);
}

}  // namespace orv::cli

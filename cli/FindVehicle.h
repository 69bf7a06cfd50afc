// The one vehicle a command names by year, make, model and model group, found as `report
// model` finds its model: the year file read as the window reads a chosen year, the row
// list of the make narrowed by the group, then the first row whose model matches the name
// ignoring letter case and blanks around it. Used by every command about one vehicle.
#pragma once

#include <optional>
#include <string>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "core/Vehicle.h"

namespace orv::cli {

struct VehicleQuery {
  std::string year, make, model, group;
};

// The query of --year, --make, --model and --group (each empty when not given).
VehicleQuery vehicleQuery(const Arguments& args);

// The vehicle `query` names. Nothing when the year cannot be read, or the make or the model
// is not there: then a usage error naming the vehicle and what is missing has been told,
// and the command ends with kUsage, writing nothing.
std::optional<core::Vehicle> findVehicle(const VehicleQuery& query, Context& ctx);

}  // namespace orv::cli

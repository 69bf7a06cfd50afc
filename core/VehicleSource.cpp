#include "core/VehicleSource.h"

#include "core/Sha256.h"

namespace orv::core {

VehicleSource vehicleSource(const Vehicle& vehicle, std::string_view versionText) {
  if (!vehicle.data) return {std::string(versionText), {}, sha256Hex({})};
  return {std::string(versionText), vehicle.data->fileName, vehicle.data->sha256()};
}

std::string sourceLine(const VehicleSource& source) {
  const auto orNone = [](const std::string& text) { return text.empty() ? "(none)" : text; };
  return "data version " + orNone(source.version) + ", year file " + orNone(source.file) +
         ", SHA-256 " + source.sha256;
}

}  // namespace orv::core

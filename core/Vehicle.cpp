#include "core/Vehicle.h"

#include "core/Text.h"

namespace orv::core {

// The record's make element's value: every record of a row list has one.
std::optional<std::size_t> Vehicle::place() const {
  if (!data || !record.make()) return std::nullopt;
  return static_cast<std::size_t>(record.make()->data() - data->text.data());
}

bool Vehicle::sameAs(const Vehicle& other) const {
  if (!data || !other.data) return false;
  return data->year == other.data->year && data->fileName == other.data->fileName &&
         place() == other.place();
}

std::string vehicleName(const VehicleRecord& record) {
  std::string name = record.year() != 0 ? std::to_string(record.year()) : "";
  for (const auto part : {record.make().value_or(""), record.shownModel()}) {
    const auto text = trimBlanks(part);
    if (text.empty()) continue;
    if (!name.empty()) name += ' ';
    name += text;
  }
  return name;
}

}  // namespace orv::core

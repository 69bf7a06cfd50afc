#include "core/Vehicle.h"

#include "core/Text.h"

namespace orv::core {

namespace {
// Where the record stands in its year data: its make element's value.
std::ptrdiff_t placeOf(const Vehicle& v) {
  if (!v.data || !v.record.make()) return -1;
  return v.record.make()->data() - v.data->text.data();
}
}  // namespace

bool Vehicle::sameAs(const Vehicle& other) const {
  if (!data || !other.data) return false;
  return data->year == other.data->year && data->fileName == other.data->fileName &&
         placeOf(*this) == placeOf(other);
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

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

std::string Vehicle::name() const {
  std::string out = std::to_string(record.year());
  out.append(" ").append(trimBlanks(record.make().value_or("")));
  const auto model = trimBlanks(record.shownModel());
  if (!model.empty()) out.append(" ").append(model);
  return out;
}

}  // namespace orv::core

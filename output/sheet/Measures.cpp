#include "output/sheet/Measures.h"

namespace orv::output {

std::optional<double> usableValue(const core::VehicleRecord& record, core::Field field) {
  const auto value = record.value(field);
  const double bound = field == core::CW ? kMaxWeightKg : kMaxLengthCm;
  if (!value || !(*value > 0.0) || *value > bound) return std::nullopt;
  return value;
}

}  // namespace orv::output

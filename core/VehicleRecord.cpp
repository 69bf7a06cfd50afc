#include "core/VehicleRecord.h"

#include "core/Format.h"
#include "core/Numbers.h"
#include "core/TagText.h"
#include "core/Text.h"
#include "core/YearWalk.h"

namespace orv::core {

namespace {

std::optional<std::string_view> lookup(std::string_view text, std::string_view tag) {
  const auto e = findElement(text, tag);
  return e ? std::optional(e->value) : std::nullopt;
}

// "-1" is what a lookup answers for a missing dimension string, so it reads as none.
std::string_view dimensionsOrBlanks(const std::optional<std::string_view>& dimensions) {
  return !dimensions || *dimensions == "-1" ? kBlankDimensions : *dimensions;
}

// A stored or half of a weight distribution that is a plain decimal number.
std::optional<double> numberIn(std::string_view text) {
  if (!isDecimalNumber(text)) return std::nullopt;
  return numericReading(text);
}

}  // namespace

VehicleRecord VehicleRecord::fromModelRecord(std::string_view modelRecord, int year) {
  VehicleRecord r;
  r.year_ = year;
  r.make_ = lookup(modelRecord, "MA");
  r.model_ = lookup(modelRecord, "MO");
  r.dimensions_ = dimensionsOrBlanks(lookup(modelRecord, "DA"));
  return r;
}

VehicleRecord VehicleRecord::fromYearRecord(const YearRecord& record, int year) {
  VehicleRecord r;
  r.year_ = year;
  r.make_ = record.make;
  r.model_ = record.model;
  r.dimensions_ = dimensionsOrBlanks(record.dimensions);
  return r;
}

std::string_view VehicleRecord::shownModel() const {
  return !model_ || *model_ == "-1" ? std::string_view() : *model_;
}

std::optional<double> VehicleRecord::value(Field field) const {
  const std::string_view text = stored(field);
  if (field == WD || isNotAvailable(text)) return std::nullopt;
  return numberIn(text);
}

std::string_view VehicleRecord::shownWeightDistribution() const {
  const auto wd = trimBlanks(stored(WD));
  return wd.empty() ? std::string_view("N/A") : wd;
}

std::optional<WeightShares> VehicleRecord::weightShares() const {
  const std::string_view wd = stored(WD);
  const auto slash = wd.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const auto front = numberIn(wd.substr(0, slash));
  const auto rear = numberIn(wd.substr(slash + 1));
  if (!front || !rear || *front < 0 || *rear < 0 || *front + *rear <= 0) return std::nullopt;
  const double share = *front / (*front + *rear);
  return WeightShares{share, 1.0 - share};
}

std::string_view VehicleRecord::measuredYearStored() const {
  return slice(dimensions_, kMeasurementYearFirst, kMeasurementYearWidth);
}

std::optional<int> VehicleRecord::measuredYear() const {
  const auto yy = measuredYearStored();
  const auto digits = trimBlanks(yy);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  const int n = static_cast<int>(numericReading(digits));
  return n < 65 ? 2000 + n : 1900 + n;
}

}  // namespace orv::core

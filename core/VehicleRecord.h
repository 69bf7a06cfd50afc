// One vehicle of the year data: its model year, make, model and the fifteen measurements of
// its dimension string, each as the characters stored (what the pages print, byte for byte)
// and as a value in centimetres or kilograms (what arithmetic uses), the weight distribution
// as stored and as front and rear shares, and the year the measurements were taken.
// A view into the year data, never a copy: it holds no text of its own and must not outlive
// the data it was read from. Fields are read when asked for, so building one costs the
// three tag lookups only (the search builds one per record of every year file).
#pragma once

#include <optional>
#include <string_view>

#include "core/Fields.h"

namespace orv::core {

struct YearRecord;

// The weight distribution "F/R" as shares of one: front + rear == 1.
struct WeightShares {
  double front = 0.0;
  double rear = 0.0;
};

class VehicleRecord {
 public:
  VehicleRecord() = default;

  // A model record: the text from its "<MA>" up to, not including, its "</R>" (an entry of
  // the row list), read with the tag lookups. `year` is the model year of its year file.
  static VehicleRecord fromModelRecord(std::string_view modelRecord, int year);
  // A record as the year walker found it.
  static VehicleRecord fromYearRecord(const YearRecord& record, int year);

  // The model year of the file it was read from; 0 when not known.
  int year() const { return year_; }

  // The make and model as stored, blanks included; nothing when the record has none.
  const std::optional<std::string_view>& make() const { return make_; }
  const std::optional<std::string_view>& model() const { return model_; }
  // What the grid and the pages show as the model: empty when there is none, and when it is
  // "-1", which a lookup answers for a missing one and so cannot be told from it.
  std::string_view shownModel() const;

  // The dimension string the grid and the pages read: the "DA" value, or 100 blanks when
  // there is none or it is "-1", so that every field reads blank.
  std::string_view dimensions() const { return dimensions_; }
  // The characters of `field`, cut short where the dimension string ends.
  std::string_view stored(Field field) const { return fieldText(dimensions_, field); }
  // The value of a measurement in cm (lengths) or kg (CW). Nothing when it is not available
  // (blank, "-1" or "N/A") or not a number; WD has no single value.
  std::optional<double> value(Field field) const;

  // The weight distribution as the pages show it: trimmed, "N/A" when blank.
  std::string_view shownWeightDistribution() const;
  // The front and rear shares, where WD reads as two numbers "F/R", neither negative, with
  // F + R > 0; nothing otherwise.
  std::optional<WeightShares> weightShares() const;

  // The two characters of the measurement year as stored (fewer when the string is short).
  std::string_view measuredYearStored() const;
  // The four-digit measurement year: below 65 is 20yy, else 19yy. Nothing when blank or
  // not a number.
  std::optional<int> measuredYear() const;

 private:
  int year_ = 0;
  std::optional<std::string_view> make_, model_;
  std::string_view dimensions_ = kBlankDimensions;
};

}  // namespace orv::core

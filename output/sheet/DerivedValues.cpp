#include "output/sheet/DerivedValues.h"

#include <cmath>

#include "core/Numbers.h"
#include "output/sheet/Measures.h"

namespace orv::output {

using core::Field;

namespace {

// The inputs of one record: cm, kg, and in the WD slot the front share p.
using Inputs = std::array<double, core::kFieldCount>;

struct Row {
  std::string_view name, formula, words;
  Quantity quantity;
  std::array<Field, 3> inputs;  // kFieldCount marks an unused place
  double (*compute)(const Inputs&);
};

constexpr Field kNone = core::kFieldCount;
constexpr double kSquareCmPerSquareM = 10000.0;
constexpr double kSquareFeetPerSquareM = 10.7639;

constexpr std::array<Row, kDerivedCount> kRows{{
    {"Front axle load",
     "CW * p",
     "curb weight times the front share",
     Quantity::Weight,
     {core::CW, core::WD, kNone},
     [](const Inputs& v) { return v[core::CW] * v[core::WD]; }},
    {"Rear axle load",
     "CW * (1 - p)",
     "curb weight times the rear share",
     Quantity::Weight,
     {core::CW, core::WD, kNone},
     [](const Inputs& v) { return v[core::CW] * (1.0 - v[core::WD]); }},
    {"Load per front tyre",
     "CW * p / 2",
     "half the front axle load",
     Quantity::Weight,
     {core::CW, core::WD, kNone},
     [](const Inputs& v) { return v[core::CW] * v[core::WD] / 2.0; }},
    {"Load per rear tyre",
     "CW * (1 - p) / 2",
     "half the rear axle load",
     Quantity::Weight,
     {core::CW, core::WD, kNone},
     [](const Inputs& v) { return v[core::CW] * (1.0 - v[core::WD]) / 2.0; }},
    {"Centre of gravity behind the front axle (a)",
     "WB * (1 - p)",
     "wheelbase times the rear share",
     Quantity::Length,
     {core::WB, core::WD, kNone},
     [](const Inputs& v) { return v[core::WB] * (1.0 - v[core::WD]); }},
    {"Centre of gravity ahead of the rear axle (b)",
     "WB * p",
     "wheelbase times the front share",
     Quantity::Length,
     {core::WB, core::WD, kNone},
     [](const Inputs& v) { return v[core::WB] * v[core::WD]; }},
    {"Front bumper to centre of gravity",
     "F + a",
     "front overhang plus a",
     Quantity::Length,
     {core::F, core::WB, core::WD},
     [](const Inputs& v) { return v[core::F] + v[core::WB] * (1.0 - v[core::WD]); }},
    {"Rear bumper to centre of gravity",
     "G + b",
     "rear overhang plus b",
     Quantity::Length,
     {core::G, core::WB, core::WD},
     [](const Inputs& v) { return v[core::G] + v[core::WB] * v[core::WD]; }},
    {"Footprint",
     "WB * (TF + TR) / 2",
     "wheelbase times the mean track width",
     Quantity::Area,
     {core::WB, core::TF, core::TR},
     [](const Inputs& v) {
       return v[core::WB] * (v[core::TF] + v[core::TR]) / 2.0 / kSquareCmPerSquareM;
     }},
    {"Shadow",
     "OL * OW",
     "overall length times overall width",
     Quantity::Area,
     {core::OL, core::OW, kNone},
     [](const Inputs& v) { return v[core::OL] * v[core::OW] / kSquareCmPerSquareM; }},
}};

// Two decimals, halves away from zero as the one-decimal display rounds them.
std::string formatTwoDecimals(double value) {
  const long long hundredths = core::roundUnits(value * 100.0);
  std::string digits =
      std::to_string(hundredths < 0 ? 0ULL - static_cast<unsigned long long>(hundredths)
                                    : static_cast<unsigned long long>(hundredths));
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  digits.insert(digits.size() - 2, ".");
  return hundredths < 0 ? "-" + digits : digits;
}

}  // namespace

DerivedValues derivedValues(const core::VehicleRecord& record) {
  Inputs inputs{};
  std::array<bool, core::kFieldCount> available{};
  for (int f = 0; f < core::kFieldCount; ++f) {
    const auto field = static_cast<Field>(f);
    const auto value = field == core::WD ? std::optional<double>() : usableValue(record, field);
    available[f] = value.has_value();
    inputs[f] = value.value_or(0.0);
  }
  if (const auto shares = record.weightShares()) {
    available[core::WD] = true;
    inputs[core::WD] = shares->front;
  }

  DerivedValues values;
  for (int i = 0; i < kDerivedCount; ++i) {
    const Row& row = kRows[i];
    DerivedValue& v = values[i];
    v = {static_cast<Derived>(i), row.name, row.formula, row.words, row.quantity, {}, {}};
    for (const Field input : row.inputs)
      if (input != kNone && !available[input]) v.missing.push_back(input);
    if (v.missing.empty()) {
      const double result = row.compute(inputs);
      if (std::isfinite(result)) v.value = result;
    }
  }
  return values;
}

std::string_view unitText(Quantity quantity, core::UnitSystem units) {
  const bool metric = units == core::UnitSystem::Metric;
  switch (quantity) {
    case Quantity::Length:
      return metric ? "cm" : "in";
    case Quantity::Weight:
      return metric ? "kg" : "lb";
    case Quantity::Area:
      break;
  }
  return metric ? "m2" : "ft2";
}

std::string formatQuantity(double value, Quantity quantity, core::UnitSystem units) {
  std::string text;
  if (units == core::UnitSystem::Metric) {
    text = quantity == Quantity::Area ? formatTwoDecimals(value) : core::formatOneDecimal(value);
  } else {
    const double factor = quantity == Quantity::Length   ? core::kCmToInches
                          : quantity == Quantity::Weight ? core::kKgToPounds
                                                         : kSquareFeetPerSquareM;
    text = core::formatOneDecimal(value * factor);
  }
  return text + " " + std::string(unitText(quantity, units));
}

std::string formatDerived(const DerivedValue& value, core::UnitSystem units) {
  if (value.value) return formatQuantity(*value.value, value.quantity, units);
  std::string text = "N/A (needs ";
  for (std::size_t i = 0; i < value.missing.size(); ++i) {
    if (i != 0) text += ", ";
    text += core::kFields[value.missing[i]].code;
  }
  return text + ")";
}

}  // namespace orv::output

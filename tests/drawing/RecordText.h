// Model records for the drawing tests, written field by field as a year file stores them:
// each value right-aligned in its columns of the dimension string.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "core/Fields.h"
#include "core/VehicleRecord.h"

namespace orv::test {

inline std::string dimensionText(
    std::initializer_list<std::pair<core::Field, std::string_view>> values) {
  std::string da(50, ' ');
  for (const auto& [field, text] : values) {
    const auto& f = core::kFields[field];
    const auto end = static_cast<std::size_t>(f.first - 1 + f.width);
    da.replace(end - text.size(), text.size(), text);  // texts are at most the field's width
  }
  return da;
}

// The record text; the VehicleRecord views into it, so the text must outlive it.
inline std::string recordText(std::string_view make, std::string_view model,
                              const std::string& dimensions) {
  return "<MA>" + std::string(make) + "</MA><MO>" + std::string(model) + "</MO><DA>" + dimensions +
         "</DA>";
}

// A complete saloon: A 150, B 120, C 45, D 60, E 130, F 90, G 110, OL 465 (F + WB + G),
// OW 180, OH 145, WB 265, TF 150, TR 151, CW 1360 kg, WD 55/45, no measurement year.
inline std::string saloonDimensions() {
  return "150120 45 60130 90110465180145265150151136055/45  ";
}

}  // namespace orv::test

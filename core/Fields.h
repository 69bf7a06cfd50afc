// The one table of dimension-string fields, shared by the grid and every report, and the
// seven paired columns (a lettered measurement over a main dimension) they show.
#pragma once

#include <array>
#include <string_view>

#include "core/Format.h"

namespace orv::core {

enum Field : int { A, B, C, D, E, F, G, OL, OW, OH, WB, TF, TR, CW, WD, kFieldCount };

struct DimensionField {
  std::string_view code;  // as the make and year reports head it
  int first;              // 1-based first character in the dimension string
  int width;
  double factor;  // conversion factor handed to F_FORMAT; 0 for WD, shown as stored
};

inline constexpr std::array<DimensionField, kFieldCount> kFields{{
    {"A", 1, 3, kCmToInches},
    {"B", 4, 3, kCmToInches},
    {"C", 7, 3, kCmToInches},
    {"D", 10, 3, kCmToInches},
    {"E", 13, 3, kCmToInches},
    {"F", 16, 3, kCmToInches},
    {"G", 19, 3, kCmToInches},
    {"OL", 22, 3, kCmToInches},
    {"OW", 25, 3, kCmToInches},
    {"OH", 28, 3, kCmToInches},
    {"WB", 31, 3, kCmToInches},
    {"TF", 34, 3, kCmToInches},
    {"TR", 37, 3, kCmToInches},
    {"CW", 40, 4, kKgToPounds},
    {"WD", 44, 5, 0.0},
}};

// The two-digit year in which the measurements were taken.
inline constexpr int kMeasurementYearFirst = 49;
inline constexpr int kMeasurementYearWidth = 2;

// Upper and lower field of the seven paired grid columns, left to right.
struct FieldPair {
  Field upper;
  Field lower;
};
inline constexpr std::array<FieldPair, 7> kPairedColumns{
    {{A, WB}, {B, OL}, {C, OW}, {D, OH}, {E, CW}, {F, TF}, {G, TR}}};

// Stands in for a missing dimension string, so that every field reads blank.
inline constexpr std::string_view kBlankDimensions =
    "                                                  "
    "                                                  ";
static_assert(kBlankDimensions.size() == 100);

// The characters of `field`, cut short where the dimension string ends.
std::string_view fieldText(std::string_view dimensions, Field field);

}  // namespace orv::core

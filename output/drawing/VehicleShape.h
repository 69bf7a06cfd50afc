// Where the parts of one vehicle lie, in cm, from its record: the ends, axles, width,
// tracks, height and the side profile, in vehicle coordinates with the origin at the centre
// of the front axle, x toward the rear, y to the left (top view) or up from the ground (side
// view). Measures the record lacks are filled with schematic proportions and listed, so the
// drawing can say which parts are drawn to the data and which are not. Numbers only: the
// drawing of it is in VehicleDrawing.
#pragma once

#include <optional>
#include <vector>

#include "core/Fields.h"
#include "core/VehicleRecord.h"

namespace orv::output {

// A part drawn without a measure behind it, or taken from other measures.
enum class Guess {
  FrontOverhang,
  RearOverhang,
  Wheelbase,
  FrontOverhangFromLength,  // OL - WB - G
  RearOverhangFromLength,   // OL - F - WB
  WheelbaseFromLength,      // OL - F - G
  Width,
  FrontTrack,
  RearTrack,
  Height,
  Windshield,    // A
  Backlight,     // B
  SideGlass,     // C
  Sill,          // D
  Roof,          // E
  GlassClipped,  // C + D do not fit under OH
};

struct VehicleShape {
  double frontEnd = 0.0;   // x of the front end (negative)
  double wheelbase = 0.0;  // x of the rear axle
  double rearEnd = 0.0;
  double halfWidth = 0.0;
  double frontHalfTrack = 0.0;
  double rearHalfTrack = 0.0;
  double height = 0.0;
  double sill = 0.0;            // height of the rocker panel's lower edge (always schematic)
  double belt = 0.0;            // height of the side glass base
  double glassTop = 0.0;        // height of the side glass top
  double windshieldBase = 0.0;  // x, at the belt
  double backlightBase = 0.0;   // x, at the belt
  double roofFront = 0.0;       // x where the roof begins
  double roofRear = 0.0;
  double roofHalfWidth = 0.0;
  double wheelRadius = 0.0;  // schematic: the data has no tyre measures
  double tyreWidth = 0.0;
  std::optional<double> cg;  // x of the centre of gravity (a), when WB and WD are known
  std::vector<Guess> guesses;
  // F + WB + G and OL when all four are usable and differ by more than 1 cm.
  std::optional<double> sumOfParts, overallLength;

  bool guessed(Guess g) const;
};

VehicleShape vehicleShape(const core::VehicleRecord& record);

}  // namespace orv::output

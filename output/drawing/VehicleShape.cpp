#include "output/drawing/VehicleShape.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "output/sheet/DerivedValues.h"
#include "output/sheet/Measures.h"

namespace orv::output {

using core::Field;

namespace {

// Proportions of a typical car where the data gives no measure: front overhang, wheelbase
// and rear overhang as shares of the overall length, and that length when nothing is known.
constexpr std::array<double, 3> kLengthShare{0.19, 0.57, 0.24};
constexpr double kSchematicLength = 450.0;
constexpr double kHeightShare = 0.31;     // of the length
constexpr double kWidthShare = 0.39;      // of the length
constexpr double kTrackShare = 0.85;      // of the width
constexpr double kRoofBand = 0.08;        // above the glass, of the height
constexpr double kSillShare = 0.14;       // of the height
constexpr double kBeltShare = 0.55;       // of the height
constexpr double kWindshieldShare = 0.3;  // base behind the front end, of the length
constexpr double kBacklightShare = 0.22;  // base ahead of the rear end, of the length

void placeAlong(const core::VehicleRecord& record, VehicleShape& s) {
  constexpr std::array<Field, 3> kParts{core::F, core::WB, core::G};
  constexpr std::array<Guess, 3> kSchematic{Guess::FrontOverhang, Guess::Wheelbase,
                                            Guess::RearOverhang};
  constexpr std::array<Guess, 3> kFromLength{
      Guess::FrontOverhangFromLength, Guess::WheelbaseFromLength, Guess::RearOverhangFromLength};
  std::array<std::optional<double>, 3> part;
  double knownSum = 0.0, knownShare = 0.0;
  int missing = 0;
  for (int i = 0; i < 3; ++i) {
    part[i] = usableValue(record, kParts[i]);
    if (part[i]) {
      knownSum += *part[i];
      knownShare += kLengthShare[i];
    } else {
      ++missing;
    }
  }
  const auto length = usableValue(record, core::OL);
  const double rest = length ? *length - knownSum : 0.0;
  if (missing == 0 && length && std::fabs(rest) > 1.0) {
    s.sumOfParts = knownSum;
    s.overallLength = *length;
  }
  // One part missing: the overall length gives it, when that leaves a length for it.
  const double fromKnown = knownShare > 0.0 ? knownSum / knownShare : kSchematicLength;
  const bool restFits = length && rest > 0.25 * (1.0 - knownShare) * fromKnown;
  for (int i = 0; i < 3; ++i) {
    if (part[i]) continue;
    if (missing == 1 && restFits) {
      part[i] = rest;
      s.guesses.push_back(kFromLength[i]);
    } else {
      part[i] = kLengthShare[i] * (restFits ? rest / (1.0 - knownShare) : fromKnown);
      s.guesses.push_back(kSchematic[i]);
    }
  }
  s.frontEnd = -*part[0];
  s.wheelbase = *part[1];
  s.rearEnd = *part[1] + *part[2];
}

void placeAcross(const core::VehicleRecord& record, VehicleShape& s) {
  const double length = s.rearEnd - s.frontEnd;
  const auto width = usableValue(record, core::OW);
  const auto front = usableValue(record, core::TF);
  const auto rear = usableValue(record, core::TR);
  const auto wheelTrack = front ? front : rear;
  if (width) {
    s.halfWidth = *width / 2.0;
  } else {
    s.halfWidth = wheelTrack ? *wheelTrack / kTrackShare / 2.0 : kWidthShare * length / 2.0;
    s.guesses.push_back(Guess::Width);
  }
  s.frontHalfTrack = (front ? *front : rear ? *rear : 2.0 * kTrackShare * s.halfWidth) / 2.0;
  s.rearHalfTrack = (rear ? *rear : front ? *front : 2.0 * kTrackShare * s.halfWidth) / 2.0;
  if (!front) s.guesses.push_back(Guess::FrontTrack);
  if (!rear) s.guesses.push_back(Guess::RearTrack);
  const auto roof = usableValue(record, core::E);
  s.roofHalfWidth = roof ? *roof / 2.0 : 0.72 * s.halfWidth;
  if (!roof) s.guesses.push_back(Guess::Roof);
}

void placeHeights(const core::VehicleRecord& record, VehicleShape& s) {
  const auto height = usableValue(record, core::OH);
  s.height = height ? *height : kHeightShare * (s.rearEnd - s.frontEnd);
  if (!height) s.guesses.push_back(Guess::Height);
  const double h = s.height;
  const auto glass = usableValue(record, core::C);
  const auto sill = usableValue(record, core::D);
  // No measure gives the ground clearance: with C and D it is what is left under the glass.
  s.sill =
      glass && sill ? std::clamp(h - kRoofBand * h - *glass - *sill, 0.0, 0.3 * h) : kSillShare * h;
  if (sill) {
    s.belt = s.sill + *sill;
    s.glassTop = glass ? s.belt + *glass : s.belt + 0.75 * (h - s.belt);
  } else {
    s.glassTop = h - kRoofBand * h;
    s.belt = glass ? s.glassTop - *glass : kBeltShare * h;
  }
  if (!glass) s.guesses.push_back(Guess::SideGlass);
  if (!sill) s.guesses.push_back(Guess::Sill);
  if (s.glassTop > h || s.belt < s.sill) s.guesses.push_back(Guess::GlassClipped);
  s.glassTop = std::clamp(s.glassTop, s.sill, h);
  s.belt = std::clamp(s.belt, s.sill, s.glassTop);
}

void placeProfile(const core::VehicleRecord& record, VehicleShape& s) {
  const double length = s.rearEnd - s.frontEnd;
  const auto a = usableValue(record, core::A);
  const auto b = usableValue(record, core::B);
  const bool aFits = a && *a < length;
  s.windshieldBase = aFits ? s.frontEnd + *a : s.frontEnd + kWindshieldShare * length;
  if (!aFits) s.guesses.push_back(Guess::Windshield);
  const bool bFits = b && s.rearEnd - *b > s.windshieldBase;
  s.backlightBase = bFits ? s.rearEnd - *b : s.rearEnd - kBacklightShare * length;
  if (!bFits) s.guesses.push_back(Guess::Backlight);
  if (s.backlightBase <= s.windshieldBase) {
    // A schematic windshield behind a measured backlight, or the other way round.
    if (bFits)
      s.windshieldBase = (s.frontEnd + s.backlightBase) / 2.0;
    else
      s.backlightBase = (s.windshieldBase + s.rearEnd) / 2.0;
  }
  // The glass leans back about 1.3 times its rise in front and 0.8 times at the rear.
  const double rise = s.height - s.belt;
  s.roofFront = s.windshieldBase + 1.3 * rise;
  s.roofRear = s.backlightBase - 0.8 * rise;
  if (s.roofFront > s.roofRear) {
    const double middle = (s.windshieldBase + s.backlightBase) / 2.0;
    s.roofFront = s.roofRear = middle;
  }
}

}  // namespace

bool VehicleShape::guessed(Guess g) const {
  return std::find(guesses.begin(), guesses.end(), g) != guesses.end();
}

VehicleShape vehicleShape(const core::VehicleRecord& record) {
  VehicleShape s;
  placeAlong(record, s);
  placeAcross(record, s);
  placeHeights(record, s);
  placeProfile(record, s);
  // Schematic wheels in proportion to the wheelbase, never overlapping, never above the body.
  s.wheelRadius =
      std::min({std::clamp(0.125 * s.wheelbase, 15.0, 75.0), 0.3 * s.height, 0.45 * s.wheelbase});
  s.tyreWidth = std::min(std::clamp(0.22 * s.halfWidth, 5.0, 60.0), s.wheelRadius);
  // Only where WB itself is usable, so the mark sits on the drawn wheelbase.
  s.cg = derived(derivedValues(record), Derived::CgBehindFrontAxle).value;
  return s;
}

}  // namespace orv::output

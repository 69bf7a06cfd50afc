#include "output/drawing/ShapeNotes.h"

#include <array>
#include <string_view>

#include "output/sheet/DerivedValues.h"

namespace orv::output {

namespace {

struct GuessText {
  Guess guess;
  std::string_view text;
  bool top, side;  // the views it shows in
};

constexpr std::array<GuessText, 12> kSchematic{{
    {Guess::FrontOverhang, "front overhang F", true, true},
    {Guess::Wheelbase, "wheelbase WB", true, true},
    {Guess::RearOverhang, "rear overhang G", true, true},
    {Guess::Width, "width OW", true, false},
    {Guess::FrontTrack, "front track TF", true, false},
    {Guess::RearTrack, "rear track TR", true, false},
    {Guess::Roof, "roof width E", true, false},
    {Guess::Height, "height OH", false, true},
    {Guess::Windshield, "windshield base A", true, true},
    {Guess::Backlight, "backlight base B", true, true},
    {Guess::SideGlass, "side glass height C", false, true},
    {Guess::Sill, "sill D", false, true},
}};

constexpr std::array<GuessText, 3> kFromLength{{
    {Guess::FrontOverhangFromLength, "Front overhang F taken as OL - WB - G.", true, true},
    {Guess::WheelbaseFromLength, "Wheelbase WB taken as OL - F - G.", true, true},
    {Guess::RearOverhangFromLength, "Rear overhang G taken as OL - F - WB.", true, true},
}};

bool shows(const GuessText& g, View view) {
  return view == View::Top ? g.top : g.side;
}

}  // namespace

std::vector<std::string> commonNotes(View view) {
  std::vector<std::string> notes{"Wheels are schematic: the data has no tyre measures."};
  if (view == View::Side) notes.emplace_back("The ground clearance is schematic.");
  return notes;
}

std::vector<std::string> ownNotes(const VehicleShape& shape, View view, core::UnitSystem units) {
  std::vector<std::string> notes;
  std::string schematic;
  for (const GuessText& g : kSchematic) {
    if (!shows(g, view) || !shape.guessed(g.guess)) continue;
    if (!schematic.empty()) schematic += ", ";
    schematic += g.text;
  }
  if (!schematic.empty()) notes.push_back("Schematic, not in the data: " + schematic + ".");
  for (const GuessText& g : kFromLength)
    if (shape.guessed(g.guess)) notes.emplace_back(g.text);
  if (view == View::Side && shape.guessed(Guess::GlassClipped))
    notes.emplace_back("C and D do not fit under OH: the side glass is cut at the roof.");
  if (shape.sumOfParts && shape.overallLength)
    notes.push_back(
        "F + WB + G = " + formatQuantity(*shape.sumOfParts, Quantity::Length, units) +
        " differs from OL = " + formatQuantity(*shape.overallLength, Quantity::Length, units) +
        "; drawn with F, WB and G.");
  return notes;
}

std::vector<std::string> shapeNotes(const VehicleShape& shape, View view, core::UnitSystem units) {
  std::vector<std::string> notes = commonNotes(view);
  for (std::string& note : ownNotes(shape, view, units)) notes.push_back(std::move(note));
  if (view == View::Side && shape.cg)
    notes.emplace_back(
        "The height of the centre of gravity is not known: its mark stands at 0.4 OH.");
  return notes;
}

}  // namespace orv::output

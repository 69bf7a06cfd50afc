// Three vehicles for the comparison tests, each in year data of its own. The differences the
// tests expect are worked out by hand from these numbers.
#pragma once

#include <vector>

#include "SheetVehicle.h"

namespace orv::test {

// 1: the saloon of RecordText.h (F 90, WB 265, G 110, OL 465, OW 180, OH 145, TF 150, TR 151,
//    A 150, B 120, C 45, D 60, E 130, CW 1360, WD 55/45).
// 2: no A; F 100, WB 250, G 115, OW 176, OH 150, TF 148, TR 149, CW 1250, WD 60/40.
// 3: the saloon with F 80 and WB 280.
inline std::vector<core::Vehicle> threeVehicles(std::string_view secondModel = "Two") {
  using namespace core;
  const std::string second = dimensionText({{B, "120"},
                                            {C, "45"},
                                            {D, "60"},
                                            {E, "130"},
                                            {F, "100"},
                                            {G, "115"},
                                            {OL, "465"},
                                            {OW, "176"},
                                            {OH, "150"},
                                            {WB, "250"},
                                            {TF, "148"},
                                            {TR, "149"},
                                            {CW, "1250"},
                                            {WD, "60/40"}});
  const std::string third = saloonDimensions().replace(15, 3, " 80").replace(30, 3, "280");
  return {vehicleOf(recordText("ALDER", "One", saloonDimensions())),
          vehicleOf(recordText("ALDER", secondModel, second), 1996, "SP1996.TXT"),
          vehicleOf(recordText("BIRCH", "Three", third))};
}

}  // namespace orv::test

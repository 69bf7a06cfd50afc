// A fresh data folder per test with year files of hand-written vehicles, and the lines of a
// result in short, so that expected values read like the hand computation behind them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DataFolder.h"
#include "output/json/JsonWriter.h"
#include "output/similar/SimilarVehicles.h"

namespace orv::output::testing {

// A record whose WB, TF, TR, OL and CW hold the given characters (three, three, three,
// three and four); the other fields hold fixed values.
inline std::string vehicle(const std::string& make, const std::string& model, const std::string& wb,
                           const std::string& tf, const std::string& tr,
                           const std::string& ol = "480", const std::string& cw = "1350") {
  return "<R><MA>" + make + "</MA><MO>" + model + "</MO><DA>120 95 50 60130 90105" + ol + "175140" +
         wb + tf + tr + cw + "55/4596</DA></R>\r\n";
}

class SimilarFolder : public test::DataFolder {
 protected:
  void writeYear(int year, const std::string& text) {
    write("SP" + std::to_string(year) + ".TXT", text);
  }
  // Each match as "year make model distance".
  static std::vector<std::string> shortly(const SimilarResult& result) {
    std::vector<std::string> lines;
    for (const auto& m : result.matches)
      lines.push_back(std::to_string(m.vehicle.year) + " " + m.vehicle.make + " " +
                      m.vehicle.model + " " + jsonNumber(m.distance));
    return lines;
  }
};

}  // namespace orv::output::testing

// The large year of the main window's benchmarks: 100,000 records in 20 makes (MAKE100 to
// MAKE119) of 5,000 models each, in model groups of seven.
#pragma once

#include <cstdio>
#include <string>

namespace orv::bench {

inline std::string bigYear() {
  std::string out;
  out.reserve(100000 * 110);
  char dims[64];
  for (int make = 0; make < 20; ++make) {
    const std::string name = "MAKE" + std::to_string(100 + make);
    for (int m = 0; m < 5000; ++m) {
      std::snprintf(dims, sizeof dims, "%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%4d%5s%2s",
                    90 + m % 9, 80, 45, 60, 120, 90, 100, 450, 175, 140, 200 + m % 140, 150, 151,
                    900 + m % 2000, "55/45", "98");
      out += "<R><MA>" + name + "</MA><MO>GROUP" + std::to_string(m / 7) + " MODEL " +
             std::to_string(m) + "</MO><DA>" + dims + "</DA></R>\r\n";
    }
  }
  return out;
}

// One make, MAKE10000, of `records` records in model groups of seven (the bad-input corpus's
// large make), about 100 bytes a record.
inline std::string bigMake(long records) {
  std::string out;
  out.reserve(static_cast<std::size_t>(records) * 110);
  char dims[64];
  for (long i = 0; i < records; ++i) {
    std::snprintf(dims, sizeof dims, "%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3ld%3d%3d%4ld%5s%2s", 95, 80,
                  45, 60, 120, 90, 100, 450, 175, 140, 200 + i % 140, 150, 151, 900 + i % 2000,
                  "55/45", "98");
    out += "<R><MA>MAKE10000</MA><MO>GROUP" + std::to_string(i / 7) + " M" + std::to_string(i) +
           "</MO><DA>" + dims + "</DA></R>\r\n";
  }
  return out;
}

}  // namespace orv::bench

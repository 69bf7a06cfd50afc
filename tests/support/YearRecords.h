// Records of a year file for tests, written by hand rather than by the code under test.
#pragma once

#include <cstdio>
#include <string>

namespace orv::testing {

// A dimension string: fifteen fields and the measurement year, each right-aligned.
inline std::string dims(int wb, int cw = 1360) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%3d%4d%5s%2s", 95, 80, 45, 60,
                120, 90, 100, 450, 175, 140, wb, 150, 151, cw, "55/45", "98");
  return buf;
}

inline std::string record(const std::string& make, const std::string& model,
                          const std::string& dimensions) {
  return "<R><MA>" + make + "</MA><MO>" + model + "</MO><DA>" + dimensions + "</DA></R>\r\n";
}

}  // namespace orv::testing

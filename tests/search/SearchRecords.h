// Year records laid out as the data release lays them out, and the fixed parts of
// REPORT.TXT, for the scan and search window tests.
#pragma once

#include <string>
#include <string_view>

#include "DataFolder.h"
#include "YearRecords.h"

namespace orv::output::testing {

using namespace orv::core;
using orv::testing::record;

namespace fs = std::filesystem;

// A dimension string whose WB, TF and TR fields (characters 31 to 39) hold the given
// three-character texts; the other fields hold plausible values.
inline std::string dims(std::string_view wb, std::string_view tf, std::string_view tr) {
  return "120 95 50 60130 90105480175140" + std::string(wb) + std::string(tf) + std::string(tr) +
         "13505248 96";
}

// The usual test record: WB 265, TF 150, TR 148 cm.
inline std::string car(const std::string& make, const std::string& model = "SEDAN") {
  return record(make, model, dims("265", "150", "148"));
}

inline std::string blanks(std::size_t n) {
  return std::string(n, ' ');
}

inline const std::string kHeader =
    "Year Make" + blanks(26) + " Model" + blanks(35) + "  WB     TWF    TWR\r\n";

}  // namespace orv::output::testing

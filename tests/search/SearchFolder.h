// A fresh temporary current folder per test, with helpers that write year files the way
// the data release lays them out.
#pragma once

#include <gtest/gtest.h>
#include <filesystem>
#include <optional>
#include <string>

#include "TempFolder.h"
#include "core/Places.h"

namespace orv::output::testing {

using namespace orv::core;

namespace fs = std::filesystem;

// A dimension string whose WB, TF and TR fields (characters 31 to 39) hold the given
// three-character texts; the other fields hold plausible values.
inline std::string dims(std::string_view wb, std::string_view tf, std::string_view tr) {
  return "120 95 50 60130 90105480175140" + std::string(wb) + std::string(tf) + std::string(tr) +
         "13505248 96";
}

inline std::string record(std::string_view make, std::string_view model,
                          std::string_view dimensions) {
  return "<R><MA>" + std::string(make) + "</MA><MO>" + std::string(model) + "</MO><DA>" +
         std::string(dimensions) + "</DA></R>\r\n";
}

// The usual test record: WB 265, TF 150, TR 148 cm.
inline std::string car(std::string_view make, std::string_view model = "SEDAN") {
  return record(make, model, dims("265", "150", "148"));
}

inline std::string blanks(std::size_t n) {
  return std::string(n, ' ');
}

inline const std::string kHeader =
    "Year Make" + blanks(26) + " Model" + blanks(35) + "  WB     TWF    TWR\r\n";

class SearchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    root_ = folder_.path();
    places_.emplace(root_, root_, root_ / "report");
  }

  void writeFile(const std::string& name, std::string_view content) {
    orv::test::writeBytes(root_ / name, content);
  }
  std::string readFile(const std::string& name) const { return orv::test::readBytes(root_ / name); }

  orv::test::TempFolder folder_;
  fs::path root_;
  std::optional<Places> places_;
};

}  // namespace orv::output::testing

// A fixture with a fresh temporary data folder for each test, which is also the program
// folder, and the places over it; its files written and read byte for byte.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "TempFolder.h"
#include "core/Places.h"

namespace orv::test {

class DataFolder : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(data_.path().empty()); }

  void write(const std::string& name, std::string_view content) {
    writeBytes(data_ / name, content);
  }
  std::string read(const std::string& name) const { return readBytes(data_ / name); }

  TempFolder data_;
  core::Places places_{data_.path(), data_.path(), data_ / "report"};
};

}  // namespace orv::test

// A fresh temporary current folder per test, with helpers that write year files the way
// the data release lays them out.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/Places.h"

namespace orv::search::testing {

namespace fs = std::filesystem;

// A dimension string whose WB, TF and TR fields (characters 31 to 39) hold the given
// three-character texts; the other fields hold plausible values.
inline std::string dims(std::string_view wb, std::string_view tf, std::string_view tr) {
  std::string d = "120 95 50 60130 90105480175140";  // A to OH, 30 characters
  d.append(wb).append(tf).append(tr);
  d.append("13505248 96");  // CW, WD and the measurement year
  return d;
}

// One record with its elements in the usual order, CR LF after it.
inline std::string record(std::string_view make, std::string_view model,
                          std::string_view dimensions) {
  return "<R><MA>" + std::string(make) + "</MA><MO>" + std::string(model) + "</MO><DA>" +
         std::string(dimensions) + "</DA></R>\r\n";
}

inline std::string blanks(std::size_t n) {
  return std::string(n, ' ');
}

class SearchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orvane-search-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    fs::create_directory(root_ / "program");
    places_.emplace(root_, root_ / "program", root_ / "report");
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(root_, fs::perms::owner_all, ec);
    fs::remove_all(root_, ec);
  }

  void writeFile(const std::string& name, std::string_view content) {
    std::ofstream out(root_ / name, std::ios::binary);
    out << content;
  }
  std::string readFile(const std::string& name) const {
    std::ifstream in(root_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool exists(const std::string& name) const { return fs::exists(root_ / name); }

  const Places& places() const { return *places_; }
  const fs::path& root() const { return root_; }

 private:
  fs::path root_;
  std::optional<Places> places_;
};

}  // namespace orv::search::testing

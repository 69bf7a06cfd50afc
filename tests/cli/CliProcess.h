// Runs the built orvane-cli as a process in a temporary data folder and keeps what it wrote
// to standard output and standard error and its exit status.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "DataFolder.h"

namespace orv::test {

struct CliRun {
  std::string out;
  std::string err;
  int status = -1;
};

inline std::string shellQuoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// orvane-cli with `args`, started in `folder`; its output passes through files in `io`.
inline CliRun runCli(const std::filesystem::path& folder, const std::filesystem::path& io,
                     const std::vector<std::string>& args) {
  std::string command = "cd " + shellQuoted(folder) + " && " + shellQuoted(ORVANE_CLI);
  for (const auto& arg : args) command += " " + shellQuoted(arg);
  command += " >" + shellQuoted(io / "out") + " 2>" + shellQuoted(io / "err");
  const int raw = std::system(command.c_str());
  return {readBytes(io / "out"), readBytes(io / "err"), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

class CliProcess : public DataFolder {
 protected:
  void SetUp() override {
    DataFolder::SetUp();
    ASSERT_FALSE(io_.path().empty());
  }
  CliRun run(const std::vector<std::string>& args) {
    return runCli(data_.path(), io_.path(), args);
  }

  TempFolder io_;
};

}  // namespace orv::test

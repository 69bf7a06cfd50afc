// The file procedures and the places they work in, against real temporary folders.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "core/FileProcs.h"
#include "core/Places.h"

namespace orv {

using namespace orv::core;
namespace {

namespace fs = std::filesystem;
using test::writeBytes;

class FileProcs : public ::testing::Test {
 protected:
  FileProcs() : places_(root_ / "current", root_.path(), report_) {
    fs::create_directories(root_ / "current");
  }
  fs::path current(std::string_view name) const { return root_ / "current" / name; }
  std::string reportProblem() const { return places_.reportFolderProblem(); }

  test::TempFolder root_;
  fs::path report_ = root_ / "report";
  Places places_;
};

// Folders, pipes and devices read as missing files; hidden files, names with a folder part
// and case-insensitive near matches do not count; loops and oversized files fail.
TEST_F(FileProcs, ReadFileAnswersEveryByteOrEmptyOrMinusOne) {
  std::string bytes = "\r\n\t\r\r\n\n";
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  writeBytes(current("Sp1995.txt"), bytes);
  writeBytes(current("SP1996.TXT"), "upper");
  writeBytes(current("sp1996.txt"), "lower");
  writeBytes(current(".HIDDEN.TXT"), "secret");
  writeBytes(root_ / "OUTSIDE.TXT", "outside");
  fs::create_directory(current("SP1999.TXT"));
  ASSERT_EQ(::mkfifo(current("SP2000.TXT").c_str(), 0600), 0);  // without a writer: no hang
  fs::create_symlink("/dev/zero", current("ZERO.TXT"));
  fs::create_symlink("LOOP.TXT", current("LOOP.TXT"));
  writeBytes(current("HUGE.TXT"), "");
  fs::resize_file(current("HUGE.TXT"), kMaxReadBytes + 1);  // sparse: no disk space taken
  const std::pair<std::string, std::string> cases[] = {
      {"SP1995.TXT", bytes}, {"sp1996.txt", "lower"}, {"SP1996.TXT", "upper"},
      {"MISSING.TXT", ""},   {".HIDDEN.TXT", ""},     {"SP1999.TXT", ""},
      {"SP2000.TXT", ""},    {"ZERO.TXT", ""},        {"../OUTSIDE.TXT", ""},
      {"LOOP.TXT", "-1"},    {"HUGE.TXT", "-1"},      {std::string(300, 'A'), "-1"}};
  for (const auto& [name, expected] : cases) EXPECT_EQ(F_READFILE(places_, name), expected) << name;
}

TEST_F(FileProcs, KillFileDeletesOnlyTheFileWhoseUpperCasedNameMatches) {
  writeBytes(current("Report.txt"), "old");
  fs::create_directory(current("FOLDER.TXT"));
  for (const char* name : {"report.txt", "Report.txt", "sub/REPORT.TXT", "FOLDER.TXT"})
    EXPECT_TRUE(F_KILLFILE(places_, name)) << name;
  EXPECT_TRUE(fs::exists(current("Report.txt")) && fs::is_directory(current("FOLDER.TXT")));
  EXPECT_TRUE(F_KILLFILE(places_, "  REPORT.TXT "));
  EXPECT_FALSE(fs::exists(current("Report.txt")));
}

TEST_F(FileProcs, MakePathCreatesEveryLevelEndingWithABackslashOnlyInsideTheReportFolder) {
  EXPECT_TRUE(F_MAKEPATH(places_, "C:\\TEMP\\A\\B"));
  struct stat st {};
  ASSERT_EQ(::lstat(report_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0700u);  // created private
  EXPECT_TRUE(fs::is_directory(report_ / "A"));
  EXPECT_FALSE(fs::exists(report_ / "A" / "B"));
  for (const char* path : {"D:\\OTHER\\", "C:\\TEMP\\..\\ESCAPE\\"})
    EXPECT_TRUE(F_MAKEPATH(places_, path)) << path;
  EXPECT_FALSE(fs::exists(root_ / "ESCAPE") || fs::exists(root_ / "OTHER"));
  EXPECT_FALSE(F_MAKEDIR(places_, "c:\\temp\\"));  // always false, even when it worked
  EXPECT_EQ(places_.mapFixedPath("C:\\TEMP\\A\\\\B"), report_ / "A" / "B");
  for (const char* path : {"C:\\TEMP\\.\\x", "C:\\TEMP\\a/b", "C:\\TEMPX\\", "D:\\TEMP\\"})
    EXPECT_FALSE(places_.mapFixedPath(path).has_value()) << path;
}

// A link, a folder everyone may write to and another user's folder are refused through the
// real window (bad-input test), a folder in the page's place by the page writer (reports).
TEST_F(FileProcs, ReportFolderIsRefusedUnlessAPrivateFolderOfThisUser) {
  EXPECT_NE(reportProblem().find("does not exist"), std::string::npos);
  writeBytes(report_, "a file");
  EXPECT_NE(reportProblem().find("is not a folder"), std::string::npos);
  fs::remove(report_);
  fs::create_directory(report_);
  ASSERT_EQ(::chmod(report_.c_str(), 0770), 0);  // writable by the group is refused too
  EXPECT_NE(reportProblem().find("can be written by other users"), std::string::npos);
  ASSERT_EQ(::chmod(report_.c_str(), 0755), 0);
  EXPECT_EQ(reportProblem(), "");
}

TEST(UnitFolder, ProgramFolderWhileWritableElseTheUsersConfigurationFolder) {
  // Writable, XDG_CONFIG_HOME, HOME, expected; relative settings count as unset.
  const std::tuple<bool, const char*, const char*, fs::path> cases[] = {
      {true, "/xdg", "/home/u", "/opt/orv"},
      {false, "/xdg", "/home/u", "/xdg/orvane"},
      {false, "cfg", "/home/u", "/home/u/.config/orvane"},
      {false, "", "home", "/opt/orv"},
  };
  for (const auto& [writable, xdg, home, expected] : cases)
    EXPECT_EQ(Places::unitFolderFor("/opt/orv", writable, xdg, home), expected) << xdg << home;
}

}  // namespace
}  // namespace orv

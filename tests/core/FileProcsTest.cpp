// The file procedures and the places they work in, against real temporary folders.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "FileProcs.h"
#include "Places.h"
#include "TempFolder.h"

namespace orv {
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

TEST_F(FileProcs, ReadFileAnswersEveryByteOrEmptyOrMinusOne) {
  std::string bytes = "\r\n\t\r\r\n\n";
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  writeBytes(current("Sp1995.txt"), bytes);
  writeBytes(current("SP1996.TXT"), "upper");
  writeBytes(current("sp1996.txt"), "lower");
  writeBytes(current("EMPTY.TXT"), "");
  writeBytes(current(".HIDDEN.TXT"), "secret");
  fs::create_directory(current("SP1999.TXT"));
  ASSERT_EQ(::mkfifo(current("SP2000.TXT").c_str(), 0600), 0);  // without a writer: no hang
  fs::create_symlink("LOOP.TXT", current("LOOP.TXT"));
  writeBytes(root_ / "OUTSIDE.TXT", "outside");
  const std::pair<std::string, std::string> cases[] = {{"SP1995.TXT", bytes},
                                                       {"sp1996.txt", "lower"},
                                                       {"SP1996.TXT", "upper"},
                                                       {"MISSING.TXT", ""},
                                                       {"EMPTY.TXT", ""},
                                                       {".HIDDEN.TXT", ""},
                                                       {"SP1999.TXT", ""},
                                                       {"SP2000.TXT", ""},
                                                       {"../OUTSIDE.TXT", ""},
                                                       {"LOOP.TXT", "-1"},
                                                       {std::string(300, 'A'), "-1"}};
  for (const auto& [name, expected] : cases) EXPECT_EQ(F_READFILE(places_, name), expected) << name;
}

TEST_F(FileProcs, KillFileDeletesOnlyTheFileWhoseUpperCasedNameMatches) {
  writeBytes(current("Report.txt"), "old");
  fs::create_directory(current("sub"));
  writeBytes(current("sub") / "REPORT.TXT", "keep");
  fs::create_directory(current("FOLDER.TXT"));
  for (const char* name : {"report.txt", "Report.txt", "sub\\REPORT.TXT", "sub/REPORT.TXT",
                           "FOLDER.TXT", "MISSING.TXT"})
    EXPECT_TRUE(F_KILLFILE(places_, name)) << name;
  EXPECT_TRUE(fs::exists(current("Report.txt")));
  EXPECT_TRUE(fs::exists(current("sub") / "REPORT.TXT"));
  EXPECT_TRUE(fs::is_directory(current("FOLDER.TXT")));
  EXPECT_TRUE(F_KILLFILE(places_, "  REPORT.TXT "));
  EXPECT_FALSE(fs::exists(current("Report.txt")));
}

TEST_F(FileProcs, MakePathCreatesTheReportFolderPrivatelyAndEveryLevelEndingWithABackslash) {
  EXPECT_TRUE(F_MAKEPATH(places_, "C:\\TEMP\\A\\B"));
  struct stat st {};
  ASSERT_EQ(::lstat(report_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0700u);
  EXPECT_EQ(reportProblem(), "");
  EXPECT_TRUE(fs::is_directory(report_ / "A"));
  EXPECT_FALSE(fs::exists(report_ / "A" / "B"));
  EXPECT_TRUE(F_MAKEPATH(places_, "C:\\TEMP\\A\\B\\"));
  EXPECT_TRUE(fs::is_directory(report_ / "A" / "B"));
}

TEST_F(FileProcs, NothingIsCreatedOrMappedOutsideTheReportFolder) {
  for (const char* path : {"D:\\OTHER\\", "C:\\TEMP\\..\\ESCAPE\\", "x"})
    EXPECT_TRUE(F_MAKEPATH(places_, path)) << path;
  EXPECT_FALSE(fs::exists(root_ / "ESCAPE"));
  EXPECT_FALSE(fs::exists(root_ / "OTHER"));
  EXPECT_FALSE(F_MAKEDIR(places_, "c:\\temp\\"));  // always false, even when it worked
  EXPECT_TRUE(fs::is_directory(report_));
  EXPECT_FALSE(fs::exists(report_ / "ESCAPE"));
  EXPECT_EQ(places_.mapFixedPath("C:\\TEMP\\A\\\\B"), report_ / "A" / "B");
  for (const char* path :
       {"C:\\TEMP\\.\\x", "C:\\TEMP\\a/b", "C:\\TEMPX\\", "D:\\TEMP\\", "C:\\TEMP", ""})
    EXPECT_FALSE(places_.mapFixedPath(path).has_value()) << path;
}

TEST_F(FileProcs, ReportFolderIsRefusedUnlessAPrivateFolderOfThisUser) {
  EXPECT_NE(reportProblem().find("does not exist"), std::string::npos);
  writeBytes(report_, "a file");
  EXPECT_NE(reportProblem().find("is not a folder"), std::string::npos);
  fs::remove(report_);
  fs::create_directory(root_ / "elsewhere");
  fs::create_directory_symlink(root_ / "elsewhere", report_);
  ASSERT_EQ(::chmod((root_ / "elsewhere").c_str(), 0700), 0);
  EXPECT_NE(reportProblem().find("symbolic link"), std::string::npos);
  fs::remove(report_);
  fs::create_directory(report_);
  for (mode_t mode : {0770, 0702}) {
    ASSERT_EQ(::chmod(report_.c_str(), mode), 0);
    EXPECT_NE(reportProblem().find("written by other users"), std::string::npos) << mode;
  }
  ASSERT_EQ(::chmod(report_.c_str(), 0755), 0);
  EXPECT_EQ(reportProblem(), "");
}

TEST_F(FileProcs, ReportFolderIsRefusedWhenItBelongsToAnotherUser) {
  const passwd* nobody = ::getpwnam("nobody");
  if (::geteuid() != 0 || nobody == nullptr) GTEST_SKIP() << "needs root to give a folder away";
  fs::create_directory(report_);
  ASSERT_EQ(::chown(report_.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  EXPECT_NE(reportProblem().find("another user"), std::string::npos);
}

TEST(UnitFolder, ProgramFolderWhileWritableElseTheUsersConfigurationFolder) {
  const struct {
    const char* name;
    bool writable;
    const char* xdgConfigHome;
    const char* home;
    fs::path expected;
  } cases[] = {
      {"build folder", true, "/xdg", "/home/u", "/opt/orv"},
      {"installed, XDG_CONFIG_HOME set", false, "/xdg", "/home/u", "/xdg/orvane"},
      {"installed, no XDG_CONFIG_HOME", false, "", "/home/u", "/home/u/.config/orvane"},
      {"installed, relative XDG_CONFIG_HOME", false, "cfg", "/home/u", "/home/u/.config/orvane"},
      {"installed, no home at all", false, "", "", "/opt/orv"},
      {"installed, relative home", false, "", "home", "/opt/orv"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Places::unitFolderFor("/opt/orv", c.writable, c.xdgConfigHome, c.home), c.expected)
        << c.name;
  EXPECT_EQ(Places("/d", "/p", "/r").unitFile(), fs::path("/p/UNITS.TXT"));
}

}  // namespace
}  // namespace orv

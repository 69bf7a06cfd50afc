// The file procedures and the places they work in, against real temporary folders.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "core/FileProcs.h"
#include "core/Places.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeBytes;

class FileProcs : public ::testing::Test {
 protected:
  FileProcs()
      : current_(root_ / "current"),
        report_(root_ / "report"),
        places_(current_, root_ / "program", report_) {
    fs::create_directories(current_);
    fs::create_directories(root_ / "program");
  }

  fs::path current(std::string_view name) const { return current_ / name; }
  unsigned modeOf(const fs::path& p) const {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0) return 0xFFFF;
    return st.st_mode & 07777;
  }

  test::TempFolder root_;
  fs::path current_;
  fs::path report_;
  Places places_;
};

TEST_F(FileProcs, ReadFileMatchesNamesWithoutRegardToCase) {
  writeBytes(current("Sp1995.txt"), "<R></R>");
  EXPECT_EQ(F_READFILE(places_, "SP1995.TXT"), "<R></R>");
  EXPECT_EQ(F_READFILE(places_, "sp1995.txt"), "<R></R>");
}

TEST_F(FileProcs, ReadFilePrefersTheExactName) {
  writeBytes(current("SP1995.TXT"), "upper");
  writeBytes(current("sp1995.txt"), "lower");
  EXPECT_EQ(F_READFILE(places_, "sp1995.txt"), "lower");
  EXPECT_EQ(F_READFILE(places_, "SP1995.TXT"), "upper");
}

TEST_F(FileProcs, ReadFileKeepsEveryByte) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  bytes += "\r\n\t\r\r\n\n";
  bytes += bytes;
  writeBytes(current("VERSION.TXT"), bytes);
  EXPECT_EQ(F_READFILE(places_, "VERSION.TXT"), bytes);
}

TEST_F(FileProcs, ReadFileAnswersEmptyForWhatIsNotANormalFile) {
  writeBytes(current("EMPTY.TXT"), "");
  writeBytes(current(".HIDDEN.TXT"), "secret");
  fs::create_directory(current("SP1999.TXT"));
  ASSERT_EQ(::mkfifo(current("SP2000.TXT").c_str(), 0600), 0);
  writeBytes(root_ / "OUTSIDE.TXT", "outside");
  EXPECT_EQ(F_READFILE(places_, "MISSING.TXT"), "");
  EXPECT_EQ(F_READFILE(places_, "EMPTY.TXT"), "");
  EXPECT_EQ(F_READFILE(places_, ".HIDDEN.TXT"), "");
  EXPECT_EQ(F_READFILE(places_, "SP1999.TXT"), "");
  EXPECT_EQ(F_READFILE(places_, "SP2000.TXT"), "");  // a FIFO without a writer: no hang
  EXPECT_EQ(F_READFILE(places_, "../OUTSIDE.TXT"), "");
  EXPECT_EQ(F_READFILE(places_, ""), "");
}

TEST_F(FileProcs, ReadFileAnswersMinusOneForAPathTheSystemRejects) {
  fs::create_symlink("LOOP.TXT", current("LOOP.TXT"));
  EXPECT_EQ(F_READFILE(places_, "LOOP.TXT"), "-1");
  EXPECT_EQ(F_READFILE(places_, std::string(300, 'A')), "-1");  // name too long
}

TEST_F(FileProcs, ReadFileAnswersMinusOneForAnUnreadableFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads a file without read permission";
  writeBytes(current("SP1990.TXT"), "data");
  fs::permissions(current("SP1990.TXT"), fs::perms::none);
  EXPECT_EQ(F_READFILE(places_, "SP1990.TXT"), "-1");
}

TEST_F(FileProcs, KillFileDeletesTheFileWhoseUpperCasedNameMatches) {
  writeBytes(current("Report.txt"), "old");
  EXPECT_TRUE(F_KILLFILE(places_, "REPORT.TXT"));
  EXPECT_FALSE(fs::exists(current("Report.txt")));
}

TEST_F(FileProcs, KillFileIgnoresBlanksAroundTheName) {
  writeBytes(current("REPORT.TXT"), "old");
  EXPECT_TRUE(F_KILLFILE(places_, "  REPORT.TXT "));
  EXPECT_FALSE(fs::exists(current("REPORT.TXT")));
}

TEST_F(FileProcs, KillFileDeletesNothingForLowerCaseOrFolderParts) {
  writeBytes(current("Report.txt"), "keep");
  fs::create_directory(current("sub"));
  writeBytes(current("sub") / "REPORT.TXT", "keep");
  fs::create_directory(current("FOLDER.TXT"));
  EXPECT_TRUE(F_KILLFILE(places_, "report.txt"));
  EXPECT_TRUE(F_KILLFILE(places_, "Report.txt"));
  EXPECT_TRUE(F_KILLFILE(places_, "sub\\REPORT.TXT"));
  EXPECT_TRUE(F_KILLFILE(places_, "sub/REPORT.TXT"));
  EXPECT_TRUE(F_KILLFILE(places_, "FOLDER.TXT"));
  EXPECT_TRUE(F_KILLFILE(places_, "MISSING.TXT"));
  EXPECT_TRUE(fs::exists(current("Report.txt")));
  EXPECT_TRUE(fs::exists(current("sub") / "REPORT.TXT"));
  EXPECT_TRUE(fs::is_directory(current("FOLDER.TXT")));
}

TEST_F(FileProcs, MakePathCreatesTheReportFolderPrivately) {
  EXPECT_TRUE(F_MAKEPATH(places_, "C:\\TEMP\\"));
  ASSERT_TRUE(fs::is_directory(report_));
  EXPECT_EQ(modeOf(report_), 0700u);
  EXPECT_EQ(places_.reportFolderProblem(), "");
  EXPECT_TRUE(F_MAKEPATH(places_, "C:\\TEMP\\"));  // an existing folder is no problem
}

TEST_F(FileProcs, MakePathCreatesEveryLevelEndingWithABackslash) {
  EXPECT_TRUE(F_MAKEPATH(places_, "C:\\TEMP\\A\\B\\"));
  EXPECT_TRUE(fs::is_directory(report_ / "A" / "B"));
}

TEST_F(FileProcs, MakePathLeavesOutALastPartWithoutBackslash) {
  EXPECT_TRUE(F_MAKEPATH(places_, "C:\\TEMP\\A\\B"));
  EXPECT_TRUE(fs::is_directory(report_ / "A"));
  EXPECT_FALSE(fs::exists(report_ / "A" / "B"));
}

TEST_F(FileProcs, MakePathCreatesNothingOutsideTheReportFolder) {
  EXPECT_TRUE(F_MAKEPATH(places_, "D:\\OTHER\\"));
  EXPECT_TRUE(F_MAKEPATH(places_, "C:\\TEMP\\..\\ESCAPE\\"));
  EXPECT_TRUE(F_MAKEPATH(places_, "C:\\"));
  EXPECT_TRUE(F_MAKEPATH(places_, "no backslash"));
  EXPECT_FALSE(fs::exists(root_ / "ESCAPE"));
  EXPECT_FALSE(fs::exists(report_ / "ESCAPE"));
  EXPECT_FALSE(fs::exists(root_ / "OTHER"));
  EXPECT_FALSE(F_MAKEDIR(places_, "C:\\TEMP\\"));  // always false, even when it worked
  EXPECT_TRUE(fs::is_directory(report_));
}

TEST_F(FileProcs, CurrentFileRejectsNamesWithFolderParts) {
  for (const char* name : {"../x", "a/b", "a\\b", "..", ".", "", "/etc/passwd"})
    EXPECT_FALSE(places_.currentFile(name).has_value()) << name;
  EXPECT_EQ(places_.currentFile("NEW.TXT"), current("NEW.TXT"));
}

TEST_F(FileProcs, FixedPathsMapOntoTheReportFolderOnly) {
  EXPECT_EQ(places_.mapFixedPath("C:\\TEMP\\ORV.HTM"), report_ / "ORV.HTM");
  EXPECT_EQ(places_.mapFixedPath("c:\\temp\\ORV.HTM"), report_ / "ORV.HTM");
  EXPECT_EQ(places_.mapFixedPath("C:\\TEMP\\"), report_);
  EXPECT_EQ(places_.mapFixedPath("C:\\TEMP\\A\\\\B"), report_ / "A" / "B");
  for (const char* path : {"C:\\TEMP\\..\\x", "C:\\TEMP\\.\\x", "C:\\TEMP\\a/b", "C:\\TEMPX\\",
                           "D:\\TEMP\\", "C:\\TEMP", ""})
    EXPECT_FALSE(places_.mapFixedPath(path).has_value()) << path;
}

TEST_F(FileProcs, ReportFolderIsRefusedWhenMissingOrNotAFolder) {
  EXPECT_NE(places_.reportFolderProblem(), "");
  writeBytes(report_, "a file");
  EXPECT_NE(places_.reportFolderProblem().find("is not a folder"), std::string::npos);
}

TEST_F(FileProcs, ReportFolderIsRefusedWhenItIsASymbolicLink) {
  fs::create_directory(root_ / "elsewhere");
  ASSERT_EQ(::chmod((root_ / "elsewhere").c_str(), 0700), 0);
  fs::create_directory_symlink(root_ / "elsewhere", report_);
  EXPECT_NE(places_.reportFolderProblem().find("symbolic link"), std::string::npos);
}

TEST_F(FileProcs, ReportFolderIsRefusedWhenOthersCanWriteToIt) {
  fs::create_directory(report_);
  ASSERT_EQ(::chmod(report_.c_str(), 0770), 0);
  EXPECT_NE(places_.reportFolderProblem().find("written by other users"), std::string::npos);
  ASSERT_EQ(::chmod(report_.c_str(), 0702), 0);
  EXPECT_NE(places_.reportFolderProblem().find("written by other users"), std::string::npos);
  ASSERT_EQ(::chmod(report_.c_str(), 0755), 0);
  EXPECT_EQ(places_.reportFolderProblem(), "");
}

TEST_F(FileProcs, ReportFolderIsRefusedWhenItBelongsToAnotherUser) {
  const passwd* nobody = ::getpwnam("nobody");
  if (::geteuid() != 0 || nobody == nullptr) GTEST_SKIP() << "needs root to give a folder away";
  fs::create_directory(report_);
  ASSERT_EQ(::chmod(report_.c_str(), 0700), 0);
  ASSERT_EQ(::chown(report_.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  EXPECT_NE(places_.reportFolderProblem().find("another user"), std::string::npos);
}

}  // namespace
}  // namespace orv

// The safe writer of the report page and REPORT.TXT: whole new content, never through a
// link, and no partial file left behind after a failure.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "core/Platform.h"
#include "core/TextWriter.h"

namespace orv {

using namespace orv::core;
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeBytes;

TEST(TextWriter, ReplacesTheOldFileOrLinkExactlyWithoutTouchingALinkTarget) {
  test::TempFolder dir;
  writeBytes(dir / "REPORT.TXT", std::string(5000, 'x'));
  EXPECT_EQ(writeNewFile(dir / "REPORT.TXT", "<HTML>\r\n</HTML>"), "");
  EXPECT_EQ(readBytes(dir / "REPORT.TXT"), "<HTML>\r\n</HTML>");
  writeBytes(dir / "target.txt", "keep me");
  fs::create_symlink(dir / "target.txt", dir / "ORV.HTM");
  EXPECT_EQ(writeNewFile(dir / "ORV.HTM", "page", 0600), "");
  EXPECT_EQ(fs::status(dir / "ORV.HTM").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(readBytes(dir / "target.txt"), "keep me");
  EXPECT_FALSE(fs::is_symlink(dir / "ORV.HTM"));
  EXPECT_EQ(readBytes(dir / "ORV.HTM"), "page");
  // Created exclusively: a link that appears after the old name was removed is not followed.
  fs::create_symlink(dir / "made.txt", dir / "LATE.HTM");
  std::error_code error;
  EXPECT_EQ(platform::createNewFile(dir / "LATE.HTM", 0600, error), platform::kNoFile);
  EXPECT_FALSE(fs::exists(dir / "made.txt"));
  EXPECT_NE(writeNewFile(dir / "missing" / "ORV.HTM", "page").find("can not be created"),
            std::string::npos);
}

TEST(TextWriter, LeavesNoPartialFileWhenAbandonedUnfinishedOrAWriteFails) {
  test::TempFolder dir;
  {
    auto file = TextWriter::newFile(dir / "A.TXT");
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write(std::string(100000, 'a')));  // partly on disk already
    file.abandon();
    EXPECT_FALSE(fs::exists(dir / "A.TXT"));
    EXPECT_FALSE(file.write("more"));
    auto other = TextWriter::newFile(dir / "B.TXT");
    ASSERT_TRUE(other.open());
    ASSERT_TRUE(other.write(std::string(100000, 'b')));
  }  // gone out of scope without finish()
  EXPECT_FALSE(fs::exists(dir / "B.TXT"));
  // Writes beyond a file size limit fail with EFBIG, as a full disk would fail them.
  auto file = TextWriter::newFile(dir / "C.TXT");
  ASSERT_TRUE(file.open());
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  const rlimit small{4096, old.rlim_max};
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = file.write(std::string(10000, 'c')) && file.finish();
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, handler);
  EXPECT_FALSE(written);
  EXPECT_NE(file.error().find("can not be"), std::string::npos) << file.error();
  EXPECT_FALSE(fs::exists(dir / "C.TXT"));
}

}  // namespace
}  // namespace orv

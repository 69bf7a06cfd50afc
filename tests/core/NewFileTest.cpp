// The safe writer of the report page and REPORT.TXT: whole new content, never through a
// link, and no partial file left behind after a failure.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "core/NewFile.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeBytes;

TEST(NewFile, ReplacesALongerOldFileExactly) {
  test::TempFolder dir;
  writeBytes(dir / "ORV.HTM", std::string(5000, 'x'));
  EXPECT_EQ(writeNewFile(dir / "ORV.HTM", "<HTML>\r\n</HTML>"), "");
  EXPECT_EQ(readBytes(dir / "ORV.HTM"), "<HTML>\r\n</HTML>");
}

TEST(NewFile, WritesPiecesLargerThanItsBufferInOrder) {
  test::TempFolder dir;
  NewFile file;
  ASSERT_TRUE(file.create(dir / "REPORT.TXT", 0600));
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    const std::string piece =
        std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), '.') + "\r\n";
    expected += piece;
    ASSERT_TRUE(file.write(piece));
  }
  ASSERT_TRUE(file.finish()) << file.error();
  EXPECT_EQ(readBytes(dir / "REPORT.TXT"), expected);
  struct stat st {};
  ASSERT_EQ(::stat((dir / "REPORT.TXT").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(NewFile, ReplacesASymbolicLinkWithoutTouchingItsTarget) {
  test::TempFolder dir;
  writeBytes(dir / "target.txt", "keep me");
  fs::create_symlink(dir / "target.txt", dir / "ORV.HTM");
  EXPECT_EQ(writeNewFile(dir / "ORV.HTM", "page"), "");
  EXPECT_EQ(readBytes(dir / "target.txt"), "keep me");
  EXPECT_FALSE(fs::is_symlink(dir / "ORV.HTM"));
  EXPECT_EQ(readBytes(dir / "ORV.HTM"), "page");
}

TEST(NewFile, ReportsAFileThatCannotBeCreated) {
  test::TempFolder dir;
  const std::string error = writeNewFile(dir / "missing" / "ORV.HTM", "page");
  EXPECT_NE(error.find("can not be created"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST(NewFile, RemovesAnAbandonedOrUnfinishedFile) {
  test::TempFolder dir;
  {
    NewFile file;
    ASSERT_TRUE(file.create(dir / "A.TXT"));
    ASSERT_TRUE(file.write(std::string(100000, 'a')));  // partly on disk already
    file.abandon();
    EXPECT_FALSE(fs::exists(dir / "A.TXT"));
    EXPECT_FALSE(file.write("more"));
    EXPECT_FALSE(file.finish());
  }
  {
    NewFile file;
    ASSERT_TRUE(file.create(dir / "B.TXT"));
    ASSERT_TRUE(file.write(std::string(100000, 'b')));
  }  // gone out of scope without finish()
  EXPECT_FALSE(fs::exists(dir / "B.TXT"));
}

// Makes writes beyond `bytes` fail with EFBIG (as a full disk would fail them) while alive.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  bool active() const { return active_; }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
  bool active_ = false;
};

TEST(NewFile, RemovesItsPartialFileWhenAWriteFails) {
  test::TempFolder dir;
  NewFile file;
  ASSERT_TRUE(file.create(dir / "REPORT.TXT"));
  bool failed = false;
  {
    FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.active());
    for (int i = 0; i < 100 && !failed; ++i) failed = !file.write(std::string(10000, 'r'));
    if (!failed) failed = !file.finish();
  }
  EXPECT_TRUE(failed);
  EXPECT_NE(file.error().find("can not be written"), std::string::npos) << file.error();
  EXPECT_FALSE(fs::exists(dir / "REPORT.TXT"));
  EXPECT_FALSE(file.finish());
}

}  // namespace
}  // namespace orv

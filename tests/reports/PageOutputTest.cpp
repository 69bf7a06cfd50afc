// Writing the page file into a real report folder: replacement, links, refused folders and
// failures that must not leave half a page behind.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include "PageOutput.h"
#include "TempFolder.h"
#include "YearReport.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

using test::readBytes;
using test::writeBytes;

class PageOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    root_ = folder_.path();
    report_ = root_ / "orvane-test";
    fs::create_directory(report_);
    fs::permissions(report_, fs::perms::owner_all, fs::perm_options::replace);
  }
  void TearDown() override {
    std::error_code ec;
    // Tests may leave the folder without rights; give them back so it can be removed.
    fs::permissions(report_, fs::perms::owner_all, fs::perm_options::replace, ec);
  }
  Places places() const { return Places(root_, root_, report_); }
  fs::path page() const { return report_ / "ORV.HTM"; }

  test::TempFolder folder_;
  fs::path root_;
  fs::path report_;
};

TEST_F(PageOutputTest, older_longer_page_is_replaced_exactly) {
  writeBytes(page(), std::string(5000, 'x'));
  EXPECT_EQ(writePage(places(), "<html>short</html>\r\n"), "");
  EXPECT_EQ(readBytes(page()), "<html>short</html>\r\n");
}

TEST_F(PageOutputTest, symbolic_link_at_the_page_name_is_not_followed) {
  const fs::path target = root_ / "precious.txt";
  writeBytes(target, "keep me");
  fs::create_symlink(target, page());
  EXPECT_EQ(writePage(places(), "page"), "");
  EXPECT_EQ(readBytes(target), "keep me");
  EXPECT_FALSE(fs::is_symlink(page()));
  EXPECT_EQ(readBytes(page()), "page");
}

TEST_F(PageOutputTest, year_report_streams_through_one_buffered_file) {
  // Models longer than the write buffer, so several writes reach the disk.
  const std::string model(50000, 'm');
  const std::string data =
      "<R><MA>ALDER</MA><MO>" + model + "</MO></R><R><MO>" + model + "</MO></R>";
  PageOutput out(places());
  ASSERT_TRUE(out.open()) << out.message();
  ASSERT_TRUE(writeYearReport(data, "1995", "Metric", true,
                              [&](std::string_view p) { return out.write(p); }));
  ASSERT_TRUE(out.finish()) << out.message();
  EXPECT_EQ(out.path(), page());
  const std::string text = readBytes(page());
  EXPECT_TRUE(text.starts_with("<html>\r\n"));
  EXPECT_NE(text.find("<td width=225>" + model + "</td>"), std::string::npos);
  EXPECT_TRUE(text.ends_with(" </table>\r\n </body>\r\n </html>\r\n"));
}

TEST_F(PageOutputTest, refused_or_missing_folder_gives_a_clear_message_and_keeps_what_is_there) {
  const auto expectMessage = [&](const char* reason) {
    const std::string message = writePage(places(), "page");
    EXPECT_TRUE(message.starts_with("The report page could not be written. ")) << message;
    EXPECT_NE(message.find(reason), std::string::npos) << message;
  };
  writeBytes(page(), "old");
  fs::permissions(report_, fs::perms::group_write, fs::perm_options::add);
  expectMessage("can be written by other users");
  EXPECT_EQ(readBytes(page()), "old");

  fs::permissions(report_, fs::perms::owner_all, fs::perm_options::replace);
  fs::remove(page());
  fs::create_directory(page());
  expectMessage("can not be deleted");
  EXPECT_TRUE(fs::is_directory(page()));

  fs::remove_all(report_);
  expectMessage("does not exist");
  EXPECT_FALSE(fs::exists(report_));
}

TEST_F(PageOutputTest, full_disk_leaves_no_partial_page) {
  // A file size limit makes writes fail like a full disk does.
  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string message = writePage(places(), std::string(300000, 'p'));
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_NE(message.find("can not be written"), std::string::npos) << message;
  EXPECT_FALSE(fs::exists(page()));
}

}  // namespace
}  // namespace orv

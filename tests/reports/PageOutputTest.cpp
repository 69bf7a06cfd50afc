// Writing the page file into a real report folder: replacement, links, refused folders and
// failures that must not leave half a page behind.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "reports/PageOutput.h"
#include "reports/YearReport.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeAll(const fs::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary) << text;
}

class PageOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orv-pages-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    report_ = root_ / "orvane-test";
    fs::create_directory(report_);
    fs::permissions(report_, fs::perms::owner_all, fs::perm_options::replace);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(report_, fs::perms::owner_all, fs::perm_options::replace, ec);
    fs::remove_all(root_, ec);
  }
  Places places() const { return Places(root_, root_, report_); }
  fs::path page() const { return report_ / "ORV.HTM"; }

  fs::path root_;
  fs::path report_;
};

TEST_F(PageOutputTest, page_file_is_orv_htm_in_the_report_folder) {
  const auto p = places();
  EXPECT_EQ(pageFilePath(p), page());
}

TEST_F(PageOutputTest, older_longer_page_is_replaced_exactly) {
  writeAll(page(), std::string(5000, 'x'));
  EXPECT_EQ(writePage(places(), "<html>short</html>\r\n"), "");
  EXPECT_EQ(readAll(page()), "<html>short</html>\r\n");
  // A second report replaces the first.
  EXPECT_EQ(writePage(places(), "second"), "");
  EXPECT_EQ(readAll(page()), "second");
}

TEST_F(PageOutputTest, symbolic_link_at_the_page_name_is_not_followed) {
  const fs::path target = root_ / "precious.txt";
  writeAll(target, "keep me");
  fs::create_symlink(target, page());
  EXPECT_EQ(writePage(places(), "page"), "");
  EXPECT_EQ(readAll(target), "keep me");
  EXPECT_FALSE(fs::is_symlink(page()));
  EXPECT_EQ(readAll(page()), "page");
}

TEST_F(PageOutputTest, pieces_are_streamed_through_one_buffered_file) {
  // Larger than the write buffer, so several writes reach the disk.
  const std::string piece(50000, 'a');
  PageOutput out(places());
  ASSERT_TRUE(out.open()) << out.message();
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(out.write(piece));
  ASSERT_TRUE(out.finish()) << out.message();
  EXPECT_EQ(out.path(), page());
  EXPECT_EQ(fs::file_size(page()), 200000u);
}

TEST_F(PageOutputTest, year_report_streams_into_the_page_file) {
  const std::string data = "<R><MA>ALDER</MA><MO>Spey</MO></R>";
  PageOutput out(places());
  ASSERT_TRUE(out.open());
  ASSERT_TRUE(writeYearReport(data, "1995", "Metric", true,
                              [&](std::string_view p) { return out.write(p); }));
  ASSERT_TRUE(out.finish());
  const std::string text = readAll(page());
  EXPECT_TRUE(text.starts_with("<html>\r\n"));
  EXPECT_TRUE(text.ends_with(" </table>\r\n </body>\r\n </html>\r\n"));
}

TEST_F(PageOutputTest, missing_report_folder_is_a_clear_message) {
  fs::remove_all(report_);
  const std::string message = writePage(places(), "page");
  EXPECT_NE(message.find("does not exist"), std::string::npos) << message;
  EXPECT_FALSE(fs::exists(report_));
}

TEST_F(PageOutputTest, folder_others_can_write_to_is_refused_and_old_page_kept) {
  writeAll(page(), "old");
  fs::permissions(report_, fs::perms::group_write, fs::perm_options::add);
  const std::string message = writePage(places(), "page");
  EXPECT_NE(message.find("can be written by other users"), std::string::npos) << message;
  EXPECT_EQ(readAll(page()), "old");
}

TEST_F(PageOutputTest, folder_of_another_user_is_refused) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give the folder away";
  ASSERT_EQ(::chown(report_.c_str(), 65534, 65534), 0);
  const std::string message = writePage(places(), "page");
  EXPECT_NE(message.find("belongs to another user"), std::string::npos) << message;
  EXPECT_FALSE(fs::exists(page()));
}

TEST_F(PageOutputTest, read_only_folder_is_a_clear_message) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  fs::permissions(report_, fs::perms::owner_read | fs::perms::owner_exec,
                  fs::perm_options::replace);
  const std::string message = writePage(places(), "page");
  EXPECT_NE(message.find("can not be created"), std::string::npos) << message;
}

TEST_F(PageOutputTest, folder_standing_at_the_page_name_is_a_clear_message) {
  fs::create_directory(page());
  const std::string message = writePage(places(), "page");
  EXPECT_NE(message.find("can not be deleted"), std::string::npos) << message;
  EXPECT_TRUE(fs::is_directory(page()));
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

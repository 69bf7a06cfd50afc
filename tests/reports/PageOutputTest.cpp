// Writing the page file into a real report folder: the streamed year report and refused
// folders. Replacement, links and failed writes are NewFile's (core tests).
#include <gtest/gtest.h>

#include <filesystem>

#include "PageOutput.h"
#include "TempFolder.h"
#include "YearReport.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::readBytes;

class PageOutputTest : public ::testing::Test {
 protected:
  PageOutputTest() {
    fs::create_directory(report_);
    fs::permissions(report_, fs::perms::owner_all, fs::perm_options::replace);
  }
  Places places() const { return Places(root_.path(), root_.path(), report_); }
  fs::path page() const { return report_ / "ORV.HTM"; }

  test::TempFolder root_;
  fs::path report_ = root_ / "orvane-test";
};

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
  test::writeBytes(page(), "old");
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

}  // namespace
}  // namespace orv

// Writing the page file into a refused folder or over a page that can not be removed. The
// other refusals are FileProcs' (core tests) and, with the full messages, the bad-input test's;
// replacement, links and failed writes are TextWriter's (core tests); the year report streamed
// through PageOutput is the main window's report button test.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "output/reports/PageOutput.h"

namespace orv {

using namespace orv::core;
using namespace orv::output;
namespace {

namespace fs = std::filesystem;

TEST(PageOutput, refused_folder_or_undeletable_page_gives_a_clear_message_and_keeps_what_is_there) {
  test::TempFolder root;
  const fs::path report = root / "orvane-test", page = report / "ORV.HTM";
  fs::create_directory(report);
  const auto expectMessage = [&](fs::perms mode, const char* reason) {
    fs::permissions(report, mode, fs::perm_options::replace);
    const std::string message = writePage(Places(root.path(), root.path(), report), "page");
    EXPECT_TRUE(message.starts_with("The report page could not be written. ")) << message;
    EXPECT_NE(message.find(reason), std::string::npos) << message;
  };
  test::writeBytes(page, "old");
  expectMessage(fs::perms::owner_all | fs::perms::group_write, "can be written by other users");
  EXPECT_EQ(test::readBytes(page), "old");
  fs::remove(page);
  fs::create_directory(page);
  expectMessage(fs::perms::owner_all, "can not be deleted");
  EXPECT_TRUE(fs::is_directory(page));
}

}  // namespace
}  // namespace orv

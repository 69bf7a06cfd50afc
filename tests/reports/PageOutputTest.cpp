// Writing the page file into a refused or missing report folder. Replacement, links, pieces
// around the buffer size and failed writes are NewFile's (core tests); the year report
// streamed through PageOutput is the main window's report button test.
#include <gtest/gtest.h>

#include <filesystem>

#include "PageOutput.h"
#include "TempFolder.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::readBytes;

TEST(PageOutput, refused_or_missing_folder_gives_a_clear_message_and_keeps_what_is_there) {
  test::TempFolder root;
  const fs::path report = root / "orvane-test", page = report / "ORV.HTM";
  fs::create_directory(report);
  fs::permissions(report, fs::perms::owner_all, fs::perm_options::replace);
  const Places places(root.path(), root.path(), report);
  const auto expectMessage = [&](const char* reason) {
    const std::string message = writePage(places, "page");
    EXPECT_TRUE(message.starts_with("The report page could not be written. ")) << message;
    EXPECT_NE(message.find(reason), std::string::npos) << message;
  };
  test::writeBytes(page, "old");
  fs::permissions(report, fs::perms::group_write, fs::perm_options::add);
  expectMessage("can be written by other users");
  EXPECT_EQ(readBytes(page), "old");

  fs::permissions(report, fs::perms::owner_all, fs::perm_options::replace);
  fs::remove(page);
  fs::create_directory(page);
  expectMessage("can not be deleted");
  EXPECT_TRUE(fs::is_directory(page));

  fs::remove_all(report);
  expectMessage("does not exist");
  EXPECT_FALSE(fs::exists(report));
}

}  // namespace
}  // namespace orv

// An old page file that can not be removed. The refused report folders are FileProcs' (core
// tests) and, with their whole messages through the real window, the bad-input test's;
// replacement, links and failed writes are TextWriter's (core tests); the year report
// streamed through PageOutput is the main window's report button test.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "output/reports/PageOutput.h"

namespace orv {

using namespace orv::core;
using namespace orv::output;
namespace {

namespace fs = std::filesystem;

TEST(PageOutput, undeletable_page_gives_a_clear_message_and_is_kept) {
  test::TempFolder root;
  const fs::path report = root / "orvane-test", page = report / "ORV.HTM";
  fs::create_directories(page);  // a folder in the page's place
  fs::permissions(report, fs::perms::owner_all, fs::perm_options::replace);
  EXPECT_EQ(writePage(Places(root.path(), root.path(), report), "page"),
            "The report page could not be written. The file " + page.string() +
                " can not be deleted: Is a directory.");
  EXPECT_TRUE(fs::is_directory(page));
}

}  // namespace
}  // namespace orv

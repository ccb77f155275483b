// Trimming separators and reading layer names from texts are checked against
// their regular expressions in text/fixed_name_tests_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "tests/unit/support/test_folder.h"
#include "toolkit/files.h"

namespace {

namespace fs = std::filesystem;
using Paths = std::vector<std::string>;

// Plain files only, hidden ones too, joined with the style's separator
// whatever separators the folder path ends in; folders and links to folders
// are no files; a missing or empty path lists nothing.
TEST(ListFiles, PlainFilesJoinedInEitherStyle) {
  qbtest::TestFolder folder("qb_list_files");
  const std::string dir = folder.path.string();
  std::ofstream(dir + "/box.lwo") << "x";
  std::ofstream(dir + "/.hidden") << "x";
  fs::create_directory(dir + "/sub");
  std::ofstream(dir + "/sub/inner.lwo") << "x";
  fs::create_directory_symlink(dir + "/sub", dir + "/link");
  auto sorted = [](Paths paths) {
    std::sort(paths.begin(), paths.end());
    return paths;
  };
  const Paths posix = {dir + "/.hidden", dir + "/box.lwo"};
  EXPECT_EQ(sorted(qb::list_files(dir, qb::PathStyle::Posix)), posix);
  EXPECT_EQ(sorted(qb::list_files(dir + "//", qb::PathStyle::Posix)), posix);
  EXPECT_EQ(sorted(qb::list_files(dir + "/", qb::PathStyle::Windows)),
            (Paths{dir + "\\.hidden", dir + "\\box.lwo"}));
  EXPECT_TRUE(qb::list_files("").empty());
  EXPECT_TRUE(qb::list_files("/no/such/dir/anywhere").empty());
}

TEST(HostItems, ObjectsLackingAFilePath) {
  qbtest::TestHost host;
  host.load_services();
  LWItemID unnamed = host.add(LWI_OBJECT, nullptr);
  LWItemID posix = host.mesh("a", "/home/me/a.lwo");
  LWItemID windows = host.mesh("b", "C:\\Objects\\b.lwo");
  LWItemID capitals = host.mesh("c", "C:\\Objects\\c.LWO");
  LWItemID bare = host.mesh("d", "d.lwo");
  LWItemID light = host.add(LWI_LIGHT, "Light");
  EXPECT_EQ(qb::object_lacks_file_path(capitals, qb::PathStyle::Posix), true);
  EXPECT_EQ(qb::object_lacks_file_path(capitals, qb::PathStyle::Windows), false);
  EXPECT_EQ(qb::object_lacks_file_path(capitals, qb::PathStyle::MacOs), false);
  for (auto style : {qb::PathStyle::Posix, qb::PathStyle::Windows, qb::PathStyle::MacOs}) {
    EXPECT_EQ(qb::object_lacks_file_path(posix, style), false);
    EXPECT_EQ(qb::object_lacks_file_path(windows, style), false);
    EXPECT_EQ(qb::object_lacks_file_path(bare, style), true);
    EXPECT_EQ(qb::object_lacks_file_path(unnamed, style), true);
    EXPECT_EQ(qb::object_lacks_file_path(light, style), false);
  }
}

}  // namespace

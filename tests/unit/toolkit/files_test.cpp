#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/files.h"

namespace {

namespace fs = std::filesystem;
using Paths = std::vector<std::string>;

TEST(TrimTrailingSeparators, RemovesTheWholeTrailingRun) {
  EXPECT_EQ(qb::trim_trailing_separators("C:\\Objects\\\\/"), "C:\\Objects");
  EXPECT_EQ(qb::trim_trailing_separators("/home/me/objects//"), "/home/me/objects");
  EXPECT_EQ(qb::trim_trailing_separators("dir"), "dir");
  EXPECT_EQ(qb::trim_trailing_separators("a\\b"), "a\\b");
}

TEST(TrimTrailingSeparators, EmptyAndSeparatorOnlyPathsComeBackUnchanged) {
  EXPECT_EQ(qb::trim_trailing_separators(""), "");
  EXPECT_EQ(qb::trim_trailing_separators("\\"), "\\");
  EXPECT_EQ(qb::trim_trailing_separators("/"), "/");
  EXPECT_EQ(qb::trim_trailing_separators("\\/\\"), "\\/\\");
}

class ListFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/qb_list_files_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    std::ofstream(dir + "/box.lwo") << "x";
    std::ofstream(dir + "/.hidden") << "x";
    fs::create_directory(dir + "/sub");
    std::ofstream(dir + "/sub/inner.lwo") << "x";
  }
  void TearDown() override { fs::remove_all(dir); }

  static Paths sorted(Paths paths) {
    std::sort(paths.begin(), paths.end());
    return paths;
  }
  std::string dir;
};

TEST_F(ListFilesTest, PlainFilesOnlyJoinedWithSlash) {
  Paths expected = {dir + "/.hidden", dir + "/box.lwo"};
  EXPECT_EQ(sorted(qb::list_files(dir, qb::PathStyle::Posix)), expected);
  EXPECT_EQ(sorted(qb::list_files(dir + "//", qb::PathStyle::Posix)), expected);
}

TEST_F(ListFilesTest, WindowsStyleJoinsWithBackslash) {
  Paths expected = {dir + "\\.hidden", dir + "\\box.lwo"};
  EXPECT_EQ(sorted(qb::list_files(dir + "/", qb::PathStyle::Windows)), expected);
}

TEST_F(ListFilesTest, DirectoryLinksAreNotFiles) {
  fs::create_directory_symlink(dir + "/sub", dir + "/link");
  EXPECT_EQ(qb::list_files(dir, qb::PathStyle::Posix).size(), 2u);
}

TEST(ListFiles, NothingForAMissingOrEmptyPath) {
  EXPECT_TRUE(qb::list_files("").empty());
  EXPECT_TRUE(qb::list_files("/no/such/dir/anywhere").empty());
}

TEST(LayerName, NameColonLayer) {
  EXPECT_EQ(qb::layer_name_of("box:Layer1"), "Layer1");
  EXPECT_EQ(qb::layer_name_of("box:Layer1 (2)"), "Layer1");
  EXPECT_EQ(qb::layer_name_of("box"), "");
  EXPECT_EQ(qb::layer_name_of("box:my layer"), "");
  EXPECT_EQ(qb::layer_name_of(""), "");
  EXPECT_EQ(qb::layer_name_of(":Layer1"), "");
  EXPECT_EQ(qb::layer_name_of("box:"), "");
  EXPECT_EQ(qb::layer_name_of("a:b:c"), "b:c");
  EXPECT_EQ(qb::layer_name_of("box:Layer1 (x)"), "");
}

TEST(LayerName, OfHostItems) {
  qbtest::TestHost host;
  host.load_services();
  LWItemID layered = host.mesh("box:Top (3)", "/o/box.lwo");
  LWItemID plain = host.mesh("box", "/o/box.lwo");
  LWItemID unnamed = host.add(LWI_OBJECT, nullptr);
  EXPECT_EQ(qb::layer_name_of_item(layered), "Top");
  EXPECT_EQ(qb::layer_name_of_item(plain), "");
  EXPECT_EQ(qb::layer_name_of_item(unnamed), "");
}

TEST(ObjectLacksFilePath, BothPathStyles) {
  qbtest::TestHost host;
  host.load_services();
  LWItemID posix = host.mesh("a", "/home/me/a.lwo");
  LWItemID windows = host.mesh("b", "C:\\Objects\\b.lwo");
  LWItemID capitals = host.mesh("c", "C:\\Objects\\c.LWO");
  LWItemID bare = host.mesh("d", "d.lwo");
  LWItemID null_object = host.add(LWI_OBJECT, "Null");
  LWItemID light = host.add(LWI_LIGHT, "Light");

  EXPECT_EQ(qb::object_lacks_file_path(posix, qb::PathStyle::Posix), 0);
  EXPECT_EQ(qb::object_lacks_file_path(posix, qb::PathStyle::Windows), 1);
  EXPECT_EQ(qb::object_lacks_file_path(windows, qb::PathStyle::Posix), 0);
  EXPECT_EQ(qb::object_lacks_file_path(windows, qb::PathStyle::Windows), 0);
  for (auto style : {qb::PathStyle::Posix, qb::PathStyle::Windows}) {
    EXPECT_EQ(qb::object_lacks_file_path(capitals, style), 1);
    EXPECT_EQ(qb::object_lacks_file_path(bare, style), 1);
    EXPECT_EQ(qb::object_lacks_file_path(null_object, style), 1);
    EXPECT_EQ(qb::object_lacks_file_path(light, style), 0);
  }
}

}  // namespace

// The layer replacement run against a small in-process host: which object
// files are kept, file order in directory mode, long paths, progress and the
// result list.  Layer keys and matching: replace_layer_index_test.cpp.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/unit/support/lwo_bytes.h"
#include "tests/unit/support/qbhost_fixture.h"
#include "tests/unit/support/test_folder.h"
#include "toolkit/files.h"
#include "tools/replace/replace_run.h"
#include "tools/tools.h"

namespace {

namespace fs = std::filesystem;

// An LWO2 file at `path` with one LAYR chunk per (number, name).
void write_lwo(const fs::path &path, const std::vector<std::pair<unsigned, std::string>> &layers) {
  lwo_bytes::Bytes chunks;
  for (const auto &[number, name] : layers)
    lwo_bytes::append(chunks,
                      lwo_bytes::chunk("LAYR", lwo_bytes::layer_data(static_cast<uint16_t>(number), name)));
  const lwo_bytes::Bytes bytes = lwo_bytes::lwo2(chunks);
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class ReplaceRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.fetch());
    qb::replace::select_object_replacer_language(host.settings().locale);
  }

  std::vector<std::string> replace_commands() const {
    std::vector<std::string> found;
    for (const std::string &c : host.commands)
      if (c.rfind("ReplaceObjectLayer ", 0) == 0) found.push_back(c);
    return found;
  }

  qbtest::TestHost host;
  qbtest::TestFolder folder{"qb_replace"};
  const fs::path &dir = folder.path;
};

// Missing files and folders, and a folder of mixed files, are stated by the
// replace/run/missing_inputs and replace/layers/directory_mixed traces.
TEST_F(ReplaceRun, OnlyReadableObjectFilesWithLayersAreKept) {
  write_lwo(dir / "layers.lwo", {{0, "Wheel"}});
  write_lwo(dir / "no_layers.lwo", {});
  std::ofstream(dir / "text.txt") << "Wheel";
  write_lwo(dir / "sub" / "inner.lwo", {{0, "Wheel"}});

  auto kept = qb::replace::gather_object_files(qb::replace::Mode::kDirectory, "", dir.string() + "//");
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].path, dir.string() + "/layers.lwo");

  EXPECT_TRUE(qb::replace::gather_object_files(qb::replace::Mode::kFile, "", dir.string()).empty());
  EXPECT_TRUE(qb::replace::gather_object_files(qb::replace::Mode::kFile, (dir / "no_layers.lwo").string(), "")
                  .empty());
  EXPECT_EQ(
      qb::replace::gather_object_files(qb::replace::Mode::kFile, (dir / "layers.lwo").string(), "").size(),
      1u);
}

TEST_F(ReplaceRun, InDirectoryModeTheFileListedFirstGivesTheLayer) {
  write_lwo(dir / "a.lwo", {{0, "Wheel"}});
  write_lwo(dir / "b.lwo", {{0, "Body"}, {1, "Wheel"}});
  const std::vector<std::string> listed = qb::list_files(dir.string());
  ASSERT_FALSE(listed.empty());
  const std::string &first = listed.front();
  const int number = fs::path(first).filename() == "a.lwo" ? 1 : 2;

  LWItemID front = host.mesh("Car:Wheel", "car.lwo");
  LWItemID back = host.mesh("Van:Wheel (2)", "van.lwo");
  host.select({front, back});
  qb::replace::replace_layers(qb::replace::Scope::kSelection, qb::replace::Mode::kDirectory, "",
                              dir.string());

  const std::string expected = "ReplaceObjectLayer " + std::to_string(number) + " " + first;
  EXPECT_EQ(replace_commands(), (std::vector<std::string>{expected, expected}));
}

TEST_F(ReplaceRun, PathsLongerThanTheOldBuffersReachTheHostWhole) {
  // A directory almost as long as the field can hold (510 bytes at most: one that fills it is refused),
  // plus the entry name.
  fs::path deep = dir;
  while (deep.string().size() + 41 <= 510) deep /= std::string(40, 'd');
  const std::string name = std::string(60, 'f') + ".lwo";
  write_lwo(deep / name, {{2, "Wheel"}});
  const std::string path = deep.string() + "/" + name;
  ASSERT_GT(path.size(), 511u);

  LWItemID wheel = host.mesh("Car:Wheel", "car.lwo");
  host.select({wheel});
  qb::replace::replace_layers(qb::replace::Scope::kSelection, qb::replace::Mode::kDirectory, "",
                              deep.string());

  EXPECT_EQ(replace_commands(), std::vector<std::string>{"ReplaceObjectLayer 3 " + path});
  ASSERT_EQ(host.state().panels.size(), 1u);
  ASSERT_EQ(host.cells.size(), 2u);
  EXPECT_EQ(host.cells[1][2], path);
}

TEST_F(ReplaceRun, ALoneItemInScopeReportsItselfFinished) {
  EXPECT_EQ(qb::replace::progress_fraction(0, 1), 1.0f);
  EXPECT_EQ(qb::replace::progress_fraction(0, 3), 0.0f);
  EXPECT_EQ(qb::replace::progress_fraction(1, 3), 0.5f);
  EXPECT_EQ(qb::replace::progress_fraction(2, 3), 1.0f);

  write_lwo(dir / "box.lwo", {{0, ""}});
  host.select({host.mesh_layer("Box", "box.lwo", 1)});
  qb::replace::replace_layers(qb::replace::Scope::kSelection, qb::replace::Mode::kFile,
                              (dir / "box.lwo").string(), "");
  ASSERT_EQ(host.commands.size(), 5u);
  EXPECT_EQ(host.commands[2], "StatusMsg {1.00}ReplaceObjectLayer...");
  EXPECT_EQ(host.commands[3], "StatusMsg {1.00}ReplaceObjectLayer...Done");
}

TEST_F(ReplaceRun, ResultListRecordAndColumns) {
  write_lwo(dir / "car.lwo", {{0, "Body"}, {1, "Wheel"}});
  LWItemID wheel = host.mesh("Car:Wheel", "car.lwo");
  LWItemID door = host.mesh("Car:Door", "car.lwo");
  host.select({wheel, door});
  qb::replace::replace_layers(qb::replace::Scope::kSelection, qb::replace::Mode::kFile,
                              (dir / "car.lwo").string(), "");

  // Title, size, heading and rows are stated by the object replacer's traces;
  // what a trace cannot see is the list's record and that the panel is gone.
  ASSERT_EQ(host.state().panels.size(), 1u);
  const qbhost::Panel &panel = *host.state().panels[0];
  EXPECT_TRUE(panel.destroyed);
  ASSERT_EQ(panel.controls.size(), 1u);
  const qbhost::Control &list = *panel.controls[0];
  EXPECT_EQ(list.desc_type, LWT_MLIST);
  EXPECT_EQ(list.width, 600);
  EXPECT_EQ(list.visible_rows, 18);
  EXPECT_EQ(host.cells.size(), 3u);
  EXPECT_EQ(qb::replace::result_column_width(4), 0);  // past the four columns
  EXPECT_EQ(qb::replace::result_column_width(-1), 0);
}

TEST_F(ReplaceRun, CellsOutsideTheListGiveNoText) {
  qb::replace::ReplaceRows rows(1);
  rows[0].item = host.mesh("Box", "box.lwo");
  for (const auto &[row, column] : {std::pair{-1, -1}, {-1, 4}, {1, 0}, {-2, 0}, {0, 4}})
    EXPECT_EQ(qb::replace::result_cell_text(&rows, row, column), nullptr) << row << "," << column;
  EXPECT_EQ(qb::replace::result_cell_text(nullptr, 0, 0), nullptr);
  EXPECT_STREQ(qb::replace::result_cell_text(&rows, 0, 0), "Box");
  EXPECT_STREQ(qb::replace::result_cell_text(nullptr, -1, 3), "Result");
}

}  // namespace

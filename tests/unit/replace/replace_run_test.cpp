// The layer replacement run against a small in-process host: layer keys,
// file matching, long paths, progress and the result list.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "tests/unit/support/test_folder.h"
#include "toolkit/files.h"
#include "tools/replace/replace_run.h"
#include "tools/tools.h"

namespace {

namespace fs = std::filesystem;

std::string u2(unsigned v) { return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)}; }
std::string u4(uint32_t v) { return u2(v >> 16) + u2(v & 0xFFFF); }

// An LWO2 file with one LAYR chunk per (number, name).
std::string lwo(const std::vector<std::pair<unsigned, std::string>> &layers) {
  std::string body = "LWO2";
  for (const auto &[number, name] : layers) {
    std::string data = u2(number) + u2(0) + std::string(12, '\0') + name + '\0';
    if (data.size() % 2) data += '\0';
    body += "LAYR" + u4(static_cast<uint32_t>(data.size())) + data;
  }
  return "FORM" + u4(static_cast<uint32_t>(body.size())) + body;
}

void write_file(const fs::path &path, const std::string &bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

fs::path test_data() {
  if (const char *dir = std::getenv("QB_TEST_DATA")) return dir;
  return fs::path(__FILE__).parent_path().parent_path() / "data";
}

class ReplaceRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.fetch());
    qb::replace::select_object_replacer_language(host.settings().locale);
  }

  std::vector<std::string> replace_commands() const {
    std::vector<std::string> found;
    for (const std::string &c : host.commands) {
      if (c.rfind("ReplaceObjectLayer ", 0) == 0) found.push_back(c);
    }
    return found;
  }

  qbtest::TestHost host;
  qbtest::TestFolder folder{"qb_replace"};
  const fs::path &dir = folder.path;
};

TEST_F(ReplaceRun, LayerKeyComesFromTheNameThenTheHostNumberThenTheWholeName) {
  LWItemID counted = host.mesh("Car:Wheel (2)", "car.lwo");
  LWItemID plain = host.mesh("Car:Wheel", "car.lwo");
  LWItemID blank = host.mesh_layer("Car:Left Wheel", "car.lwo", 3);
  LWItemID box = host.mesh_layer("Box", "box.lwo", 1);
  LWItemID unnumbered = host.mesh_layer("Box", "box.lwo", 0);
  EXPECT_EQ(qb::replace::item_layer_key(counted), "Wheel");
  EXPECT_EQ(qb::replace::item_layer_key(plain), "Wheel");
  EXPECT_EQ(qb::replace::item_layer_key(blank), "Layer3");
  EXPECT_EQ(qb::replace::item_layer_key(box), "Layer1");
  EXPECT_EQ(qb::replace::item_layer_key(unnumbered), "Box");
}

TEST_F(ReplaceRun, FirstFileHoldingTheLayerWinsAndNamesCompareByteForByte) {
  std::vector<qb::LwoFile> files(2);
  files[0].path = "first.lwo";
  files[0].layers.resize(1);
  files[0].layers[0].number = 4;
  files[0].layers[0].name = "wheel";
  files[1].path = "second.lwo";
  files[1].layers.resize(2);
  files[1].layers[0].name = "Body";
  files[1].layers[1].number = 1;
  files[1].layers[1].name = "Wheel";

  qb::replace::ReplaceRow row;
  row.item = host.mesh("Car:Wheel", "car.lwo");
  ASSERT_TRUE(qb::replace::match_item(row, files));
  EXPECT_EQ(row.layer, 1);
  EXPECT_EQ(row.path, "second.lwo");

  files[0].layers[0].name = "Wheel";
  ASSERT_TRUE(qb::replace::match_item(row, files));
  EXPECT_EQ(row.layer, 4);
  EXPECT_EQ(row.path, "first.lwo");

  qb::replace::ReplaceRow missing;
  missing.item = host.mesh("Car:Door", "car.lwo");
  EXPECT_FALSE(qb::replace::match_item(missing, files));
  EXPECT_EQ(missing.layer, -1);
  EXPECT_EQ(missing.path, "");
}

TEST_F(ReplaceRun, AnItemWithoutNameOrLayerNumberFindsNothing) {
  std::vector<qb::LwoFile> files(1);
  files[0].path = "odd.lwo";
  files[0].layers.resize(1);  // a layer stored with an empty name
  qb::replace::ReplaceRow row;
  row.item = host.mesh_layer("", "odd.lwo", 0);
  EXPECT_EQ(qb::replace::item_layer_key(row.item), "");
  EXPECT_FALSE(qb::replace::match_item(row, files));
}

TEST_F(ReplaceRun, OnlyReadableObjectFilesWithLayersAreKept) {
  write_file(dir / "layers.lwo", lwo({{0, "Wheel"}}));
  write_file(dir / "no_layers.lwo", lwo({}));
  write_file(dir / "text.txt", "Wheel");
  write_file(dir / "sub" / "inner.lwo", lwo({{0, "Wheel"}}));

  auto kept = qb::replace::gather_object_files(qb::replace::Mode::kDirectory, "", dir.string() + "//");
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].path, dir.string() + "/layers.lwo");

  EXPECT_TRUE(qb::replace::gather_object_files(qb::replace::Mode::kFile, "", dir.string()).empty());
  EXPECT_TRUE(qb::replace::gather_object_files(qb::replace::Mode::kFile, (dir / "no_layers.lwo").string(), "").empty());
  EXPECT_TRUE(qb::replace::gather_object_files(qb::replace::Mode::kFile, (dir / "absent.lwo").string(), "").empty());
  EXPECT_TRUE(qb::replace::gather_object_files(qb::replace::Mode::kDirectory, "", (dir / "absent").string()).empty());
  EXPECT_EQ(qb::replace::gather_object_files(qb::replace::Mode::kFile, (dir / "layers.lwo").string(), "").size(), 1u);

  auto mixed = qb::replace::gather_object_files(qb::replace::Mode::kDirectory, "", (test_data() / "replace" / "mixed").string());
  ASSERT_EQ(mixed.size(), 1u);
  EXPECT_EQ(fs::path(mixed[0].path).filename(), "wheels.lwo");
}

TEST_F(ReplaceRun, InDirectoryModeTheFileListedFirstGivesTheLayer) {
  write_file(dir / "a.lwo", lwo({{0, "Wheel"}}));
  write_file(dir / "b.lwo", lwo({{0, "Body"}, {1, "Wheel"}}));
  std::string first;
  for (const std::string &path : qb::list_files(dir.string())) {
    if (first.empty()) first = path;
  }
  ASSERT_FALSE(first.empty());
  const int number = fs::path(first).filename() == "a.lwo" ? 1 : 2;

  LWItemID front = host.mesh("Car:Wheel", "car.lwo");
  LWItemID back = host.mesh("Van:Wheel (2)", "van.lwo");
  host.select({front, back});
  qb::replace::replace_layers(qb::replace::Scope::kSelection, qb::replace::Mode::kDirectory, "", dir.string());

  const std::string expected = "ReplaceObjectLayer " + std::to_string(number) + " " + first;
  EXPECT_EQ(replace_commands(), (std::vector<std::string>{expected, expected}));
}

TEST_F(ReplaceRun, PathsLongerThanTheOldBuffersReachTheHostWhole) {
  // A directory as long as the field can hold, plus the entry name.
  fs::path deep = dir;
  while (deep.string().size() < 480) deep /= std::string(40, 'd');
  const std::string name = std::string(60, 'f') + ".lwo";
  write_file(deep / name, lwo({{2, "Wheel"}}));
  const std::string path = deep.string() + "/" + name;
  ASSERT_GT(path.size(), 511u);

  LWItemID wheel = host.mesh("Car:Wheel", "car.lwo");
  host.select({wheel});
  qb::replace::replace_layers(qb::replace::Scope::kSelection, qb::replace::Mode::kDirectory, "", deep.string());

  EXPECT_EQ(replace_commands(), std::vector<std::string>{"ReplaceObjectLayer 3 " + path});
  ASSERT_EQ(host.state().panels.size(), 1u);
  ASSERT_EQ(host.cells.size(), 2u);
  EXPECT_EQ(host.cells[1][2], path);
}

TEST_F(ReplaceRun, ProgressCountsEveryItemInScopeAndRestoresTheSelection) {
  write_file(dir / "car.lwo", lwo({{0, "Body"}, {1, "Wheel"}}));
  LWItemID wheel = host.mesh("Car:Wheel", "car.lwo");
  LWItemID lamp = host.light("Lamp");
  LWItemID door = host.mesh("Car:Door", "car.lwo");
  host.select({door, lamp, wheel});
  qb::replace::replace_layers(qb::replace::Scope::kSelection, qb::replace::Mode::kFile, (dir / "car.lwo").string(), "");

  const std::string file = (dir / "car.lwo").string();
  const std::vector<std::string> expected = {
      "StatusMsg {0.00}ReplaceObjectLayer...",
      "StatusMsg {0.50}ReplaceObjectLayer...",
      "SelectItem 0x10000000",
      "ReplaceObjectLayer 2 " + file,
      "StatusMsg {1.00}ReplaceObjectLayer...",
      "StatusMsg {1.00}ReplaceObjectLayer...Done",
      "SelectItem 0x10000000",
      "AddToSelection 0x20000000",
      "AddToSelection 0x10000001",
  };
  EXPECT_EQ(host.commands, expected);
  EXPECT_EQ(host.selection(), (std::vector<LWItemID>{wheel, lamp, door}));
}

TEST_F(ReplaceRun, ALoneItemInScopeReportsItselfFinished) {
  EXPECT_EQ(qb::replace::progress_fraction(0, 1), 1.0f);
  EXPECT_EQ(qb::replace::progress_fraction(0, 3), 0.0f);
  EXPECT_EQ(qb::replace::progress_fraction(1, 3), 0.5f);
  EXPECT_EQ(qb::replace::progress_fraction(2, 3), 1.0f);

  write_file(dir / "box.lwo", lwo({{0, ""}}));
  host.select({host.mesh_layer("Box", "box.lwo", 1)});
  qb::replace::replace_layers(qb::replace::Scope::kSelection, qb::replace::Mode::kFile, (dir / "box.lwo").string(), "");
  ASSERT_EQ(host.commands.size(), 5u);
  EXPECT_EQ(host.commands[2], "StatusMsg {1.00}ReplaceObjectLayer...");
  EXPECT_EQ(host.commands[3], "StatusMsg {1.00}ReplaceObjectLayer...Done");
}

TEST_F(ReplaceRun, WithoutObjectFilesNothingButTheSelectionHappens) {
  LWItemID wheel = host.mesh("Car:Wheel", "car.lwo");
  host.select({wheel});
  qb::replace::replace_layers(qb::replace::Scope::kSelection, qb::replace::Mode::kFile, "", "");
  qb::replace::replace_layers(qb::replace::Scope::kSelection, qb::replace::Mode::kDirectory, "", (dir / "nothing").string());
  EXPECT_EQ(host.commands, (std::vector<std::string>{"SelectItem 0x10000000", "SelectItem 0x10000000"}));
  EXPECT_TRUE(host.state().panels.empty());
}

TEST_F(ReplaceRun, ResultListRecordAndColumns) {
  write_file(dir / "car.lwo", lwo({{0, "Body"}, {1, "Wheel"}}));
  LWItemID wheel = host.mesh("Car:Wheel", "car.lwo");
  LWItemID door = host.mesh("Car:Door", "car.lwo");
  host.select({wheel, door});
  qb::replace::replace_layers(qb::replace::Scope::kSelection, qb::replace::Mode::kFile, (dir / "car.lwo").string(), "");

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
  EXPECT_EQ(qb::replace::result_cell_text(&rows, -1, -1), nullptr);
  EXPECT_EQ(qb::replace::result_cell_text(&rows, -1, 4), nullptr);
  EXPECT_EQ(qb::replace::result_cell_text(&rows, 1, 0), nullptr);
  EXPECT_EQ(qb::replace::result_cell_text(&rows, -2, 0), nullptr);
  EXPECT_EQ(qb::replace::result_cell_text(&rows, 0, 4), nullptr);
  EXPECT_EQ(qb::replace::result_cell_text(nullptr, 0, 0), nullptr);
  EXPECT_STREQ(qb::replace::result_cell_text(&rows, 0, 0), "Box");
  EXPECT_STREQ(qb::replace::result_cell_text(nullptr, -1, 3), "Result");
}

}  // namespace

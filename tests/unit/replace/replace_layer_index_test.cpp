// The replacement run's layer index picks what a walk over the files picks:
// the first file in list order, and in it the first layer of the name.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "tools/replace/replace_run.h"

namespace {

qb::LwoLayer layer(unsigned number, const std::string &name) {
  qb::LwoLayer made;
  made.number = static_cast<uint16_t>(number);
  made.name = name;
  return made;
}

qb::LwoFile file(const std::string &path, std::vector<qb::LwoLayer> layers) {
  qb::LwoFile made;
  made.path = path;
  made.layers = std::move(layers);
  return made;
}

// The definition the index stands in for: the first file, in list order,
// with a layer named after the row's item, and its first layer of the name.
bool walk_files(qb::replace::ReplaceRow &row, const std::vector<qb::LwoFile> &files) {
  const std::string key = qb::replace::item_layer_key(row.item);
  if (key.empty()) return false;
  for (const qb::LwoFile &file : files) {
    for (const qb::LwoLayer &layer : file.layers) {
      if (layer.name == key) {
        row.layer = layer.number;
        row.path = file.path;
        return true;
      }
    }
  }
  return false;
}

class ReplaceLayerIndex : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(host.fetch()); }

  // Matches the item through the index and through the walk, expects both to
  // agree, and gives the indexed row.
  qb::replace::ReplaceRow expect_same(LWItemID item, const std::vector<qb::LwoFile> &files) {
    qb::replace::ReplaceRow walked, indexed;
    walked.item = indexed.item = item;
    const bool walk_found = walk_files(walked, files);
    EXPECT_EQ(qb::replace::match_item(indexed, qb::replace::index_layers(files)), walk_found);
    EXPECT_EQ(indexed.layer, walked.layer);
    EXPECT_EQ(indexed.path, walked.path);
    EXPECT_FALSE(indexed.result);
    return indexed;
  }

  qbtest::TestHost host;
};

TEST_F(ReplaceLayerIndex, RepeatedNamesAcrossFilesAndWithinAFileGiveTheFirst) {
  const std::vector<qb::LwoFile> files = {
      file("a.lwo", {layer(0, "Body"), layer(1, "wheel"), layer(4, "Body")}),
      file("b.lwo", {layer(0, "Wheel"), layer(3, "Door"), layer(5, "Wheel")}),
      file("c.lwo", {layer(2, "Wheel"), layer(7, "Door"), layer(8, "Roof"), layer(9, "Roof")}),
  };
  // Names compare byte for byte: "wheel" in a.lwo is not the Wheel.
  const struct {
    const char *item;
    int layer;
    const char *path;
  } cases[] = {{"Car:Wheel (2)", 0, "b.lwo"},
               {"Car:Body", 0, "a.lwo"},
               {"Car:Door", 3, "b.lwo"},
               {"Car:Roof", 8, "c.lwo"},
               {"Car:Trunk", -1, ""}};
  for (const auto &c : cases) {
    const qb::replace::ReplaceRow row = expect_same(host.mesh(c.item, "car.lwo"), files);
    EXPECT_EQ(row.layer, c.layer) << c.item;
    EXPECT_EQ(row.path, c.path) << c.item;
  }
}

// The key is the layer part of the name, else Layer<number> from the host's
// layer number (a layer part with a blank is no layer part), else the whole
// name.
TEST_F(ReplaceLayerIndex, KeysFromTheHostNumberAndTheWholeName) {
  const std::vector<qb::LwoFile> files = {file("n.lwo", {layer(2, "Layer3"), layer(0, "Box")}),
                                          file("m.lwo", {layer(1, "Layer3")})};
  const LWItemID blank = host.mesh_layer("Car:Left Wheel", "car.lwo", 3);
  const LWItemID unnumbered = host.mesh_layer("Box", "box.lwo", 0);
  EXPECT_EQ(qb::replace::item_layer_key(blank), "Layer3");
  EXPECT_EQ(qb::replace::item_layer_key(unnumbered), "Box");
  EXPECT_EQ(qb::replace::item_layer_key(host.mesh_layer("Box", "box.lwo", 1)), "Layer1");
  EXPECT_EQ(expect_same(blank, files).path, "n.lwo");
  EXPECT_EQ(expect_same(unnumbered, files).layer, 0);
}

TEST_F(ReplaceLayerIndex, EmptyKeysEmptyNamesAndNoFilesFindNothing) {
  const std::vector<qb::LwoFile> files = {file("odd.lwo", {layer(0, ""), layer(1, "wheel")})};
  const LWItemID nameless = host.mesh_layer("", "odd.lwo", 0);
  EXPECT_EQ(qb::replace::item_layer_key(nameless), "");
  EXPECT_EQ(expect_same(nameless, files).layer, -1);
  EXPECT_EQ(expect_same(host.mesh("Car:Wheel", "car.lwo"), files).layer, -1);
  EXPECT_EQ(expect_same(host.mesh("Car:wheel", "car.lwo"), {}).layer, -1);
}

// Many files of few names, so that most names repeat both within files and
// across them; every name, and some that are missing, looked up both ways.
TEST_F(ReplaceLayerIndex, AgreesWithTheWalkOnManyRepeatedNames) {
  std::mt19937 random(20261207);
  const std::vector<std::string> names = {"Arm", "Leg", "Head", "Body", "Tail", "Wing", "arm", "Arm "};
  std::vector<qb::LwoFile> files;
  for (int f = 0; f < 40; ++f) {
    std::vector<qb::LwoLayer> layers;
    const int count = 1 + static_cast<int>(random() % 6);
    for (int l = 0; l < count; ++l) layers.push_back(layer(random() % 100, names[random() % 6]));
    std::string path = "f";
    path.append(std::to_string(f)).append(".lwo");
    files.push_back(file(path, std::move(layers)));
  }
  const qb::replace::LayerIndex index = qb::replace::index_layers(files);
  for (const std::string &name : names) {
    qb::replace::ReplaceRow walked, indexed;
    walked.item = indexed.item = host.mesh("Rig:" + name, "rig.lwo");
    EXPECT_EQ(qb::replace::match_item(indexed, index), walk_files(walked, files)) << name;
    EXPECT_EQ(indexed.layer, walked.layer) << name;
    EXPECT_EQ(indexed.path, walked.path) << name;
  }
}

}  // namespace

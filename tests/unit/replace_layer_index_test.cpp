// The replacement run's layer index picks what a walk over the files picks:
// the first file in list order, and in it the first layer of the name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/replace/replace_run.h"
#include "replace_fake_host.h"

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

class ReplaceLayerIndex : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(host.fetch()); }

  // The index and the walk over the same files, for one item.
  void expect_same(LWItemID item, const std::vector<qb::LwoFile> &files, bool found) {
    qb::ReplaceRow walked, indexed;
    walked.item = indexed.item = item;
    EXPECT_EQ(qb::match_item(walked, files), found);
    EXPECT_EQ(qb::LayerIndex(files).match(indexed), found);
    EXPECT_EQ(indexed.layer, walked.layer);
    EXPECT_EQ(indexed.path, walked.path);
    EXPECT_EQ(indexed.result, false);
  }

  replace_test::FakeHost host;
};

TEST_F(ReplaceLayerIndex, FirstFileThenFirstLayerOfTheNameWins) {
  const std::vector<qb::LwoFile> files = {
      file("a.lwo", {layer(0, "Body"), layer(1, "wheel")}),
      file("b.lwo", {layer(0, "Wheel"), layer(3, "Door"), layer(5, "Wheel")}),
      file("c.lwo", {layer(2, "Wheel"), layer(7, "Door")}),
  };
  const LWItemID wheel = host.add_mesh("Car:Wheel (2)", "car.lwo");
  expect_same(wheel, files, true);
  qb::ReplaceRow row;
  row.item = wheel;
  ASSERT_TRUE(qb::LayerIndex(files).match(row));
  EXPECT_EQ(row.layer, 0);
  EXPECT_EQ(row.path, "b.lwo");

  expect_same(host.add_mesh("Car:Door", "car.lwo"), files, true);
  expect_same(host.add_mesh("Body", "body.lwo", 0), files, true);
  expect_same(host.add_mesh("Car:Roof", "car.lwo"), files, false);
  // Keys from the host's layer number: "Layer3" finds an unnamed layer 2.
  const std::vector<qb::LwoFile> numbered = {file("n.lwo", {layer(2, "Layer3")})};
  expect_same(host.add_mesh("Box", "box.lwo", 3), numbered, true);
}

TEST_F(ReplaceLayerIndex, EmptyKeyAndNoFilesFindNothing) {
  const std::vector<qb::LwoFile> files = {file("odd.lwo", {layer(0, "")})};
  expect_same(host.add_mesh("", "odd.lwo", 0), files, false);
  expect_same(host.add_mesh("Car:Wheel", "car.lwo"), {}, false);
}

}  // namespace

// ReplaceObjectLayer keeps the layer tables it has read: a file is read once
// for any number of commands, and again as soon as it changes on disk.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/scene/commands.h"
#include "tests/unit/support/lwo_bytes.h"
#include "tests/unit/support/test_folder.h"

using namespace qbhost;
using namespace lwo_bytes;

namespace {

struct HostLayerTables : ::testing::Test {
  Scene scene;
  CommandEffects effects;
  ItemId mesh = 0;
  qbtest::TestFolder folder{"qbhost_tables"};
  const std::filesystem::path &dir = folder.path;

  void SetUp() override {
    mesh = scene.add_mesh("Cube", "Objects/Cube.lwo");
    scene.select_only(mesh);
  }

  bool run(const std::string &text) { return execute_command(scene, effects, text); }

  // An object file whose layers 0 and 1 carry the given names.
  std::string write(const std::string &name, const std::string &first, const std::string &second) {
    const Bytes bytes = lwo2(concat({chunk("LAYR", layer_data(0, first)), chunk("LAYR", layer_data(1, second))}));
    return folder.write(name, bytes);
  }

  static void set_modified(const std::string &path, time_t seconds) {
    const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  }

  std::string name() const { return scene.item(mesh)->name; }
};

TEST_F(HostLayerTables, ManyCommandsAgainstOneFileReadItOnce) {
  const std::string car = write("Car.lwo", "Body", "Wheel");
  const std::string van = write("Van.lwo", "Body", "Door");
  for (int i = 0; i < 50; ++i) {
    ASSERT_TRUE(run("ReplaceObjectLayer " + std::to_string(1 + i % 2) + " " + (i % 3 ? car : van)));
    EXPECT_EQ(name(), (i % 3 ? "Car:" : "Van:") + std::string(i % 2 ? (i % 3 ? "Wheel" : "Door") : "Body"));
  }
  EXPECT_EQ(effects.layer_tables.reads, 2u);
  // Refusals for a missing layer are answered from the kept table too.
  EXPECT_FALSE(run("ReplaceObjectLayer 3 " + car));
  EXPECT_EQ(effects.layer_tables.reads, 2u);
}

TEST_F(HostLayerTables, AFileRewrittenWithOtherContentIsReadAnew) {
  const std::string path = write("Car.lwo", "Body", "Wheel");
  ASSERT_TRUE(run("ReplaceObjectLayer 2 " + path));
  EXPECT_EQ(name(), "Car:Wheel");
  write("Car.lwo", "Body", "Steering Wheel");  // longer: the size differs
  ASSERT_TRUE(run("ReplaceObjectLayer 2 " + path));
  EXPECT_EQ(name(), "Car:Steering Wheel");
  EXPECT_EQ(effects.layer_tables.reads, 2u);
}

TEST_F(HostLayerTables, SameSizeRewrittenInPlaceIsReadAnewByItsModificationTime) {
  const std::string path = write("Car.lwo", "Body", "Hood");
  set_modified(path, 1000000000);
  ASSERT_TRUE(run("ReplaceObjectLayer 2 " + path));
  EXPECT_EQ(name(), "Car:Hood");
  write("Car.lwo", "Body", "Roof");
  set_modified(path, 1000000001);
  ASSERT_TRUE(run("ReplaceObjectLayer 2 " + path));
  EXPECT_EQ(name(), "Car:Roof");
}

TEST_F(HostLayerTables, AFileReplacedByAnotherOfTheSameSizeAndTimeIsReadAnew) {
  const std::string path = write("Car.lwo", "Body", "Hood");
  set_modified(path, 1000000000);
  ASSERT_TRUE(run("ReplaceObjectLayer 2 " + path));
  EXPECT_EQ(name(), "Car:Hood");
  const std::string other = write("Other.lwo", "Body", "Roof");
  set_modified(other, 1000000000);
  std::filesystem::rename(other, path);
  ASSERT_TRUE(run("ReplaceObjectLayer 2 " + path));
  EXPECT_EQ(name(), "Car:Roof");
}

TEST_F(HostLayerTables, FilesThatVanishOrAppearAreNotAnsweredFromOldReads) {
  const std::string path = write("Car.lwo", "Body", "Wheel");
  ASSERT_TRUE(run("ReplaceObjectLayer 2 " + path));
  std::filesystem::remove(path);
  EXPECT_FALSE(run("ReplaceObjectLayer 1 " + path));
  EXPECT_EQ(name(), "Car:Wheel");

  // Not an object file at first, then one.
  const std::string late = (dir / "Late.lwo").string();
  std::ofstream(late) << "not an object file";
  EXPECT_FALSE(run("ReplaceObjectLayer 1 " + late));
  write("Late.lwo", "Seat", "Belt");
  ASSERT_TRUE(run("ReplaceObjectLayer 1 " + late));
  EXPECT_EQ(name(), "Late:Seat");
}

}  // namespace

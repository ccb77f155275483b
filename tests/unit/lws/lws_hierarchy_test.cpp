// Parenting while loading: child lists in file order whatever order the
// parents are declared in, loops broken at the link the file makes last, and
// deep chains loaded without recursion.
#include "tests/unit/lws/lws_test_support.h"

namespace {

using namespace lws_test;
using qbhost::ItemId;
using qbhost::kBoneBase;
using qbhost::kObjectBase;
using Problems = std::vector<std::string>;

std::string ref(uint32_t object) {
  char text[16];
  std::snprintf(text, sizeof text, "%08x", kObjectBase + object);
  return text;
}

TEST(LwsHierarchy, ChildListsFollowTheFileWhereverTheParentIs) {
  TempDir dir;
  Loaded s(
      dir.write("h.lws", lines({"LWSC", "3", "", "AddNullObject C", "ParentItem 10000004", "AddNullObject A",
                                "ParentItem 10000004", "AddNullObject Leaf", "ParentItem 10000000",
                                "AddNullObject B", "ParentItem 10000004", "AddNullObject Top", "AddLight",
                                "LightName Lamp", "ParentItem 10000000"})));
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems, Problems{});
  EXPECT_EQ(s.item(kObjectBase + 4).children,
            (std::vector<ItemId>{kObjectBase, kObjectBase + 1, kObjectBase + 3}));
  EXPECT_EQ(s.item(kObjectBase).children, (std::vector<ItemId>{kObjectBase + 2, qbhost::kLightBase}));
}

TEST(LwsHierarchy, LoopsLoseTheLinkTheFileMakesLast) {
  TempDir dir;
  // A -> B -> C -> A, and D hanging below the loop; E names itself.
  Loaded s(dir.write(
      "loop.lws", lines({"LWSC", "3", "", "AddNullObject A", "ParentItem 10000001", "AddNullObject B",
                         "ParentItem 10000002", "AddNullObject C", "ParentItem 10000000", "AddNullObject D",
                         "ParentItem 10000002", "AddNullObject E", "ParentItem 10000004"})));
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems, (Problems{"9: ParentItem 10000000 would make the item its own ancestor",
                                  "13: ParentItem 10000004 would make the item its own ancestor"}));
  EXPECT_EQ(s.item(kObjectBase).parent, kObjectBase + 1);
  EXPECT_EQ(s.item(kObjectBase + 1).parent, kObjectBase + 2);
  EXPECT_EQ(s.item(kObjectBase + 2).parent, 0u);
  EXPECT_EQ(s.item(kObjectBase + 3).parent, kObjectBase + 2);
  EXPECT_EQ(s.item(kObjectBase + 4).parent, 0u);

  // An object cannot hang from its own bone.
  Loaded b(
      dir.write("bone.lws", lines({"LWSC", "3", "", "AddNullObject Rig", "ParentItem 40000000", "AddBone",
                                   "BoneName Root", "AddBone", "BoneName Tip", "ParentItem 40000000"})));
  ASSERT_TRUE(b.file) << b.error;
  EXPECT_EQ(b.problems, Problems{"5: ParentItem 40000000 would make the item its own ancestor"});
  EXPECT_EQ(b.item(kObjectBase).parent, 0u);
  EXPECT_EQ(b.item(kBoneBase).parent, kObjectBase);
  EXPECT_EQ(b.item(kBoneBase + (1u << 16)).parent, kBoneBase);
  EXPECT_EQ(b.item(kObjectBase).children, std::vector<ItemId>{kBoneBase});
}

// A chain of nulls whose links come in an awkward order: the upper half from
// the top down, the lower half from the bottom up, each null naming the one
// above it.  Saving it unchanged gives it back.
TEST(LwsHierarchy, DeepChainInAnyOrder) {
  const uint32_t count = 30000;
  std::vector<uint32_t> order;
  for (uint32_t i = 0; i < count / 2; ++i) order.push_back(i);
  for (uint32_t i = count; i-- > count / 2;) order.push_back(i);
  // Declared in that order: object k of the file is null number order[k].
  std::vector<uint32_t> position(count);
  for (uint32_t k = 0; k < count; ++k) position[order[k]] = k;
  std::string text = "LWSC\n3\n\n";
  for (uint32_t k = 0; k < count; ++k) {
    text += "AddNullObject N" + std::to_string(order[k]) + "\n";
    if (order[k] > 0) text += "ParentItem " + ref(position[order[k] - 1]) + "\n";
  }
  TempDir dir;
  Loaded s(dir.write("chain.lws", text));
  ASSERT_TRUE(s.file) << s.error;
  EXPECT_EQ(s.problems, Problems{});
  ItemId bottom = kObjectBase + position[count - 1];
  std::string bottom_name = "N";
  bottom_name += std::to_string(count - 1);
  EXPECT_EQ(s.item(bottom).name, bottom_name);
  uint32_t depth = 0;
  for (ItemId at = bottom; s.item(at).parent != 0; at = s.item(at).parent) ++depth;
  EXPECT_EQ(depth, count - 1);
  EXPECT_EQ(s.saved_text(), text);
  s.scene.rename(bottom, "Bottom");
  ASSERT_TRUE(s.scene.set_parent(kObjectBase, bottom) == false);  // the top cannot go below its own chain
  ASSERT_TRUE(s.scene.set_parent(bottom, kObjectBase));
  std::string error;
  ASSERT_TRUE(qbhost::save_scene_file(dir.file("chain.lws"), s.scene, s.file.get(), error)) << error;
  Loaded again(dir.file("chain.lws"));
  ASSERT_TRUE(again.file) << again.error;
  EXPECT_EQ(again.item(bottom).name, "Bottom");
  EXPECT_EQ(again.item(bottom).parent, kObjectBase);
}

}  // namespace

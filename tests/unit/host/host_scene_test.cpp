// The stand-in host's scene model: identifiers, enumeration, hierarchy,
// names and selection.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "host/scene/scene.h"

using namespace qbhost;

namespace {

std::vector<ItemId> children_of(const Scene &scene, ItemId parent) {
  std::vector<ItemId> out;
  for (ItemId c = scene.first_child(parent); c != 0; c = scene.next_child(parent, c)) out.push_back(c);
  return out;
}

// Identifiers, defaults and the printed order of every kind are in the trace
// host/script_language; here, what answers no item, and walks by kind.
TEST(HostScene, IdentifiersAndEnumerationByKind) {
  Scene scene;
  ItemId a = scene.add_null("A");
  ItemId b = scene.add_null("B");
  ItemId l = scene.add_light("L");
  ItemId bone0 = scene.add_bone(a, "b0");
  ItemId bone1 = scene.add_bone(a, "b1");
  EXPECT_EQ(bone1, 0x40010000u);
  EXPECT_EQ(scene.item(bone1)->object, a);
  EXPECT_EQ(scene.item(0), nullptr);
  EXPECT_EQ(scene.item(0x10000002u), nullptr);
  EXPECT_EQ(scene.item(0x40020000u), nullptr);
  EXPECT_EQ(scene.add_bone(l, "x"), 0u);  // bones belong to objects
  EXPECT_EQ(scene.size(), 5u);
  EXPECT_EQ(scene.first(ItemType::Object), a);
  EXPECT_EQ(scene.next(a), b);
  EXPECT_EQ(scene.next(b), 0u);
  EXPECT_EQ(scene.first(ItemType::Light), l);
  EXPECT_EQ(scene.next(l), 0u);
  EXPECT_EQ(scene.first(ItemType::Camera), 0u);
  EXPECT_EQ(scene.first(ItemType::Bone, a), bone0);
  EXPECT_EQ(scene.next(bone0), bone1);
  EXPECT_EQ(scene.next(bone1), 0u);
  EXPECT_EQ(scene.first(ItemType::Bone, b), 0u);
  EXPECT_EQ(scene.first(ItemType::Bone, 0), 0u);
  EXPECT_EQ(scene.first(ItemType::Bone, l), 0u);
  EXPECT_EQ(scene.scene_order(), (std::vector<ItemId>{a, bone0, bone1, b, l}));
}

TEST(HostScene, ChildListsKeepOrderOfParentingAndHoldBones) {
  Scene scene;
  ItemId root = scene.add_null("Root");
  ItemOptions under_root;
  under_root.parent = root;
  ItemId c1 = scene.add_null("C1", under_root);
  ItemId bone = scene.add_bone(root, "Bone");
  ItemId c2 = scene.add_light("C2", under_root);
  EXPECT_EQ(children_of(scene, root), (std::vector<ItemId>{c1, bone, c2}));
  EXPECT_EQ(scene.item(bone)->parent, root);
  // A new parent puts the item at the end of the new list; the old list closes up.
  ItemId other = scene.add_null("Other");
  ASSERT_TRUE(scene.set_parent(c1, other));
  ASSERT_TRUE(scene.set_parent(c1, root));
  EXPECT_EQ(children_of(scene, root), (std::vector<ItemId>{bone, c2, c1}));
  // The same parent again keeps the place.
  ASSERT_TRUE(scene.set_parent(bone, root));
  EXPECT_EQ(children_of(scene, root), (std::vector<ItemId>{bone, c2, c1}));
  EXPECT_EQ(scene.next_child(other, c1), 0u);  // c1 is not other's child
  ASSERT_TRUE(scene.set_parent(c2, 0));
  EXPECT_EQ(children_of(scene, root), (std::vector<ItemId>{bone, c1}));
  EXPECT_EQ(scene.item(c2)->parent, 0u);
}

TEST(HostScene, ParentingRefusesCycles) {
  Scene scene;
  ItemId a = scene.add_null("A");
  ItemOptions under;
  under.parent = a;
  ItemId b = scene.add_null("B", under);
  under.parent = b;
  ItemId c = scene.add_null("C", under);
  EXPECT_FALSE(scene.set_parent(a, c));
  EXPECT_FALSE(scene.set_parent(a, a));
  EXPECT_FALSE(scene.set_parent(a, 0x10000099u));
  EXPECT_FALSE(scene.set_parent(0x10000099u, a));
  EXPECT_EQ(scene.item(a)->parent, 0u);
  EXPECT_TRUE(scene.is_descendant(c, a));
  EXPECT_FALSE(scene.is_descendant(a, c));
  EXPECT_FALSE(scene.set_parents({b, a}, c));
  EXPECT_EQ(scene.item(b)->parent, a);
}

TEST(HostScene, SetParentsMovesManyInListOrder) {
  Scene scene;
  ItemId old_parent = scene.add_null("Old");
  ItemOptions under;
  under.parent = old_parent;
  std::vector<ItemId> kids;
  for (int i = 0; i < 6; ++i) {
    std::string name = "K";
    name += std::to_string(i);
    kids.push_back(scene.add_null(name, under));
  }
  ItemId target = scene.add_null("Target");
  ASSERT_TRUE(scene.set_parents({kids[4], kids[1], kids[4], kids[2]}, target));
  EXPECT_EQ(children_of(scene, target), (std::vector<ItemId>{kids[4], kids[1], kids[2]}));
  EXPECT_EQ(children_of(scene, old_parent), (std::vector<ItemId>{kids[0], kids[3], kids[5]}));
  ASSERT_TRUE(scene.set_parents({kids[1], kids[5]}, 0));
  EXPECT_EQ(children_of(scene, target), (std::vector<ItemId>{kids[4], kids[2]}));
  EXPECT_EQ(children_of(scene, old_parent), (std::vector<ItemId>{kids[0], kids[3]}));
  EXPECT_EQ(scene.item(kids[5])->parent, 0u);
}

TEST(HostScene, NamesFoundInSceneOrderAndFollowRenames) {
  Scene scene;
  ItemId light = scene.add_light("Twin");
  ItemId later_object = scene.add_null("Other");
  ItemId bone = scene.add_bone(later_object, "Twin");
  EXPECT_EQ(scene.find_by_name("Twin"), bone);  // objects and their bones come before lights
  scene.rename(bone, "Solo");
  EXPECT_EQ(scene.find_by_name("Twin"), light);
  EXPECT_EQ(scene.find_by_name("Solo"), bone);
  EXPECT_EQ(scene.find_by_name("Nobody"), 0u);
  // A name changed through the writable look-up is found too.
  scene.find(light)->name = "Direct";
  EXPECT_EQ(scene.find_by_name("Direct"), light);
  EXPECT_EQ(scene.find_by_name("Twin"), 0u);
  ItemId empty = scene.add_camera("");
  EXPECT_EQ(scene.find_by_name(""), empty);
}

// The services read the hierarchy and the names from dense copies kept beside
// the items: after any mix of changes they must still say what the items say.
TEST(HostScene, ServicesFollowEveryChangeOfHierarchyAndNames) {
  std::mt19937 random(7);
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  Scene scene;
  std::vector<ItemId> items;
  for (int step = 0; step < 3000; ++step) {
    const ItemId any = items.empty() ? 0 : items[pick(items.size())];
    switch (items.size() < 8 ? 0 : pick(6)) {
      case 0: {
        ItemOptions under;
        under.parent = pick(3) == 0 ? 0 : any;
        items.push_back(pick(4) == 0 && any != 0 && scene.item(any)->is_object()
                            ? scene.add_bone(any, std::string(pick(40), 'b'), under)
                            : scene.add_null(std::string(pick(40), 'n'), under));
        break;
      }
      case 1: scene.set_parent(any, pick(4) == 0 ? 0 : items[pick(items.size())]); break;
      case 2:
        scene.set_parents({any, items[pick(items.size())], any},
                          pick(4) == 0 ? 0 : items[pick(items.size())]);
        break;
      case 3: scene.rename(any, std::to_string(step)); break;
      case 4: scene.find(any)->name = "edited" + std::to_string(step); break;
      default: scene.rename(any, std::string(1 + pick(300), 'r')); break;
    }
    // Texts of old names pile up until they are rewritten in one go.
    if (step % 500 == 250)
      for (int i = 0; i < 40; ++i) scene.rename(any, std::string((std::size_t(1) << 20) + i, 'L'));
    if (step % 100 != 99) continue;
    for (ItemId id : scene.scene_order()) {
      const Item &it = *scene.item(id);
      ASSERT_EQ(scene.parent_of(id), it.parent) << step;
      ASSERT_EQ(children_of(scene, id), it.children) << step;
      ASSERT_STREQ(scene.name_text(id), it.name.c_str()) << step;
    }
  }
  EXPECT_EQ(scene.name_text(0x10FFFFFFu), nullptr);
}

TEST(HostScene, SelectionIsOrderedWithoutDuplicates) {
  Scene scene;
  ItemId a = scene.add_null("A");
  ItemId b = scene.add_null("B");
  const uint64_t before = scene.selection_version();
  scene.set_selection({b, a, b, 0x10000077u});
  EXPECT_EQ(scene.selection(), (std::vector<ItemId>{b, a}));
  EXPECT_TRUE(scene.is_selected(a));
  EXPECT_GT(scene.selection_version(), before);
  scene.add_to_selection(a);
  EXPECT_EQ(scene.selection().size(), 2u);
  scene.select_only(a);
  EXPECT_EQ(scene.selection(), (std::vector<ItemId>{a}));
  EXPECT_FALSE(scene.is_selected(b));
  scene.select_only(0);
  EXPECT_TRUE(scene.selection().empty());
  // Every kind keeps its own flags; an unknown bone identifier selects nothing.
  const ItemId light = scene.add_light("L");
  const ItemId bone = scene.add_bone(a, "Bone");
  scene.set_selection({bone, light, 0x4FFF0000u, bone});
  EXPECT_EQ(scene.selection(), (std::vector<ItemId>{bone, light}));
  EXPECT_TRUE(scene.is_selected(bone));
  EXPECT_FALSE(scene.is_selected(a));
}

TEST(HostScene, ClearKeepsTheGeneralFlags) {
  Scene scene;
  scene.add_null("A");
  scene.select_only(0x10000000u);
  scene.general_flags = 4;
  scene.clear();
  EXPECT_EQ(scene.size(), 0u);
  EXPECT_TRUE(scene.selection().empty());
  EXPECT_EQ(scene.general_flags, 4u);
  EXPECT_EQ(scene.add_null("B"), 0x10000000u);
}

TEST(HostScene, BoneIdentifiersOfLateObjectsMustNotCollide) {
  Scene scene;
  scene.reserve(70000);
  for (int i = 0; i < 65537; ++i) scene.add_null("");
  ItemId first = scene.add_bone(0x10000000u, "first");
  ItemId second = scene.add_bone(0x10000000u, "second");
  EXPECT_EQ(second, 0x40010000u);
  // Object 65536's first bone would be 0x40010000 too.
  EXPECT_EQ(scene.add_bone(0x10010000u, "late"), 0u);
  EXPECT_EQ(scene.item(second)->name, "second");
  EXPECT_NE(first, 0u);
}

// A chain far deeper than any call stack: every walk is iterative, and moving
// the whole chain under a new root works on its own lists only.
TEST(HostScene, DeepChainsAndWideLists) {
  Scene scene;
  const int depth = 200000;
  ItemId previous = scene.add_null("n0");
  for (int i = 1; i < depth; ++i) {
    ItemOptions under;
    under.parent = previous;
    std::string name = "n";
    name += std::to_string(i);
    previous = scene.add_null(name, under);
  }
  EXPECT_TRUE(scene.is_descendant(previous, 0x10000000u));
  EXPECT_FALSE(scene.set_parent(0x10000000u, previous));
  EXPECT_EQ(scene.find_by_name("n199999"), previous);

  ItemId wide = scene.add_null("wide");
  std::vector<ItemId> all;
  for (int i = 0; i < depth; ++i) all.push_back(0x10000000u + static_cast<ItemId>(i));
  ASSERT_TRUE(scene.set_parents(all, wide));
  EXPECT_EQ(scene.item(wide)->children.size(), static_cast<std::size_t>(depth));
  EXPECT_EQ(scene.next_child(wide, previous), 0u);
  EXPECT_EQ(scene.next_child(wide, 0x10000000u), 0x10000001u);
  ASSERT_TRUE(scene.set_parents(all, 0));
  EXPECT_TRUE(scene.item(wide)->children.empty());
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/lwtool2/items.h"

namespace {

using Commands = std::vector<std::string>;
using Ids = std::vector<LWItemID>;
using lwtool2::Descendants;

using qbtest::hex;

Ids ids(const lwtool2::HashedItemList &list) { return list.items(); }

lwtool2::HashedItemList list_of(const Ids &items) {
  lwtool2::HashedItemList list;
  for (LWItemID item : items) list.append(item);
  return list;
}

class SecondLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lwtool2::fetch_services(host.global()));
    root = host.add(LWI_OBJECT, "root");
    x = host.add(LWI_OBJECT, "X", root);
    y = host.add(LWI_OBJECT, "Y", root);
    z = host.add(LWI_OBJECT, "Z", x);
  }
  qbtest::TestHost host;
  LWItemID root, x, y, z;
};

TEST_F(SecondLayer, DescendantListIsDepthFirst) {
  EXPECT_EQ(ids(lwtool2::descendant_list(root)), (Ids{x, z, y}));
  EXPECT_TRUE(lwtool2::descendant_list(z).empty());
}

TEST_F(SecondLayer, SelectionListPutsAChildUnderItsParent) {
  host.select({x, z, root});
  EXPECT_EQ(ids(lwtool2::selection_list(Descendants::kLeftOut)), (Ids{x, z, root}));
  EXPECT_EQ(ids(lwtool2::selection_list(Descendants::kIncluded)), (Ids{x, z, root, y}));
  host.select({z, x});
  EXPECT_EQ(ids(lwtool2::selection_list(Descendants::kIncluded)), (Ids{z, x}));
}

// Appending keeps what is listed already, and walks below items listed.
TEST_F(SecondLayer, AppendSelectionAndDescendants) {
  host.select({y, x});
  lwtool2::HashedItemList list = list_of({x});
  lwtool2::append_selection(list);
  EXPECT_EQ(ids(list), (Ids{x, y}));
  host.select({x, root});
  list = list_of({z});
  lwtool2::append_selection_with_descendants(list);
  EXPECT_EQ(ids(list), (Ids{z, x, root, y}));
  list = list_of({x});
  lwtool2::append_descendants(list, root);
  EXPECT_EQ(ids(list), (Ids{x, z, y}));
}

// Selected from the end, repeats and all; an empty list still refreshes the
// interface info.  Refusals reported in the status line are traced in
// faults/refuse_everything, a vanishing interface info in
// faults/interface_vanishes.
TEST_F(SecondLayer, SelectListFromTheEndWithoutFilters) {
  LWItemID light = host.add(LWI_LIGHT, "L");
  lwtool2::select_list(list_of({x, light, x}));
  EXPECT_EQ(host.commands,
            (Commands{"SelectItem " + hex(x), "AddToSelection " + hex(light), "AddToSelection " + hex(x)}));
  EXPECT_EQ(lwtool2::services().interface_info->selItems[0], x);
  host.commands.clear();
  host.clear_trace();
  lwtool2::select_list({});
  EXPECT_TRUE(host.commands.empty());
  EXPECT_EQ(host.lookups(), Commands{LWINTERFACEINFO_GLOBAL});
}

TEST_F(SecondLayer, SceneWalkAndMeshObjects) {
  LWItemID camera = host.add(LWI_CAMERA, "Cam");
  LWItemID light = host.add(LWI_LIGHT, "Light");
  LWItemID mesh = host.mesh("mesh", "/o/mesh.lwo");
  LWItemID capitals = host.mesh("caps", "/o/caps.LWO");
  LWItemID bone = host.add(LWI_BONE, "bone", mesh, mesh);
  EXPECT_EQ(ids(lwtool2::scene_item_list()), (Ids{root, x, y, z, mesh, bone, capitals, light, camera}));
  lwtool2::HashedItemList list = list_of({light});
  lwtool2::append_scene_items(list);
  EXPECT_EQ(ids(list), (Ids{light, root, x, y, z, mesh, bone, capitals, camera}));
  EXPECT_EQ(ids(lwtool2::mesh_objects()), Ids{mesh});
  EXPECT_EQ(lwtool2::classify_item(mesh), qb::kMeshObject);
  EXPECT_EQ(lwtool2::classify_item(capitals), qb::kNullObject);
  EXPECT_EQ(lwtool2::classify_item(root), qb::kNullObject);
  EXPECT_EQ(lwtool2::classify_item(bone), qb::kBoneItem);
  EXPECT_EQ(lwtool2::classify_item(light), qb::kLightItem);
  EXPECT_EQ(lwtool2::classify_item(camera), qb::kCameraItem);
}

TEST(Lwtool2ItemList, MembershipIsTracked) {
  lwtool2::HashedItemList list;
  auto a = reinterpret_cast<LWItemID>(0x10000001);
  auto b = reinterpret_cast<LWItemID>(0x10000002);
  EXPECT_TRUE(list.append_unique(a));
  EXPECT_FALSE(list.append_unique(a));
  list.append(a);
  EXPECT_EQ(list.size(), 2u);
  EXPECT_TRUE(list.contains(a));
  EXPECT_FALSE(list.contains(b));
}

// Walks of a chain of a million items do not exhaust the stack; with every
// item selected, the root first, each one's subtree is already listed.
TEST(Lwtool2DeepChain, WalksAndSelectionListsOfAMillionItems) {
  constexpr int kDepth = 1000000;
  qbtest::TestHost host;
  ASSERT_TRUE(lwtool2::fetch_services(host.global()));
  LWItemID root = host.add(LWI_OBJECT, "root");
  Ids chain;
  for (LWItemID parent = root; chain.size() < static_cast<std::size_t>(kDepth);)
    chain.push_back(parent = host.add(LWI_OBJECT, nullptr, parent));
  const lwtool2::HashedItemList children = lwtool2::descendant_list(root);
  ASSERT_EQ(children.size(), chain.size());
  EXPECT_EQ(children.items(), chain);
  lwtool2::HashedItemList below;
  lwtool2::append_descendants(below, root);
  EXPECT_EQ(below.size(), static_cast<std::size_t>(kDepth));

  Ids all = {root};
  all.insert(all.end(), chain.begin(), chain.end());
  host.select(all);
  EXPECT_EQ(lwtool2::selection_list(Descendants::kIncluded).items(), all);
  lwtool2::HashedItemList list;
  lwtool2::append_selection_with_descendants(list);
  EXPECT_EQ(list.items(), all);
}

TEST(SecondLayerFiles, ObjectsLackingAFilePath) {
  qbtest::TestHost host;
  host.load_services();
  LWItemID unnamed = host.add(LWI_OBJECT, nullptr);
  LWItemID posix = host.mesh("a", "/home/me/a.lwo");
  LWItemID windows = host.mesh("b", "C:\\Objects\\b.lwo");
  LWItemID capitals = host.mesh("c", "C:\\Objects\\c.LWO");
  LWItemID bare = host.mesh("d", "d.lwo");
  LWItemID light = host.add(LWI_LIGHT, "Light");
  EXPECT_EQ(lwtool2::object_lacks_file_path(capitals, qb::PathStyle::Posix), true);
  EXPECT_EQ(lwtool2::object_lacks_file_path(capitals, qb::PathStyle::Windows), false);
  EXPECT_EQ(lwtool2::object_lacks_file_path(capitals, qb::PathStyle::MacOs), false);
  for (auto style : {qb::PathStyle::Posix, qb::PathStyle::Windows, qb::PathStyle::MacOs}) {
    EXPECT_EQ(lwtool2::object_lacks_file_path(posix, style), false);
    EXPECT_EQ(lwtool2::object_lacks_file_path(windows, style), false);
    EXPECT_EQ(lwtool2::object_lacks_file_path(bare, style), true);
    EXPECT_EQ(lwtool2::object_lacks_file_path(unnamed, style), true);
    EXPECT_EQ(lwtool2::object_lacks_file_path(light, style), false);
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/lwtool2/services.h"
#include "tools/rename/rename_engine.h"

namespace {

using Commands = std::vector<std::string>;

class RenameRun : public ::testing::Test {
 protected:
  void SetUp() override { host.load_services(); }
  static std::string id(LWItemID item) { return qbtest::hex(item); }
  qbtest::TestHost host;
  qb::rename::RenameSettings settings;
};

TEST_F(RenameRun, SelectedParentAndChildAreEachRenamedOnce) {
  LWItemID parent = host.add(LWI_OBJECT, "Arm_L_");
  LWItemID child = host.add(LWI_OBJECT, "Hand_L_", parent);
  host.select({parent, child});
  settings.scope = qb::rename::Scope::kSelectionWithChildren;
  qb::rename::rename_items(settings);
  EXPECT_EQ(host.commands, (Commands{
                               "SelectItem " + id(parent),
                               "Rename Arm_R_",
                               "StatusMsg {0.00}QB:NameReplace: Renaming...",
                               "SelectItem " + id(child),
                               "Rename Hand_R_",
                               "StatusMsg {1.00}QB:NameReplace: Renaming...",
                               "StatusMsg QB:NameReplace: Done(2).",
                               "SelectItem " + id(child),
                               "AddToSelection " + id(parent),
                           }));
}

TEST_F(RenameRun, ItemWithoutANameFromTheHostIsSkipped) {
  LWItemID nameless = host.add(LWI_OBJECT, nullptr);
  host.select({nameless});
  settings.mode = qb::rename::Mode::kPrefix;
  settings.prefix_text.assign("P_");
  qb::rename::rename_items(settings);
  EXPECT_EQ(host.commands, (Commands{"StatusMsg {1.00}QB:NameReplace: Renaming...",
                                     "StatusMsg QB:NameReplace: Done(0).", "SelectItem " + id(nameless)}));
}

TEST_F(RenameRun, WithoutTheItemRecordNothingIsRenamed) {
  LWItemID a = host.add(LWI_OBJECT, "A_L_");
  host.select({a});
  lwtool2::services().item_info = nullptr;  // the host gave no item record
  qb::rename::rename_items(settings);
  EXPECT_EQ(host.commands, (Commands{"StatusMsg {1.00}QB:NameReplace: Renaming...",
                                     "StatusMsg QB:NameReplace: Done(0).", "SelectItem " + qbtest::hex(a)}));
}

TEST_F(RenameRun, UnknownScopeHasNoTargets) {
  LWItemID a = host.add(LWI_OBJECT, "A_L_");
  host.select({a});
  settings.scope = static_cast<qb::rename::Scope>(3);
  qb::rename::rename_items(settings);
  EXPECT_EQ(host.commands, (Commands{"StatusMsg QB:NameReplace: Done(0).", "SelectItem " + id(a)}));
}

TEST_F(RenameRun, DeepHierarchyIsRenamedWithoutExhaustingTheStack) {
  constexpr std::size_t kDepth = 100000;
  LWItemID top = host.add(LWI_OBJECT, "Link_L_");
  LWItemID last = top;
  for (std::size_t i = 0; i < kDepth; ++i) last = host.add(LWI_OBJECT, "Link_L_", last);
  host.select({top});
  settings.scope = qb::rename::Scope::kSelectionWithChildren;
  qb::rename::rename_items(settings);
  const std::size_t n = kDepth + 1;
  ASSERT_EQ(host.commands.size(), 3 * n + 2);
  EXPECT_EQ(host.commands[3 * n - 3], "SelectItem " + id(last));
  EXPECT_EQ(host.commands[3 * n - 2], "Rename Link_R_");
  EXPECT_EQ(host.commands[3 * n], "StatusMsg QB:NameReplace: Done(100001).");
}

}  // namespace

// The records qbhost serves: every function slot holds a function, a slot the
// module has no business calling ends the run with status 3, and the command
// observer sees what the module sends.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "abi/host_api.h"
#include "host/core/host.h"
#include "host/core/host_state.h"

extern "C" ModuleDescriptor _mod_descrip;

namespace {

// How many pointer-sized words of the record from `first` to `last`
// (inclusive) are null.
template <class Record>
int null_words(const Record &record, std::size_t first, std::size_t last) {
  int nulls = 0;
  for (std::size_t offset = first; offset <= last; offset += sizeof(void *)) {
    void *word = nullptr;
    std::memcpy(&word, reinterpret_cast<const unsigned char *>(&record) + offset, sizeof word);
    nulls += word == nullptr ? 1 : 0;
  }
  return nulls;
}

LWLayoutGeneric g_local{};

int keep_local(int, GlobalFunc *, void *local, void *) {
  g_local = *static_cast<LWLayoutGeneric *>(local);
  return AFUNC_OK;
}

ServerRecord g_servers[] = {{LWLAYOUTGENERIC_CLASS, "Test:Local", keep_local, nullptr},
                            {nullptr, nullptr, nullptr, nullptr}};
ModuleDescriptor g_module = {MOD_SYSSYNC, MOD_SYSVER, MOD_MACHINE, nullptr, nullptr, g_servers};

struct HostRecords : ::testing::Test {
  qbhost::Host host;
  template <class Record>
  Record *service(const char *name) {
    return static_cast<Record *>(host.global_function()(name, GFUSE_TRANSIENT));
  }
};

TEST_F(HostRecords, EveryFunctionSlotHoldsAFunction) {
  EXPECT_EQ(null_words(*service<LWItemInfo>(LWITEMINFO_GLOBAL), 0, offsetof(LWItemInfo, splineT)), 0);
  EXPECT_EQ(
      null_words(*service<LWObjectInfo>(LWOBJECTINFO_GLOBAL), 0, offsetof(LWObjectInfo, maximumPixelSpacing)),
      0);
  const LWInterfaceInfo &info = *service<LWInterfaceInfo>(LWINTERFACEINFO_GLOBAL);
  for (auto slot :
       {offsetof(LWInterfaceInfo, itemFlags), offsetof(LWInterfaceInfo, schemaPos),
        offsetof(LWInterfaceInfo, itemVis), offsetof(LWInterfaceInfo, itemColor),
        offsetof(LWInterfaceInfo, setItemColorIndex), offsetof(LWInterfaceInfo, setItemColorCustom),
        offsetof(LWInterfaceInfo, defaultItemTypeColor), offsetof(LWInterfaceInfo, itemColorRgba),
        offsetof(LWInterfaceInfo, itemIconScale)})
    EXPECT_EQ(null_words(info, slot, slot), 0) << slot;
  const LWPanelFuncs &panels = *service<LWPanelFuncs>(LWPANELFUNCS_GLOBAL);
  EXPECT_EQ(null_words(panels, 0, offsetof(LWPanelFuncs, drawFuncs)), 0);
  EXPECT_EQ(
      null_words(panels, offsetof(LWPanelFuncs, destroyControl), offsetof(LWPanelFuncs, destroyControl)), 0);

  std::string error;
  ASSERT_TRUE(host.attach_module(&g_module, error)) << error;
  ASSERT_EQ(host.activate("Test:Local", "words"), AFUNC_OK);
  EXPECT_EQ(null_words(g_local, 0, offsetof(LWLayoutGeneric, parsedArguments)), 0);
}

using HostRecordsDeathTest = HostRecords;

TEST_F(HostRecordsDeathTest, AnUnexpectedCallEndsTheRunWithStatusThree) {
  LWItemInfo *items = service<LWItemInfo>(LWITEMINFO_GLOBAL);
  LWObjectInfo *objects = service<LWObjectInfo>(LWOBJECTINFO_GLOBAL);
  LWPanelFuncs *panels = service<LWPanelFuncs>(LWPANELFUNCS_GLOBAL);
  EXPECT_EXIT(items->target(nullptr), ::testing::ExitedWithCode(3),
              "host: unexpected call of LWItemInfo.target\n");
  EXPECT_EXIT(objects->layerLoaded(), ::testing::ExitedWithCode(3),
              "host: unexpected call of LWObjectInfo.layerLoaded");
  EXPECT_EXIT(panels->handle(nullptr, 0), ::testing::ExitedWithCode(3),
              "host: unexpected call of LWPanelFuncs.handle");
  std::string error;
  ASSERT_TRUE(host.attach_module(&g_module, error)) << error;
  ASSERT_EQ(host.activate("Test:Local", nullptr), AFUNC_OK);
  EXPECT_EXIT(g_local.loadScene("a.lws", "a"), ::testing::ExitedWithCode(3),
              "host: unexpected call of LWLayoutGeneric.loadScene");
}

// The 2020 generation: its names answer the longer records, whose appended
// slots are traps too; the 2018 names of the renamed services answer null; a
// command goes through the record's evaluate with the record's data.
TEST_F(HostRecordsDeathTest, TheGenerationOf2020ServesItsOwnNamesAndRecords) {
  qbhost::set_generation(host.settings(), qb::Generation::Layout2020);
  EXPECT_EQ(host.settings().interface_version, 7);
  for (const char *old_name :
       {LWCOMMANDINTERFACE_GLOBAL, LWITEMINFO_GLOBAL, LWOBJECTINFO_GLOBAL, LWINTERFACEINFO_GLOBAL,
        LWPANELFUNCS_GLOBAL, "LW Scene Info 11", "LWShelfFuncs"})
    EXPECT_EQ(service<void>(old_name), nullptr) << old_name;
  EXPECT_NE(service<void>("LWShelfFuncs 3"), nullptr);  // model year 2025
  EXPECT_EQ(LWINF_GETMODELYEAR(reinterpret_cast<std::uintptr_t>(service<void>(LWPRODUCTINFO_GLOBAL))), 2025u);
  auto *items = service<LWItemInfo9>(LWITEMINFO_GLOBAL_2020);
  auto *objects = service<LWObjectInfo14>(LWOBJECTINFO_GLOBAL_2020);
  auto *info = service<LWInterfaceInfo8>(LWINTERFACEINFO_GLOBAL_2020);
  auto *panels = service<LWPanelFuncs3>(LWPANELFUNCS_GLOBAL_2020);
  auto *commands = service<LWCommandInterface>(LWCOMMANDINTERFACE_GLOBAL_2020);
  EXPECT_EQ(null_words(*items, 0, offsetof(LWItemInfo9, relparam)), 0);
  EXPECT_EQ(null_words(*objects, offsetof(LWObjectInfo14, pntIndex), offsetof(LWObjectInfo14, boneWeights)),
            0);
  EXPECT_EQ(null_words(*panels, offsetof(LWPanelFuncs3, setParent), offsetof(LWPanelFuncs3, getRaster)), 0);
  EXPECT_EQ(commands->evaluate(commands->data, "RefreshNow"), 1);
  EXPECT_EQ(commands->evaluate(commands->data, "Unknown"), 0);
  EXPECT_EXIT(items->relparam(), ::testing::ExitedWithCode(3),
              "host: unexpected call of LWItemInfo9.relparam\n");
  EXPECT_EXIT(objects->boneWeights(), ::testing::ExitedWithCode(3),
              "unexpected call of LWObjectInfo14.boneWeights");
  EXPECT_EXIT(info->DPIScalar(), ::testing::ExitedWithCode(3),
              "unexpected call of LWInterfaceInfo8.DPIScalar");
  EXPECT_EXIT(panels->getRaster(), ::testing::ExitedWithCode(3),
              "unexpected call of LWPanelFuncs3.getRaster");
  EXPECT_EXIT(commands->lookup(commands->data, "x"), ::testing::ExitedWithCode(3),
              "unexpected call of LWCommandInterface.lookup");
  EXPECT_EXIT(commands->evaluate(nullptr, "RefreshNow"), ::testing::ExitedWithCode(3),
              "another record's data");
}

// The command observer sees every command the module sends, with whether the
// host carried it out, in order.
TEST(HostCommandObserver, SeesEveryCommandAndItsOutcome) {
  qbhost::Host host;
  std::string error;
  ASSERT_TRUE(host.attach_module(&_mod_descrip, error)) << error;
  host.scene().add_mesh("Cube", "Objects/Cube.lwo");
  host.scene().add_mesh("Cube2", "Objects/Cube2.lwo");
  host.settings().refused.push_back("AddToSelection");
  std::vector<std::pair<std::string, bool>> seen;
  host.settings().command_observer = [&](std::string_view command, bool done) {
    seen.emplace_back(command, done);
  };
  ASSERT_EQ(host.activate("QB:SelectItem", "Cube*"), 0);
  const std::vector<std::pair<std::string, bool>> expected = {{"SelectItem 0x10000001", true},
                                                              {"AddToSelection 0x10000000", false}};
  EXPECT_EQ(seen, expected);
  host.settings().command_observer = nullptr;
  host.evaluate("RefreshNow");
  EXPECT_EQ(seen.size(), 2u);
}

}  // namespace

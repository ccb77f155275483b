#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "abi/service_names.h"
#include "plugin/frame.h"
#include "tests/unit/support/qbhost_fixture.h"
#include "toolkit/panel.h"
#include "toolkit/text/code_page.h"
#include "tools/hierarchy/item_tools_text.h"

namespace {

using Names = std::vector<std::string>;

// The descriptor's header and server rows are checked by the layout check
// (tests/abi), which loads the module as a host does; what it passes on
// without looking at is the handle startup gives.
TEST(ModuleDescriptor, StartupGivesTheHandleShutdownTakes) {
  ASSERT_NE(_mod_descrip.startup, nullptr);
  ASSERT_NE(_mod_descrip.shutdown, nullptr);
  void *handle = _mod_descrip.startup();
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(handle), 4u);
  _mod_descrip.shutdown(handle);
}

// Which major versions run is checked by the trace frame/version_checks; the
// bits around the major version and a missing global function are not.
TEST(ProductVersion, MajorVersionFromItsBits) {
  EXPECT_EQ(qb::product_major_version(0x00F3ABC5u), 0xFu);
  EXPECT_EQ(qb::product_major_version(0xFF0FFFFFu), 0u);  // only bits 20-23 are the major version
  EXPECT_FALSE(qb::host_is_supported(nullptr));
}

// "Product Info" answers a number in place of a pointer; the model year sits
// in bits 24-29 counted from 2015, above the major version.
std::uint32_t g_product_info = 0;
void *product_info_global(const char *name, int) {
  if (std::string(name) != "Product Info") return nullptr;
  return reinterpret_cast<void *>(static_cast<std::uintptr_t>(g_product_info));
}

TEST(ProductVersion, ModelYearAndMajorOfEveryGeneration) {
  struct Case {
    std::uint32_t value;
    bool supported;
    unsigned major, model_year;
  };
  for (const Case c : {Case{0x00F00000u, true, 15, 2015}, Case{0x03F00000u, true, 15, 2018},
                       Case{0x0AF12345u, true, 15, 2025}, Case{0x3FF00000u, true, 15, 2078},
                       Case{0xC5E00000u, false, 14, 2020}, Case{0x05000000u, false, 0, 2020}}) {
    g_product_info = c.value;
    qb::ProductVersion version;
    EXPECT_EQ(qb::host_is_supported(product_info_global, version), c.supported) << std::hex << c.value;
    EXPECT_EQ(version.major, c.major) << std::hex << c.value;
    EXPECT_EQ(version.model_year, c.model_year) << std::hex << c.value;
  }
}

// The activation as qbhost runs it, with its LayoutGeneric record.
int activate(const char *name, int version, qbtest::TestHost &host, const char *arguments = nullptr) {
  if (!host.host().module_loaded()) host.attach_module();
  host.settings().interface_version = version;
  return host.host().activate(name, arguments);
}

TEST(Activation, WrongInterfaceVersionLooksNothingUp) {
  for (const ServerRecord *row = _mod_descrip.serverDefs; row->name != nullptr; ++row) {
    qbtest::TestHost host;
    EXPECT_EQ(activate(row->name, 5, host), 1) << row->name;
    EXPECT_EQ(activate(row->name, 8, host), 1) << row->name;
    EXPECT_TRUE(host.lookups().empty()) << row->name;
    EXPECT_TRUE(host.commands.empty()) << row->name;
  }
}

// Names, patterns and paths are Shift-JIS on a Japanese host: every server,
// the text-less "QB:ToggleVisible" too, asks for the locale once and sets the
// code page from it.
TEST(Activation, EveryServerSetsTheCodePageFromOneLookupOfTheLocale) {
  for (const char *server : {"QB:ToggleVisible", "QB:SelectItem"}) {
    for (unsigned locale : {1041u + 0x10000u, 1033u}) {
      qbtest::TestHost host;
      host.settings().locale = locale;
      activate(server, 6, host);
      const Names lookups = host.lookups();
      EXPECT_EQ(std::count(lookups.begin(), lookups.end(), "Locale Info"), 1) << server;
      EXPECT_EQ(qb::host_code_page(), locale == 1033 ? qb::CodePage::SingleByte : qb::CodePage::ShiftJis)
          << server;
    }
  }
  qb::set_host_code_page(qb::CodePage::SingleByte);
}

TEST(Activation, SecondLayerFetchStoresTheGlobalInThePanelRecord) {
  qbtest::TestHost host;
  EXPECT_TRUE(lwtool2::fetch_services(host.global()));
  EXPECT_EQ(lwtool2::g_global, host.global());
  EXPECT_EQ(qbhost::panel_funcs()->globalFun, host.global());
  EXPECT_EQ(lwtool2::services().locale, 1033u);
  EXPECT_EQ(host.lookups().size(), qb::kLwtool2ServiceNames.size());
}

// The select commands choose the item tools' tables as the panel does; the
// locale's low 16 bits decide.
TEST(Language, SelectCommandsChooseTheItemToolsTables) {
  EXPECT_FALSE(qb::locale_is_japanese(1041 << 16));
  EXPECT_FALSE(qb::locale_is_japanese(0));
  qbtest::TestHost host;
  host.settings().locale = 1041 + 0x10000;
  EXPECT_EQ(activate("QB:SelectBranch", 6, host), 0);
  EXPECT_EQ(qb::hierarchy::g_item_tools_messages, qb::hierarchy::kItemToolsMessagesJa);
  host.settings().locale = 1033;
  EXPECT_EQ(activate("QB:SelectItem", 6, host, "x"), 0);
  EXPECT_EQ(qb::hierarchy::g_item_tools_messages, qb::hierarchy::kItemToolsMessagesEn);
  qb::hierarchy::select_item_tools_language(0);
  EXPECT_EQ(qb::hierarchy::g_item_tools_text, qb::hierarchy::kItemToolsTextEn);
}

}  // namespace

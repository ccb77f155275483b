// The host's command observer: every command the module sends, with whether
// the host carried it out, in order.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/core/host.h"

extern "C" ModuleDescriptor _mod_descrip;

namespace {

TEST(HostCommandObserver, SeesEveryCommandAndItsOutcome) {
  qbhost::Host host;
  host.set_trace(nullptr);
  std::string error;
  ASSERT_TRUE(host.attach_module(&_mod_descrip, error)) << error;
  const qbhost::ItemId cube = host.scene().add_mesh("Cube", "Objects/Cube.lwo");
  host.scene().add_mesh("Cube2", "Objects/Cube2.lwo");
  host.settings().refused.push_back("AddToSelection");

  std::vector<std::pair<std::string, bool>> seen;
  host.settings().command_observer = [&](std::string_view command, bool done) {
    seen.emplace_back(std::string(command), done);
  };
  ASSERT_EQ(host.activate("QB:SelectItem", "Cube*"), 0);
  const std::vector<std::pair<std::string, bool>> expected = {{"SelectItem 0x10000001", true},
                                                              {"AddToSelection 0x10000000", false}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(host.scene().selection(), std::vector<qbhost::ItemId>{cube + 1});

  host.settings().command_observer = nullptr;
  host.evaluate("RefreshNow");
  EXPECT_EQ(seen.size(), 2u);
}

}  // namespace

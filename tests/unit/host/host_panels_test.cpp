// Headless panels and the host services, driven by a tiny module written
// here, attached to the host in-process.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <stdexcept>

#include "abi/host_api.h"
#include "host/core/host.h"

using namespace qbhost;

namespace {

// ---- the fake module ---------------------------------------------------------------

struct FakeState {
  GlobalFunc *global = nullptr;
  LWPanelFuncs *panels = nullptr;
  LWPanelID panel = nullptr;
  LWControl *edit = nullptr, *button = nullptr, *popup = nullptr, *list = nullptr;
  int open_flags = 64;
  int open_result = -1;
  int opens = 0, closes = 0, draws = 0, events = 0;
  LWControl *last_event = nullptr;
  std::string edit_text;  // read in the event callback
  const char *argument = nullptr;
  bool had_argument = false;
  std::string argument_text;
  LWInterfaceInfo *first_snapshot = nullptr;
  std::vector<LWItemID> first_seen, second_seen;
  LWInterfaceInfo *second_snapshot = nullptr;
  std::vector<std::string> rows = {"alpha", "beta"};
  bool event_opens_modal = false;  // a button that shows a blocking panel
  int inner_result = -1;
  bool activation_throws = false;  // a module whose code lets an exception out
};

FakeState fake;

const char *kChoices[] = {"One", "Two", "Three", nullptr};

void on_open(LWPanelID, void *data) { static_cast<FakeState *>(data)->opens++; }
void on_close(LWPanelID, void *data) { static_cast<FakeState *>(data)->closes++; }
void on_draw(LWPanelID, void *data, int) { static_cast<FakeState *>(data)->draws++; }

void on_event(LWControlID control, void *data) {
  auto *state = static_cast<FakeState *>(data);
  state->events++;
  state->last_event = static_cast<LWControl *>(control);
  char buffer[64];
  LWValue value{};
  value.str.type = LWT_STRING;
  value.str.buf = buffer;
  value.str.bufLen = sizeof buffer;
  state->edit->get(state->edit, CTL_VALUE, &value);
  state->edit_text = buffer;
  if (state->event_opens_modal && control == state->button) {
    LWPanelID inner = state->panels->create("Inner", nullptr);
    state->inner_result = state->panels->open(inner, PANF_BLOCKING);
    state->panels->destroy(inner);
  }
}

int row_count(void *data) { return static_cast<int>(static_cast<FakeState *>(data)->rows.size()); }
const char *row_name(void *data, int row, int column) {
  auto *state = static_cast<FakeState *>(data);
  if (row == -1) return column == 0 ? "Name" : nullptr;
  if (column == 0) return state->rows[static_cast<std::size_t>(row)].c_str();
  return "x";
}
int column_width(void *, int column) { return column < 2 ? 100 + column : 0; }

void set_value(LWControl *control, int tag, int number) {
  LWValue value{};
  value.intv.type = LWT_INTEGER;
  value.intv.value = number;
  control->set(control, tag, &value);
}

void set_pointer(LWControl *control, int tag, void *pointer) {
  LWValue value{};
  value.ptr.type = LWT_POINTER;
  value.ptr.ptr = pointer;
  control->set(control, tag, &value);
}

int activate_panel(int, GlobalFunc *global, void *, void *) {
  fake.global = global;
  fake.panels = static_cast<LWPanelFuncs *>(global(LWPANELFUNCS_GLOBAL, 0));
  if (fake.panels == nullptr) return 2;
  if (fake.panel == nullptr) {
    fake.panel = fake.panels->create("Fake Panel", &fake);
    if (fake.panel == nullptr) return 2;
    fake.panels->set(fake.panel, PAN_USEROPEN, reinterpret_cast<void *>(on_open));
    fake.panels->set(fake.panel, PAN_USERCLOSE, reinterpret_cast<void *>(on_close));
    fake.panels->set(fake.panel, PAN_USERDRAW, reinterpret_cast<void *>(on_draw));
    int width = 300;
    fake.panels->set(fake.panel, PAN_W, &width);
    LWPanControlDesc text{};
    text.string.type = LWT_STRING;
    text.string.width = 20;
    fake.edit = fake.panels->addControl(fake.panel, "EditControl", &text, "Name");
    LWPanControlDesc area{};
    area.area.type = LWT_AREA;
    fake.button = fake.panels->addControl(fake.panel, "ButtonControl", &area, "Run");
    LWPanControlDesc choice{};
    choice.choice.type = LWT_CHOICE;
    choice.choice.items = kChoices;
    fake.popup = fake.panels->addControl(fake.panel, "PopupControl", &choice, "\x03(i:MIMG_LEFTARROW)");
    LWPanControlDesc list{};
    list.multiList.type = LWT_MLIST;
    list.multiList.countFn = row_count;
    list.multiList.nameFn = row_name;
    list.multiList.colWidth = column_width;
    fake.list = fake.panels->addControl(fake.panel, "MultiListBoxControl", &list, "");
    for (LWControl *control : {fake.edit, fake.button, fake.popup, fake.list}) {
      set_pointer(control, CTL_USERDATA, &fake);
      set_pointer(control, CTL_USEREVENT, reinterpret_cast<void *>(on_event));
    }
    set_value(fake.button, CTL_X, 40);
    set_value(fake.button, CTL_Y, 7);
  }
  fake.open_result = fake.panels->open(fake.panel, fake.open_flags);
  return 0;
}

int activate_arguments(int, GlobalFunc *, void *local, void *) {
  auto *generic = static_cast<LWLayoutGeneric *>(local);
  fake.argument = generic->commandArguments(generic->data);
  fake.had_argument = fake.argument != nullptr;
  fake.argument_text = fake.argument == nullptr ? "" : fake.argument;
  if (fake.activation_throws) throw std::runtime_error("from the module");
  return 0;
}

std::vector<LWItemID> items_of(const LWInterfaceInfo *info) {
  std::vector<LWItemID> items;
  for (const LWItemID *p = info->selItems; *p != nullptr; ++p) items.push_back(*p);
  return items;
}

// Looks the interface up, selects through a command, and looks at the old
// snapshot before and after looking the service up again.
int activate_snapshots(int, GlobalFunc *global, void *, void *) {
  auto *evaluate = reinterpret_cast<LWCommandFunc *>(global(LWCOMMANDINTERFACE_GLOBAL, 0));
  fake.first_snapshot = static_cast<LWInterfaceInfo *>(global(LWINTERFACEINFO_GLOBAL, 0));
  evaluate("SelectItem 0x10000001");
  evaluate("ParentInPlace");
  fake.first_seen = items_of(fake.first_snapshot);
  fake.second_snapshot = static_cast<LWInterfaceInfo *>(global(LWINTERFACEINFO_GLOBAL, 0));
  fake.second_seen = items_of(fake.second_snapshot);
  return 0;
}

void *started = reinterpret_cast<void *>(4);
int shutdowns = 0;
void *fake_startup() { return started; }
void fake_shutdown(void *) { ++shutdowns; }

ServerRecord fake_servers[] = {
    {LWLAYOUTGENERIC_CLASS, "Fake:Panel", activate_panel, nullptr},
    {LWLAYOUTGENERIC_CLASS, "Fake:Arguments", activate_arguments, nullptr},
    {LWLAYOUTGENERIC_CLASS, "Fake:Snapshots", activate_snapshots, nullptr},
    {nullptr, nullptr, nullptr, nullptr},
};

ModuleDescriptor fake_module = {MOD_SYSSYNC, MOD_SYSVER, MOD_MACHINE, fake_startup, fake_shutdown, fake_servers};

struct HostWithFake : ::testing::Test {
  Host host;
  std::ostringstream trace;
  std::string error;

  void SetUp() override {
    fake = FakeState();
    host.set_trace(&trace);
    ASSERT_TRUE(host.attach_module(&fake_module, error)) << error;
  }
  RunStatus script(const std::string &text) { return host.run_script(text, "test.qbs", error); }
  std::string panel_lines() {
    std::vector<std::string> lines;
    std::string message;
    if (!host.describe_panel("", lines, message)) return "error: " + message;
    std::string all;
    for (const auto &line : lines) all += line + "\n";
    return all;
  }
};

// ---- descriptor -----------------------------------------------------------------------

TEST(HostModule, DescriptorIsChecked) {
  Host host;
  std::string error;
  ModuleDescriptor bad = fake_module;
  bad.sysSync = 0x1234;
  EXPECT_FALSE(host.attach_module(&bad, error));
  EXPECT_NE(error.find("sync"), std::string::npos) << error;
  bad = fake_module;
  bad.sysVersion = 2;
  EXPECT_FALSE(host.attach_module(&bad, error));
  EXPECT_NE(error.find("version"), std::string::npos) << error;
  bad = fake_module;
  bad.sysMachine = 0x200;
  EXPECT_FALSE(host.attach_module(&bad, error));
  EXPECT_NE(error.find("machine"), std::string::npos) << error;
  bad = fake_module;
  bad.serverDefs = nullptr;
  EXPECT_FALSE(host.attach_module(&bad, error));
  EXPECT_FALSE(host.load_module("/nonexistent/module.p", error));
  EXPECT_FALSE(host.module_loaded());
  EXPECT_EQ(host.activate("Fake:Panel", nullptr), -1);
}

TEST_F(HostWithFake, ServersAndShutDown) {
  EXPECT_EQ(host.server_names(), (std::vector<std::string>{"Fake:Panel", "Fake:Arguments", "Fake:Snapshots"}));
  EXPECT_EQ(host.activate("Fake:Nothing", nullptr), -1);
  const int before = shutdowns;
  host.unload_module();
  EXPECT_EQ(shutdowns, before + 1);
  EXPECT_FALSE(host.module_loaded());
  // The next activation loads the module again.
  EXPECT_EQ(host.activate("Fake:Arguments", nullptr), 0);
  EXPECT_TRUE(host.module_loaded());
}

// ---- panels ---------------------------------------------------------------------------

TEST_F(HostWithFake, NonBlockingOpenReturnsAtOnceAndOnlyOnce) {
  EXPECT_EQ(script("activate Fake:Panel\nactivate Fake:Panel\n"), RunStatus::Ok) << error;
  EXPECT_EQ(fake.open_result, 1);
  EXPECT_EQ(fake.opens, 1);  // the second open found it open: nothing ran
  EXPECT_EQ(fake.draws, 1);
  EXPECT_EQ(trace.str(),
            "panel open \"Fake Panel\" flags=64\nresult 0\n"
            "panel open \"Fake Panel\" flags=64\nresult 0\n");
  EXPECT_EQ(script("close\n"), RunStatus::Ok);
  EXPECT_EQ(fake.closes, 1);
  EXPECT_EQ(script("close\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:1: no panel is open");
}

TEST_F(HostWithFake, ModalOkCancelAndClose) {
  fake.open_flags = PANF_BLOCKING | PANF_CANCEL;
  ASSERT_EQ(script("activate Fake:Panel\nset 1 \"two words\"\npress 2\nok\necho after\n"), RunStatus::Ok) << error;
  EXPECT_EQ(fake.open_result, 1);
  EXPECT_EQ(fake.events, 2);
  EXPECT_EQ(fake.last_event, fake.button);
  EXPECT_EQ(fake.edit_text, "two words");
  EXPECT_EQ(fake.closes, 1);
  EXPECT_EQ(trace.str(), "panel open \"Fake Panel\" flags=3\nresult 0\nafter\n");

  ASSERT_EQ(script("activate Fake:Panel\ncancel\n"), RunStatus::Ok) << error;
  EXPECT_EQ(fake.open_result, 0);
  ASSERT_EQ(script("activate Fake:Panel\nclose\n"), RunStatus::Ok) << error;
  EXPECT_EQ(fake.open_result, 0);  // the window's close cancels a panel with Cancel

  fake.open_flags = PANF_BLOCKING;
  ASSERT_EQ(script("activate Fake:Panel\nclose\n"), RunStatus::Ok) << error;
  EXPECT_EQ(fake.open_result, 1);
  EXPECT_EQ(script("activate Fake:Panel\ncancel\nok\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:2: panel \"Fake Panel\" has no Cancel button");
}

TEST_F(HostWithFake, NonBlockingPanelHasNoOkButton) {
  ASSERT_EQ(script("activate Fake:Panel\n"), RunStatus::Ok);
  EXPECT_EQ(script("ok\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:1: panel \"Fake Panel\" has no OK button");
}

TEST_F(HostWithFake, ScriptEndingInsideAModalPanelIsAnError) {
  fake.open_flags = PANF_BLOCKING | PANF_CANCEL;
  EXPECT_EQ(script("activate Fake:Panel\nset 1 x\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:2: the script ends while panel \"Fake Panel\" waits for ok, cancel or close");
  EXPECT_EQ(fake.open_result, 0);
}

TEST_F(HostWithFake, ErrorInsideAModalPanelStopsTheTraceThere) {
  fake.open_flags = PANF_BLOCKING | PANF_CANCEL;
  EXPECT_EQ(script("echo before\nactivate Fake:Panel\nset 9 x\nok\necho never\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:3: panel \"Fake Panel\" has no control 9 (it has 4)");
  // "result" of the activation comes after the error: not part of the trace.
  EXPECT_EQ(trace.str(), "before\npanel open \"Fake Panel\" flags=3\n");
  // The next script traces again.
  EXPECT_EQ(script("echo again\n"), RunStatus::Ok);
  EXPECT_EQ(trace.str(), "before\npanel open \"Fake Panel\" flags=3\nagain\n");
}

TEST_F(HostWithFake, ActivateAndUnloadRefusedWhileModal) {
  fake.open_flags = PANF_BLOCKING;
  EXPECT_EQ(script("activate Fake:Panel\nunload\n"), RunStatus::ScriptError);
  EXPECT_NE(error.find(":2: unload: the module is busy"), std::string::npos) << error;
  EXPECT_EQ(script("activate Fake:Panel\nactivate Fake:Arguments\n"), RunStatus::ScriptError);
  EXPECT_NE(error.find(":2: activate: the module is busy"), std::string::npos) << error;
}

TEST_F(HostWithFake, ModalPanelFromAControlCallback) {
  fake.event_opens_modal = true;
  ASSERT_EQ(script("activate Fake:Panel\npress 2\nprint panel\nclose\necho done\n"), RunStatus::Ok) << error;
  EXPECT_EQ(fake.inner_result, 1);
  EXPECT_EQ(trace.str(),
            "panel open \"Fake Panel\" flags=64\nresult 0\npanel open \"Inner\" flags=1\n"
            "panel \"Inner\" open flags=1 width=0 height=0 controls=0\npanel destroy \"Inner\"\ndone\n");
  // The module is busy inside the callback: no activation from there, and
  // what it does after the error is not traced.
  trace.str("");
  EXPECT_EQ(script("press 2\nactivate Fake:Arguments\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:2: activate: the module is busy (a modal panel waits for ok, cancel or close)");
  EXPECT_EQ(fake.inner_result, 0);
  EXPECT_EQ(trace.str(), "panel open \"Inner\" flags=1\n");
}

TEST_F(HostWithFake, ValuesAreCheckedAgainstTheControl) {
  ASSERT_EQ(script("activate Fake:Panel\n"), RunStatus::Ok);
  EXPECT_EQ(script("set 3 3\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:1: control 3 has choices 0 to 2");
  EXPECT_EQ(script("set 2 abc\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:1: control 2 takes a number, not 'abc'");
  EXPECT_EQ(script("set 3 0x2\nset 1 \"a \\\"q\\\" \\\\ b\"\n"), RunStatus::Ok) << error;
  EXPECT_EQ(fake.edit_text, "a \"q\" \\ b");
}

TEST_F(HostWithFake, ControlAttributesAndLabelWidths) {
  ASSERT_EQ(script("activate Fake:Panel\n"), RunStatus::Ok);
  LWValue value{};
  value.type = LWT_INTEGER;
  fake.button->get(fake.button, CTL_LABELWIDTH, &value);
  EXPECT_EQ(value.intv.value, 24);
  fake.list->get(fake.list, CTL_LABELWIDTH, &value);
  EXPECT_EQ(value.intv.value, 0);
  fake.popup->get(fake.popup, CTL_LABELWIDTH, &value);
  EXPECT_EQ(value.intv.value, 16);
  fake.button->get(fake.button, CTL_X, &value);
  EXPECT_EQ(value.intv.value, 40);
  fake.button->get(fake.button, CTL_USERDATA, &value);
  EXPECT_EQ(value.ptr.ptr, &fake);
  int width = 0;
  fake.panels->get(fake.panel, PAN_W, &width);
  EXPECT_EQ(width, 300);

  // A text never runs past the caller's buffer.
  LWValue text{};
  text.str.type = LWT_STRING;
  text.str.buf = const_cast<char *>("abcdefgh");
  text.str.bufLen = 9;
  fake.edit->set(fake.edit, CTL_VALUE, &text);
  char small[8];
  std::memset(small, '#', sizeof small);
  text.str.buf = small;
  text.str.bufLen = 4;
  fake.edit->get(fake.edit, CTL_VALUE, &text);
  EXPECT_STREQ(small, "abc");
  EXPECT_EQ(small[4], '#');
  // A text handed over with a length stops there.
  text.str.buf = const_cast<char *>("xyz-tail");
  text.str.bufLen = 4;
  fake.edit->set(fake.edit, CTL_VALUE, &text);
  char big[32];
  text.str.buf = big;
  text.str.bufLen = sizeof big;
  fake.edit->get(fake.edit, CTL_VALUE, &text);
  EXPECT_STREQ(big, "xyz");
}

TEST_F(HostWithFake, PrintPanelShowsEveryControl) {
  ASSERT_EQ(script("activate Fake:Panel\nset 1 hello\nset 3 1\n"), RunStatus::Ok) << error;
  fake.button->draw(fake.button, DR_GHOST);
  EXPECT_EQ(panel_lines(),
            "panel \"Fake Panel\" open flags=64 width=300 height=0 controls=4\n"
            "  1 EditControl \"Name\" x=0 y=0 value=\"hello\" normal\n"
            "  2 ButtonControl \"Run\" x=40 y=7 value=0 ghosted\n"
            "  3 PopupControl \"\\x03(i:MIMG_LEFTARROW)\" x=0 y=0 value=1 \"Two\" normal\n"
            "  4 MultiListBoxControl \"\" x=0 y=0 value=0 normal rows=2 columns=100,101\n"
            "    heading \"Name\" null\n"
            "    row 0 \"alpha\" \"x\"\n"
            "    row 1 \"beta\" \"x\"\n");
  host.unload_module();
  EXPECT_EQ(panel_lines(), "error: no panel is open");
}

TEST_F(HostWithFake, ModalHandlerOutsideScripts) {
  fake.open_flags = PANF_BLOCKING | PANF_CANCEL;
  EXPECT_EQ(host.activate("Fake:Panel", nullptr), 0);
  EXPECT_EQ(fake.open_result, 0);  // no script, no handler: cancelled
  std::string seen;
  host.set_modal_handler([&](const std::string &title) {
    seen = title;
    std::string message;
    EXPECT_TRUE(host.user_set(1, "from handler", message)) << message;
    EXPECT_TRUE(host.user_ok(message)) << message;
  });
  EXPECT_EQ(host.activate("Fake:Panel", nullptr), 0);
  EXPECT_EQ(seen, "Fake Panel");
  EXPECT_EQ(fake.open_result, 1);
  EXPECT_EQ(fake.edit_text, "from handler");
}

// An exception that is no script error leaves the script; a panel opened
// afterwards, outside any script, goes to the modal handler instead of
// reading statements from the script that is gone.
TEST_F(HostWithFake, ScriptEndedByAnExceptionIsNoLongerTheRunningScript) {
  fake.activation_throws = true;
  EXPECT_THROW(script("activate Fake:Arguments\nclose\n"), std::runtime_error);
  fake.activation_throws = false;
  fake.open_flags = PANF_BLOCKING | PANF_CANCEL;
  std::string seen;
  host.set_modal_handler([&](const std::string &title) {
    seen = title;
    std::string message;
    EXPECT_TRUE(host.user_ok(message)) << message;
  });
  EXPECT_EQ(host.activate("Fake:Panel", nullptr), 0);
  EXPECT_EQ(seen, "Fake Panel");
  EXPECT_EQ(fake.open_result, 1);
}

// ---- services -----------------------------------------------------------------------

TEST_F(HostWithFake, ArgumentTextIsTheRestAfterOneBlank) {
  ASSERT_EQ(script("activate Fake:Arguments\n"), RunStatus::Ok);
  EXPECT_FALSE(fake.had_argument);
  ASSERT_EQ(script("activate Fake:Arguments  two  \"q\" \n"), RunStatus::Ok);
  EXPECT_TRUE(fake.had_argument);
  EXPECT_EQ(fake.argument_text, " two  \"q\" ");
  ASSERT_EQ(script("activate Fake:Arguments \n"), RunStatus::Ok);
  EXPECT_TRUE(fake.had_argument);
  EXPECT_EQ(fake.argument_text, "");
  EXPECT_EQ(script("activate Fake:Unknown x\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:1: the module has no server Fake:Unknown");
}

TEST_F(HostWithFake, SnapshotsAreStaleUntilLookedUpAgain) {
  host.scene().add_null("A");
  host.scene().add_null("B");
  host.scene().select_only(0x10000000u);
  ASSERT_EQ(host.activate("Fake:Snapshots", nullptr), 0);
  const LWItemID a = reinterpret_cast<LWItemID>(uintptr_t{0x10000000u});
  const LWItemID b = reinterpret_cast<LWItemID>(uintptr_t{0x10000001u});
  EXPECT_EQ(fake.first_seen, (std::vector<LWItemID>{a}));
  EXPECT_EQ(fake.first_snapshot->generalFlags, 0u);
  EXPECT_EQ(fake.second_seen, (std::vector<LWItemID>{b}));
  EXPECT_EQ(fake.second_snapshot->generalFlags, 4u);
  EXPECT_NE(fake.first_snapshot, fake.second_snapshot);
  // Visibility is read live, through either record.
  host.scene().set_display(0x10000001u, 3);
  EXPECT_EQ(fake.first_snapshot->itemVis(b), 3);
  // Both stay readable after further lookups.
  for (int i = 0; i < 1000; ++i) host.global_function()(LWINTERFACEINFO_GLOBAL, 0);
  EXPECT_EQ(items_of(fake.first_snapshot), (std::vector<LWItemID>{a}));
  EXPECT_EQ(trace.str(), "cmd ok SelectItem 0x10000001\ncmd ok ParentInPlace\nresult 0\n");
}

TEST_F(HostWithFake, LookupsMissingProvideAndPlaceholders) {
  GlobalFunc *global = host.global_function();
  EXPECT_NE(global("Texture Editor 2", 0), nullptr);
  EXPECT_NE(global("LW Light Info 6", 0), nullptr);
  EXPECT_EQ(global("No Such Service", 0), nullptr);
  EXPECT_EQ(global(nullptr, 0), nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(global(LWLOCALEINFO_GLOBAL, 0)), 1033u);
  EXPECT_EQ(LWINF_GETMAJOR(reinterpret_cast<uintptr_t>(global(LWPRODUCTINFO_GLOBAL, 0))), 15u);
  ASSERT_EQ(script("missing \"LW Item Info 8\"\nlocale 1041\nproduct 14\n"), RunStatus::Ok);
  EXPECT_EQ(global(LWITEMINFO_GLOBAL, 0), nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(global(LWLOCALEINFO_GLOBAL, 0)), 1041u);
  EXPECT_EQ(LWINF_GETMAJOR(reinterpret_cast<uintptr_t>(global(LWPRODUCTINFO_GLOBAL, 0))), 14u);
  ASSERT_EQ(script("provide \"LW Item Info 8\"\nproduct 0x00F31234\ntrace lookups on\n"), RunStatus::Ok);
  EXPECT_NE(global(LWITEMINFO_GLOBAL, 0), nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(global(LWPRODUCTINFO_GLOBAL, 0)), 0x00F31234u);
  EXPECT_EQ(trace.str(), "lookup LW Item Info 8\nlookup Product Info\n");
}

TEST_F(HostWithFake, ItemAndObjectInfo) {
  Scene &scene = host.scene();
  ItemId mesh = scene.add_mesh("Cube", "Objects/Cube.lwo");
  ItemOptions under;
  under.parent = mesh;
  ItemId unnamed = scene.add_null("", under);
  ItemId light = scene.add_light("Key", {.parent = 0, .display = -1, .hidden = false, .inactive = true, .layer = -1});
  auto *items = static_cast<LWItemInfo *>(host.global_function()(LWITEMINFO_GLOBAL, 0));
  auto *objects = static_cast<LWObjectInfo *>(host.global_function()(LWOBJECTINFO_GLOBAL, 0));
  auto handle = [](ItemId id) { return reinterpret_cast<LWItemID>(uintptr_t{id}); };
  EXPECT_EQ(items->first(LWI_OBJECT, nullptr), handle(mesh));
  EXPECT_EQ(items->next(handle(mesh)), handle(unnamed));
  EXPECT_EQ(items->firstChild(handle(mesh)), handle(unnamed));
  EXPECT_EQ(items->nextChild(handle(mesh), handle(unnamed)), nullptr);
  EXPECT_EQ(items->parent(handle(unnamed)), handle(mesh));
  EXPECT_STREQ(items->name(handle(mesh)), "Cube");
  EXPECT_EQ(items->name(handle(unnamed)), nullptr);
  EXPECT_EQ(items->type(handle(light)), LWI_LIGHT);
  EXPECT_EQ(items->flags(handle(light)) & LWITEMF_ACTIVE, 0u);
  EXPECT_EQ(items->flags(handle(mesh)) & LWITEMF_ACTIVE, LWITEMF_ACTIVE);
  EXPECT_EQ(items->first(LWI_BONE, nullptr), nullptr);
  EXPECT_EQ(items->name(handle(0x10000099u)), nullptr);
  EXPECT_STREQ(objects->filename(handle(mesh)), "Objects/Cube.lwo");
  EXPECT_STREQ(objects->filename(handle(unnamed)), "");
  EXPECT_EQ(objects->filename(handle(light)), nullptr);
  EXPECT_EQ(objects->getGroupIndex(handle(mesh)), 1u);
  EXPECT_EQ(objects->getGroupIndex(handle(unnamed)), 0u);
}

TEST_F(HostWithFake, RefusedPrefixesAndTheCommandTrace) {
  host.scene().add_null("A");
  ASSERT_EQ(script("refuse Select\nrefuse Status\n"), RunStatus::Ok);
  EXPECT_EQ(host.evaluate("SelectItem 0x10000000"), 0);
  EXPECT_EQ(host.evaluate("StatusMsg hi"), 0);
  EXPECT_EQ(host.evaluate("AddToSelection 0x10000000"), 1);
  EXPECT_EQ(host.status(), "");
  ASSERT_EQ(script("accept Sel\n"), RunStatus::Ok);
  EXPECT_EQ(host.evaluate("SelectItem 0x10000000"), 1);
  EXPECT_EQ(host.evaluate("StatusMsg hi"), 0);
  ASSERT_EQ(script("accept \"\"\n"), RunStatus::Ok);
  EXPECT_EQ(host.evaluate("StatusMsg hi"), 1);
  EXPECT_EQ(host.evaluate(nullptr), 0);
  EXPECT_EQ(trace.str(),
            "cmd failed SelectItem 0x10000000\ncmd failed StatusMsg hi\ncmd ok AddToSelection 0x10000000\n"
            "cmd ok SelectItem 0x10000000\ncmd failed StatusMsg hi\ncmd ok StatusMsg hi\ncmd failed (null)\n");
}

}  // namespace

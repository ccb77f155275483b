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

// Texts the fake module hands over and keeps; a test changes them as a text that died would read.
char g_title[] = "Fake Panel";
char g_name_label[] = "Name";
char g_two[] = "Two";
const char *g_choices[] = {"One", g_two, "Three", nullptr, nullptr};

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
    fake.panel = fake.panels->create(g_title, &fake);
    if (fake.panel == nullptr) return 2;
    fake.panels->set(fake.panel, PAN_USEROPEN, reinterpret_cast<void *>(on_open));
    fake.panels->set(fake.panel, PAN_USERCLOSE, reinterpret_cast<void *>(on_close));
    fake.panels->set(fake.panel, PAN_USERDRAW, reinterpret_cast<void *>(on_draw));
    int width = 300;
    fake.panels->set(fake.panel, PAN_W, &width);
    LWPanControlDesc text{};
    text.string.type = LWT_STRING;
    text.string.width = 20;
    fake.edit = fake.panels->addControl(fake.panel, "EditControl", &text, g_name_label);
    LWPanControlDesc area{};
    area.area.type = LWT_AREA;
    fake.button = fake.panels->addControl(fake.panel, "ButtonControl", &area, "Run");
    LWPanControlDesc choice{};
    choice.choice.type = LWT_CHOICE;
    choice.choice.items = g_choices;
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

ModuleDescriptor fake_module = {MOD_SYSSYNC,  MOD_SYSVER,    MOD_MACHINE,
                                fake_startup, fake_shutdown, fake_servers};

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
};

// ---- descriptor -----------------------------------------------------------------------

TEST(HostModule, DescriptorIsChecked) {
  Host host;
  std::string error;
  auto refused = [&](void (*spoil)(ModuleDescriptor &), const char *word) {
    ModuleDescriptor bad = fake_module;
    spoil(bad);
    EXPECT_FALSE(host.attach_module(&bad, error));
    EXPECT_NE(error.find(word), std::string::npos) << error;
  };
  refused([](ModuleDescriptor &d) { d.sysSync = 0x1234; }, "sync");
  refused([](ModuleDescriptor &d) { d.sysVersion = 2; }, "version");
  refused([](ModuleDescriptor &d) { d.sysMachine = 0x200; }, "machine");
  refused([](ModuleDescriptor &d) { d.serverDefs = nullptr; }, "");
  EXPECT_FALSE(host.load_module("/nonexistent/module.p", error));
  EXPECT_FALSE(host.module_loaded());
  EXPECT_EQ(host.activate("Fake:Panel", nullptr), -1);
}

TEST_F(HostWithFake, ServersAndShutDown) {
  EXPECT_EQ(host.server_names(),
            (std::vector<std::string>{"Fake:Panel", "Fake:Arguments", "Fake:Snapshots"}));
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
  EXPECT_EQ(script("ok\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:1: panel \"Fake Panel\" has no OK button");
  EXPECT_EQ(script("close\n"), RunStatus::Ok);
  EXPECT_EQ(fake.closes, 1);
  EXPECT_EQ(script("close\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:1: no panel is open");
}

TEST_F(HostWithFake, ModalOkCancelAndClose) {
  fake.open_flags = PANF_BLOCKING | PANF_CANCEL;
  ASSERT_EQ(script("activate Fake:Panel\nset 1 \"two words\"\npress 2\nok\necho after\n"), RunStatus::Ok)
      << error;
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

// A script that ends or fails while a modal panel waits is in error; what the
// activation does after the error is not traced, and the next script traces again.
TEST_F(HostWithFake, ScriptErrorsInsideAModalPanel) {
  fake.open_flags = PANF_BLOCKING | PANF_CANCEL;
  EXPECT_EQ(script("activate Fake:Panel\nset 1 x\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:2: the script ends while panel \"Fake Panel\" waits for ok, cancel or close");
  EXPECT_EQ(fake.open_result, 0);
  trace.str("");
  EXPECT_EQ(script("echo before\nactivate Fake:Panel\nset 9 x\nok\necho never\n"), RunStatus::ScriptError);
  EXPECT_EQ(error, "test.qbs:3: panel \"Fake Panel\" has no control 9 (it has 4)");
  EXPECT_EQ(trace.str(), "before\npanel open \"Fake Panel\" flags=3\n");
  EXPECT_EQ(script("echo again\n"), RunStatus::Ok);
  EXPECT_EQ(trace.str(), "before\npanel open \"Fake Panel\" flags=3\nagain\n");
}

// The module is busy while a modal panel it opened waits, from an activation
// or from a control callback: no activation and no unload until it is closed.
TEST_F(HostWithFake, ActivateAndUnloadRefusedWhileModal) {
  fake.open_flags = PANF_BLOCKING;
  EXPECT_EQ(script("activate Fake:Panel\nunload\n"), RunStatus::ScriptError);
  EXPECT_NE(error.find(":2: unload: the module is busy"), std::string::npos) << error;
  EXPECT_EQ(script("activate Fake:Panel\nactivate Fake:Arguments\n"), RunStatus::ScriptError);
  EXPECT_NE(error.find(":2: activate: the module is busy"), std::string::npos) << error;

  fake.open_flags = 64;
  fake.event_opens_modal = true;
  trace.str("");
  ASSERT_EQ(script("activate Fake:Panel\npress 2\nprint panel\nclose\necho done\n"), RunStatus::Ok) << error;
  EXPECT_EQ(fake.inner_result, 1);
  EXPECT_EQ(trace.str(),
            "panel open \"Fake Panel\" flags=64\nresult 0\npanel open \"Inner\" flags=1\n"
            "panel \"Inner\" open flags=1 width=0 height=0 controls=0\npanel destroy \"Inner\"\ndone\n");
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

// The host may keep what it is handed for the panel's life: a title, label or choice text that no longer
// holds (as one that died would read) fails the statement after which it is found, until the panel goes.
TEST_F(HostWithFake, HandedTextsHoldWhileThePanelLives) {
  ASSERT_EQ(script("activate Fake:Panel\n"), RunStatus::Ok) << error;
  const std::string panel = "test.qbs:1: panel \"Fake Panel\"";
  struct Spoiled {
    void (*spoil)();
    void (*mend)();
    std::string fault;
  };
  const Spoiled cases[] = {
      {[] { g_title[0] = 'f'; }, [] { g_title[0] = 'F'; },
       panel + ": the title handed to create no longer holds its text"},
      {[] { g_name_label[3] = '\0'; }, [] { g_name_label[3] = 'e'; },
       panel + " control 1: the label handed to addControl no longer holds its text"},
      {[] { g_two[2] = 'x'; }, [] { g_two[2] = 'o'; },
       panel + " control 3: choice 1 no longer holds its text"},
      {[] { g_choices[3] = "Four"; }, [] { g_choices[3] = nullptr; },
       panel + " control 3: choice 3 no longer holds its text"},
  };
  for (const Spoiled &c : cases) {
    c.spoil();
    EXPECT_EQ(script("echo between\n"), RunStatus::ScriptError) << c.fault;
    EXPECT_EQ(error, c.fault);
    c.mend();
    EXPECT_EQ(script("echo between\n"), RunStatus::Ok) << error;
  }
  // Once the panel is gone its texts may go too.
  host.unload_module();
  g_title[0] = 'f';
  EXPECT_EQ(script("echo between\n"), RunStatus::Ok) << error;
  g_title[0] = 'F';
}

// How each kind of control prints is in the panel traces; a list cell the
// module gives as null prints as null, and no panel is open once the module is gone.
TEST_F(HostWithFake, PrintPanelShowsNullCellsAndNothingAfterUnload) {
  ASSERT_EQ(script("activate Fake:Panel\n"), RunStatus::Ok) << error;
  std::vector<std::string> lines;
  std::string message;
  ASSERT_TRUE(host.describe_panel("", lines, message)) << message;
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[4], "  4 MultiListBoxControl \"\" x=0 y=0 value=0 normal rows=2 columns=100,101");
  EXPECT_EQ(lines[5], "    heading \"Name\" null");
  EXPECT_EQ(lines[6], "    row 0 \"alpha\" \"x\"");
  host.unload_module();
  EXPECT_FALSE(host.describe_panel("", lines, message));
  EXPECT_EQ(message, "no panel is open");
}

// Outside scripts a modal panel goes to the modal handler (without one it is
// cancelled), also after a script that an exception which is no script error
// ended: that script is no longer the running one.
TEST_F(HostWithFake, ModalHandlerOutsideScripts) {
  fake.open_flags = PANF_BLOCKING | PANF_CANCEL;
  EXPECT_EQ(host.activate("Fake:Panel", nullptr), 0);
  EXPECT_EQ(fake.open_result, 0);
  fake.activation_throws = true;
  EXPECT_THROW(script("activate Fake:Arguments\nclose\n"), std::runtime_error);
  fake.activation_throws = false;
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

// missing, provide, locale and product are in the traces host/missing_provide,
// host/product_locale and frame/version_checks; services the module looks up
// without using answer placeholders, unknown names nothing.
TEST_F(HostWithFake, LookupsOfPlaceholdersAndUnknownNames) {
  GlobalFunc *global = host.global_function();
  EXPECT_NE(global("Texture Editor 2", 0), nullptr);
  EXPECT_NE(global("LW Light Info 6", 0), nullptr);
  EXPECT_EQ(global("No Such Service", 0), nullptr);
  EXPECT_EQ(global(nullptr, 0), nullptr);
  ASSERT_EQ(script("product 0x00F31234\n"), RunStatus::Ok);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(global(LWPRODUCTINFO_GLOBAL, 0)), 0x00F31234u);
}

// The tools walk, name and read the items through these records in every
// trace; what the traces cannot make is a nameless item or an unknown one.
TEST_F(HostWithFake, ItemAndObjectInfoOfNamelessAndUnknownItems) {
  Scene &scene = host.scene();
  ItemId mesh = scene.add_mesh("Cube", "Objects/Cube.lwo");
  ItemOptions under;
  under.parent = mesh;
  ItemId unnamed = scene.add_null("", under);
  ItemId light = scene.add_light("Key");
  auto *items = static_cast<LWItemInfo *>(host.global_function()(LWITEMINFO_GLOBAL, 0));
  auto *objects = static_cast<LWObjectInfo *>(host.global_function()(LWOBJECTINFO_GLOBAL, 0));
  auto handle = [](ItemId id) { return reinterpret_cast<LWItemID>(uintptr_t{id}); };
  EXPECT_EQ(items->firstChild(handle(mesh)), handle(unnamed));
  EXPECT_EQ(items->name(handle(unnamed)), nullptr);
  EXPECT_EQ(items->name(handle(0x10000099u)), nullptr);
  EXPECT_EQ(items->first(LWI_BONE, nullptr), nullptr);
  EXPECT_STREQ(objects->filename(handle(unnamed)), "");
  EXPECT_EQ(objects->filename(handle(light)), nullptr);
  EXPECT_EQ(objects->getGroupIndex(handle(unnamed)), 0u);
}

// Refusing and accepting by prefix is in the trace host/command_refusals; an
// accepted prefix lifts the refusals it begins, "" lifts all, and a null
// command is refused.
TEST_F(HostWithFake, RefusedPrefixesAndTheCommandTrace) {
  host.scene().add_null("A");
  ASSERT_EQ(script("refuse Select\nrefuse Status\n"), RunStatus::Ok);
  EXPECT_EQ(host.evaluate("AddToSelection 0x10000000"), 1);  // a prefix, not any part
  ASSERT_EQ(script("accept Sel\n"), RunStatus::Ok);
  EXPECT_EQ(host.evaluate("SelectItem 0x10000000"), 1);
  EXPECT_EQ(host.evaluate("StatusMsg hi"), 0);
  EXPECT_EQ(host.status(), "");
  ASSERT_EQ(script("accept \"\"\n"), RunStatus::Ok);
  EXPECT_EQ(host.evaluate("StatusMsg hi"), 1);
  EXPECT_EQ(host.evaluate(nullptr), 0);
  EXPECT_EQ(trace.str(),
            "cmd ok AddToSelection 0x10000000\ncmd ok SelectItem 0x10000000\ncmd failed StatusMsg hi\n"
            "cmd ok StatusMsg hi\ncmd failed (null)\n");
}

}  // namespace

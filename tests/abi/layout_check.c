/*
 * The layout check: a minimal host of its own, written in C from the host's
 * published interface, loads the built module as the real host does and
 * runs "QB:SelectItem" with an argument and the "QB:ItemTools" and
 * "QB:ItemVisible" panels through
 * the real records alone, as a host of the 2018 generation (activation
 * version 6) or, with --generation 2020, of the 2020 generation (version 7:
 * the renamed services, their longer records, "LW Command Interface 2").  Every slot the module has no
 * business calling is a trap.  It checks the descriptor, the servers, the command texts sent, the controls
 * the panel builds (type names, labels, descriptor variants, positions), values read and written through the
 * value union, and the commands of button events driven through the controls' stored callbacks.
 *
 *   qb_layout_check [--generation 2020] MODULE [GUIDE]
 *
 * With GUIDE (the install guide), every server the module registers must be
 * a row of the guide's table of tools, and the table must have no other.
 * Exit status 0: every check held; 1: a check failed; 2: the module cannot
 * be loaded; 3: the module called a slot it has no business calling.
 */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "host_records.h"
#include "traps.h"

#if defined(_WIN32)
#define QB_MACHINE 0x300u
#elif defined(__APPLE__)
#define QB_MACHINE 0x400u
#else
#define QB_MACHINE 0x500u
#endif

/* ---- reporting ------------------------------------------------------------------ */

static int g_failures = 0;

static void fail(const char *what, const char *detail) {
  ++g_failures;
  fprintf(stderr, "layout check: %s%s%s\n", what, detail ? ": " : "", detail ? detail : "");
}

static void expect_int(const char *what, long long actual, long long expected) {
  if (actual == expected) return;
  char detail[96];
  snprintf(detail, sizeof detail, "%lld, expected %lld", actual, expected);
  fail(what, detail);
}

static void expect_text(const char *what, const char *actual, const char *expected) {
  if (actual != NULL && strcmp(actual, expected) == 0) return;
  char detail[600];
  snprintf(detail, sizeof detail, "\"%s\", expected \"%s\"", actual ? actual : "(null)", expected);
  fail(what, detail);
}

void trapped(const char *record, const char *member) {
  fprintf(stderr, "layout check: unexpected call of %s.%s\n", record, member);
  fflush(stderr);
  exit(3);
}

#define TRAP_GENERIC(member) QB_DECLARE_TRAP(generic, "LayoutGeneric", member)
QB_GENERIC_TRAPS(TRAP_GENERIC)
#define TRAP_ITEM(member) QB_DECLARE_TRAP(item, "LW Item Info 8", member)
QB_ITEM_TRAPS(TRAP_ITEM)
#define TRAP_OBJECT(member) QB_DECLARE_TRAP(object, "LW Object Info 12", member)
QB_OBJECT_TRAPS(TRAP_OBJECT)
#define TRAP_INTERFACE(member) QB_DECLARE_TRAP(iface, "LW Interface Info 7", member)
QB_INTERFACE_TRAPS(TRAP_INTERFACE)
#define TRAP_PANEL(member) QB_DECLARE_TRAP(panel, "LWPanelServices 2", member)
QB_PANEL_TRAPS(TRAP_PANEL)
#define TRAP_2020(record, member) QB_DECLARE_TRAP(appended, record, member)
TRAP_2020("LW Item Info 9", rotationOrder)
TRAP_2020("LW Item Info 9", relparam)
TRAP_2020("LW Object Info 14", pntIndex)
TRAP_2020("LW Object Info 14", polIndex)
TRAP_2020("LW Object Info 14", boneMode)
TRAP_2020("LW Object Info 14", numLimitedBones)
TRAP_2020("LW Object Info 14", numBoneWeightsPnts)
TRAP_2020("LW Object Info 14", boneWeights)
TRAP_2020("LW Interface Info 8", DPIScalar)
TRAP_2020("LWPanelServices 3", setParent)
TRAP_2020("LWPanelServices 3", getRaster)
TRAP_2020("LW Command Interface 2", lookup)
TRAP_2020("LW Command Interface 2", execute)

/* The generation the check serves: 2018 or 2020. */
static int g_generation = 2018;

/* ---- the scene: three objects, a light and a camera ----------------------------- */

typedef struct {
  uintptr_t id;
  const char *name;
  const char *file;
} Item;

static const Item g_items[] = {
    {0x10000000u, "Cube", "Objects\\Cube.lwo"},
    {0x10000001u, "Cube2", "Objects\\Cube2.lwo"},
    {0x10000002u, "Body", ""},
    {0x20000000u, "Key", NULL},
    {0x30000000u, "Camera", NULL},
};
enum { kItems = sizeof g_items / sizeof g_items[0] };

static const Item *item_of(LWItemID id) {
  for (int i = 0; i < kItems; ++i)
    if (g_items[i].id == (uintptr_t)id) return &g_items[i];
  return NULL;
}

static int type_code(uintptr_t id) { return (int)(id >> 28) - 1; }

static LWItemID item_first(LWItemType type, LWItemID object) {
  if (type == LWI_BONE) return NULL; /* no object has bones */
  (void)object;
  for (int i = 0; i < kItems; ++i)
    if (type_code(g_items[i].id) == type) return (LWItemID)g_items[i].id;
  return NULL;
}

static LWItemID item_next(LWItemID id) {
  for (int i = 0; i + 1 < kItems; ++i)
    if (g_items[i].id == (uintptr_t)id && type_code(g_items[i + 1].id) == type_code(g_items[i].id))
      return (LWItemID)g_items[i + 1].id;
  return NULL;
}

static LWItemID item_first_child(LWItemID parent) {
  (void)parent;
  return NULL;
}
static LWItemID item_next_child(LWItemID parent, LWItemID previous) {
  (void)parent;
  (void)previous;
  return NULL;
}
static LWItemID item_parent(LWItemID id) {
  (void)id;
  return NULL;
}
static LWItemType item_type(LWItemID id) { return item_of(id) ? type_code((uintptr_t)id) : -1; }
static const char *item_name(LWItemID id) { return item_of(id) ? item_of(id)->name : NULL; }
static unsigned int item_flags(LWItemID id) { return item_of(id) ? 1u : 0u; }
static const char *object_filename(LWItemID id) { return item_of(id) ? item_of(id)->file : NULL; }
static unsigned int object_group_index(LWItemID id) { return item_of(id) && item_of(id)->file ? 1u : 0u; }
static int iface_item_vis(LWItemID id) {
  return item_of(id) ? (type_code((uintptr_t)id) == LWI_OBJECT ? 6 : 1) : 0;
}

/* ---- selection and commands ------------------------------------------------------- */

static LWItemID g_selection[kItems + 1];
static int g_selected = 0;
static char g_commands[64][128];
static int g_command_count = 0;

static void select_only(LWItemID a, LWItemID b) {
  memset(g_selection, 0, sizeof g_selection);
  g_selected = 0;
  if (a) g_selection[g_selected++] = a;
  if (b) g_selection[g_selected++] = b;
}

static int command(const char *text) {
  if (g_command_count < 64)
    snprintf(g_commands[g_command_count++], sizeof g_commands[0], "%s", text ? text : "(null)");
  if (text == NULL) return 0;
  unsigned long id = 0;
  if (sscanf(text, "SelectItem %lx", &id) == 1 && item_of((LWItemID)(uintptr_t)id)) {
    select_only((LWItemID)(uintptr_t)id, NULL);
    return 1;
  }
  if (sscanf(text, "AddToSelection %lx", &id) == 1 && item_of((LWItemID)(uintptr_t)id)) {
    for (int i = 0; i < g_selected; ++i)
      if (g_selection[i] == (LWItemID)(uintptr_t)id) return 1;
    if (g_selected < kItems) g_selection[g_selected++] = (LWItemID)(uintptr_t)id;
    return 1;
  }
  return strncmp(text, "StatusMsg ", 10) == 0 || strcmp(text, "RefreshNow") == 0;
}

static int g_command_data;

static int command_evaluate(void *data, const char *text) {
  if (data != &g_command_data)
    fail("LW Command Interface 2: evaluate called without the record's data", NULL);
  return command(text);
}

static void expect_commands(const char *what, const char *const *expected, int count) {
  int same = g_command_count == count;
  for (int i = 0; same && i < count; ++i) same = strcmp(g_commands[i], expected[i]) == 0;
  if (!same) {
    fail(what, "the commands sent differ");
    for (int i = 0; i < g_command_count; ++i) fprintf(stderr, "    sent:     %s\n", g_commands[i]);
    for (int i = 0; i < count; ++i) fprintf(stderr, "    expected: %s\n", expected[i]);
  }
  g_command_count = 0;
}

/* ---- panels ------------------------------------------------------------------------ */

typedef void ControlEvent(LWControlID control, void *userData);
typedef void PanelHook(LWPanelID panel, void *userData);

typedef struct {
  LWControl record; /* first: the control handle is the record's address */
  char type_name[32];
  char label[128];
  LWPanControlDesc desc;
  int x, y, placed;
  void *user_data;
  ControlEvent *event;
  char text[512];
  int text_writes, text_reads;
  int value, last_draw; /* an integer value; the last draw mode, -1 before any */
} Control;

typedef struct {
  char title[64];
  void *user_data;
  PanelHook *open_hook, *close_hook;
  void *draw_hook;
  int width, height, open, opened_with, closes;
  Control controls[40];
  int count;
} Panel;

static Panel g_panel;
static int g_panels_made = 0;
/* Each 2018 record is the first part of its 2020 record: one serves both. */
static LWPanelFuncs3 g_panel_funcs3;
#define g_panel_funcs (g_panel_funcs3.v2018)

static Control *control_of(LWControlID id) { return (Control *)id; }

static void control_draw(LWControlID id, int mode) { control_of(id)->last_draw = mode; }

static void control_get(LWControlID id, int tag, LWValue *value) {
  Control *c = control_of(id);
  if (tag == CTL_LABELWIDTH) {
    value->intv.value = (int)strlen(c->label) * 8;
  } else if (tag == CTL_VALUE && c->desc.type == LWT_STRING) {
    ++c->text_reads;
    expect_int("text read: the buffer size handed over", value->str.bufLen, 512);
    if (value->str.buf != NULL && value->str.bufLen > 0)
      snprintf(value->str.buf, (size_t)value->str.bufLen, "%s", c->text);
  } else if (tag == CTL_VALUE) {
    value->intv.value = c->value;
  } else if (tag == CTL_X || tag == CTL_Y) {
    value->intv.value = tag == CTL_X ? c->x : c->y;
  } else {
    char detail[192];
    snprintf(detail, sizeof detail, "tag %d of control %s", tag, c->label);
    fail("LWControl.get of a tag the module has no use for", detail);
  }
}

static void control_set(LWControlID id, int tag, LWValue *value) {
  Control *c = control_of(id);
  if (tag == CTL_X) {
    c->x = value->intv.value;
    c->placed |= 1;
  } else if (tag == CTL_Y) {
    c->y = value->intv.value;
    c->placed |= 2;
  } else if (tag == CTL_USEREVENT) {
    c->event = (ControlEvent *)value->ptr.ptr;
  } else if (tag == CTL_USERDATA) {
    c->user_data = value->ptr.ptr;
  } else if (tag == CTL_VALUE && c->desc.type == LWT_STRING) {
    ++c->text_writes;
    snprintf(c->text, sizeof c->text, "%s", value->str.buf ? value->str.buf : "");
  } else if (tag == CTL_VALUE) {
    c->value = value->intv.value;
  } else {
    char detail[192];
    snprintf(detail, sizeof detail, "tag %d of control %s", tag, c->label);
    fail("LWControl.set of a tag the module has no use for", detail);
  }
}

static LWPanelID panel_create(const char *title, void *user_data) {
  if (g_panel_funcs.globalFun == NULL)
    fail("the panel services' globalFun is not filled in before create", NULL);
  memset(&g_panel, 0, sizeof g_panel);
  snprintf(g_panel.title, sizeof g_panel.title, "%s", title ? title : "(null)");
  g_panel.user_data = user_data;
  ++g_panels_made;
  return &g_panel;
}

static void panel_destroy(LWPanelID panel) { (void)panel; }

static int panel_open(LWPanelID panel, int flags) {
  Panel *p = (Panel *)panel;
  p->opened_with = flags;
  p->open = 1;
  if (p->open_hook) p->open_hook(panel, p->user_data);
  return 1;
}

static void panel_close(LWPanelID panel) {
  Panel *p = (Panel *)panel;
  ++p->closes;
  p->open = 0;
  if (p->close_hook) p->close_hook(panel, p->user_data);
}

static void panel_get(LWPanelID panel, int tag, void *value) {
  Panel *p = (Panel *)panel;
  if (tag == PAN_W || tag == PAN_H) *(int *)value = tag == PAN_W ? p->width : p->height;
  else fail("LWPanelFuncs.get of a tag the module has no use for", NULL);
}

static void panel_set(LWPanelID panel, int tag, void *value) {
  Panel *p = (Panel *)panel;
  switch (tag) {
    case PAN_W: p->width = *(int *)value; break;
    case PAN_H: p->height = *(int *)value; break;
    case PAN_USERDATA: p->user_data = value; break;
    case PAN_USEROPEN: p->open_hook = (PanelHook *)value; break;
    case PAN_USERCLOSE: p->close_hook = (PanelHook *)value; break;
    case PAN_USERDRAW: p->draw_hook = value; break;
    case PAN_TO_FRONT: break;
    default: fail("LWPanelFuncs.set of a tag the module has no use for", NULL);
  }
}

/* Only the variant of the descriptor's type is read: the module's descriptor
 * need hold no more. */
static void copy_descriptor(LWPanControlDesc *to, const LWPanControlDesc *from) {
  memset(to, 0, sizeof *to);
  size_t size = sizeof from->type;
  switch (from->type) {
    case LWT_STRING: size = sizeof from->string; break;
    case LWT_CHOICE: size = sizeof from->choice; break;
    case LWT_TEXT: size = sizeof from->text; break;
    case LWT_AREA: size = sizeof from->area; break;
    case LWT_MLIST: size = sizeof from->multiList; break;
    default: break;
  }
  memcpy(to, from, size);
}

static LWControl *panel_add_control(LWPanelID panel, const char *type_name, LWPanControlDesc *desc,
                                    const char *label) {
  Panel *p = (Panel *)panel;
  if (p->count == (int)(sizeof p->controls / sizeof p->controls[0])) {
    fail("more controls than the check holds", NULL);
    exit(1);
  }
  Control *c = &p->controls[p->count++];
  memset(c, 0, sizeof *c);
  c->last_draw = -1;
  c->record.draw = control_draw;
  c->record.get = control_get;
  c->record.set = control_set;
  snprintf(c->type_name, sizeof c->type_name, "%s", type_name ? type_name : "(null)");
  snprintf(c->label, sizeof c->label, "%s", label ? label : "");
  if (desc) copy_descriptor(&c->desc, desc);
  else c->desc.type = -1;
  return &c->record;
}

/* ---- services -------------------------------------------------------------------- */

static LWItemInfo9 g_item_info9;
static LWObjectInfo14 g_object_info14;
#define g_item_info (g_item_info9.v2018)
#define g_object_info (g_object_info14.v2018)
static LWInterfaceInfo8 g_interface_snapshots[64];
static LWCommandInterface g_command_interface;
static LWItemID g_selection_snapshots[64][kItems + 1];
static int g_interface_lookups = 0;
static unsigned char g_unused_service[256];
static int g_arguments_asked = 0;

static void serve_records(void) {
#define FILL_ITEM(member) g_item_info.member = item_##member;
  QB_ITEM_TRAPS(FILL_ITEM)
  g_item_info.first = item_first;
  g_item_info.next = item_next;
  g_item_info.firstChild = item_first_child;
  g_item_info.nextChild = item_next_child;
  g_item_info.parent = item_parent;
  g_item_info.type = item_type;
  g_item_info.name = item_name;
  g_item_info.flags = item_flags;
#define FILL_OBJECT(member) g_object_info.member = object_##member;
  QB_OBJECT_TRAPS(FILL_OBJECT)
  g_object_info.filename = object_filename;
  g_object_info.getGroupIndex = object_group_index;
#define FILL_PANEL(member) g_panel_funcs.member = panel_##member;
  QB_PANEL_TRAPS(FILL_PANEL)
  g_panel_funcs.create = panel_create;
  g_panel_funcs.destroy = panel_destroy;
  g_panel_funcs.open = panel_open;
  g_panel_funcs.close = panel_close;
  g_panel_funcs.get = panel_get;
  g_panel_funcs.set = panel_set;
  g_panel_funcs.addControl = panel_add_control;
  g_item_info9.rotationOrder = appended_rotationOrder;
  g_item_info9.relparam = appended_relparam;
  g_object_info14.pntIndex = appended_pntIndex;
  g_object_info14.polIndex = appended_polIndex;
  g_object_info14.boneMode = appended_boneMode;
  g_object_info14.numLimitedBones = appended_numLimitedBones;
  g_object_info14.numBoneWeightsPnts = appended_numBoneWeightsPnts;
  g_object_info14.boneWeights = appended_boneWeights;
  g_panel_funcs3.setParent = appended_setParent;
  g_panel_funcs3.getRaster = appended_getRaster;
  g_command_interface.data = &g_command_data;
  g_command_interface.lookup = appended_lookup;
  g_command_interface.execute = appended_execute;
  g_command_interface.evaluate = command_evaluate;
}

/* Every lookup gives a new snapshot of the selection, as the host does. */
static LWInterfaceInfo *interface_snapshot(void) {
  if (g_interface_lookups == 64) {
    fail("more than 64 lookups of the interface info", NULL);
    exit(1);
  }
  const int n = g_interface_lookups++;
  g_interface_snapshots[n].DPIScalar = appended_DPIScalar;
  LWInterfaceInfo *info = &g_interface_snapshots[n].v2018;
  memcpy(g_selection_snapshots[n], g_selection, sizeof g_selection);
#define FILL_INTERFACE(member) info->member = iface_##member;
  QB_INTERFACE_TRAPS(FILL_INTERFACE)
  info->selItems = g_selection_snapshots[n];
  info->itemVis = iface_item_vis;
  info->generalFlags = 0;
  return info;
}

static void *global(const char *name, int use) {
  if (use != 0) fail("a lookup not transient", name);
  if (name == NULL) return NULL;
  /* Model year 2018 or 2025 in bits 24-29. */
  const unsigned year = g_generation == 2020 ? 10u : 3u;
  if (strcmp(name, "Product Info") == 0) return (void *)(uintptr_t)((15u << 20) | (year << 24) | 1u);
  if (strcmp(name, "Locale Info") == 0) return (void *)(uintptr_t)1033u;
  static const char *const kNames[2][5] = {
      {"LW Command Interface", "LW Item Info 8", "LW Object Info 12", "LW Interface Info 7",
       "LWPanelServices 2"},
      {"LW Command Interface 2", "LW Item Info 9", "LW Object Info 14", "LW Interface Info 8",
       "LWPanelServices 3"},
  };
  const int mine = g_generation == 2020, other = !mine;
  for (int i = 0; i < 5; ++i) {
    if (strcmp(name, kNames[other][i]) == 0) {
      fail("a service looked up under the other generation's name", name);
      return NULL;
    }
    if (strcmp(name, kNames[mine][i]) != 0) continue;
    switch (i) {
      case 0: return mine ? (void *)&g_command_interface : (void *)command;
      case 1: return &g_item_info9;
      case 2: return &g_object_info14;
      case 3: return interface_snapshot();
      default: return &g_panel_funcs3;
    }
  }
  return g_unused_service; /* a service the module looks up and never uses */
}

static const char *g_argument = NULL;

static const char *command_arguments(void *data) {
  if (data != &g_argument) fail("commandArguments called without the record's data", NULL);
  ++g_arguments_asked;
  return g_argument;
}

/* ---- loading ---------------------------------------------------------------------- */

static ModuleDescriptor *load(const char *path) {
#ifdef _WIN32
  HMODULE library = LoadLibraryA(path);
  if (library == NULL) return NULL;
  return (ModuleDescriptor *)(void *)GetProcAddress(library, "_mod_descrip");
#else
  void *library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (library == NULL) {
    fprintf(stderr, "layout check: %s\n", dlerror());
    return NULL;
  }
  return (ModuleDescriptor *)dlsym(library, "_mod_descrip");
#endif
}

static int activate(const ServerRecord *server, void *server_data, const char *argument) {
  LWLayoutGeneric generic;
#define FILL_GENERIC(member) generic.member = generic_##member;
  QB_GENERIC_TRAPS(FILL_GENERIC)
  generic.data = &g_argument;
  generic.commandArguments = command_arguments;
  g_argument = argument;
  g_arguments_asked = 0;
  return server->activate(g_generation == 2020 ? 7 : 6, global, &generic, server_data);
}

static const ServerRecord *find_server(const ModuleDescriptor *module, const char *name) {
  for (const ServerRecord *s = module->serverDefs; s->className != NULL; ++s)
    if (s->name != NULL && strcmp(s->name, name) == 0) return s;
  fail("no such server", name);
  return NULL;
}

/* ---- the item tools panel, as built ----------------------------------------------- */

typedef struct {
  const char *type_name;
  int desc_type;
  int width, height; /* area: width and height; string: width; -1: not checked */
  const char *label;
  int x, y; /* x of -1: 80 minus the label width */
  int has_event;
} ExpectedControl;

#define ARROW "\x03(i:MIMG_LEFTARROW)"
static const ExpectedControl kItemTools[20] = {
    {"BorderControl", LWT_AREA, 320, 28, "", 0, 0, 0},
    {"TextControl", LWT_TEXT, -1, -1, "Set selected items to child of input item", 2, 4, 0},
    {"EditControl", LWT_STRING, 34, -1, "Parent Item", -1, 32, 0},
    {"ButtonControl", LWT_AREA, 20, 0, ARROW, 292, 32, 1},
    {"BoolControl", LWT_BOOLEAN, -1, -1, "Parent in place", 80, 56, 0},
    {"ButtonControl", LWT_AREA, 82, 0, "Run", 230, 80, 1},
    {"BorderControl", LWT_AREA, 320, 28, "", 0, 108, 0},
    {"TextControl", LWT_TEXT, -1, -1, "Unparent of selected item", 2, 112, 0},
    {"ButtonControl", LWT_AREA, 82, 0, "Run", 230, 140, 1},
    {"BorderControl", LWT_AREA, 320, 28, "", 0, 168, 0},
    {"TextControl", LWT_TEXT, -1, -1, "Select item in name", 2, 172, 0},
    {"EditControl", LWT_STRING, 34, -1, "Item Name", -1, 200, 0},
    {"ButtonControl", LWT_AREA, 20, 0, ARROW, 292, 200, 1},
    {"TextControl", LWT_TEXT, -1, -1, "(Wildcard can use)", 80, 224, 0},
    {"ButtonControl", LWT_AREA, 82, 0, "Run", 230, 248, 1},
    {"BorderControl", LWT_AREA, 320, 28, "", 0, 276, 0},
    {"TextControl", LWT_TEXT, -1, -1, "Select selected item and their children", 2, 280, 0},
    {"ButtonControl", LWT_AREA, 82, 0, "Run", 230, 308, 1},
    {"BorderControl", LWT_AREA, 320, 28, "", 0, 348, 0},
    {"ButtonControl", LWT_AREA, 80, 0, "Close", 120, 352, 1},
};

static void check_control(int index, const Control *c, const ExpectedControl *e) {
  char what[96];
#define WHAT(text) (snprintf(what, sizeof what, "control %d (%s): %s", index + 1, e->type_name, text), what)
  expect_text(WHAT("type name"), c->type_name, e->type_name);
  expect_text(WHAT("label"), c->label, e->label);
  expect_int(WHAT("descriptor type"), c->desc.type, e->desc_type);
  if (e->desc_type == LWT_AREA) {
    expect_int(WHAT("area width"), c->desc.area.width, e->width);
    expect_int(WHAT("area height"), c->desc.area.height, e->height);
  } else if (e->desc_type == LWT_STRING) {
    expect_int(WHAT("field width"), c->desc.string.width, e->width);
  } else if (e->desc_type == LWT_TEXT) {
    if (c->desc.text.text == NULL || c->desc.text.text[0] != NULL)
      fail(WHAT("the text list is not an empty list"), NULL);
  }
  expect_int(WHAT("placed at x and y"), c->placed, 3);
  expect_int(WHAT("x"), c->x, e->x >= 0 ? e->x : 80 - (int)strlen(e->label) * 8);
  expect_int(WHAT("y"), c->y, e->y);
  if (e->has_event && c->event == NULL) fail(WHAT("no event callback"), NULL);
  if (!e->has_event && c->event != NULL) fail(WHAT("an event callback where none belongs"), NULL);
#undef WHAT
}

static void press(int number) {
  Control *c = &g_panel.controls[number - 1];
  if (c->event == NULL) {
    fail("no event callback to press", c->label);
    return;
  }
  c->event((LWControlID)&c->record, c->user_data);
}

/* ---- the runs ------------------------------------------------------------------------- */

static void check_descriptor(const ModuleDescriptor *module) {
  expect_int("descriptor sysSync", module->sysSync, MOD_SYSSYNC);
  expect_int("descriptor sysVersion", module->sysVersion, MOD_SYSVER);
  expect_int("descriptor sysMachine", module->sysMachine, QB_MACHINE);
  static const char *const kServers[] = {"QB:ItemTools",    "QB:SelectBranch",   "QB:SelectItem",
                                         "QB:ItemVisible",  "QB:ObjectReplacer", "QB:NameReplace",
                                         "QB:ToggleVisible"};
  int rows = 0;
  for (const ServerRecord *s = module->serverDefs; s->className != NULL; ++s, ++rows) {
    if (rows < 7) expect_text("server name", s->name, kServers[rows]);
    expect_text("server class", s->className, "LayoutGeneric");
    if (s->activate == NULL) fail("a server without an activation function", s->name);
  }
  expect_int("servers before the all-zero record", rows, 7);
}

/* The guide's table rows begin with "| `NAME` |". */
static void check_guide(const ModuleDescriptor *module, const char *path) {
  FILE *guide = fopen(path, "rb");
  if (guide == NULL) {
    fail("cannot read the guide", path);
    return;
  }
  int rows = 0, servers = 0;
  char line[512];
  while (fgets(line, sizeof line, guide) != NULL) {
    if (strncmp(line, "| `QB:", 6) != 0) continue;
    ++rows;
    int listed = 0;
    for (const ServerRecord *s = module->serverDefs; s->className != NULL; ++s) {
      char row[160];
      snprintf(row, sizeof row, "| `%s` |", s->name ? s->name : "");
      if (strncmp(line, row, strlen(row)) == 0) listed = 1;
    }
    if (!listed) fail("the guide lists a tool the module does not register", line);
  }
  fclose(guide);
  for (const ServerRecord *s = module->serverDefs; s->className != NULL; ++s) ++servers;
  expect_int("tools in the guide's table", rows, servers);
}

static void run_select_item(const ModuleDescriptor *module, void *server_data) {
  const ServerRecord *server = find_server(module, "QB:SelectItem");
  if (server == NULL) return;
  select_only((LWItemID)0x30000000u, NULL);
  /* Cube? matches Cube2, Body matches Body: both objects, taken from the
   * last match in scene order backwards. */
  expect_int("QB:SelectItem result", activate(server, server_data, "\"Cube?\" Body"), 0);
  expect_int("QB:SelectItem: commandArguments calls", g_arguments_asked, 1);
  static const char *const kSent[] = {"SelectItem 0x10000002", "AddToSelection 0x10000001"};
  expect_commands("QB:SelectItem \"Cube?\" Body", kSent, 2);
  expect_int("selection after QB:SelectItem", g_selected, 2);
}

static void run_item_tools(const ModuleDescriptor *module, void *server_data) {
  const ServerRecord *server = find_server(module, "QB:ItemTools");
  if (server == NULL) return;
  expect_int("QB:ItemTools result", activate(server, server_data, NULL), 0);
  expect_int("QB:ItemTools: panels made", g_panels_made, 1);
  if (g_panels_made != 1) return;
  expect_text("panel title", g_panel.title, "QB:ItemTools(1.00) ");
  expect_int("panel open flags", g_panel.opened_with, 64);
  expect_int("panel width set by the open callback", g_panel.width, 320);
  expect_int("panel height set by the open callback", g_panel.height, 384);
  expect_int("controls built", g_panel.count, 20);
  if (g_panel.count != 20) return;
  for (int i = 0; i < 20; ++i) check_control(i, &g_panel.controls[i], &kItemTools[i]);
  expect_commands("QB:ItemTools activation", NULL, 0);

  /* The pick button writes the name of the last selected item into the
   * "Item Name" field through the value union. */
  select_only((LWItemID)0x10000002u, (LWItemID)0x20000000u);
  press(13);
  expect_int("pick: text writes into control 12", g_panel.controls[11].text_writes, 1);
  expect_text("pick: control 12 holds the last selected item's name", g_panel.controls[11].text, "Key");
  expect_commands("pick", NULL, 0);

  /* "Run" of the name selection reads the field through the value union. */
  press(15);
  expect_int("Run: text reads of control 12", g_panel.controls[11].text_reads, 1);
  static const char *const kKey[] = {"SelectItem 0x20000000"};
  expect_commands("Run with Key", kKey, 1);

  snprintf(g_panel.controls[11].text, sizeof g_panel.controls[11].text, "%s", "Cube*");
  press(15);
  static const char *const kCubes[] = {"SelectItem 0x10000001", "AddToSelection 0x10000000"};
  expect_commands("Run with Cube*", kCubes, 2);

  press(20);
  expect_int("Close: panel closes", g_panel.closes, 1);
  expect_int("Close: the close callback ran", g_panel.open, 0);
}

static int list_length(const char **items) {
  int n = 0;
  while (items != NULL && items[n] != NULL && n < 64) ++n;
  return items == NULL ? -1 : n;
}

/* A pop-up: the choice variant, its list (length and first entry) and its
 * width carried in `vertical`. */
static void check_popup(int number, const char *label, int entries, const char *first, int width, int x,
                        int y) {
  const Control *c = &g_panel.controls[number - 1];
  char what[64];
  snprintf(what, sizeof what, "QB:ItemVisible control %d", number);
  expect_text(what, c->type_name, "PopupControl");
  expect_text(what, c->label, label);
  expect_int(what, c->desc.type, LWT_CHOICE);
  expect_int(what, list_length(c->desc.choice.items), entries);
  if (entries > 0 && list_length(c->desc.choice.items) > 0) expect_text(what, c->desc.choice.items[0], first);
  expect_int(what, c->desc.choice.vertical, width);
  expect_int(what, c->x, x);
  expect_int(what, c->y, y);
}

static void check_area(int number, const char *type_name, const char *label, int width, int height) {
  const Control *c = &g_panel.controls[number - 1];
  char what[64];
  snprintf(what, sizeof what, "QB:ItemVisible control %d", number);
  expect_text(what, c->type_name, type_name);
  expect_text(what, c->label, label);
  expect_int(what, c->desc.type, LWT_AREA);
  expect_int(what, c->desc.area.width, width);
  expect_int(what, c->desc.area.height, height);
}

static void run_item_visible(const ModuleDescriptor *module, void *server_data) {
  const ServerRecord *server = find_server(module, "QB:ItemVisible");
  if (server == NULL) return;
  const int made = g_panels_made;
  expect_int("QB:ItemVisible result", activate(server, server_data, NULL), 0);
  expect_int("QB:ItemVisible: panels made", g_panels_made, made + 1);
  if (g_panels_made != made + 1) return;
  expect_text("QB:ItemVisible panel title", g_panel.title, "QB:ItemVisible(1.00) ");
  expect_int("QB:ItemVisible panel width", g_panel.width, 408);
  expect_int("QB:ItemVisible panel height", g_panel.height, 220);
  expect_int("QB:ItemVisible open flags", g_panel.opened_with, 64);
  expect_int("QB:ItemVisible controls built", g_panel.count, 34);
  if (g_panel.count != 34) return;
  check_popup(1, "Target", 5, "Selection Item", 160, 43, 10);
  check_popup(6, "", 9, "As is", 150, 69, 60);
  check_popup(7, "", 3, "As is", 76, 219, 60);
  check_popup(16, "", 3, "As is", 150, 69, 100);
  check_area(5, "BoolButtonControl", "Mesh", 70, 0);
  check_area(8, "ButtonControl", "Show", 50, 0);
  check_area(32, "BorderControl", "", 398, 30);
  /* Values set through the integer variant when the panel is built. */
  expect_int("QB:ItemVisible scope popup value", g_panel.controls[0].value, 2);
  expect_int("QB:ItemVisible Mesh button value", g_panel.controls[4].value, 1);
  expect_int("QB:ItemVisible Camera button value", g_panel.controls[19].value, 0);
  /* The type toggles draw a disabled row ghosted and erase the Bone row's
   * active pop-up. */
  expect_int("QB:ItemVisible Camera row's pop-up drawn ghosted", g_panel.controls[20].last_draw, 2);
  expect_int("QB:ItemVisible Mesh row's pop-up drawn normally", g_panel.controls[5].last_draw, 1);
  expect_int("QB:ItemVisible Bone row's active pop-up erased", g_panel.controls[16].last_draw, 0);
  /* "Show" of the Camera row: enabled, Visible and On, written through the
   * value union and drawn normally; nothing sent to the scene. */
  press(23);
  expect_int("Show: Camera button value", g_panel.controls[19].value, 1);
  expect_int("Show: Camera visibility pop-up value", g_panel.controls[20].value, 2);
  expect_int("Show: Camera active pop-up value", g_panel.controls[21].value, 2);
  expect_int("Show: Camera row's pop-up drawn normally", g_panel.controls[20].last_draw, 1);
  expect_commands("Show of the Camera row", NULL, 0);
  press(33);
  expect_int("QB:ItemVisible Close", g_panel.open, 0);
}

int main(int argc, char **argv) {
  if (argc >= 3 && strcmp(argv[1], "--generation") == 0) {
    if (strcmp(argv[2], "2020") == 0) g_generation = 2020;
    else if (strcmp(argv[2], "2018") != 0) argc = 0;
    argv += 2;
    argc -= 2;
  }
  if (argc != 2 && argc != 3) {
    fprintf(stderr, "usage: qb_layout_check [--generation 2018|2020] MODULE [GUIDE]\n");
    return 2;
  }
  ModuleDescriptor *module = load(argv[1]);
  if (module == NULL) {
    fprintf(stderr, "layout check: cannot load %s or find its _mod_descrip\n", argv[1]);
    return 2;
  }
  check_descriptor(module);
  if (module->sysSync != MOD_SYSSYNC || module->serverDefs == NULL) return 1;
  if (argc == 3) check_guide(module, argv[2]);
  serve_records();
  void *server_data = module->startup ? module->startup() : NULL;
  run_select_item(module, server_data);
  run_item_tools(module, server_data);
  run_item_visible(module, server_data);
  if (module->shutdown) module->shutdown(server_data);
  if (g_failures != 0) {
    fprintf(stderr, "layout check: %d failed\n", g_failures);
    return 1;
  }
  printf(
      "layout check: the descriptor, QB:SelectItem, QB:ItemTools and QB:ItemVisible as the %d generation's "
      "records give them\n",
      g_generation);
  return 0;
}

// The host's inner state, shared by the parts of the host (services, panels,
// script runner).  The module reaches it through plain C callbacks, which
// find it through current_host().
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <unordered_set>
#include <vector>

#include "abi/host_api.h"
#include "host/core/host.h"
#include "host/core/text.h"
#include "host/lws/lws.h"
#include "host/scene/commands.h"
#include "host/scene/scene.h"

namespace qbhost {

// ---- panels -----------------------------------------------------------------------

enum class ValueKind { Integer, Text };

struct Control {
  LWControl handle{};  // what the module holds; handle.priv_data points back here
  struct Panel *panel = nullptr;
  int number = 0;  // 1-based creation order
  std::string type_name;
  std::string label;
  // Descriptor contents.
  int desc_type = LWT_NULL;
  int width = 0, height = 0, vertical = 0, visible_rows = 0;
  std::vector<std::string> choices;  // choice texts, copied at creation
  std::vector<std::string> lines;    // a text control's lines, copied at creation
  // The module's own pointers behind label, choices and lines, read again by handed_texts_intact.
  const char *label_handed = nullptr;
  const char *const *choices_handed = nullptr;
  const char *const *lines_handed = nullptr;
  LWMListCountFunc *count_fn = nullptr;
  LWMListNameFunc *name_fn = nullptr;
  LWMListColWidthFunc *col_width_fn = nullptr;
  // Attributes.
  int x = 0, y = 0;
  ValueKind kind = ValueKind::Integer;
  int int_value = 0;
  std::string text_value;
  void *user_data = nullptr;
  LWCtlEventFunc *event = nullptr;
  int draw_mode = DR_RENDER;
  bool alive = true;  // false once its panel is destroyed
};

struct Panel {
  std::string title;
  const char *title_handed = nullptr;  // the module's pointer, read again by handed_texts_intact
  void *user_data = nullptr;
  int width = 0, height = 0;
  LWPanDrawFunc *draw_hook = nullptr;
  LWPanHookFunc *open_hook = nullptr;
  LWPanHookFunc *close_hook = nullptr;
  bool open = false;
  bool destroyed = false;
  int flags = 0;         // of the last open
  bool waiting = false;  // a blocking open is waiting for the user
  int modal_result = 0;  // what that open returns
  std::vector<Control *> controls;
};

// ---- interface snapshots -------------------------------------------------------------

// Every lookup of "LW Interface Info 7" makes a record; records and selection
// arrays come from large blocks, and a selection equal to the previous one
// shares its array.  Dropping the snapshots keeps the record blocks for the
// next ones: a tool that looks the service up after each of a million
// commands then reuses memory rather than asking the system for fresh pages
// on every run.
struct SnapshotStore {
  static constexpr std::size_t kRecordBlock = 4096;  // records per block
  std::vector<std::unique_ptr<LWInterfaceInfo8[]>> record_blocks;
  std::size_t records_used = 0;  // over all record blocks
  std::vector<std::unique_ptr<LWItemID[]>> blocks;
  std::size_t block_size = 0, block_used = 0;
  const LWItemID *last_array = nullptr;
  uint64_t last_version = UINT64_MAX;  // the scene's selection version it shows
  std::size_t last_size = 0;
};

// ---- the module ---------------------------------------------------------------------

struct ModuleState {
  std::string path;         // the file (empty for an attached descriptor)
  void *library = nullptr;  // the system loader's handle
  ModuleDescriptor *descriptor = nullptr;
  void *server_data = nullptr;  // what start-up returned
  bool loaded = false;
  bool fresh_copy_next = false;  // the last close left the library loaded
  std::string copy_dir;          // where the fresh copy lives
  int copies = 0;
};

struct ScriptContext;

struct HostState {
  Scene scene;
  HostSettings settings;
  CommandEffects effects;
  std::ostream *trace = nullptr;
  bool trace_muted = false;  // after a script error inside a module call

  std::deque<std::unique_ptr<Panel>> panels;       // until unload, destroyed ones too
  std::unordered_set<const void *> panel_handles;  // the handles given out
  std::deque<std::unique_ptr<Control>> controls;
  std::vector<Panel *> open_panels;  // in stacking order, topmost last

  SnapshotStore snapshots;
  ModuleState module;
  std::string argument;  // the running activation's argument text
  bool has_argument = false;
  int module_depth = 0;  // activations and control callbacks in progress

  std::shared_ptr<SceneFile> scene_file;  // the last loaded scene file, for save

  ScriptContext *script = nullptr;  // the script being run, if any
  std::function<void(const std::string &)> modal_handler;
};

HostState *current_host();
void set_current_host(HostState *state);

// A trace line (UTF-8 already), unless tracing is off or muted.
void trace_line(HostState &host, const std::string &line);
// Whether trace lines go anywhere (callers skip formatting them when not).
inline bool tracing(const HostState &host) { return host.trace != nullptr && !host.trace_muted; }
// Texts to and from the module are Shift-JIS: under locale 1041, and on a
// Windows whose ANSI code page is 932 whatever the locale.
bool japanese(const HostState &host);
// UTF-8 in the 2020 generation; else Shift-JIS where japanese() holds.
TextCode text_code(const HostState &host);

// ---- services (services.cpp) -----------------------------------------------------
void *host_global(const char *name, int use);
int host_evaluate(const char *command);  // "LW Command Interface"'s function
void drop_snapshots(HostState &host);    // every snapshot record and array; keeps the record blocks

// ---- panels (panels.cpp) ------------------------------------------------------------
// The 2020 record (panel_funcs_2020) and its first 112 bytes, the 2018 one.
LWPanelFuncs *panel_funcs();
LWPanelFuncs3 *panel_funcs_2020();
Panel *topmost_panel(HostState &host);
Panel *panel_by_title(HostState &host, const std::string &title);
void drop_panels(HostState &host);
// Nothing in the panel services says that the host copies a panel's title, labels, choice texts or text
// lines: a host may keep the module's pointers for as long as the panel lives, so each must hold its text
// until the panel is destroyed.  False (and `fault` says which) when one
// of a live panel's texts no longer reads as it did when it was handed over.
bool handed_texts_intact(const HostState &host, std::string &fault);
// The user closes the panel: ok (1), cancel (0) or the window's close.
void user_closes(HostState &host, Panel &panel, int result);
int close_result(const Panel &panel);  // what a plain close makes a blocking open return
std::vector<std::string> describe_panel(HostState &host, Panel &panel);
// Control NUMBER's line as `print panel` gives it, or only the named fields.
bool describe_control_fields(HostState &host, Panel &panel, int number,
                             const std::vector<std::string> &fields, std::vector<std::string> &lines,
                             std::string &error);

// ---- scene printing (scene_print.cpp) ----------------------------------------------
std::vector<std::string> describe_scene(const HostState &host);

// ---- modal panels (script.cpp): runs user statements until `panel` closes.
void run_modal(HostState &host, Panel &panel);

}  // namespace qbhost

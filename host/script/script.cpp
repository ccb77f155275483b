// Script statements.  Each statement checks its words completely before it
// changes anything; a mistake stops the script with "NAME:LINE: message".
#include "host/script/script.h"

#include <cstdio>
#include <functional>
#include <map>

#include "host/core/host_state.h"
#include "host/core/module.h"
#include "host/core/text.h"
#include "host/lws/lws.h"
#include "host/panels/user_actions.h"
#include "host/script/script_words.h"
#include "host/snapshot/snapshot.h"

namespace qbhost {
namespace {

// A statement's failure: the message for "NAME:LINE: message".
struct ScriptError {
  std::string message;
  RunStatus status = RunStatus::ScriptError;
};

[[noreturn]] void fail(const std::string &message) { throw ScriptError{message}; }

struct Statement {
  HostState &host;
  std::string_view line;    // the whole line, for activate and echo
  std::vector<Word> words;  // words[0] is the keyword
  std::string keyword() const { return words[0].text; }
  std::size_t argc() const { return words.size() - 1; }
  const std::string &arg(std::size_t i) const { return words[i].text; }

  void expect(std::size_t low, std::size_t high, const char *usage) const {
    if (argc() < low || argc() > high) fail(std::string("usage: ") + usage);
  }
};

// ---- values ---------------------------------------------------------------------------

long long number_arg(const std::string &text, long long low, long long high, const char *what) {
  long long value = 0;
  if (!parse_number(text, value)) fail(std::string(what) + " must be a number, not '" + text + "'");
  if (value < low || value > high)
    fail(std::string(what) + " must be from " + std::to_string(low) + " to " + std::to_string(high));
  return value;
}

bool on_off(const std::string &text, const char *usage) {
  if (text == "on") return true;
  if (text == "off") return false;
  fail(std::string("usage: ") + usage);
}

// A script text as the module will see it (Shift-JIS under a Japanese locale).
std::string host_text(const HostState &host, const std::string &text) {
  std::string converted;
  if (!to_host_text(text, text_code(host), converted)) fail("'" + text + "' cannot be written in Shift-JIS");
  return converted;
}

bool is_hex_ref(const std::string &text) {
  if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return false;
  return text.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string::npos;
}

// An identifier written 0x... outside quotes, else a name.
ItemId resolve_ref(const HostState &host, const std::string &text, bool plain) {
  if (plain && is_hex_ref(text)) {
    ItemId id = 0;
    if (text.size() > 10 || !parse_hex_id(text, id) || !host.scene.contains(id)) fail("no item " + text);
    return id;
  }
  const ItemId id = host.scene.find_by_name(host_text(host, text));
  if (id == 0) fail("no item named '" + text + "'");
  return id;
}

// ---- scene statements ------------------------------------------------------------------

struct ItemRequest {
  std::vector<std::string> positional;
  ItemOptions options;
  bool has_parent = false;
  bool has_display = false;
};

ItemRequest item_request(const Statement &st, ItemType type) {
  ItemRequest request;
  for (std::size_t i = 1; i < st.words.size(); ++i) {
    const Word &word = st.words[i];
    if (word.is_option("parent")) {
      const std::string ref = word.option_value("parent");
      request.options.parent = resolve_ref(st.host, ref, word.option_value_plain("parent"));
      request.has_parent = true;
    } else if (word.is_option("display")) {
      const long long highest = type == ItemType::Object ? kMaxObjectDisplay : 1;
      request.options.display =
          static_cast<int>(number_arg(word.option_value("display"), 0, highest, "display"));
      request.has_display = true;
    } else if (word.is_option("layer")) {
      if (type != ItemType::Object) fail("only objects have a layer");
      request.options.layer = static_cast<int>(number_arg(word.option_value("layer"), 0, 0xFFFF, "layer"));
    } else if (word.is_plain() && word.text == "hidden") {
      request.options.hidden = true;
    } else if (word.is_plain() && word.text == "inactive") {
      request.options.inactive = true;
    } else {
      request.positional.push_back(word.text);
    }
  }
  return request;
}

void add_object(Statement &st, bool mesh) {
  ItemRequest request = item_request(st, ItemType::Object);
  const std::size_t most = mesh ? 2 : 1;
  if (request.positional.empty() || request.positional.size() > most)
    fail(mesh ? "usage: mesh NAME [FILE] [options]" : "usage: null NAME [options]");
  Scene &scene = st.host.scene;
  const std::string name = host_text(st.host, request.positional[0]);
  if (!mesh) {
    scene.add_null(name, request.options);
    return;
  }
  // The object's file name is a text the module reads too, in the same code
  // page as the names.
  const bool named = request.positional.size() > 1;
  const std::string file =
      host_text(st.host, named ? request.positional[1] : "Objects/" + request.positional[0] + ".lwo");
  scene.add_mesh(name, file, request.options);
}

void add_bone(Statement &st) {
  ItemRequest request = item_request(st, ItemType::Bone);
  if (request.positional.size() != 1) fail("usage: bone NAME [options]");
  Scene &scene = st.host.scene;
  ItemId object = 0;
  if (request.has_parent) {
    const Item *parent = scene.item(request.options.parent);
    if (parent->type == ItemType::Object) object = parent->id;
    else if (parent->type == ItemType::Bone) object = parent->object;
    else fail("a bone's parent must be an object or a bone");
  } else {
    if (scene.objects().empty()) fail("a bone needs an object to belong to; there is none yet");
    object = scene.objects().back();
  }
  const std::string name = host_text(st.host, request.positional[0]);
  if (scene.add_bone(object, name, request.options) == 0)
    fail("object " + hex(object) + " can take no further bone (its bone identifiers are used up)");
}

void add_other(Statement &st, ItemType type) {
  ItemRequest request = item_request(st, type);
  if (request.positional.size() != 1) fail("usage: " + st.keyword() + " NAME [options]");
  const std::string name = host_text(st.host, request.positional[0]);
  if (type == ItemType::Light) st.host.scene.add_light(name, request.options);
  else st.host.scene.add_camera(name, request.options);
}

void select(Statement &st) {
  std::vector<ItemId> ids;
  for (std::size_t i = 1; i < st.words.size(); ++i)
    ids.push_back(resolve_ref(st.host, st.words[i].text, st.words[i].is_plain()));
  st.host.scene.set_selection(ids);
}

// A problem names paths of the scene file, in the system's code page: on a
// Japanese Windows they are Shift-JIS, and the trace is UTF-8.
std::string shown_problem(const HostState &host, const std::string &problem) {
  return japanese(host) ? printable(problem, TextCode::ShiftJis) : problem;
}

void load_scene(Statement &st) {
  st.expect(1, 1, "load FILE.lws");
  std::vector<std::string> problems;
  std::string error;
  SceneFilePtr file = load_scene_file(st.arg(1), st.host.scene, problems, error);
  if (file == nullptr) fail("cannot load " + st.arg(1) + ": " + error);
  for (const std::string &problem : problems)
    trace_line(st.host, "warning " + st.arg(1) + ":" + shown_problem(st.host, problem));
  st.host.scene_file = std::shared_ptr<SceneFile>(file.release(), SceneFileDeleter());
}

void save_scene(Statement &st) {
  st.expect(1, 1, "save FILE.lws");
  std::vector<std::string> problems;
  std::string error;
  if (!save_scene_file(st.arg(1), st.host.scene, st.host.scene_file.get(), problems, error))
    fail("cannot save " + st.arg(1) + ": " + error);
  for (const std::string &problem : problems)
    trace_line(st.host, "warning " + st.arg(1) + ": " + shown_problem(st.host, problem));
}

// ---- host settings -----------------------------------------------------------------

void set_product(Statement &st) {
  st.expect(1, 1, "product N");
  const auto value = static_cast<uint32_t>(number_arg(st.arg(1), 0, UINT32_MAX, "product"));
  // A small number is a major version; a larger one the whole product value.
  st.host.settings.product = value < 0x100 ? value << 20 : value;
  st.host.settings.product_given = true;
}

void set_generation_statement(Statement &st) {
  st.expect(1, 1, "generation 2018|2020");
  qb::Generation generation = qb::Generation::Layout2018;
  if (!parse_generation(st.arg(1), generation)) fail("generation 2018|2020, not '" + st.arg(1) + "'");
  set_generation(st.host.settings, generation);
}

void accept_prefix(Statement &st) {
  st.expect(1, 1, "accept PREFIX");
  auto &refused = st.host.settings.refused;
  std::erase_if(refused, [&](const std::string &prefix) { return prefix.starts_with(st.arg(1)); });
}

void trace_lookups(Statement &st) {
  if (st.argc() != 2 || st.arg(1) != "lookups") fail("usage: trace lookups on|off");
  st.host.settings.trace_lookups = on_off(st.arg(2), "trace lookups on|off");
}

// ---- the module -------------------------------------------------------------------

void activate(Statement &st) {
  if (st.host.module_depth > 0)
    fail("activate: the module is busy (a modal panel waits for ok, cancel or close)");
  // The argument text is the rest of the line after the server name and one
  // blank, as it was written.
  std::string_view rest = st.line.substr(8);
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
  const std::size_t blank = rest.find_first_of(" \t");
  const std::string server(rest.substr(0, blank));
  if (server.empty()) fail("usage: activate SERVER [TEXT]");
  const bool has_text = blank != std::string_view::npos;
  const std::string text = has_text ? host_text(st.host, std::string(rest.substr(blank + 1))) : std::string();
  std::string error;
  if (!reload_module(st.host, error)) throw ScriptError{error, RunStatus::ModuleError};
  const ServerRecord *record = find_server(st.host, server);
  if (record == nullptr) fail("the module has no server " + server);
  run_activation(st.host, *record, has_text ? text.c_str() : nullptr);
}

void unload(Statement &st) {
  st.expect(0, 0, "unload");
  if (st.host.module_depth > 0)
    fail("unload: the module is busy (a modal panel waits for ok, cancel or close)");
  unload_module(st.host);
}

// ---- user actions ------------------------------------------------------------------

void check(bool done, const std::string &error) {
  if (!done) fail(error);
}

void user_set_statement(Statement &st) {
  st.expect(2, 2, "set N VALUE");
  std::string error;
  const int control = static_cast<int>(number_arg(st.arg(1), 1, INT32_MAX, "the control number"));
  check(user_set(st.host, control, st.arg(2), error), error);
}

void user_press_statement(Statement &st) {
  st.expect(1, 1, "press N");
  std::string error;
  const int control = static_cast<int>(number_arg(st.arg(1), 1, INT32_MAX, "the control number"));
  check(user_press(st.host, control, error), error);
}

void user_button_statement(Statement &st, UserButton button) {
  st.expect(0, 0, button == UserButton::Ok ? "ok" : button == UserButton::Cancel ? "cancel" : "close");
  std::string error;
  check(user_button(st.host, button, error), error);
}

// ---- output ---------------------------------------------------------------------------

void print(Statement &st) {
  if (st.argc() < 1) fail("usage: print selection|scene|panel [TITLE]|control N... [FIELD...]|status");
  const std::string &what = st.arg(1);
  HostState &host = st.host;
  if (what == "selection") {
    st.expect(1, 1, "print selection");
    std::string line = "selection";
    for (ItemId id : host.scene.selection()) line.append(" ").append(hex(id));
    trace_line(host, line);
  } else if (what == "status") {
    st.expect(1, 1, "print status");
    const std::string &status = host.effects.status;
    trace_line(host, status.empty() ? "status" : "status " + printable(status, text_code(host)));
  } else if (what == "scene") {
    st.expect(1, 1, "print scene");
    for (const std::string &line : describe_scene(host)) trace_line(host, line);
  } else if (what == "panel") {
    st.expect(1, 2, "print panel [TITLE]");
    std::string error;
    Panel *panel = find_panel_for_print(host, st.argc() == 2 ? st.arg(2) : std::string(), error);
    if (panel == nullptr) fail(error);
    for (const std::string &line : describe_panel(host, *panel)) trace_line(host, line);
  } else if (what == "control") {
    // print control N… [FIELD…]: controls of the topmost open panel, whole or
    // only the named fields, so that a test prints just what it checks.
    st.expect(2, 64, "print control N... [FIELD...]");
    Panel *panel = topmost_panel(host);
    if (panel == nullptr) fail("no open panel");
    std::vector<int> numbers;
    std::size_t i = 2;
    for (long long value = 0; i <= st.argc() && parse_number(st.arg(i), value); ++i)
      numbers.push_back(static_cast<int>(number_arg(st.arg(i), 1, 100000, "a control number")));
    if (numbers.empty()) fail("usage: print control N... [FIELD...]");
    std::vector<std::string> fields;
    for (; i <= st.argc(); ++i) fields.push_back(st.arg(i));
    for (int number : numbers) {
      std::vector<std::string> lines;
      std::string error;
      if (!describe_control_fields(host, *panel, number, fields, lines, error)) fail(error);
      for (const std::string &line : lines) trace_line(host, line);
    }
  } else {
    fail("usage: print selection|scene|panel [TITLE]|control N... [FIELD...]|status");
  }
}

// The picture of the topmost open panel, or of the panel of that title.
void snapshot(Statement &st) {
  st.expect(1, 2, "snapshot FILE.svg [TITLE]");
  std::string error;
  Panel *panel = find_panel_for_print(st.host, st.argc() == 2 ? st.arg(2) : std::string(), error);
  if (panel == nullptr) fail(error);
  if (!write_panel_svg(st.host, *panel, st.arg(1), error)) fail(error);
}

void echo(Statement &st) {
  std::string_view rest = st.line.substr(4);
  if (!rest.empty()) rest.remove_prefix(1);  // the one blank after the keyword
  trace_line(st.host, std::string(rest));
}

// ---- dispatch ---------------------------------------------------------------------------

using Handler = std::function<void(Statement &)>;

const std::map<std::string, Handler, std::less<>> &handlers() {
  static const std::map<std::string, Handler, std::less<>> table = {
      {"mesh", [](Statement &st) { add_object(st, true); }},
      {"null", [](Statement &st) { add_object(st, false); }},
      {"bone", add_bone},
      {"light", [](Statement &st) { add_other(st, ItemType::Light); }},
      {"camera", [](Statement &st) { add_other(st, ItemType::Camera); }},
      {"select", select},
      {"parent-in-place",
       [](Statement &st) {
         st.expect(1, 1, "parent-in-place on|off");
         unsigned &flags = st.host.scene.general_flags;
         flags = on_off(st.arg(1), "parent-in-place on|off") ? flags | LWGENF_PARENTINPLACE
                                                             : flags & ~LWGENF_PARENTINPLACE;
       }},
      {"load", load_scene},
      {"save", save_scene},
      {"locale",
       [](Statement &st) {
         st.expect(1, 1, "locale N");
         st.host.settings.locale = static_cast<uint32_t>(number_arg(st.arg(1), 0, UINT32_MAX, "locale"));
       }},
      {"product", set_product},
      {"missing",
       [](Statement &st) {
         st.expect(1, 1, "missing NAME");
         st.host.settings.missing.insert(st.arg(1));
       }},
      {"missing-after",
       [](Statement &st) {
         st.expect(2, 2, "missing-after NAME N");
         st.host.settings.missing_after[st.arg(1)] = number_arg(st.arg(2), 0, INT64_MAX, "the lookup count");
       }},
      {"provide",
       [](Statement &st) {
         st.expect(1, 1, "provide NAME");
         st.host.settings.missing.erase(st.arg(1));
         st.host.settings.missing_after.erase(st.arg(1));
       }},
      {"refuse",
       [](Statement &st) {
         st.expect(1, 1, "refuse PREFIX");
         st.host.settings.refused.push_back(st.arg(1));
       }},
      {"accept", accept_prefix},
      {"fail-panels",
       [](Statement &st) {
         st.expect(1, 1, "fail-panels on|off");
         st.host.settings.fail_panels = on_off(st.arg(1), "fail-panels on|off");
       }},
      {"interface-version",
       [](Statement &st) {
         st.expect(1, 1, "interface-version N");
         st.host.settings.interface_version =
             static_cast<int>(number_arg(st.arg(1), INT32_MIN, INT32_MAX, "the interface version"));
       }},
      {"generation", set_generation_statement},
      {"trace", trace_lookups},
      {"activate", activate},
      {"unload", unload},
      {"set", user_set_statement},
      {"press", user_press_statement},
      {"ok", [](Statement &st) { user_button_statement(st, UserButton::Ok); }},
      {"cancel", [](Statement &st) { user_button_statement(st, UserButton::Cancel); }},
      {"close", [](Statement &st) { user_button_statement(st, UserButton::Close); }},
      {"print", print},
      {"echo", echo},
      {"snapshot", snapshot},
  };
  return table;
}

void run_statement(HostState &host, std::string_view line) {
  while (!line.empty() && (line.back() == '\r')) line.remove_suffix(1);
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos || line[start] == '#') return;
  line.remove_prefix(start);
  Statement st{host, line, {}};
  // activate and echo take the rest of the line as it is: no word splitting.
  const std::size_t end = line.find_first_of(" \t");
  const std::string_view keyword = line.substr(0, end);
  if (keyword == "activate" || keyword == "echo") {
    st.words.push_back(Word{std::string(keyword), keyword.size(), false});
  } else {
    std::string error;
    if (!split_words(line, st.words, error)) fail(error);
  }
  auto found = handlers().find(st.words[0].text);
  if (!st.words[0].is_plain() || found == handlers().end())
    fail("unknown statement '" + st.words[0].text + "'");
  found->second(st);
}

void stop(HostState &host, ScriptContext &script, const std::string &message, RunStatus status) {
  script.stopped = true;
  script.status = status;
  script.error = script.name + ":" + std::to_string(script.line_number) + ": " + message;
  // The module may still be running under this statement: what it does from
  // here on is not part of the trace.
  if (host.module_depth > 0) host.trace_muted = true;
}

// Runs statements until the script ends, stops, or `until` says so.
void run_lines(HostState &host, ScriptContext &script, const std::function<bool()> &until) {
  while (!script.stopped && script.next < script.lines.size() && !until()) {
    script.line_number = ++script.next;
    try {
      run_statement(host, script.lines[script.next - 1]);
      // Between statements no activation is running: every text of a live panel must still hold.
      std::string fault;
      if (host.module_depth == 0 && !handed_texts_intact(host, fault)) fail(fault);
    } catch (const ScriptError &error) {
      stop(host, script, error.message, error.status);
    }
  }
}

std::vector<std::string> split_lines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

void run_modal(HostState &host, Panel &panel) {
  ScriptContext *script = host.script;
  if (script != nullptr && !script->stopped) {
    run_lines(host, *script, [&] { return !panel.waiting; });
    if (panel.waiting && !script->stopped) {
      script->line_number = script->lines.size();
      stop(host, *script,
           "the script ends while panel " + quoted(panel.title, text_code(host)) +
               " waits for ok, cancel or close",
           RunStatus::ScriptError);
    }
  } else if (script == nullptr && host.modal_handler) {
    host.modal_handler(panel.title);
  }
  if (panel.waiting) user_closes(host, panel, 0);
}

RunStatus run_script(HostState &host, std::string_view text, const std::string &name, std::string &error) {
  ScriptContext script;
  script.name = name;
  script.lines = split_lines(text);
  // The host points at this script only while it runs, whatever ends it (an
  // exception from a module's code included): panels opened later must not
  // read their statements from a script that is gone.
  struct RunningScript {
    HostState &host;
    ScriptContext *outer;
    ~RunningScript() {
      host.script = outer;
      host.trace_muted = false;
      if (host.trace != nullptr) host.trace->flush();
    }
  } running{host, host.script};
  host.script = &script;
  run_lines(host, script, [] { return false; });
  error = script.error;
  return script.status;
}

}  // namespace qbhost

// The Host object: owns the host's state and makes it the current one for
// the C callbacks the module calls.
#include "host/core/host.h"

#include "host/core/host_state.h"
#include "host/core/module.h"
#include "host/core/platform.h"
#include "host/core/text.h"
#include "host/panels/user_actions.h"
#include "host/script/script.h"

namespace qbhost {
namespace {

HostState *g_current = nullptr;

}  // namespace

HostState *current_host() { return g_current; }
void set_current_host(HostState *state) { g_current = state; }

void trace_line(HostState &host, const std::string &line) {
  if (host.trace == nullptr || host.trace_muted) return;
  *host.trace << line << '\n';
}

// The real host on a Japanese Windows is an ANSI program: names and paths
// reach the module in Shift-JIS even when its interface is English.
bool japanese(const HostState &host) {
  static const bool system_shift_jis = system_code_page_is_shift_jis();
  return is_japanese(host.settings.locale) || system_shift_jis;
}

TextCode text_code(const HostState &host) {
  if (host.settings.generation == qb::Generation::Layout2020) return TextCode::Utf8;
  return japanese(host) ? TextCode::ShiftJis : TextCode::Plain;
}

uint32_t product_value(const HostSettings &settings) {
  if (settings.product_given || settings.generation == qb::Generation::Layout2018) return settings.product;
  return kDefaultProduct2020;
}

bool parse_generation(std::string_view text, qb::Generation &generation) {
  if (text != "2018" && text != "2020") return false;
  generation = text == "2018" ? qb::Generation::Layout2018 : qb::Generation::Layout2020;
  return true;
}

void set_generation(HostSettings &settings, qb::Generation generation) {
  settings.generation = generation;
  settings.interface_version =
      generation == qb::Generation::Layout2020 ? LWLAYOUTGENERIC_VERSION_2020 : LWLAYOUTGENERIC_VERSION;
}

Host::Host() : state_(std::make_unique<HostState>()) { set_current_host(state_.get()); }

Host::~Host() {
  HostState *previous = current_host();
  set_current_host(state_.get());
  qbhost::unload_module(*state_);
  set_current_host(previous == state_.get() ? nullptr : previous);
}

void Host::set_trace(std::ostream *out) { state_->trace = out; }

bool Host::load_module(const std::string &path, std::string &error) {
  return load_module_file(*state_, path, error);
}

bool Host::attach_module(ModuleDescriptor *descriptor, std::string &error) {
  return attach_descriptor(*state_, descriptor, error);
}

void Host::unload_module() { qbhost::unload_module(*state_); }

bool Host::module_loaded() const { return state_->module.loaded; }

std::vector<std::string> Host::server_names() const {
  std::vector<std::string> names;
  if (!state_->module.loaded) return names;
  for (const ServerRecord *server = state_->module.descriptor->serverDefs; server->className != nullptr;
       ++server)
    names.emplace_back(server->name == nullptr ? "" : server->name);
  return names;
}

int Host::activate(const std::string &server, const char *argument) {
  std::string error;
  if (!reload_module(*state_, error)) return -1;
  const ServerRecord *record = find_server(*state_, server);
  return record == nullptr ? -1 : run_activation(*state_, *record, argument);
}

RunStatus Host::run_script(std::string_view text, const std::string &name, std::string &error) {
  return qbhost::run_script(*state_, text, name, error);
}

void Host::set_modal_handler(std::function<void(const std::string &)> handler) {
  state_->modal_handler = std::move(handler);
}

Scene &Host::scene() { return state_->scene; }
HostSettings &Host::settings() { return state_->settings; }
const std::string &Host::status() const { return state_->effects.status; }
GlobalFunc *Host::global_function() const { return host_global; }

int Host::evaluate(const char *command) { return host_evaluate(command); }

bool Host::user_set(int control, const std::string &value, std::string &error) {
  return qbhost::user_set(*state_, control, value, error);
}
bool Host::user_press(int control, std::string &error) { return qbhost::user_press(*state_, control, error); }
bool Host::user_ok(std::string &error) { return user_button(*state_, UserButton::Ok, error); }
bool Host::user_cancel(std::string &error) { return user_button(*state_, UserButton::Cancel, error); }
bool Host::user_close(std::string &error) { return user_button(*state_, UserButton::Close, error); }

bool Host::describe_panel(const std::string &title, std::vector<std::string> &lines, std::string &error) {
  Panel *panel = find_panel_for_print(*state_, title, error);
  if (panel == nullptr) return false;
  lines = qbhost::describe_panel(*state_, *panel);
  return true;
}

std::vector<std::string> Host::describe_scene() const { return qbhost::describe_scene(*state_); }

}  // namespace qbhost

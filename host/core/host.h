// The stand-in host as a library: what the qbhost program does, for programs
// that run it in their own process (unit tests, benchmarks).
//
//   qbhost::Host host;                      // becomes the current host
//   host.set_trace(&std::cout);             // or nullptr: no trace at all
//   host.attach_module(&_mod_descrip, error);   // or load_module(path, error)
//   host.scene().add_null("Pivot");
//   host.run_script("select Pivot\nactivate QB:SelectBranch\n", "inline", error);
//   int result = host.activate("QB:ToggleVisible", "Pivot");
//
// The module calls back through plain C functions, which reach the host via
// a process-wide pointer: one Host may exist at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "abi/host_api.h"
#include "abi/service_names.h"
#include "host/scene/scene.h"

namespace qbhost {

inline constexpr uint32_t kDefaultLocale = 1033;
inline constexpr uint32_t kDefaultProduct = 15u << 20;  // major version 15
inline constexpr int kDefaultInterfaceVersion = LWLAYOUTGENERIC_VERSION;
// The 2020 generation's default: major 15, model year 2025.
inline constexpr uint32_t kDefaultProduct2020 = (15u << 20) | ((2025u - 2015u) << 24);

struct HostSettings {
  uint32_t locale = kDefaultLocale;    // "Locale Info"
  uint32_t product = kDefaultProduct;  // "Product Info", once `product` states it
  bool product_given = false;
  // The interface generation served: its service names and records, the
  // activation version, and UTF-8 texts in 2020.
  qb::Generation generation = qb::Generation::Layout2018;
  int interface_version = kDefaultInterfaceVersion;  // handed to activations
  bool fail_panels = false;                          // creating a panel answers null
  bool trace_lookups = false;                        // "lookup NAME" lines
  std::set<std::string, std::less<>> missing;        // service names that answer null
  // Service names that answer null once they have been looked up this many
  // more times (a service that vanishes in the middle of a run).
  std::map<std::string, long long, std::less<>> missing_after;
  std::vector<std::string> refused;  // command prefixes that are refused
  // Called with every command text the module sends and whether it was done
  // (benchmarks record a tool's commands with it to replay them).
  std::function<void(std::string_view command, bool done)> command_observer;
};

// What "Product Info" answers: the stated product, else the generation's default.
uint32_t product_value(const HostSettings &settings);
// Serves `generation`: its records, names and activation version.
void set_generation(HostSettings &settings, qb::Generation generation);
// "2018" or "2020"; false for any other text.
bool parse_generation(std::string_view text, qb::Generation &generation);

// How a script run ended: 0 at its end, 1 a script error, 2 the module could
// not be loaded (the exit statuses of qbhost).
enum class RunStatus { Ok = 0, ScriptError = 1, ModuleError = 2 };

struct HostState;

class Host {
 public:
  Host();   // becomes the current host (the previous one, if any, stops being it)
  ~Host();  // unloads the module
  Host(const Host &) = delete;
  Host &operator=(const Host &) = delete;

  // ---- output
  void set_trace(std::ostream *out);  // where trace lines go; null: nowhere

  // ---- the module
  // Loads a module file with dlopen and checks its descriptor; false with a
  // message when it cannot be loaded or its descriptor is not valid.  Calls
  // the module's start-up.
  bool load_module(const std::string &path, std::string &error);
  // The same for a descriptor already in this process (no dlopen; unloading
  // calls its shut-down and forgets it).
  bool attach_module(ModuleDescriptor *descriptor, std::string &error);
  // Shut-down, then dlclose; panels and interface snapshots are dropped.
  // The next activation of a loaded file loads it afresh.
  void unload_module();
  bool module_loaded() const;
  std::vector<std::string> server_names() const;
  // Runs a server's activation with `argument` as its argument text (null:
  // none) and prints "result N".  -1 when no module or no such server.
  int activate(const std::string &server, const char *argument);

  // ---- scripts
  // Runs script text (the qbhost script language).  `name` is used in error
  // messages ("NAME:LINE: message", in `error`).
  RunStatus run_script(std::string_view text, const std::string &name, std::string &error);
  // A script's statement source for modal panels opened outside any script:
  // called with the panel's title; it runs user statements (see user_*) and
  // must close the panel, else the panel is cancelled.
  void set_modal_handler(std::function<void(const std::string &title)> handler);

  // ---- host state
  Scene &scene();
  HostSettings &settings();
  const std::string &status() const;    // argument of the last StatusMsg
  GlobalFunc *global_function() const;  // what activations receive
  int evaluate(const char *command);    // the command function, as the module calls it

  // ---- what a user does on the topmost open panel (false with a message
  // when there is no such panel or control, or the action is not possible)
  bool user_set(int control, const std::string &value, std::string &error);
  bool user_press(int control, std::string &error);
  bool user_ok(std::string &error);
  bool user_cancel(std::string &error);
  bool user_close(std::string &error);
  // The `print panel` lines of the topmost open panel (empty title) or of the
  // panel of that title; false with a message when there is none.
  bool describe_panel(const std::string &title, std::vector<std::string> &lines, std::string &error);
  std::vector<std::string> describe_scene() const;

  HostState &state() { return *state_; }

 private:
  std::unique_ptr<HostState> state_;
};

}  // namespace qbhost

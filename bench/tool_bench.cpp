#include "bench/tool_bench.h"

#include <benchmark/benchmark.h>

#include <functional>

#include "bench/bench_context.h"
#include "toolkit/lwtool2/services.h"
#include "tools/rename/rename_engine.h"
#include "tools/replace/replace_run.h"
#include "tools/tools.h"
#include "tools/visibility/item_visible.h"

namespace qbbench {
namespace {

using Roots = std::vector<qbhost::ItemId>;
using VisibleScope = qb::item_visible::Scope;

// "QB:ItemVisible": the panel is opened once by its activation; a run sets
// the scope popup and presses Run, as a user does.
bool open_item_visible(qbhost::Host &host, std::string &error) {
  if (host.activate("QB:ItemVisible", nullptr) == 0) return true;
  error = "QB:ItemVisible did not open its panel";
  return false;
}

bool set_item_visible_scope(qbhost::Host &host, VisibleScope scope, std::string &error) {
  return host.user_set(qb::item_visible::kControlScope + 1, std::to_string(static_cast<int>(scope)), error);
}

bool press_item_visible_run(qbhost::Host &host, std::string &error) {
  return host.user_press(qb::item_visible::kControlRun + 1, error);
}

// The rename run on "All Item" in mode Replace or Regular Expression, with
// the panel's initial texts (_L_ to _R_, _[Ll]_ to _R_) or another pattern.
void run_rename_all_items(qbhost::Host &host, bool regular_expression, const char *pattern = nullptr) {
  // What the activation does before the panel: the service set.
  lwtool2::fetch_services(host.global_function());
  qb::rename::RenameSettings settings;
  settings.scope = qb::rename::Scope::kAllItems;
  settings.mode = regular_expression ? qb::rename::Mode::kRegex : qb::rename::Mode::kReplace;
  if (pattern != nullptr) settings.pattern_text.assign(pattern);
  qb::rename::rename_items(settings);
}

// Patterns that find what the plain ones find, one with counted repeats and one of 100 bytes, so that their
// runs compare with the plain pattern's.
constexpr const char *kSelectCounted = "*Arm_L{1}_* Hand_?{1}_*";
// A third word of 100 bytes that no name matches.
const std::string kSelectLong = "*Arm_L_* Hand_?_* Cloth_Cage_" + std::string(87, 'x') + "_*";
constexpr const char *kRenameCounted = "_[Ll]{1}_";
// _[Ll]_ not followed by a text no name holds: 100 bytes.
const std::string kRenameLong = "_[Ll]_(?!" + std::string(90, 'Q') + ")";

// The layer replacement run on every mesh object against a directory.
void run_replace_all_meshes(qbhost::Host &host, const std::string &directory) {
  // What the activation does before the panel: services and texts.
  lwtool2::fetch_services(host.global_function());
  qb::replace::select_object_replacer_language(host.settings().locale);
  qb::replace::replace_layers(qb::replace::Scope::kAllMeshes, qb::replace::Mode::kDirectory, std::string(),
                              directory);
}

struct ToolCase {
  ToolCaseInfo info;
  // The scene's state before the run, on top of the generated one.
  std::function<bool(BenchContext &, std::string &)> prepare;
  std::function<bool(BenchContext &, std::string &)> run;
};

// A few roots: three of the ten groups, about 30 % of the scene below them.
void select_roots(BenchContext &ctx) {
  const auto &groups = ctx.scene.groups;
  ctx.host->scene().set_selection(Roots{groups[1], groups[4], groups[7]});
}

bool prepare_roots(BenchContext &ctx, std::string &) {
  select_roots(ctx);
  return true;
}

bool prepare_item_visible(BenchContext &ctx, VisibleScope scope, std::string &error) {
  select_roots(ctx);
  if (!ctx.item_visible_open) {
    if (!open_item_visible(*ctx.host, error)) return false;
    ctx.item_visible_open = true;
  }
  return set_item_visible_scope(*ctx.host, scope, error);
}

bool activate(BenchContext &ctx, const char *server, const char *argument, std::string &error) {
  if (ctx.host->activate(server, argument) == 0) return true;
  error = std::string(server) + " did not return 0";
  return false;
}

std::vector<ToolCase> make_cases() {
  std::vector<ToolCase> cases;
  cases.push_back({{"SelectItem", "QB:SelectItem, two patterns", ""},
                   [](BenchContext &, std::string &) { return true; },
                   [](BenchContext &ctx, std::string &error) {
                     return activate(ctx, "QB:SelectItem", "*Arm_L_* Hand_?_*", error);
                   }});
  cases.push_back({{"SelectItem.Count", "QB:SelectItem, two patterns with {1}", "SelectItem"},
                   [](BenchContext &, std::string &) { return true; },
                   [](BenchContext &ctx, std::string &error) {
                     return activate(ctx, "QB:SelectItem", kSelectCounted, error);
                   }});
  cases.push_back({{"SelectItem.Long", "QB:SelectItem, the two patterns and one of 100 bytes", "SelectItem"},
                   [](BenchContext &, std::string &) { return true; },
                   [](BenchContext &ctx, std::string &error) {
                     return activate(ctx, "QB:SelectItem", kSelectLong.c_str(), error);
                   }});
  cases.push_back({{"SelectBranch", "QB:SelectBranch, 3 roots", ""},
                   prepare_roots,
                   [](BenchContext &ctx, std::string &error) {
                     return activate(ctx, "QB:SelectBranch", nullptr, error);
                   }});
  cases.push_back({{"ToggleVisible", "QB:ToggleVisible, all items", ""},
                   [](BenchContext &ctx, std::string &) {
                     ctx.host->scene().set_selection(ctx.host->scene().scene_order());
                     return true;
                   },
                   [](BenchContext &ctx, std::string &error) {
                     return activate(ctx, "QB:ToggleVisible", nullptr, error);
                   }});
  cases.push_back(
      {{"ItemVisible.All", "QB:ItemVisible, All Items", ""},
       [](BenchContext &ctx, std::string &error) {
         return prepare_item_visible(ctx, VisibleScope::kAllItems, error);
       },
       [](BenchContext &ctx, std::string &error) { return press_item_visible_run(*ctx.host, error); }});
  cases.push_back(
      {{"ItemVisible.NotSelChildren", "QB:ItemVisible, Selection + Children not other", ""},
       [](BenchContext &ctx, std::string &error) {
         return prepare_item_visible(ctx, VisibleScope::kNotSelectionWithChildren, error);
       },
       [](BenchContext &ctx, std::string &error) { return press_item_visible_run(*ctx.host, error); }});
  cases.push_back({{"Rename.Replace", "rename, All Item, Replace", ""},
                   prepare_roots,
                   [](BenchContext &ctx, std::string &) {
                     run_rename_all_items(*ctx.host, false);
                     return true;
                   }});
  cases.push_back({{"Rename.Regex", "rename, All Item, Regular Expression", ""},
                   prepare_roots,
                   [](BenchContext &ctx, std::string &) {
                     run_rename_all_items(*ctx.host, true);
                     return true;
                   }});
  cases.push_back({{"Rename.Regex.Count", "rename, All Item, Regular Expression _[Ll]{1}_", "Rename.Regex"},
                   prepare_roots,
                   [](BenchContext &ctx, std::string &) {
                     run_rename_all_items(*ctx.host, true, kRenameCounted);
                     return true;
                   }});
  cases.push_back({{"Rename.Regex.Long", "rename, All Item, Regular Expression of 100 bytes", "Rename.Regex"},
                   prepare_roots,
                   [](BenchContext &ctx, std::string &) {
                     run_rename_all_items(*ctx.host, true, kRenameLong.c_str());
                     return true;
                   }});
  cases.push_back({{"Replace.Dir", "layer replacement, All Item, 1,000 files", ""},
                   [](BenchContext &ctx, std::string &error) {
                     select_roots(ctx);
                     return ensure_object_dir(error);
                   },
                   [](BenchContext &ctx, std::string &) {
                     run_replace_all_meshes(*ctx.host, ctx.object_dir);
                     return true;
                   }});
  return cases;
}

const std::vector<ToolCase> &cases() {
  static const std::vector<ToolCase> all = make_cases();
  return all;
}

std::string log_key(const ToolCase &tool, std::size_t size) { return tool.info.key + "/" + size_label(size); }

// The generated scene, then the case's own state; untimed.
bool prepare(benchmark::State &state, BenchContext &ctx, const ToolCase &tool) {
  reset_scene();
  std::string error;
  if (tool.prepare(ctx, error)) return true;
  state.SkipWithError(error.c_str());
  return false;
}

void set_counters(benchmark::State &state, const BenchContext &ctx, std::size_t commands) {
  state.counters["items"] = static_cast<double>(ctx.scene.items);
  state.counters["commands"] = static_cast<double>(commands);
}

void tool_benchmark(benchmark::State &state, const ToolCase &tool, std::size_t size) {
  BenchContext &ctx = context();
  use_scene(size);
  CommandLog &log = ctx.logs[log_key(tool, size)];
  std::string error;
  // One untimed run records the commands for the floor, and warms up.
  if (!prepare(state, ctx, tool)) return;
  {
    CommandRecorder recorder(*ctx.host, log);
    if (!tool.run(ctx, error)) {
      state.SkipWithError(error.c_str());
      return;
    }
  }
  ctx.fingerprints[log_key(tool, size)] = scene_fingerprint(ctx.host->scene());
  for (auto _ : state) {
    state.PauseTiming();
    const bool ready = prepare(state, ctx, tool);
    state.ResumeTiming();
    if (!ready) return;
    if (!tool.run(ctx, error)) {
      state.SkipWithError(error.c_str());
      return;
    }
  }
  set_counters(state, ctx, log.size());
}

void floor_benchmark(benchmark::State &state, const ToolCase &tool, std::size_t size) {
  BenchContext &ctx = context();
  use_scene(size);
  const auto log = ctx.logs.find(log_key(tool, size));
  if (log == ctx.logs.end()) {
    state.SkipWithError("the tool's benchmark did not record its commands");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    const bool ready = prepare(state, ctx, tool);
    state.ResumeTiming();
    if (!ready) return;
    replay(*ctx.host, log->second);
  }
  if (scene_fingerprint(ctx.host->scene()) != ctx.fingerprints[log_key(tool, size)])
    state.SkipWithError("the floor left another scene than the tool");
  set_counters(state, ctx, log->second.size());
}

int iterations_for(std::size_t size) {
  if (size <= 1000) return 30;
  if (size <= 10000) return 10;
  if (size <= 100000) return 3;
  return 1;
}

}  // namespace

const std::vector<ToolCaseInfo> &tool_cases() {
  static const std::vector<ToolCaseInfo> infos = [] {
    std::vector<ToolCaseInfo> list;
    for (const ToolCase &tool : cases()) list.push_back(tool.info);
    return list;
  }();
  return infos;
}

std::string size_label(std::size_t size) {
  if (size >= 1000000 && size % 1000000 == 0) return std::to_string(size / 1000000) + "M";
  if (size >= 1000 && size % 1000 == 0) return std::to_string(size / 1000) + "k";
  return std::to_string(size);
}

void register_tool_benchmarks(const std::vector<std::size_t> &sizes) {
  for (std::size_t size : sizes) {
    for (const ToolCase &tool : cases()) {
      const std::string base = log_key(tool, size);
      benchmark::RegisterBenchmark(
          (base + "/tool").c_str(),
          [&tool, size](benchmark::State &state) { tool_benchmark(state, tool, size); })
          ->Iterations(iterations_for(size))
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark(
          (base + "/floor").c_str(),
          [&tool, size](benchmark::State &state) { floor_benchmark(state, tool, size); })
          ->Iterations(iterations_for(size))
          ->Unit(benchmark::kMillisecond);
    }
  }
}

}  // namespace qbbench

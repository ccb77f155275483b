// State shared by the benchmarks of one bench run: the in-process host with
// the module attached, the scene of the size being measured and its saved
// state, the files written for the run, and the commands recorded from each
// tool run for its floor.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>

#include "bench/support/command_log.h"
#include "bench/support/scene_gen.h"
#include "bench/support/scene_state.h"
#include "host/core/host.h"

namespace qbbench {

struct SceneMemory {
  std::size_t items = 0;
  std::uint64_t allocated = 0;  // bytes the scene holds
};

struct BenchContext {
  std::unique_ptr<qbhost::Host> host;
  std::size_t nominal = 0;  // scene size asked for (0: none built)
  GeneratedScene scene;
  SceneState pristine;
  std::map<std::size_t, SceneMemory> scene_memory;  // by nominal size
  std::string work_dir;                             // temporary; removed at the end
  std::string object_dir;                  // kObjectFiles object files for the replacement run, once written
  std::map<std::string, CommandLog> logs;  // by tool case and size
  std::map<std::string, std::uint64_t> fingerprints;  // scene after the recorded run
  bool item_visible_open = false;
};

BenchContext &context();

// Attaches the module and makes the temporary folder with the object files;
// false with a message on failure.
bool start_context(std::string &error);
void finish_context();

// The folder of kObjectFiles object files, written at first use.
bool ensure_object_dir(std::string &error);

// The host holds a generated scene of this nominal size (built when another
// size is there).
void use_scene(std::size_t nominal);

// Back to the scene as generated: saved state put back, selection empty, and
// the interface snapshots of earlier runs dropped (as an unload would).
void reset_scene();

// A digest of everything the tools may change, to check that a floor left the
// scene as the tool did.
std::uint64_t scene_fingerprint(const qbhost::Scene &scene);

}  // namespace qbbench

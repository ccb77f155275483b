#include "bench/bench_context.h"

#include <cstdlib>
#include <filesystem>

#include "bench/support/lwo_writer.h"
#include "host/core/host_state.h"

extern "C" ModuleDescriptor _mod_descrip;

namespace qbbench {
namespace {

std::uint64_t mix(std::uint64_t hash, std::uint64_t value) {
  hash ^= value + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
  return hash;
}

std::uint64_t mix_text(std::uint64_t hash, const std::string &text) {
  for (unsigned char c : text) hash = mix(hash, c);
  return mix(hash, text.size());
}

}  // namespace

bool ensure_object_dir(std::string &error) {
  BenchContext &ctx = context();
  if (!ctx.object_dir.empty()) return true;
  const std::string dir = ctx.work_dir + "/objects";
  std::error_code failed;
  std::filesystem::create_directories(dir, failed);
  for (int f = 0; f < kObjectFiles; ++f) {
    if (!write_small_object(dir + "/" + object_file_name(f), file_layer_names(f))) {
      error = "cannot write the object files in " + dir;
      return false;
    }
  }
  ctx.object_dir = dir;
  return true;
}

BenchContext &context() {
  static BenchContext ctx;
  return ctx;
}

bool start_context(std::string &error) {
  BenchContext &ctx = context();
  ctx.host = std::make_unique<qbhost::Host>();
  ctx.host->set_trace(nullptr);
  if (!ctx.host->attach_module(&_mod_descrip, error)) return false;
  // The replacement run ends in its modal result list: the user closes it.
  ctx.host->set_modal_handler([](const std::string &) {
    std::string ignored;
    context().host->user_close(ignored);
  });
  const char *tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/qb-bench.XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    error = "cannot make a temporary folder";
    return false;
  }
  ctx.work_dir = pattern;
  return true;
}

void finish_context() {
  BenchContext &ctx = context();
  ctx.host.reset();
  if (!ctx.work_dir.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(ctx.work_dir, ignored);
  }
}

void use_scene(std::size_t nominal) {
  BenchContext &ctx = context();
  if (ctx.nominal == nominal) return;
  qbhost::Scene &scene = ctx.host->scene();
  scene.clear();
  qbhost::drop_snapshots(ctx.host->state());
  ctx.pristine = SceneState();
  const MemoryUse before = memory_use();
  ctx.scene = build_scene(scene, nominal);
  const MemoryUse after = memory_use();
  ctx.scene_memory[nominal] = SceneMemory{ctx.scene.items, after.allocated - before.allocated};
  ctx.pristine.save(scene);
  ctx.nominal = nominal;
}

void reset_scene() {
  BenchContext &ctx = context();
  ctx.pristine.restore(ctx.host->scene());
  qbhost::drop_snapshots(ctx.host->state());
}

std::uint64_t scene_fingerprint(const qbhost::Scene &scene) {
  std::uint64_t hash = 0;
  for (qbhost::ItemId id : scene.scene_order()) {
    const qbhost::Item &it = *scene.item(id);
    hash = mix(hash, id);
    hash = mix(hash, static_cast<std::uint64_t>(it.display) * 2 + (it.active ? 1 : 0));
    hash = mix(hash, static_cast<std::uint64_t>(it.layer));
    hash = mix_text(hash, it.name);
    hash = mix_text(hash, it.file);
  }
  for (qbhost::ItemId id : scene.selection()) hash = mix(hash, id);
  return hash;
}

}  // namespace qbbench

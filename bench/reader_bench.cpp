#include "bench/reader_bench.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_context.h"
#include "bench/support/lwo_writer.h"
#include "lwo/lwo_reader.h"
#include "toolkit/files.h"

#ifdef QB_BENCH_ASSIMP
#include <assimp/cimport.h>
#include <assimp/scene.h>
#endif

namespace qbbench {
namespace {

constexpr int kLargeLayers = 16;
constexpr int kDirectoryFiles = 10000;
constexpr int kDirectoryObjects = 1000;

struct ReaderFiles {
  bool made = false;
  std::string error;
  std::string large;
  std::uint64_t large_size = 0;
  std::vector<std::string> large_layers;
  std::string directory;
  std::vector<std::string> listed;  // as the replacement run lists them
  std::vector<std::string> other;   // the files that are not IFF files
};

ReaderFiles &files() {
  static ReaderFiles made;
  return made;
}

bool make_files(std::uint64_t large_bytes) {
  ReaderFiles &f = files();
  if (f.made) return f.error.empty();
  f.made = true;
  const std::string root = context().work_dir + "/reader";
  f.large = root + "/large.lwo";
  f.directory = root + "/mixed";
  std::error_code failed;
  std::filesystem::create_directories(f.directory, failed);
  f.large_size = write_large_object(f.large, large_bytes, kLargeLayers, f.large_layers);
  if (f.large_size == 0) {
    f.error = "cannot write " + f.large;
    return false;
  }
  for (int i = 0; i < kDirectoryFiles; ++i) {
    char name[32];
    bool ok = true;
    if (i % (kDirectoryFiles / kDirectoryObjects) == 0) {
      std::snprintf(name, sizeof name, "/Prop_%05d.lwo", i);
      ok = write_small_object(f.directory + name, file_layer_names(i % kObjectFiles));
    } else {
      static const char *const extensions[] = {"png", "jpg", "txt"};
      std::snprintf(name, sizeof name, "/Other_%05d.%s", i, extensions[i % 3]);
      const std::string path = f.directory + name;
      ok = write_other_file(path, i % 3, 1024 + static_cast<std::size_t>(i % 7) * 1024);
      f.other.push_back(path);
    }
    if (!ok) {
      f.error = "cannot write the files in " + f.directory;
      return false;
    }
  }
  f.listed = qb::list_files(f.directory);
  return true;
}

bool ready(benchmark::State &state, std::uint64_t large_bytes) {
  if (make_files(large_bytes)) return true;
  state.SkipWithError(files().error.c_str());
  return false;
}

// The least a whole-file read costs: open, size, every byte into memory that
// is already there (no allocation, no page faults), close.
bool read_whole(const std::string &path, std::vector<unsigned char> &buffer) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  struct stat info;
  bool ok = ::fstat(fd, &info) == 0;
  const auto size = static_cast<std::size_t>(info.st_size);
  if (ok && buffer.size() < size) buffer.resize(size);
  std::size_t done = 0;
  while (ok && done < size) {
    const ssize_t got = ::read(fd, buffer.data() + done, size - done);
    ok = got > 0;
    if (ok) done += static_cast<std::size_t>(got);
  }
  ::close(fd);
  return ok;
}

// What rejecting a file after its first four bytes cannot go below.
bool open_and_read_four(const std::string &path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  unsigned char magic[4];
  const bool ok = ::read(fd, magic, sizeof magic) == 4;
  ::close(fd);
  return ok;
}

void large_reader(benchmark::State &state, std::uint64_t bytes) {
  if (!ready(state, bytes)) return;
  std::size_t layers = 0;
  for (auto _ : state) {
    qb::LwoFile file;
    if (!qb::read_lwo_file(files().large, file))
      state.SkipWithError("read_lwo_file failed on the large file");
    layers = file.layers.size();
    benchmark::DoNotOptimize(file.layers.data());
  }
  if (layers != kLargeLayers) state.SkipWithError("read_lwo_file did not list 16 layers");
  state.counters["layers"] = static_cast<double>(layers);
  state.counters["MiB"] = static_cast<double>(files().large_size) / (1 << 20);
}

void large_whole_read(benchmark::State &state, std::uint64_t bytes) {
  if (!ready(state, bytes)) return;
  std::vector<unsigned char> buffer(files().large_size);
  for (auto _ : state) {
    if (!read_whole(files().large, buffer)) state.SkipWithError("cannot read the large file");
    benchmark::DoNotOptimize(buffer.data());
  }
  state.counters["MiB"] = static_cast<double>(files().large_size) / (1 << 20);
}

#ifdef QB_BENCH_ASSIMP
// The layers as the Open Asset Import Library lists them: its LightWave
// loader makes one node per layer, named after the layer.
std::size_t assimp_layers(const std::string &path) {
  const aiScene *scene = aiImportFile(path.c_str(), 0);
  if (scene == nullptr || scene->mRootNode == nullptr) {
    if (scene != nullptr) aiReleaseImport(scene);
    return 0;
  }
  const auto &wanted = files().large_layers;
  std::size_t found = 0;
  std::vector<const aiNode *> nodes{scene->mRootNode};
  while (!nodes.empty()) {
    const aiNode *node = nodes.back();
    nodes.pop_back();
    if (std::find(wanted.begin(), wanted.end(), std::string(node->mName.C_Str())) != wanted.end()) ++found;
    for (unsigned i = 0; i < node->mNumChildren; ++i) nodes.push_back(node->mChildren[i]);
  }
  aiReleaseImport(scene);
  return found;
}

void large_assimp(benchmark::State &state, std::uint64_t bytes) {
  if (!ready(state, bytes)) return;
  std::size_t layers = 0;
  for (auto _ : state) layers = assimp_layers(files().large);
  if (layers != kLargeLayers) state.SkipWithError("the Open Asset Import Library did not list the 16 layers");
  state.counters["layers"] = static_cast<double>(layers);
}
#endif

void directory_reader(benchmark::State &state, std::uint64_t bytes) {
  if (!ready(state, bytes)) return;
  std::size_t kept = 0;
  for (auto _ : state) {
    kept = 0;
    for (const std::string &path : qb::list_files(files().directory)) {
      qb::LwoFile file;
      if (qb::read_lwo_file(path, file) && !file.layers.empty()) ++kept;
    }
  }
  if (kept != kDirectoryObjects) state.SkipWithError("read_lwo_file did not keep the 1,000 object files");
  state.counters["files"] = static_cast<double>(files().listed.size());
}

void directory_whole_read(benchmark::State &state, std::uint64_t bytes) {
  if (!ready(state, bytes)) return;
  std::vector<unsigned char> buffer(1 << 16);
  for (auto _ : state)
    for (const std::string &path : qb::list_files(files().directory)) read_whole(path, buffer);
  state.counters["files"] = static_cast<double>(files().listed.size());
}

void non_iff_reader(benchmark::State &state, std::uint64_t bytes) {
  if (!ready(state, bytes)) return;
  for (auto _ : state) {
    for (const std::string &path : files().other) {
      qb::LwoFile file;
      if (qb::read_lwo_file(path, file))
        state.SkipWithError("read_lwo_file took a file that is not an IFF file");
    }
  }
  state.counters["files"] = static_cast<double>(files().other.size());
}

void non_iff_floor(benchmark::State &state, std::uint64_t bytes) {
  if (!ready(state, bytes)) return;
  for (auto _ : state)
    for (const std::string &path : files().other) benchmark::DoNotOptimize(open_and_read_four(path));
  state.counters["files"] = static_cast<double>(files().other.size());
}

using ReaderBody = void (*)(benchmark::State &, std::uint64_t);

void add(const char *name, ReaderBody body, std::uint64_t bytes, int iterations) {
  benchmark::RegisterBenchmark(name, [body, bytes](benchmark::State &state) { body(state, bytes); })
      ->Iterations(iterations)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

bool have_assimp() {
#ifdef QB_BENCH_ASSIMP
  return true;
#else
  return false;
#endif
}

void register_reader_benchmarks(std::uint64_t large_bytes) {
  add("Reader.Large/read_lwo_file", large_reader, large_bytes, 20);
  add("Reader.Large/whole-file read", large_whole_read, large_bytes, 10);
#ifdef QB_BENCH_ASSIMP
  add("Reader.Large/assimp", large_assimp, large_bytes, 1);
#endif
  add("Reader.Dir/read_lwo_file", directory_reader, large_bytes, 5);
  add("Reader.Dir/whole-file read", directory_whole_read, large_bytes, 5);
  add("Reader.NonIff/read_lwo_file", non_iff_reader, large_bytes, 10);
  add("Reader.NonIff/open+read 4 bytes", non_iff_floor, large_bytes, 10);
}

}  // namespace qbbench

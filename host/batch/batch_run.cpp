// The batch's side: the scenes are handed out to --jobs worker processes one
// at a time, in order; each result lands in its scene's place, so the report
// is the same whatever the number of workers.  A worker that ends without a
// result costs the scene it had, and the next scene gets a new worker.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <thread>

#include "host/batch/batch.h"
#include "host/batch/batch_options.h"
#include "host/batch/batch_progress.h"
#include "host/batch/batch_report.h"
#include "host/batch/worker_process.h"
#include "host/batch/worker_protocol.h"
#include "host/core/platform.h"

namespace qbhost::batch {

const char kBatchUsage[] =
    "usage: qbhost batch [OPTIONS] SCRIPT SCENE_OR_FOLDER...\n"
    "\n"
    "Runs SCRIPT (without load or save) on every scene file given and every\n"
    ".lws file in the folders given, in sorted order, each scene loaded before\n"
    "the script and saved after it, in worker processes of their own.\n"
    "\n"
    "  --out DIR         write each scene under DIR, at its path below its input\n"
    "  --dry-run         write no scene, only report\n"
    "  --in-place        overwrite the scenes, keeping each as NAME.lws.bak\n"
    "  --force           with --in-place: replace existing .bak files\n"
    "  --only-changed    write only the scenes the script changed\n"
    "  --jobs N          scenes run side by side (default: the number of cores)\n"
    "  --report FILE     FILE.json (for programs) or FILE.md (Markdown tables)\n"
    "  --plugin PATH     the module (default: QB_Layout_Kit_A.p beside qbhost)\n"
    "\n"
    "One of --out, --dry-run and --in-place is needed. Standard error gets a\n"
    "line per scene as it finishes and a summary. Exit status: 0 every scene\n"
    "ran; 1 some scene failed (the others are still written); 2 bad usage.\n";

namespace {

int usage_error(const std::string &message) {
  std::cerr << "qbhost batch: " << message << "\n" << kBatchUsage;
  return 2;
}

constexpr std::size_t kLinesKept = 2;  // of what a worker said before it ended

// Why a worker ended without a result: what it printed first (the host's
// "host: unexpected call of ..."), and how it ended.
std::string worker_failure(const std::string &said, const std::string &how) {
  const std::string ended =
      how.empty() ? "the worker ended without a result" : "the worker ended with " + how;
  return said.empty() ? ended : said + " (" + ended + ")";
}

// What a save leaves while it writes: never the output itself, which a save
// replaces in one rename.
void remove_unfinished(const SceneEntry &scene) {
  if (scene.output.empty()) return;
  std::error_code ec;
  std::filesystem::path target = std::filesystem::weakly_canonical(scene.output, ec);
  if (ec) target = scene.output;
  target += ".qbhost-saving";
  std::filesystem::remove(target, ec);
}

struct Run {
  const std::vector<SceneEntry> &scenes;
  const BatchOptions &options;
  std::string program;
  std::string setup;
  bool keep_entries = false;         // a report file is asked for
  std::vector<std::string> entries;  // each scene's entry as compact JSON
  std::vector<SceneCounts> counts;
  std::atomic<std::size_t> next{0};
  Progress &progress;
};

SceneResult run_one(Run &run, const SceneEntry &scene, WorkerProcessPtr &worker) {
  SceneTask task{scene.input, scene.output, scene.backup, !run.options.only_changed};
  std::string error;
  if (!worker) {
    worker = start_worker(run.program, error);
    if (!worker) return result_of(failed_entry(scene.input, "cannot start a worker: " + error));
    if (!send_line(*worker, run.setup)) worker.reset();
  }
  std::string said;
  std::size_t lines = 0;
  if (worker && send_line(*worker, task_line(task))) {
    std::string line;
    SceneResult result;
    while (receive_line(*worker, line)) {
      if (line.rfind(kResultMark, 0) == 0 && read_result(line.substr(sizeof kResultMark - 1), result))
        return result;
      // The first lines say what happened; a system's crash dump after them
      // would drown the report.
      if (++lines <= kLinesKept) said += (said.empty() ? "" : " ") + line;
    }
  }
  const std::string how = worker ? end_worker(*worker) : std::string();
  worker.reset();
  remove_unfinished(scene);
  return result_of(failed_entry(scene.input, worker_failure(said, how)));
}

void work(Run &run) {
  WorkerProcessPtr worker;
  for (;;) {
    const std::size_t index = run.next++;
    if (index >= run.scenes.size()) break;
    const SceneEntry &scene = run.scenes[index];
    run.progress.started(scene.input);
    SceneResult result = run_one(run, scene, worker);
    run.counts[index] = result.counts;
    run.progress.finished(result.line);
    if (run.keep_entries) run.entries[index] = std::move(result.entry);
  }
  if (worker) end_worker(*worker);
}

bool write_report(const std::string &path, const Run &run, const Json &summary) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (std::filesystem::path(path).extension() == ".md") write_markdown_report(out, run.entries, summary);
  else write_json_report(out, run.entries, summary);
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int batch_main(const std::vector<std::string> &words) {
  for (const std::string &word : words) {
    if (word == "--") break;
    if (word == "--help" || word == "-h") {
      std::cout << kBatchUsage;
      return 0;
    }
  }
  BatchOptions options;
  std::string error;
  if (!parse_options(words, options, error)) return usage_error(error);

  std::ifstream in(options.script, std::ios::binary);
  if (!in) return usage_error("cannot read the script " + options.script);
  const std::string script((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!check_batch_script(script, options.script, error)) return usage_error(error);
  std::vector<SceneEntry> scenes;
  if (!find_scenes(options, scenes, error)) return usage_error(error);

  RunSetup setup;
  setup.plugin = options.plugin.empty() ? executable_folder() + "QB_Layout_Kit_A.p" : options.plugin;
  setup.script = script;
  setup.script_name = options.script;
  std::size_t jobs =
      options.jobs > 0 ? static_cast<std::size_t>(options.jobs) : std::thread::hardware_concurrency();
  jobs = std::max<std::size_t>(1, std::min(jobs, scenes.size()));

  Progress progress(std::cerr, scenes.size(), error_stream_is_terminal());
  Run run{scenes,
          options,
          own_program(),
          setup_line(setup),
          !options.reports.empty(),
          std::vector<std::string>(options.reports.empty() ? 0 : scenes.size()),
          std::vector<SceneCounts>(scenes.size()),
          {},
          progress};
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < jobs; ++i) threads.emplace_back(work, std::ref(run));
  for (std::thread &thread : threads) thread.join();
  progress.end();

  const Json summary = make_summary(run.counts);
  std::cerr << summary_table(summary);
  int status = summary["failed"].get<std::size_t>() > 0 ? 1 : 0;
  for (const std::string &path : options.reports) {
    if (!write_report(path, run, summary)) {
      std::cerr << "qbhost batch: cannot write the report " << path << "\n";
      status = 1;
    }
  }
  return status;
}

}  // namespace qbhost::batch

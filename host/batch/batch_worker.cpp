// The worker's side: a setup line, then tasks until its input ends.  A module
// that crashes or calls a trap ends this process in the middle of a task; the
// batch sees the end of the output without a result and starts another worker.
#include <exception>
#include <iostream>
#include <string>

#include "host/batch/batch.h"
#include "host/batch/worker_process.h"
#include "host/batch/worker_protocol.h"

namespace qbhost::batch {

int worker_main() {
  end_quietly_on_crashes();
  std::string line;
  RunSetup setup;
  if (!std::getline(std::cin, line) || !read_setup(line, setup)) {
    std::cout << "qbhost batch-worker: no setup on standard input" << std::endl;
    return 2;
  }
  while (std::getline(std::cin, line)) {
    SceneTask task;
    Json entry;
    if (!read_task(line, task)) {
      entry = failed_entry(task.input, "the worker got no task it could read");
    } else {
      try {
        entry = run_scene(setup, task);
      } catch (const std::exception &error) {
        entry = failed_entry(task.input, std::string("qbhost: ") + error.what());
      }
    }
    std::cout << result_line(result_of(entry)) << std::endl;
  }
  return 0;
}

}  // namespace qbhost::batch

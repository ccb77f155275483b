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
      entry = Json{{"status", "failed"},
                   {"output", nullptr},
                   {"error", "the worker got no task it could read"},
                   {"warnings", Json::array()},
                   {"changes", Json::array()}};
    } else {
      try {
        entry = run_scene(setup, task);
      } catch (const std::exception &error) {
        entry = Json{{"status", "failed"},
                     {"output", nullptr},
                     {"error", std::string("qbhost: ") + error.what()},
                     {"warnings", Json::array()},
                     {"changes", Json::array()}};
      }
    }
    std::cout << kResultMark << json_text(entry) << std::endl;
  }
  return 0;
}

}  // namespace qbhost::batch

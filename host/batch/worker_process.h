// The processes a batch runs its scenes in: each is this program again
// (`qbhost batch-worker`), fed tasks on its standard input, answering on its
// standard output, its standard error joined to that output so that what a
// dying module or host says reaches the batch too.  worker_process_posix.cpp
// (fork, exec, pipes, waitpid) and worker_process_win32.cpp (CreateProcess,
// anonymous pipes).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>

namespace qbhost::batch {

struct WorkerProcess;
struct WorkerProcessDeleter {
  void operator()(WorkerProcess *worker) const;  // ends it first, if still running
};
using WorkerProcessPtr = std::unique_ptr<WorkerProcess, WorkerProcessDeleter>;

// Starts `program batch-worker`; null with the system's reason in `error`.
WorkerProcessPtr start_worker(const std::string &program, std::string &error);
// A line to its standard input ("\n" added); false once it has gone.
bool send_line(WorkerProcess &worker, const std::string &line);
// The next line of its output without the line ending; false at its end.
bool receive_line(WorkerProcess &worker, std::string &line);

// What both systems' receive_line do with what they read: the first line of
// `buffer` is taken out of it into `line` (without "\n" or "\r\n");
// read_chunk(data, size) reads more (0 at the end of the output), and a last
// line without an ending still counts.
template <class ReadChunk>
bool take_line(std::string &buffer, std::string &line, ReadChunk &&read_chunk) {
  for (;;) {
    const std::size_t end = buffer.find('\n');
    if (end != std::string::npos) {
      line.assign(buffer, 0, end);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      buffer.erase(0, end + 1);
      return true;
    }
    char chunk[65536];
    const std::size_t got = read_chunk(chunk, sizeof chunk);
    if (got == 0) {
      if (buffer.empty()) return false;
      line = std::move(buffer);
      buffer.clear();
      return true;
    }
    buffer.append(chunk, got);
  }
}
// Closes its input and waits for it: "" when it ended with status 0, else how
// it ended ("status 3", "signal 11 (Segmentation fault)", "status 0xc0000005").
std::string end_worker(WorkerProcess &worker);

// A worker's own setting: a module that crashes ends the process at once,
// without a system dialog waiting for someone to close it (Windows).
void end_quietly_on_crashes();

// The running program's own file, to start workers from.
std::string own_program();
// Whether standard error is a terminal (a progress bar) or not (plain lines).
bool error_stream_is_terminal();

}  // namespace qbhost::batch

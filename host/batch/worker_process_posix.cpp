#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif

#include "host/batch/worker_process.h"

namespace qbhost::batch {

struct WorkerProcess {
  pid_t pid = -1;
  int input = -1;   // the worker's standard input
  int output = -1;  // its standard output and error
  std::string buffer;
  bool ended = false;
  std::string how;
};

namespace {

bool make_pipe(int ends[2]) {
#ifdef __APPLE__
  if (pipe(ends) != 0) return false;
  fcntl(ends[0], F_SETFD, FD_CLOEXEC);
  fcntl(ends[1], F_SETFD, FD_CLOEXEC);
  return true;
#else
  // Close-on-exec from the start: a worker started by another thread at the
  // same moment must not keep this one's pipes open.
  return pipe2(ends, O_CLOEXEC) == 0;
#endif
}

void close_fd(int &fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

}  // namespace

WorkerProcessPtr start_worker(const std::string &program, std::string &error) {
  // A worker that dies leaves its input pipe without a reader; writing to it
  // must fail rather than end the batch.
  signal(SIGPIPE, SIG_IGN);
  int to_worker[2], from_worker[2];
  if (!make_pipe(to_worker)) {
    error = std::strerror(errno);
    return nullptr;
  }
  if (!make_pipe(from_worker)) {
    error = std::strerror(errno);
    close(to_worker[0]);
    close(to_worker[1]);
    return nullptr;
  }
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(to_worker[0], 0);
    dup2(from_worker[1], 1);
    dup2(from_worker[1], 2);
    const char *argv[] = {program.c_str(), "batch-worker", nullptr};
    execv(program.c_str(), const_cast<char *const *>(argv));
    _exit(127);
  }
  const int saved = errno;
  close(to_worker[0]);
  close(from_worker[1]);
  if (pid < 0) {
    error = std::strerror(saved);
    close(to_worker[1]);
    close(from_worker[0]);
    return nullptr;
  }
  WorkerProcessPtr worker(new WorkerProcess);
  worker->pid = pid;
  worker->input = to_worker[1];
  worker->output = from_worker[0];
  return worker;
}

bool send_line(WorkerProcess &worker, const std::string &line) {
  const std::string text = line + "\n";
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t wrote = write(worker.input, text.data() + done, text.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

bool receive_line(WorkerProcess &worker, std::string &line) {
  return take_line(worker.buffer, line, [&](char *data, std::size_t size) -> std::size_t {
    for (;;) {
      const ssize_t got = read(worker.output, data, size);
      if (got < 0 && errno == EINTR) continue;
      return got > 0 ? static_cast<std::size_t>(got) : 0;
    }
  });
}

std::string end_worker(WorkerProcess &worker) {
  if (worker.ended) return worker.how;
  close_fd(worker.input);
  close_fd(worker.output);
  int status = 0;
  while (waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {
  }
  worker.ended = true;
  if (WIFSIGNALED(status)) {
    const int number = WTERMSIG(status);
    const char *name = strsignal(number);
    worker.how = "signal " + std::to_string(number) + (name ? std::string(" (") + name + ")" : std::string());
  } else if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
    worker.how = "status " + std::to_string(WEXITSTATUS(status));
  }
  return worker.how;
}

void WorkerProcessDeleter::operator()(WorkerProcess *worker) const {
  if (!worker->ended) {
    close_fd(worker->input);
    end_worker(*worker);
  }
  delete worker;
}

void end_quietly_on_crashes() {}

std::string own_program() {
  char path[4096];
#ifdef __APPLE__
  uint32_t room = sizeof path;
  if (_NSGetExecutablePath(path, &room) != 0) return std::string();
  return path;
#else
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length <= 0 ? std::string() : std::string(path, static_cast<std::size_t>(length));
#endif
}

bool error_stream_is_terminal() { return isatty(2) != 0; }

}  // namespace qbhost::batch

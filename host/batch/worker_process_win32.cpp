#include <io.h>
#include <windows.h>

#include <cstdio>
#include <mutex>

#include "host/batch/worker_process.h"

namespace qbhost::batch {

struct WorkerProcess {
  HANDLE process = nullptr;
  HANDLE input = nullptr;   // the worker's standard input
  HANDLE output = nullptr;  // its standard output and error
  std::string buffer;
  bool ended = false;
  std::string how;
};

namespace {

std::string last_error_text() {
  const DWORD code = GetLastError();
  char text[512];
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      code, 0, text, sizeof text, nullptr);
  std::string message(text, length);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
    message.pop_back();
  return message.empty() ? "error " + std::to_string(code) : message;
}

void close_handle(HANDLE &handle) {
  if (handle != nullptr) CloseHandle(handle);
  handle = nullptr;
}

// Only the ends a new worker gets may be inheritable, and only while it is
// being made: a worker that inherited another's pipe would keep that pipe
// open after its owner died.
std::mutex starting;

}  // namespace

WorkerProcessPtr start_worker(const std::string &program, std::string &error) {
  std::lock_guard<std::mutex> hold(starting);
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE child_in = nullptr, parent_in = nullptr, parent_out = nullptr, child_out = nullptr;
  if (!CreatePipe(&child_in, &parent_in, &inherit, 0)) {
    error = last_error_text();
    return nullptr;
  }
  if (!CreatePipe(&parent_out, &child_out, &inherit, 0)) {
    error = last_error_text();
    close_handle(child_in);
    close_handle(parent_in);
    return nullptr;
  }
  SetHandleInformation(parent_in, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(parent_out, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = child_in;
  startup.hStdOutput = child_out;
  startup.hStdError = child_out;
  PROCESS_INFORMATION info{};
  std::string command = "\"" + program + "\" batch-worker";
  const BOOL made = CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                   nullptr, nullptr, &startup, &info);
  if (!made) error = last_error_text();
  close_handle(child_in);
  close_handle(child_out);
  if (!made) {
    close_handle(parent_in);
    close_handle(parent_out);
    return nullptr;
  }
  CloseHandle(info.hThread);
  WorkerProcessPtr worker(new WorkerProcess);
  worker->process = info.hProcess;
  worker->input = parent_in;
  worker->output = parent_out;
  return worker;
}

bool send_line(WorkerProcess &worker, const std::string &line) {
  const std::string text = line + "\n";
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD wrote = 0;
    if (!WriteFile(worker.input, text.data() + done, static_cast<DWORD>(text.size() - done), &wrote,
                   nullptr) ||
        wrote == 0)
      return false;
    done += wrote;
  }
  return true;
}

bool receive_line(WorkerProcess &worker, std::string &line) {
  return take_line(worker.buffer, line, [&](char *data, std::size_t size) -> std::size_t {
    DWORD got = 0;
    if (!ReadFile(worker.output, data, static_cast<DWORD>(size), &got, nullptr)) return 0;
    return got;
  });
}

std::string end_worker(WorkerProcess &worker) {
  if (worker.ended) return worker.how;
  close_handle(worker.input);
  close_handle(worker.output);
  WaitForSingleObject(worker.process, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(worker.process, &code);
  close_handle(worker.process);
  worker.ended = true;
  if (code >= 0xC0000000u) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lx", static_cast<unsigned long>(code));
    worker.how = std::string("status ") + text;
  } else if (code != 0) {
    worker.how = "status " + std::to_string(code);
  }
  return worker.how;
}

void WorkerProcessDeleter::operator()(WorkerProcess *worker) const {
  if (!worker->ended) end_worker(*worker);
  delete worker;
}

void end_quietly_on_crashes() { SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX); }

std::string own_program() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return length == 0 || length >= sizeof path ? std::string() : std::string(path, length);
}

bool error_stream_is_terminal() { return _isatty(_fileno(stderr)) != 0; }

}  // namespace qbhost::batch

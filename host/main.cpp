// qbhost: runs a script against the module, standing in for Layout.
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "host/batch/batch.h"
#include "host/core/host.h"
#include "host/core/platform.h"

namespace {

const char kUsage[] =
    "usage: qbhost [--plugin PATH] [--generation 2018|2020] SCRIPT\n"
    "       qbhost [--plugin PATH] [--generation 2018|2020] -   (the script from standard input)\n"
    "       qbhost batch [OPTIONS] SCRIPT SCENE_OR_FOLDER...   (see qbhost batch --help)\n"
    "\n"
    "--generation chooses the host generation the script starts in, as its\n"
    "first statement `generation N` would (default 2018).\n"
    "\n"
    "Loads the module (default: QB_Layout_Kit_A.p beside qbhost), checks its\n"
    "descriptor, calls its start-up and runs the script: a scene is built,\n"
    "tools are activated, panels are used, and everything the module does is\n"
    "printed (commands, results, panel calls). See host/README.md.\n"
    "\n"
    "Exit status: 0 the script ran to its end; 1 a script error (FILE:LINE:\n"
    "message on standard error); 2 bad usage, or the module cannot be loaded\n"
    "or its descriptor is not valid; 3 the module called a host function it\n"
    "has no business calling (\"host: unexpected call of RECORD.MEMBER\").\n"
    "\n"
    "Example:\n"
    "  # select.qbs\n"
    "  mesh Cube\n"
    "  null Pivot parent=Cube\n"
    "  activate QB:SelectItem Cube*\n"
    "  print selection\n"
    "\n"
    "  $ qbhost select.qbs\n"
    "  cmd ok SelectItem 0x10000000\n"
    "  result 0\n"
    "  selection 0x10000000\n";

int usage_error(const std::string &message) {
  std::cerr << "qbhost: " << message << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char **argv) {
  qbhost::use_binary_standard_streams();
  // One script over many scene files, and the processes it runs them in.
  if (argc > 1 && std::strcmp(argv[1], "batch") == 0)
    return qbhost::batch::batch_main(std::vector<std::string>(argv + 2, argv + argc));
  if (argc > 1 && std::strcmp(argv[1], "batch-worker") == 0) return qbhost::batch::worker_main();
  std::string plugin;
  std::string script_path;
  qb::Generation generation = qb::Generation::Layout2018;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--plugin") {
      if (++i >= argc) return usage_error("--plugin needs a PATH");
      plugin = argv[i];
    } else if (arg == "--generation") {
      if (++i >= argc || !qbhost::parse_generation(argv[i], generation))
        return usage_error("--generation needs 2018 or 2020");
    } else if (arg.rfind("--plugin=", 0) == 0) {
      plugin = arg.substr(9);
    } else if (!script_path.empty()) {
      return usage_error("one script only");
    } else if (arg.size() > 1 && arg[0] == '-') {
      return usage_error("unknown option " + arg);
    } else {
      script_path = arg;
    }
  }
  if (script_path.empty()) return usage_error("no script given");

  std::string text;
  if (script_path == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::ifstream in(script_path, std::ios::binary);
    if (!in) return usage_error("cannot read the script " + script_path);
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  if (plugin.empty()) plugin = qbhost::executable_folder() + "QB_Layout_Kit_A.p";

  qbhost::Host host;
  host.set_trace(&std::cout);
  qbhost::set_generation(host.settings(), generation);
  std::string error;
  if (!host.load_module(plugin, error)) {
    std::cerr << "qbhost: " << error << "\n";
    return 2;
  }
  const qbhost::RunStatus status = host.run_script(text, script_path == "-" ? "<stdin>" : script_path, error);
  std::cout.flush();
  if (status != qbhost::RunStatus::Ok)
    std::cerr << (status == qbhost::RunStatus::ModuleError ? "qbhost: " : "") << error << "\n";
  host.unload_module();
  std::cout.flush();
  return static_cast<int>(status);
}

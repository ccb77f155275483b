// The qbhost program's command line and exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/unit/support/test_folder.h"

namespace {

struct Outcome {
  int status = -1;
  std::string out;
};

// Runs a shell command line, standard error joined to standard output.
Outcome run(const std::string &command) {
  Outcome result;
  FILE *pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int raw = pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

// Usage errors, a module that cannot be loaded and a script from standard
// input; a script's own errors and exit status are in the traces (see
// host/script_error).
TEST(HostCli, UsageModulesAndStandardInput) {
  const char *path = std::getenv("QB_QBHOST");
  if (path == nullptr || !std::filesystem::exists(path)) GTEST_SKIP() << "QB_QBHOST names no qbhost program";
  const std::string qbhost = path;
  qbtest::TestFolder dir("qbhost_cli");
  Outcome help = run(qbhost + " --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Example:"), std::string::npos);
  EXPECT_NE(help.out.find("--plugin PATH"), std::string::npos);
  for (const std::string &arguments :
       {std::string(), std::string(" --bogus x.qbs"), std::string(" a.qbs b.qbs"),
        " " + (dir.path / "missing.qbs").string()})
    EXPECT_EQ(run(qbhost + arguments).status, 2) << arguments;

  const std::string ok = (dir.path / "ok.qbs").string();
  std::ofstream(ok) << "echo fine\n";
  Outcome missing = run(qbhost + " --plugin " + (dir.path / "none.p").string() + " " + ok);
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.out.find("cannot load"), std::string::npos) << missing.out;
  EXPECT_EQ(missing.out.find("fine"), std::string::npos);
  EXPECT_EQ(run(qbhost + " --plugin " + ok + " " + ok).status, 2);  // not a module

  Outcome piped = run("printf 'echo one\\nnull A\\nselect A\\nprint selection\\n' | " + qbhost + " -");
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.out, "one\nselection 0x10000000\n");
}

}  // namespace

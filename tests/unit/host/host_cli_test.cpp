// The qbhost program's command line and exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

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

struct HostCli : ::testing::Test {
  std::string qbhost;
  std::filesystem::path dir;
  void SetUp() override {
    const char *path = std::getenv("QB_QBHOST");
    if (path == nullptr || !std::filesystem::exists(path)) GTEST_SKIP() << "QB_QBHOST names no qbhost program";
    qbhost = path;
    dir = std::filesystem::temp_directory_path() / ("qbhost_cli_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
  }
  void TearDown() override {
    if (!dir.empty()) std::filesystem::remove_all(dir);
  }
  std::string script(const std::string &name, const std::string &text) {
    const auto path = dir / name;
    std::ofstream(path) << text;
    return path.string();
  }
};

TEST_F(HostCli, HelpAndUsage) {
  Outcome help = run(qbhost + " --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Example:"), std::string::npos);
  EXPECT_NE(help.out.find("--plugin PATH"), std::string::npos);
  EXPECT_EQ(run(qbhost).status, 2);
  EXPECT_EQ(run(qbhost + " --bogus x.qbs").status, 2);
  EXPECT_EQ(run(qbhost + " a.qbs b.qbs").status, 2);
  EXPECT_EQ(run(qbhost + " " + (dir / "missing.qbs").string()).status, 2);
}

TEST_F(HostCli, ModuleThatCannotBeLoaded) {
  const std::string ok = script("ok.qbs", "echo fine\n");
  Outcome missing = run(qbhost + " --plugin " + (dir / "none.p").string() + " " + ok);
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.out.find("cannot load"), std::string::npos) << missing.out;
  EXPECT_EQ(missing.out.find("fine"), std::string::npos);
  Outcome not_a_module = run(qbhost + " --plugin " + ok + " " + ok);
  EXPECT_EQ(not_a_module.status, 2);
}

TEST_F(HostCli, ScriptFromStandardInputAndErrors) {
  Outcome piped = run("printf 'echo one\\nnull A\\nselect A\\nprint selection\\n' | " + qbhost + " -");
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.out, "one\nselection 0x10000000\n");
  const std::string bad = script("bad.qbs", "echo kept\nnull A parent=B\necho not reached\n");
  Outcome failed = run(qbhost + " " + bad);
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "kept\n" + bad + ":2: no item named 'B'\n");
}

}  // namespace

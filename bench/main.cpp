// qb_bench: the tools on generated scenes of 1k to 1M items against their
// floors, and the object file reader against a whole-file read and the Open
// Asset Import Library; prints the ratio tables at the end.
//
//   qb_bench [--quick] [--sizes=1k,10k] [--large-mib=N] [--only=tools|reader]
//            [--table=FILE] [Google Benchmark flags]
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_context.h"
#include "bench/reader_bench.h"
#include "bench/report.h"
#include "bench/tool_bench.h"

namespace {

struct Options {
  std::vector<std::size_t> sizes{1000, 10000, 100000, 1000000};
  std::uint64_t large_mib = 256;
  bool tools = true;
  bool reader = true;
  std::string table;
};

bool parse_size(const std::string &word, std::size_t &size) {
  char *end = nullptr;
  const unsigned long long value = std::strtoull(word.c_str(), &end, 10);
  std::string unit(end);
  if (end == word.c_str() || value == 0) return false;
  if (unit == "k") size = value * 1000;
  else if (unit == "M") size = value * 1000000;
  else if (unit.empty()) size = value;
  else return false;
  return true;
}

bool parse_sizes(const std::string &list, std::vector<std::size_t> &sizes) {
  sizes.clear();
  std::stringstream words(list);
  std::string word;
  while (std::getline(words, word, ',')) {
    std::size_t size = 0;
    if (!parse_size(word, size)) return false;
    sizes.push_back(size);
  }
  return !sizes.empty();
}

// Our options are taken out; the rest goes to Google Benchmark.
bool parse(int &argc, char **argv, Options &options) {
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--quick") options.sizes = {1000, 10000, 100000};
    else if (arg.rfind("--sizes=", 0) == 0) {
      if (!parse_sizes(arg.substr(8), options.sizes)) return false;
    } else if (arg.rfind("--large-mib=", 0) == 0) {
      options.large_mib = std::strtoull(arg.c_str() + 12, nullptr, 10);
      if (options.large_mib == 0) return false;
    } else if (arg == "--only=tools") options.reader = false;
    else if (arg == "--only=reader") options.tools = false;
    else if (arg.rfind("--table=", 0) == 0) options.table = arg.substr(8);
    else argv[kept++] = argv[i];
  }
  argc = kept;
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  Options options;
  if (!parse(argc, argv, options)) {
    std::cerr << "usage: qb_bench [--quick] [--sizes=1k,10k,...] [--large-mib=N] [--only=tools|reader] "
                 "[--table=FILE] [Google Benchmark flags]\n";
    return 2;
  }
  benchmark::Initialize(&argc, argv);
  std::string error;
  if (!qbbench::start_context(error)) {
    std::cerr << "qb_bench: " << error << "\n";
    qbbench::finish_context();
    return 2;
  }
  if (options.tools) qbbench::register_tool_benchmarks(options.sizes);
  if (options.reader) qbbench::register_reader_benchmarks(options.large_mib << 20);

  // Colours only for a terminal: the output is often kept in a file.
  qbbench::CollectingReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                             : benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const qbbench::ReportInput input{options.sizes, options.tools, options.reader};
  std::cout << "\n";
  const bool met = qbbench::print_report(std::cout, reporter.results(), input);
  if (!options.table.empty()) {
    std::ofstream table(options.table);
    qbbench::print_report(table, reporter.results(), input);
  }
  qbbench::finish_context();
  return met ? 0 : 1;
}

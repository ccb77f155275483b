// Collects the results of a bench run and prints the ratio table.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace qbbench {

struct Result {
  double cpu_ms = 0;   // per iteration
  double real_ms = 0;  // per iteration
  std::map<std::string, double> counters;
  std::string error;  // empty when it ran
};

// The console output as usual, and every result kept by name.
class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  explicit CollectingReporter(OutputOptions options) : ConsoleReporter(options) {}
  void ReportRuns(const std::vector<Run> &runs) override;
  const std::map<std::string, Result> &results() const { return results_; }

 private:
  std::map<std::string, Result> results_;
};

struct ReportInput {
  std::vector<std::size_t> sizes;
  bool tools = true;
  bool reader = true;
};

// The tables (Markdown) with every target judged; false when a target is missed.
bool print_report(std::ostream &out, const std::map<std::string, Result> &results, const ReportInput &input);

}  // namespace qbbench

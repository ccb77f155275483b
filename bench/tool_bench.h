// One benchmark per tool case and scene size, and its floor.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qbbench {

struct ToolCaseInfo {
  std::string key;    // benchmark name part, "SelectItem"
  std::string label;  // for the table, "QB:SelectItem *Arm_L_* Hand_?_*"
  std::string plain;  // a variant of a pattern case: the key of the same run with the plain pattern
};

const std::vector<ToolCaseInfo> &tool_cases();

// Benchmark names: "<key>/<size>/tool" and "<key>/<size>/floor".
void register_tool_benchmarks(const std::vector<std::size_t> &sizes);

std::string size_label(std::size_t size);  // 1k, 10k, 100k, 1M

}  // namespace qbbench

// A folder of its own for each test under the system's temporary folder,
// emptied before the test and removed after it, and files written into it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace qbtest {

struct TestFolder {
  std::filesystem::path path;

  explicit TestFolder(const std::string &prefix)
      : path(std::filesystem::temp_directory_path() /
             (prefix + "_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
  }
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  TestFolder(const TestFolder &) = delete;
  TestFolder &operator=(const TestFolder &) = delete;

  // Writes (or replaces) the file `name` in the folder; answers its path.
  std::string write(const std::string &name, const std::vector<unsigned char> &bytes) const {
    const std::string file = (path / name).string();
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
  }
};

}  // namespace qbtest

// Scene file tests: temporary folders with scenes and object files written
// by the test, loading and saving through the public scene file interface.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/lws/lws.h"
#include "host/scene/scene.h"
#include "tests/unit/support/lwo_bytes.h"
#include "tests/unit/support/test_folder.h"

namespace lws_test {

namespace fs = std::filesystem;

inline std::string read_bytes(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void write_bytes(const fs::path &path, const std::string &bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// A folder of its own for one test, removed afterwards; files are written
// by their paths relative to it, with the folders they need.
struct TempDir : qbtest::TestFolder {
  TempDir() : TestFolder("qb_lws") {}
  std::string file(const std::string &relative) const { return (path / relative).string(); }
  std::string write(const std::string &relative, const std::string &bytes) const {
    write_bytes(path / relative, bytes);
    return file(relative);
  }
};

// An LWO2 object file with one LAYR chunk per name; layer numbers from 0.
inline std::string lwo_with_layers(const std::vector<std::string> &names) {
  lwo_bytes::Bytes chunks;
  for (std::size_t i = 0; i < names.size(); ++i)
    lwo_bytes::append(chunks,
                      lwo_bytes::chunk("LAYR", lwo_bytes::layer_data(static_cast<uint16_t>(i), names[i])));
  lwo_bytes::Bytes bytes = lwo_bytes::lwo2(chunks);
  return std::string(bytes.begin(), bytes.end());
}

// Lines joined with an ending after each.
inline std::string lines(std::initializer_list<std::string> list, const std::string &eol = "\n") {
  std::string text;
  for (const std::string &line : list) text += line + eol;
  return text;
}

struct Loaded {
  qbhost::Scene scene;
  qbhost::SceneFilePtr file;
  std::vector<std::string> problems;
  std::string error;
  std::string path;

  explicit Loaded(const std::string &scene_path) : path(scene_path) {
    file = qbhost::load_scene_file(scene_path, scene, problems, error);
  }
  // What saving the scene to `out` (default: where it came from) writes.
  std::string saved_text(const std::string &out = "") {
    std::vector<std::string> ignored;
    return qbhost::scene_file_text(out.empty() ? path : out, scene, file.get(), ignored);
  }
  const qbhost::Item &item(qbhost::ItemId id) const {
    const qbhost::Item *found = scene.item(id);
    if (!found) throw std::runtime_error("no item " + std::to_string(id));
    return *found;
  }
  qbhost::ItemId named(const std::string &name) const { return scene.find_by_name(name); }
};

// The real data folder, or empty (the caller skips).
inline fs::path realdata() {
  const char *env = std::getenv("QB_REALDATA");
  fs::path root = env ? fs::path(env) : fs::path();
  if (root.empty() || !fs::is_directory(root)) return {};
  return root;
}

// Hand-written expectations of a saved file: the original text with some
// lines (numbered from 1, as an editor shows them) replaced, removed, or
// followed by new ones.  Every line keeps its own ending; new lines take
// `eol`.
struct LineEdits {
  std::map<int, std::string> replace;
  std::set<int> remove;
  std::map<int, std::vector<std::string>> insert_after;
  std::string eol = "\n";

  std::string apply(const std::string &text) const {
    std::string out;
    std::size_t start = 0;
    int number = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      std::size_t next = end == std::string::npos ? text.size() : end + 1;
      std::size_t body_end = end == std::string::npos ? text.size() : end;
      if (body_end > start && text[body_end - 1] == '\r') --body_end;
      ++number;
      std::string body = text.substr(start, body_end - start),
                  ending = text.substr(body_end, next - body_end);
      if (!remove.count(number)) {
        auto r = replace.find(number);
        out += (r == replace.end() ? body : r->second) + ending;
      }
      auto ins = insert_after.find(number);
      if (ins != insert_after.end())
        for (const std::string &line : ins->second) out += line + eol;
      start = next;
    }
    return out;
  }
};

}  // namespace lws_test

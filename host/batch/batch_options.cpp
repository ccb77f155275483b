#include "host/batch/batch_options.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

namespace qbhost::batch {
namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// `--name VALUE` or `--name=VALUE`; false when `word` is neither.
bool option_value(const std::vector<std::string> &words, std::size_t &i, const std::string &name,
                  std::string &value, std::string &error) {
  const std::string &word = words[i];
  if (word.rfind(name + "=", 0) == 0) {
    value = word.substr(name.size() + 1);
    return true;
  }
  if (word != name) return false;
  if (i + 1 >= words.size()) {
    error = name + " needs a value";
    return true;
  }
  value = words[++i];
  return true;
}

// Windows takes either separator; a path the user wrote with backslashes
// gets backslashes after it too.
char separator_after(const std::string &base) {
  return kWindows && base.find('\\') != std::string::npos ? '\\' : '/';
}

std::string join(const std::string &base, const std::string &relative) {
  const char sep = separator_after(base);
  std::string tail = relative;
  if (sep == '\\') std::replace(tail.begin(), tail.end(), '/', '\\');
  if (base.empty()) return tail;
  const char last = base.back();
  return base + (last == '/' || (kWindows && last == '\\') ? "" : std::string(1, sep)) + tail;
}

bool is_scene_file(const fs::path &path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return extension == ".lws";
}

// Sorting and duplicates go by the path with '/' on every platform, so that
// the order does not depend on which separator was typed.
std::string sort_key(const std::string &path) {
  std::string key = path;
  if (kWindows) std::replace(key.begin(), key.end(), '\\', '/');
  return key;
}

std::string same_file_key(const std::string &path) {
  std::error_code ec;
  fs::path canonical = fs::weakly_canonical(fs::absolute(path, ec), ec);
  std::string key = sort_key(canonical.string());
  if (kWindows)
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return key;
}

bool add_input(const std::string &input, std::vector<SceneEntry> &found, std::string &error) {
  std::error_code ec;
  if (fs::is_directory(input, ec)) {
    const fs::path root(input);
    std::vector<std::string> below;
    fs::recursive_directory_iterator walk(root, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && walk != fs::recursive_directory_iterator(); walk.increment(ec)) {
      std::error_code kind;
      if (walk->is_regular_file(kind) && is_scene_file(walk->path()))
        below.push_back(walk->path().lexically_relative(root).generic_string());
    }
    if (ec) {
      error = "cannot search " + input + ": " + ec.message();
      return false;
    }
    for (const std::string &relative : below)
      found.push_back(SceneEntry{join(input, relative), relative, "", ""});
    return true;
  }
  if (!fs::is_regular_file(input, ec)) {
    error = "no such scene file or folder: " + input;
    return false;
  }
  found.push_back(SceneEntry{input, fs::path(input).filename().generic_string(), "", ""});
  return true;
}

}  // namespace

bool parse_options(const std::vector<std::string> &words, BatchOptions &options, std::string &error) {
  std::vector<std::string> positional;
  bool options_end = false;
  for (std::size_t i = 0; i < words.size() && error.empty(); ++i) {
    const std::string &word = words[i];
    std::string value;
    if (options_end || word.empty() || word[0] != '-' || word == "-") {
      positional.push_back(word);
    } else if (word == "--") {
      options_end = true;
    } else if (word == "--dry-run") {
      options.dry_run = true;
    } else if (word == "--in-place") {
      options.in_place = true;
    } else if (word == "--force") {
      options.force = true;
    } else if (word == "--only-changed") {
      options.only_changed = true;
    } else if (option_value(words, i, "--out", value, error)) {
      options.out_dir = value;
      if (value.empty() && error.empty()) error = "--out needs a folder";
    } else if (option_value(words, i, "--plugin", value, error)) {
      options.plugin = value;
    } else if (option_value(words, i, "--report", value, error)) {
      const fs::path path(value);
      if (error.empty() && path.extension() != ".json" && path.extension() != ".md")
        error = "--report takes FILE.json or FILE.md, not " + value;
      options.reports.push_back(value);
    } else if (option_value(words, i, "--jobs", value, error)) {
      if (!error.empty()) break;
      const bool digits =
          !value.empty() && value.size() <= 4 && value.find_first_not_of("0123456789") == std::string::npos;
      options.jobs = digits ? std::stoi(value) : 0;
      if (options.jobs < 1) error = "--jobs takes a number from 1 to 9999, not " + value;
    } else {
      error = "unknown option " + word;
    }
  }
  if (!error.empty()) return false;
  if (positional.size() < 2) {
    error = positional.empty() ? "no script given" : "no scene file or folder given";
    return false;
  }
  options.script = positional[0];
  options.inputs.assign(positional.begin() + 1, positional.end());
  const int outputs = int(!options.out_dir.empty()) + int(options.dry_run) + int(options.in_place);
  if (outputs == 0)
    error = "say where the results go: --out DIR, --in-place (keeping NAME.lws.bak) or --dry-run";
  else if (outputs > 1) error = "--out, --in-place and --dry-run exclude one another";
  else if (options.force && !options.in_place) error = "--force goes with --in-place";
  return error.empty();
}

bool find_scenes(const BatchOptions &options, std::vector<SceneEntry> &scenes, std::string &error) {
  std::vector<SceneEntry> found;
  for (const std::string &input : options.inputs)
    if (!add_input(input, found, error)) return false;
  std::stable_sort(found.begin(), found.end(), [](const SceneEntry &a, const SceneEntry &b) {
    return sort_key(a.input) < sort_key(b.input);
  });
  scenes.clear();
  std::map<std::string, std::string> inputs;  // same-file key -> input
  for (SceneEntry &entry : found)
    if (inputs.emplace(same_file_key(entry.input), entry.input).second) scenes.push_back(std::move(entry));
  if (scenes.empty()) {
    error = "no scene files (.lws) found";
    return false;
  }

  std::map<std::string, std::string> outputs;  // same-file key -> input
  for (SceneEntry &entry : scenes) {
    if (options.in_place) {
      entry.output = entry.input;
      entry.backup = entry.input + ".bak";
      std::error_code ec;
      if (!options.force && fs::exists(entry.backup, ec)) {
        error = entry.backup + " exists already (--force replaces it)";
        return false;
      }
      continue;
    }
    if (options.out_dir.empty()) continue;
    entry.output = join(options.out_dir, entry.relative);
    const std::string key = same_file_key(entry.output);
    if (inputs.count(key) != 0) {
      error = entry.output +
              " is an input: --out must not overwrite the scenes it reads (--in-place does, "
              "keeping NAME.lws.bak)";
      return false;
    }
    auto taken = outputs.emplace(key, entry.input);
    if (!taken.second) {
      error = taken.first->second + " and " + entry.input + " would both be written to " + entry.output;
      return false;
    }
  }
  return true;
}

bool check_batch_script(const std::string &text, const std::string &name, std::string &error) {
  std::size_t start = 0;
  for (int number = 1; start <= text.size(); ++number) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    const std::string keyword = line.substr(first, line.find_first_of(" \t\r", first) - first);
    if (keyword == "load" || keyword == "save") {
      error = name + ":" + std::to_string(number) + ": a batch script has no " + keyword +
              ": the batch loads each scene before the script and saves it after";
      return false;
    }
  }
  return true;
}

}  // namespace qbhost::batch

// `qbhost batch`'s command line, and the scene files it names.
#pragma once

#include <string>
#include <vector>

namespace qbhost::batch {

struct BatchOptions {
  std::string plugin;               // empty: QB_Layout_Kit_A.p beside qbhost
  std::string script;               // the script file
  std::vector<std::string> inputs;  // scene files and folders, as given
  std::string out_dir;              // --out
  bool dry_run = false;
  bool in_place = false;
  bool force = false;  // --in-place over existing .bak files
  bool only_changed = false;
  int jobs = 0;                      // 0: the number of cores
  std::vector<std::string> reports;  // FILE.json and FILE.md
};

// The words after `batch`; false with the reason when they are not a run.
bool parse_options(const std::vector<std::string> &words, BatchOptions &options, std::string &error);

// One scene of the run.
struct SceneEntry {
  std::string input;     // as found: the folder given, then the path below it
  std::string relative;  // below the input it was found under, with '/'
  std::string output;    // empty: not written
  std::string backup;    // --in-place: NAME.lws.bak
};

// Every scene the inputs name: files as given, folders searched through for
// .lws files; sorted by path, each file once.  With the outputs and backups
// the options call for.  False with the reason when an input does not exist,
// there is no scene at all, two scenes would be written to one file, an
// output would overwrite an input, or a backup exists without --force.
bool find_scenes(const BatchOptions &options, std::vector<SceneEntry> &scenes, std::string &error);

// The script's statements, checked before any scene is touched: a batch loads
// and saves each scene itself, so a script with `load` or `save` is refused
// ("SCRIPT:LINE: ...").
bool check_batch_script(const std::string &text, const std::string &name, std::string &error);

}  // namespace qbhost::batch

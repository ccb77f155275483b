// The panel tools' work as the benchmarks start it.  Each lives in a file of
// its own: the tools' headers name their scope constants alike.
#pragma once

#include <string>

#include "host/core/host.h"

namespace qbbench {

// "QB:ItemVisible": the panel is opened once by its activation; a run sets
// the scope popup and presses Run, as a user does.
bool open_item_visible(qbhost::Host &host, std::string &error);
bool set_item_visible_scope(qbhost::Host &host, int scope, std::string &error);
bool press_item_visible_run(qbhost::Host &host, std::string &error);
int item_visible_all_items();
int item_visible_not_selection_with_children();

// The rename run on "All Item" in mode Replace or Regular Expression, with
// the panel's initial texts (_L_ to _R_, _[Ll]_ to _R_).
void run_rename_all_items(qbhost::Host &host, bool regular_expression);

// The layer replacement run on every mesh object against a directory.
void run_replace_all_meshes(qbhost::Host &host, const std::string &directory);

}  // namespace qbbench

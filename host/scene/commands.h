// The host commands the module sends ("SelectItem 0x10000000", ...), carried
// out on the scene model.  A refused command changes nothing.
#pragma once

#include <string>
#include <string_view>

#include "host/core/layer_tables.h"
#include "host/scene/scene.h"

namespace qbhost {

// What commands change besides the scene.
struct CommandEffects {
  std::string status;        // the argument of the last StatusMsg
  LayerTables layer_tables;  // object files ReplaceObjectLayer has read
};

// Runs one command text: true when done, false when refused.
bool execute_command(Scene &scene, CommandEffects &effects, std::string_view text);

// A hexadecimal item identifier with an optional 0x, nothing else around it.
bool parse_hex_id(std::string_view text, ItemId &id);

// The item name ReplaceObjectLayer gives: the file's base name without its
// extension, plus ":" and the layer name when the file has several layers.
std::string replaced_object_name(const std::string &path, const std::string &layer_name,
                                 std::size_t layer_count);

}  // namespace qbhost

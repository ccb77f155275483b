// The host service names the module looks up.  Shared with the stand-in host,
// which answers every name on these lists (the ones the module never uses
// with a placeholder) and null for names it does not know.
#pragma once

#include <array>
#include <string_view>

namespace qb {

// Looked up once per module lifetime by the first library layer; only the
// last five are ever used.
inline constexpr std::array<std::string_view, 56> kServiceTableNames = {
    "Animation Envelopes 2",
    "Channel Info 2",
    "Color Picker",
    "ContextMenuServices",
    "Directory Info",
    "File Request",
    "File Request 2",
    "File I/O 3",
    "Global Memory",
    "Image Utility 5",
    "LW Image List 8",
    "Info Messages 3",
    "Instance Update",
    "LW Backdrop Info 7",
    "LW Bone Info 6",
    "LW Camera Info 10",
    "LW Camera Evaluation Funcs 2",
    "LW Compositing Info 4",
    "LW Fog Info",
    "LW Light Info 6",
    "LW Light Evaluation Funcs 2",
    "LW Mesh Edit Funcs",
    "LW MTSE Funcs 2",
    "LW Particle Services 2",
    "LW Primitive Evaluation Funcs 2",
    "LW Render Info 5",
    "LW Scene Info 11",
    "LW Time Info",
    "LW Viewport Info 8",
    "LW Volumetric Functions 2",
    "LWXPanel 2",
    "LWShelfFuncs",
    "LSUniversalRequester",
    "LW Communication Ring",
    "LW Surface Editor Funcs 2",
    "Surface Functions 5",
    "Texture Functions 6",
    "Texture Editor 2",
    "Gradient Editor",
    "NodeFuncs 2",
    "NodeInputFuncs 5",
    "NodeOutputFuncs 4",
    "NodeDrawFuncs",
    "NodeUtilityFuncs",
    "RasterServices 2",
    "Scene Objects 8",
    "VParmFuncs 4",
    "LW Envelope Functions",
    "LW Dynamic Monitor 2",
    "LW Message Funcs",
    "LW Preview Funcs",
    "LW Command Interface",
    "LW Interface Info 7",
    "LW Item Info 8",
    "LW Object Info 12",
    "LWPanelServices 2",
};

// Fetched at every activation by the second library layer, in this order;
// the fetch stops at the first null answer.  "Instance Update" is listed
// twice on purpose: the list is the one the tools were written against.
// clang-format off
inline constexpr std::array<std::string_view, 34> kLwtool2ServiceNames = {
    "LW Bone Info 6",
    "LW Fog Info",
    "LW Camera Info 10",
    "LW Interface Info 7",
    "LW Item Info 8",
    "LW Object Info 12",
    "LW Scene Info 11",
    "LW Time Info",
    "LW Command Interface",
    "Animation Envelopes 2",
    "Channel Info 2",
    "Color Picker",
    "ContextMenuServices",
    "Directory Info",
    "File Request",
    "File Request 2",
    "Image Utility 5",
    "LW Image List 8",
    "Info Messages 3",
    "Instance Update",
    "Locale Info",
    "LWPanelServices 2",
    "RasterServices 2",
    "Scene Objects 8",
    "LWShelfFuncs",
    "Surface Functions 5",
    "LWXPanel 2",
    "LSUniversalRequester",
    "LW Communication Ring",
    "NodeInputFuncs 5",
    "NodeOutputFuncs 4",
    "NodeFuncs 2",
    "Instance Update",
    "LW Light Info 6",
};
// clang-format on

// The host generations the module serves: 2018 (activation version 6, texts
// in the host language's code page) and 2020 (version 7, texts in UTF-8;
// Layout 2020 to 2025), which renamed most services.
enum class Generation { Layout2018, Layout2020 };

struct ServiceRename {
  std::string_view before;  // the name on the lists above
  std::string_view after;   // the 2020 generation's
};

// Every name on the lists above that the 2020 generation changed; the others
// it keeps.  "LWShelfFuncs" became "LWShelfFuncs 2" in 2020 and "LWShelfFuncs
// 3" from 2023 on (service_name below).
inline constexpr std::array<ServiceRename, 23> kRenamedIn2020 = {{
    {"Animation Envelopes 2", "Animation Envelopes 4"},
    {"Channel Info 2", "Channel Info 3"},
    {"ContextMenuServices", "ContextMenuServices 2"},
    {"Directory Info", "Directory Info 2"},
    {"File Request 2", "File Request 3"},
    {"Image Utility 5", "Image Utility 6"},
    {"LW Image List 8", "LW Image List 9"},
    {"Info Messages 3", "Info Messages 4"},
    {"LW Bone Info 6", "LW Bone Info 7"},
    {"LW Scene Info 11", "LW Scene Info 12"},
    {"LW Viewport Info 8", "LW Viewport Info 9"},
    {"LWXPanel 2", "LWXPanel 3"},
    {"LWShelfFuncs", "LWShelfFuncs 3"},
    {"Surface Functions 5", "Surface Functions 6"},
    {"Texture Editor 2", "Texture Editor 3"},
    {"NodeFuncs 2", "NodeFuncs 3"},
    {"RasterServices 2", "RasterServices 4"},
    {"Scene Objects 8", "Scene Objects 9"},
    {"LW Command Interface", "LW Command Interface 2"},
    {"LW Interface Info 7", "LW Interface Info 8"},
    {"LW Item Info 8", "LW Item Info 9"},
    {"LW Object Info 12", "LW Object Info 14"},
    {"LWPanelServices 2", "LWPanelServices 3"},
}};

inline constexpr unsigned kFirstShelfFuncs3Year = 2023;

// The name under which a host of `generation` and model year `model_year`
// serves the service listed as `name`.
constexpr std::string_view service_name(Generation generation, std::string_view name, unsigned model_year) {
  if (generation == Generation::Layout2018) return name;
  if (name == "LWShelfFuncs" && model_year < kFirstShelfFuncs3Year) return "LWShelfFuncs 2";
  for (const ServiceRename &rename : kRenamedIn2020)
    if (rename.before == name) return rename.after;
  return name;
}

}  // namespace qb

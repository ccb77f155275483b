#!/usr/bin/env python3
"""Checks that the product's includes run one way.

    check_includes.py SOURCE_DIR

Reads every #include of the product's sources (abi/, platform/, lwo/,
toolkit/, tools/, plugin/, host/) and prints FILE:LINE and the rule for each
one that reaches a folder its own may not use; the status is 1 when there is
any.  The rules are the table below, one row per room: what its files may
include besides the standard library and the system's headers.
"""
import os
import re
import sys

SOURCE_SUFFIXES = (".h", ".hpp", ".c", ".cc", ".cpp", ".inc")
PRODUCT = ("abi", "platform", "lwo", "toolkit", "tools", "plugin", "host")
# Folders of the repository that are not the product: tests, benchmarks,
# fuzzers and examples may include the product, never the other way round.
OUTSIDE = ("tests", "bench", "fuzz", "examples")

TOOLKIT_BASE = ("toolkit/base/", "toolkit/text/")
TOOLKIT_FIRST = ("toolkit/items/",)

# room: (what it is called in a message, the rooms it may include)
RULES = {
    "abi": ("abi/", {"abi"}),
    "platform": ("platform/", {"platform"}),
    "lwo": ("lwo/", {"lwo"}),
    "base": ("the toolkit's base (toolkit/base/, toolkit/text/)", {"abi", "platform", "base"}),
    "first": ("the toolkit's first layer (toolkit/*, toolkit/items/)", {"abi", "platform", "base", "first"}),
    "lwtool2": ("the toolkit's second layer (toolkit/lwtool2/)", {"abi", "platform", "base", "lwtool2"}),
    "tools.h": ("tools/tools.h", {"abi", "platform", "base", "first", "lwtool2"}),
    "tool": (
        "a tool's folder (tools/NAME/)",
        {"abi", "platform", "base", "first", "lwtool2", "tools.h", "same tool"},
    ),
    "plugin": ("plugin/", {"abi", "platform", "base", "first", "lwtool2", "tools.h", "plugin"}),
    "host": ("host/", {"abi", "platform", "lwo", "host"}),
}
# What one tool's folder may include beyond what every tool may.
TOOL_EXTRAS = {
    "replace": {"lwo"},  # the object replacer reads layer tables from object files
}

INCLUDE = re.compile(r'^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>)')


def room_of(path):
    """The room of a repository path (with / separators); None outside the product."""
    top = path.split("/", 1)[0]
    if top in ("abi", "platform", "lwo", "plugin", "host"):
        return top
    if top == "toolkit":
        if path.startswith(TOOLKIT_BASE):
            return "base"
        if path.startswith("toolkit/lwtool2/"):
            return "lwtool2"
        if path.count("/") == 1 or path.startswith(TOOLKIT_FIRST):
            return "first"
        return "unplaced"
    if top == "tools":
        return "tools.h" if path == "tools/tools.h" else "tool"
    return None


def tool_of(path):
    return path.split("/")[1] if path.startswith("tools/") and path.count("/") >= 2 else None


def target_of(root, source, name, quoted):
    """The repository path an include names, or None for a header not of the project."""
    if quoted:
        beside = os.path.normpath(os.path.join(os.path.dirname(source), name)).replace(os.sep, "/")
        if os.path.isfile(os.path.join(root, beside)):
            return beside
    top = name.split("/", 1)[0]
    if "/" in name and (top in PRODUCT or top in OUTSIDE):
        return name
    return None


def check_file(root, path):
    faults = []
    room = room_of(path)
    if room == "unplaced":
        folder = path.rsplit("/", 1)[0]
        return [f"{path}:1: {folder}/ belongs to no toolkit layer (give it one in this check's table)"]
    what, allowed = RULES[room]
    if room == "tool":
        allowed = allowed | TOOL_EXTRAS.get(tool_of(path), set())
    with open(os.path.join(root, path), encoding="utf-8", errors="surrogateescape") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            name = match.group(1) or match.group(2)
            target = target_of(root, path, name, match.group(1) is not None)
            if target is None:
                continue
            target_room = room_of(target)
            if target_room == "tool" and tool_of(target) == tool_of(path):
                target_room = "same tool"
            if target_room in allowed:
                continue
            if target_room is None:
                reason = f"{target.split('/', 1)[0]}/ is not part of the product"
            elif target_room == "unplaced":
                reason = f"{target.rsplit('/', 1)[0]}/ belongs to no toolkit layer"
            else:
                reason = f"{what} may not include {RULES[target_room][0]}"
                if target_room == "tool":
                    reason = f"{what} may not include another tool's folder"
                elif room == "tool":
                    reason = f"tools/{tool_of(path)}/ may not include {RULES[target_room][0]}"
            faults.append(f'{path}:{number}: #include "{name}": {reason}')
    return faults


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root = argv[1]
    faults = []
    checked = 0
    for top in PRODUCT:
        for folder, dirs, files in os.walk(os.path.join(root, top)):
            dirs.sort()
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")
                faults.extend(check_file(root, path))
                checked += 1
    for fault in faults:
        print(fault)
    if checked == 0:
        print(f"{root}: no sources found", file=sys.stderr)
        return 1
    print(f"{checked} files checked, {len(faults)} includes against the direction")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/env python3
"""Writes COUNT scene files of ITEMS items each into FOLDER, for the batch benchmark.

    make_scenes.py FOLDER COUNT ITEMS

Each scene is a version 3 scene file as Layout writes one: a root null, then groups of a null and three
bones (names with _L_, for the rename script), each item with a motion block of its own, a light and a
camera. Scene i differs from the others in its frame range and its names, so no two files are alike.
"""
import os
import sys

folder, count, items = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])


def motion(lines, parent):
    lines += ["ObjectMotion" if parent is None or parent.startswith("1") else "BoneMotion", "NumChannels 9"]
    for channel in range(9):
        lines += [f"Channel {channel}", "{ Envelope", "  1", "  Key 0 0 0 0 0 0 0 0 0", "  Behaviors 1 1",
                  "}"]
    if parent is not None:
        lines.append(f"ParentItem {parent}")


os.makedirs(folder, exist_ok=True)
for scene in range(count):
    lines = ["LWSC", "3", "", "FirstFrame 1", f"LastFrame {60 + scene}", "", "AddNullObject Rig_Root",
             "ShowObject 6 7"]
    motion(lines, None)
    made, group = 1, 0
    while made < items - 2:
        lines += ["", f"AddNullObject Grp_L_{scene}_{group}", "ShowObject 6 7"]
        motion(lines, "10000000")
        made += 1
        for bone in range(min(3, items - 2 - made)):
            lines += ["", "AddBone", f"BoneName Bone_L_{group}_{bone}", "ShowBone 1 7"]
            motion(lines, None if bone == 0 else f"4{bone - 1:03x}{group + 1:04x}")
            lines.append("BoneActive 1")
            made += 1
        group += 1
    lines += ["", "AddLight", "LightName Key_Light", "ShowLight 1 5", "", "AddCamera", "CameraName Camera",
              "ShowCamera 1 2", ""]
    with open(os.path.join(folder, f"shot_{scene:04d}.lws"), "w", newline="\n") as f:
        f.write("\n".join(lines))

#!/usr/bin/env python3
"""qbhost batch, run as a pipeline runs it, on copies of the scenes beside this file.

    batch_test.py QBHOST_COMMAND FAULT_MODULE posix|win32

Every run happens in a scratch folder with relative paths, so the same checks hold for qbhost.exe under
Wine; the Windows run writes its inputs and output folder with backslashes and expects them back.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

QBHOST, FAULT_MODULE, PLATFORM = sys.argv[1], sys.argv[2], sys.argv[3]
HERE = os.path.dirname(os.path.abspath(__file__))
SEP = "\\" if PLATFORM == "win32" else "/"
RENAME = "select Rig\nactivate QB:NameReplace\nset 1 2\nok\nactivate QB:ToggleVisible Hide*\n"
failures = []


def check(what, actual, expected):
    if actual != expected:
        failures.append(f"{what}: expected {expected!r}, got {actual!r}")


def native(path):
    return path.replace("/", SEP)


def batch(cwd, *args):
    run = subprocess.run([QBHOST, "batch", *args], cwd=cwd, stdin=subprocess.DEVNULL, capture_output=True)
    return run.returncode, run.stderr.decode("utf-8", "replace").replace("\r\n", "\n")


def scratch():
    """A folder with the scenes, the fault scenes, the scripts and the fault module."""
    folder = tempfile.mkdtemp(prefix="qb-batch-")
    shutil.copytree(os.path.join(HERE, "scenes"), os.path.join(folder, "scenes"))
    shutil.copytree(os.path.join(HERE, "faults"), os.path.join(folder, "faults"))
    shutil.copy(FAULT_MODULE, os.path.join(folder, "fault.p"))
    with open(os.path.join(folder, "rename.qbs"), "w") as script:
        script.write(RENAME)
    with open(os.path.join(folder, "fault.qbs"), "w") as script:
        script.write("activate Test:Fault\n")
    return folder


def read(path):
    with open(path, "rb") as f:
        return f.read()


def tree(folder):
    """Every file below `folder`, by its path with '/', with its bytes."""
    files = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            files[os.path.relpath(path, folder).replace(os.sep, "/")] = read(path)
    return files


def report(folder, name="r.json"):
    with open(os.path.join(folder, name), encoding="utf-8") as f:
        return json.load(f)


# The scenes in sorted order, what becomes of each, and (for the changed ones) the lines their saved copy
# has in place of the original's.
SCENES = [
    ("broken/damaged.lws", "failed", None),
    ("broken/no_rig.lws", "failed", None),
    ("rig_a.lws", "changed", [(b"BoneName Arm_L_Up", b"BoneName Arm_R_Up"),
                              (b"BoneName Arm_L_Low", b"BoneName Arm_R_Low"),
                              (b"ParentItem 10000000\nShowObject 6 7",
                               b"ParentItem 10000000\nShowObject 0 7")]),
    ("shots/rig_b.lws", "changed", [(b"AddNullObject Leg_L_Goal", b"AddNullObject Leg_R_Goal")]),
    ("shots/still.lws", "unchanged", []),
]
CHANGES = {
    "rig_a.lws": [
        {"item": "0x40000000", "name": "Arm_L_Up", "what": "name", "before": "Arm_L_Up", "after": "Arm_R_Up"},
        {"item": "0x40010000", "name": "Arm_L_Low", "what": "name", "before": "Arm_L_Low",
         "after": "Arm_R_Low"},
        {"item": "0x10000001", "name": "Hide_Target", "what": "display", "before": 6, "after": 0},
        {"item": "0x10000001", "name": "Hide_Target", "what": "active", "before": True, "after": False},
    ],
    "shots/rig_b.lws": [
        {"item": "0x10000001", "name": "Leg_L_Goal", "what": "name", "before": "Leg_L_Goal",
         "after": "Leg_R_Goal"},
    ],
}


def expected_bytes(original, edits):
    text = original
    for old, new in edits:
        crlf_old, crlf_new = old.replace(b"\n", b"\r\n"), new.replace(b"\n", b"\r\n")
        text = text.replace(crlf_old, crlf_new) if crlf_old in text else text.replace(old, new)
    return text


def check_report(data, label, written, skip_unchanged=False):
    """The report field by field against the scenes; `written`: the output folder, or None for a dry run."""
    scenes = data["scenes"]
    check(f"{label}: inputs", [s["input"] for s in scenes], [native("scenes/" + rel) for rel, _, _ in SCENES])
    for scene, (rel, status, _) in zip(scenes, SCENES):
        where = f"{label}: {rel}"
        check(f"{where} status", scene["status"], status)
        goes = written is not None and status != "failed" and not (skip_unchanged and status == "unchanged")
        check(f"{where} output", scene["output"], native(written + "/" + rel) if goes else None)
        check(f"{where} error given", "error" in scene, status == "failed")
        check(f"{where} changes", scene["changes"], CHANGES.get(rel, []))
        saved_as = native(written + "/" + rel) if goes else native("scenes/" + rel)
        warnings = [f"{saved_as}: item \"Hide_Target\" "
                    "(0x10000001): scene files keep no active state for an object; the change is not saved"]
        check(f"{where} warnings", scene["warnings"], warnings if rel == "rig_a.lws" else [])
    check(f"{label}: damaged error",
          scenes[0].get("error", "").startswith("cannot load " + native("scenes/broken/damaged.lws")), True)
    check(f"{label}: script error", scenes[1].get("error"), "rename.qbs:1: no item named 'Rig'")
    check(f"{label}: summary", data["summary"], {
        "scenes": 5, "changed": 2, "unchanged": 1, "failed": 2,
        "items": {"renamed": 3, "re-parented": 0, "shown/hidden": 1, "activated/deactivated": 1,
                  "layers replaced": 0, "added": 0},
        "warnings": 1})


def check_outputs(folder, out, skip_unchanged=False):
    for rel, status, edits in SCENES:
        path = os.path.join(folder, out, rel)
        original = read(os.path.join(HERE, "scenes", rel))
        if status == "failed" or (skip_unchanged and status == "unchanged"):
            check(f"{out}/{rel} written", os.path.exists(path), False)
        else:
            check(f"{out}/{rel} bytes", read(path) if os.path.exists(path) else None,
                  expected_bytes(original, edits))
    leftovers = [name for name in tree(os.path.join(folder, out)) if not name.endswith(".lws")]
    check(f"{out}: files beside the scenes", leftovers, [])


def test_out_and_jobs():
    """--out with one and four jobs: the same report, the same files; a line per scene and a summary."""
    results = []
    for jobs in ("1", "4"):
        folder = scratch()
        rc, err = batch(folder, "--out", native("out/"), "--jobs", jobs, "--report", "r.json",
                        "--report", "r.md",
                        "rename.qbs", native("scenes/"), native("scenes/rig_a.lws"))
        check(f"jobs {jobs}: exit status", rc, 1)
        data = report(folder)
        check_report(data, f"jobs {jobs}", "out")
        check_outputs(folder, "out")
        for rel, status, _ in SCENES:
            check(f"jobs {jobs}: line of {rel}", any(line.startswith(f"{status} {native('scenes/' + rel)}")
                                                     for line in err.splitlines()), True)
        check(f"jobs {jobs}: summary table", "  scenes failed                 2" in err.splitlines(), True)
        check(f"jobs {jobs}: no progress bar off a terminal", "\r" in err, False)
        markdown = read(os.path.join(folder, "r.md")).decode("utf-8")
        check(f"jobs {jobs}: markdown summary row", "| 5 | 2 | 1 | 2 | 1 |" in markdown, True)
        check(f"jobs {jobs}: markdown change row",
              "| 0x40000000 | `Arm_L_Up` | name | `Arm_L_Up` | `Arm_R_Up` |" in markdown, True)
        results.append((read(os.path.join(folder, "r.json")), tree(os.path.join(folder, "out"))))
        shutil.rmtree(folder)
    check("jobs 1 and 4: report", results[0][0], results[1][0])
    check("jobs 1 and 4: files", results[0][1], results[1][1])


def test_dry_run_and_only_changed():
    folder = scratch()
    before = tree(folder)
    rc, _ = batch(folder, "--dry-run", "--report", "r.json", "rename.qbs", native("scenes/"))
    check("dry run: exit status", rc, 1)
    data = report(folder)
    check_report(data, "dry run", None)
    after = tree(folder)
    del after["r.json"]
    check("dry run: files", after, before)

    rc, _ = batch(folder, "--out", native("kept/"), "--only-changed", "--report", "r.json", "rename.qbs",
                  native("scenes/"))
    check("only changed: exit status", rc, 1)
    check_report(report(folder), "only changed", "kept", skip_unchanged=True)
    check_outputs(folder, "kept", skip_unchanged=True)
    shutil.rmtree(folder)


def test_in_place():
    folder = scratch()
    rc, _ = batch(folder, "--in-place", "rename.qbs", "scenes")
    check("in place: exit status", rc, 1)
    for rel, status, edits in SCENES:
        original = read(os.path.join(HERE, "scenes", rel))
        path = os.path.join(folder, "scenes", rel)
        if status == "failed":
            check(f"in place: {rel} kept", read(path), original)
            check(f"in place: {rel} no backup", os.path.exists(path + ".bak"), False)
        else:
            check(f"in place: {rel}", read(path), expected_bytes(original, edits))
            backup = path + ".bak"
            check(f"in place: {rel}.bak", read(backup) if os.path.exists(backup) else None, original)
    before = tree(folder)
    rc, err = batch(folder, "--in-place", "rename.qbs", "scenes")
    check("in place again: refused", rc, 2)
    check("in place again: names a backup", ".lws.bak exists already (--force replaces it)" in err, True)
    check("in place again: nothing touched", tree(folder), before)
    # Names are mirrored already; the toggle shows Hide_Target again.
    rc, _ = batch(folder, "--in-place", "--force", "--report", "r.json", "rename.qbs", "scenes")
    check("in place forced: exit status", rc, 1)
    check("in place forced: statuses", [s["status"] for s in report(folder)["scenes"]],
          ["failed", "failed", "changed", "unchanged", "unchanged"])
    check("in place forced: backups are the last inputs", read(os.path.join(folder, "scenes/rig_a.lws.bak")),
          before["scenes/rig_a.lws"])
    shutil.rmtree(folder)


def test_usage():
    """Bad usage ends with status 2 before any scene is touched."""
    cases = [
        ("no output", ["rename.qbs", "scenes"], "say where the results go"),
        ("two outputs", ["--out", "out", "--dry-run", "rename.qbs", "scenes"], "exclude one another"),
        ("no such input", ["--out", "out", "rename.qbs", "nothing"], "no such scene file or folder: nothing"),
        ("output over input", ["--out", "scenes", "rename.qbs", "scenes/rig_a.lws"], "is an input"),
        ("two scenes, one output", ["--out", "out", "rename.qbs", "scenes/shots", "other"],
         "would both be written"),
        ("script with load", ["--out", "out", "load.qbs", "scenes"],
         "load.qbs:2: a batch script has no load"),
        ("bad report name", ["--out", "out", "--report", "r.txt", "rename.qbs", "scenes"],
         "FILE.json or FILE.md"),
        ("jobs not a number", ["--out", "out", "--jobs", "0", "rename.qbs", "scenes"], "--jobs takes"),
    ]
    folder = scratch()
    os.mkdir(os.path.join(folder, "other"))
    shutil.copy(os.path.join(folder, "scenes/shots/still.lws"), os.path.join(folder, "other"))
    with open(os.path.join(folder, "load.qbs"), "w") as script:
        script.write("# the batch does this\nload scenes/rig_a.lws\nactivate QB:NameReplace\n")
    before = tree(folder)
    for label, args, says in cases:
        rc, err = batch(folder, *args)
        check(f"usage {label}: exit status", rc, 2)
        check(f"usage {label}: message", says in err, True)
        check(f"usage {label}: nothing touched", tree(folder), before)
    shutil.rmtree(folder)


def test_faults():
    """A crash and a trap cost their scenes alone; every scene gets a freshly loaded module."""
    reports = []
    for jobs in ("1", "2"):
        folder = scratch()
        rc, _ = batch(folder, "--plugin", "fault.p", "--out", "out", "--jobs", jobs, "--report", "r.json",
                      "fault.qbs", native("faults/"))
        check(f"faults jobs {jobs}: exit status", rc, 1)
        scenes = report(folder)["scenes"]
        check(f"faults jobs {jobs}: statuses", [(s["input"], s["status"]) for s in scenes],
              [(native("faults/" + n), st) for n, st in [
                  ("count_1.lws", "changed"), ("count_2.lws", "changed"), ("count_3.lws", "changed"),
                  ("crash.lws", "failed"), ("trap.lws", "failed"), ("z_count.lws", "changed")]])
        check(f"faults jobs {jobs}: fresh module", [c["after"] for s in scenes for c in s["changes"]],
              ["Count_1"] * 4)
        check(f"faults jobs {jobs}: crash", "the worker ended with " in scenes[3].get("error", ""), True)
        check(f"faults jobs {jobs}: trap", scenes[4].get("error"),
              "host: unexpected call of LWItemInfo.target (the worker ended with status 3)")
        check(f"faults jobs {jobs}: outputs", sorted(tree(os.path.join(folder, "out"))),
              ["count_1.lws", "count_2.lws", "count_3.lws", "z_count.lws"])
        # What a crashing process says may hold its process id (a sanitizer's report does).
        data = report(folder)
        data["scenes"][3]["error"] = "crashed"
        reports.append(data)
        shutil.rmtree(folder)
    check("faults: jobs 1 and 2 give one report", reports[0], reports[1])


for test in (test_out_and_jobs, test_dry_run_and_only_changed, test_in_place, test_usage, test_faults):
    test()
for failure in failures:
    print("FAIL", failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)

#!/usr/bin/env python3
"""The batch benchmark: 1,000 generated scenes of 1,000 items each, renamed by qbhost batch.

    batch_bench.py QBHOST [--scenes N] [--items N] [--folder DIR]

Prints, per scene: the cost of loading and saving the scene alone (a qbhost run of `load` and `save`,
which loads the module too, as every run does), the batch's cost with --jobs 1, and its throughput with
--jobs 1 and --jobs = the number of cores; and the peak memory of one worker over all the scenes. Exits 1
when a target is missed: --jobs 1 at most 1.5x the cost of loading and saving alone, and on two or more
cores --jobs 2 at least 1.7x the throughput of --jobs 1. The scenes are written into a temporary folder
and removed at the end.
"""
import argparse
import json
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RENAME = "activate QB:NameReplace\nset 1 2\nok\n"

parser = argparse.ArgumentParser()
parser.add_argument("qbhost")
parser.add_argument("--scenes", type=int, default=1000)
parser.add_argument("--items", type=int, default=1000)
parser.add_argument("--folder", default=None)
args = parser.parse_args()
cores = os.cpu_count() or 1
here = os.path.dirname(os.path.abspath(__file__))
work = tempfile.mkdtemp(prefix="qb-batch-bench-", dir=args.folder)


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def timed(command, **kwargs):
    """Wall and CPU seconds of a command and its processes."""
    cpu, start = children_cpu(), time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
    return time.perf_counter() - start, children_cpu() - cpu


try:
    scenes = os.path.join(work, "scenes")
    subprocess.run([sys.executable, os.path.join(here, "make_scenes.py"), scenes, str(args.scenes),
                    str(args.items)], check=True)
    names = sorted(os.listdir(scenes))
    with open(os.path.join(work, "rename.qbs"), "w") as f:
        f.write(RENAME)

    # Loading and saving one scene alone, as a plain qbhost run does it: the median of 50 scenes.
    alone = []
    for name in names[:50]:
        script = os.path.join(work, "alone.qbs")
        with open(script, "w") as f:
            f.write(f'load "{os.path.join(scenes, name)}"\nsave "{os.path.join(work, "alone.lws")}"\n')
        alone.append(timed([args.qbhost, script]))
    alone_wall = statistics.median(w for w, _ in alone)
    alone_cpu = statistics.median(c for _, c in alone)

    runs = {}
    for jobs in sorted({1, 2, cores}):
        if jobs > cores:
            continue
        out = os.path.join(work, f"out{jobs}")
        runs[jobs] = timed([args.qbhost, "batch", "--jobs", str(jobs), "--out", out,
                            os.path.join(work, "rename.qbs"), scenes])
        shutil.rmtree(out)

    # One worker through every scene, started by a process of its own, so that the peak is the worker's.
    plugin = os.path.join(os.path.dirname(os.path.abspath(args.qbhost)), "QB_Layout_Kit_A.p")
    tasks = [json.dumps({"plugin": plugin, "script": RENAME, "script_name": "rename.qbs"})]
    tasks += [json.dumps({"input": os.path.join(scenes, n), "output": "", "backup": "",
                          "write_unchanged": True}) for n in names]
    with open(os.path.join(work, "tasks"), "w") as f:
        f.write("\n".join(tasks) + "\n")
    probe = ("import resource, subprocess, sys\n"
             "subprocess.run([sys.argv[1], 'batch-worker'], stdin=open(sys.argv[2]),\n"
             "               stdout=subprocess.DEVNULL)\n"
             "print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)\n")
    peak_kib = subprocess.run([sys.executable, "-c", probe, args.qbhost, os.path.join(work, "tasks")],
                              check=True, capture_output=True, text=True).stdout
    peak_mib = int(peak_kib) / 1024

    count = len(names)
    one_wall, one_cpu = runs[1]
    print(f"batch benchmark: {count} scenes of {args.items} items, a rename script, {cores} cores")
    print(f"  load and save alone (qbhost run)   {alone_wall * 1000:8.2f} ms wall  "
          f"{alone_cpu * 1000:8.2f} ms CPU")
    for jobs, (wall, cpu) in sorted(runs.items()):
        print(f"  batch --jobs {jobs:<3}  per scene         {wall / count * 1000:8.2f} ms wall  "
              f"{cpu / count * 1000:8.2f} ms CPU  {count / wall:8.1f} scenes/s")
    ratio = (one_wall / count) / alone_wall
    print(f"  --jobs 1 per scene / alone          {ratio:8.2f}x (target at most 1.5x)")
    missed = ratio > 1.5
    if 2 in runs:
        speedup = one_wall / runs[2][0]
        print(f"  --jobs 2 throughput / --jobs 1      {speedup:8.2f}x (target at least 1.7x)")
        missed = missed or speedup < 1.7
    print(f"  peak memory of one worker           {peak_mib:8.1f} MiB")
    sys.exit(1 if missed else 0)
finally:
    shutil.rmtree(work, ignore_errors=True)

#!/usr/bin/env bash
# Runs one trace test: qbhost executes SCRIPT (NAME.qbs) from the script's own
# folder, in host generation GENERATION (2018 or 2020; default 2018), and
# qb_trace_check matches its standard output, standard error and exit status
# against the script's CHECK lines (tests/trace/README.md).
#
# A script whose first lines hold "# requires: realdata" is skipped (exit 77)
# when ../shared/realdata is not beside the project.
#
# Set QB_UPDATE=1 to bring the script's expectations up to date: the diff of
# what changed is printed; read it.
set -u
qbhost=$1
checker=$2
script=$3
generation=${4:-2018}
dir=$(dirname "$script")
base=$(basename "$script")

if grep -q '^# requires: realdata' "$script" && [ ! -d "${QB_REALDATA:-/nonexistent}" ]; then
  echo "skipped: the real data folder is absent"
  exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
(cd "$dir" && "$qbhost" --generation "$generation" "$base" >"$tmp/stdout" 2>"$tmp/stderr" </dev/null)
rc=$?

if [ "${QB_UPDATE:-0}" = 1 ]; then
  "$checker" "$script" "$tmp/stdout" "$tmp/stderr" "$rc" --update "$tmp/new.qbs"
  fixed=$?
  if ! diff -u "$script" "$tmp/new.qbs"; then
    cp "$tmp/new.qbs" "$script"
    echo "updated $script"
  fi
  [ "$fixed" -eq 0 ] || exit 1
fi
"$checker" "$script" "$tmp/stdout" "$tmp/stderr" "$rc"

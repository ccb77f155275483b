#!/usr/bin/env bash
# Runs one trace test: qbhost executes SCRIPT (NAME.qbs) from the script's own
# folder, and what it prints must equal NAME.out byte for byte.  Standard error
# follows standard output as "# stderr: " lines, and a non-zero exit status as
# a last "# exit N" line, so that error cases are golden files too.
#
# A script whose first lines hold "# requires: realdata" is skipped (exit 77)
# when ../shared/realdata is not beside the project.
#
# Set QB_UPDATE=1 to rewrite NAME.out from the actual output.
set -u
qbhost=$1
script=$2
expected=${script%.qbs}.out
dir=$(dirname "$script")
base=$(basename "$script")

if grep -q '^# requires: realdata' "$script" && [ ! -d "${QB_REALDATA:-/nonexistent}" ]; then
  echo "skipped: the real data folder is absent"
  exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
(cd "$dir" && "$qbhost" "$base" >"$tmp/stdout" 2>"$tmp/stderr" </dev/null)
rc=$?
{
  cat "$tmp/stdout"
  sed 's/^/# stderr: /' "$tmp/stderr"
  [ "$rc" -ne 0 ] && echo "# exit $rc"
} >"$tmp/actual"

if [ "${QB_UPDATE:-0}" = 1 ]; then
  cp "$tmp/actual" "$expected"
  echo "updated $expected"
  exit 0
fi
if [ ! -f "$expected" ]; then
  echo "missing expected output $expected; actual output:"
  cat "$tmp/actual"
  exit 1
fi
if ! diff -u "$expected" "$tmp/actual"; then
  echo "trace differs: $script"
  exit 1
fi

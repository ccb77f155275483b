#!/usr/bin/env bash
# run_trace.sh QBHOST CHECKER SCRIPT [windows|posix [FOLDER [GENERATION]]]
#
# Runs one trace test: qbhost executes SCRIPT (NAME.qbs) from the script's own
# folder, or from FOLDER when one is given (the script is then named by its
# path from there), in host generation GENERATION (2018 or 2020; default
# 2018), and qb_trace_check matches its standard output, standard error and
# exit status against the script's CHECK lines (tests/trace/README.md).
# "windows" says that QBHOST is the Windows build: path separator placeholders
# are filled with backslashes.  A script that holds such placeholders reaches
# qbhost filled, on its standard input.  FOLDER "-" is the script's own.
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
system=()
[ "${4:-}" = windows ] && system=(--windows)
generation=${6:-2018}
dir=$(dirname "$script")
base=$(basename "$script")
if [ -n "${5:-}" ] && [ "$5" != - ]; then
  base=$(realpath --relative-to="$5" "$script")
  dir=$5
fi

if grep -q '^# requires: realdata' "$script" && [ ! -d "${QB_REALDATA:-/nonexistent}" ]; then
  echo "skipped: the real data folder is absent"
  exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
input=/dev/null
name=$base
if grep -qF -e '[[SEP]]' -e '[[QSEP]]' "$script"; then
  "$checker" "${system[@]}" --fill "$script" >"$tmp/filled.qbs" || exit 2
  input=$tmp/filled.qbs
  name=-
fi
run() {
  (cd "$dir" && "$qbhost" --generation "$generation" "$name" >"$tmp/stdout" 2>"$tmp/stderr" <"$input")
}
run
rc=$?
# Now and then Wine fails to start a program at all (nothing printed, an
# exit status of its own) while another test's wineserver comes or goes; a
# program that starts and fails prints something, and fails again.
if [ ${#system[@]} -gt 0 ] && [ "$rc" -ne 0 ] && [ ! -s "$tmp/stdout" ]; then
  echo "run_trace: nothing printed (status $rc, stderr: $(head -c 300 "$tmp/stderr")); running it again"
  run
  rc=$?
fi

if [ "${QB_UPDATE:-0}" = 1 ]; then
  "$checker" "${system[@]}" "$script" "$tmp/stdout" "$tmp/stderr" "$rc" --update "$tmp/new.qbs"
  fixed=$?
  if ! diff -u "$script" "$tmp/new.qbs"; then
    cp "$tmp/new.qbs" "$script"
    echo "updated $script"
  fi
  [ "$fixed" -eq 0 ] || exit 1
fi
"$checker" "${system[@]}" "$script" "$tmp/stdout" "$tmp/stderr" "$rc"
checked=$?
if [ "$checked" -ne 0 ]; then
  echo "run_trace: qbhost ended with status $rc; its standard error began:"
  head -c 2000 "$tmp/stderr"
fi
exit "$checked"

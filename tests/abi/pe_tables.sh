#!/usr/bin/env bash
# Checks a Windows build's binaries through objdump: the module is a PE32+
# DLL whose only export is _mod_descrip, and the module and every program
# import from system DLLs alone (the C and C++ runtimes are linked in).
#   pe_tables.sh OBJDUMP MODULE [PROGRAM...]
set -u
objdump=$1; module=$2; shift 2
system_dlls='^(KERNEL32|msvcrt|USER32|ADVAPI32|ntdll)\.dll$'
status=0
complain() { echo "pe tables: $*"; status=1; }

headers=$("$objdump" -p "$module") || { echo "pe tables: objdump cannot read $module"; exit 1; }
grep -q 'file format pei-x86-64' <<<"$headers" || complain "$module is not a PE file for x86-64"
grep -Eq '^Magic[[:space:]]+020b' <<<"$headers" || complain "$module is not PE32+"
sed -n '/^Characteristics/,/^$/p' <<<"$headers" | grep -qw DLL || complain "$module is not marked as a DLL"

# The export table's name list: "[ordinal] name" lines after the name table header.
exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | grep -E '^[[:space:]]+\[' | awk '{print $NF}')
[ "$exports" = "_mod_descrip" ] || complain "$module exports [$(echo $exports)], not _mod_descrip alone"

for binary in "$module" "$@"; do
  dlls=$("$objdump" -p "$binary" | awk '/DLL Name:/ {print $3}')
  [ -n "$dlls" ] || complain "$binary lists no imported DLL at all"
  for dll in $dlls; do
    grep -Eiq "$system_dlls" <<<"$dll" || complain "$binary needs $dll, which is not a system DLL"
  done
  echo "$(basename "$binary"): imports $(echo $dlls)"
done
echo "$(basename "$module"): exports $(echo $exports)"
exit $status

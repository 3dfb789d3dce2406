#!/usr/bin/env bash
# Checks the shipped TollimerCheck.exe as a file: a GUI program that imports
# only system DLLs, and at most 192 KiB (wide paths of any length, the
# writer that holds the file, the report window: 136 KiB in December 2026).
# Usage: check-exe-file.sh TollimerCheck.exe i686-w64-mingw32-objdump
set -euo pipefail
exe=$1 objdump=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

headers=$("$objdump" -p "$exe")

# KERNEL32 and USER32 for the program, msvcrt for the C runtime that the
# static C++ runtime sits on.
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'a-z' 'A-Z' | sort -u | tr '\n' ' ')
echo "imports: $imports"
for name in $imports; do
  case "$name" in
    KERNEL32.DLL | USER32.DLL | MSVCRT.DLL) ;;
    *) fail "imports $name" ;;
  esac
done

subsystem=$(sed -n 's/^Subsystem\s*//p' <<<"$headers")
echo "subsystem: $subsystem"
[[ $subsystem == 00000002* ]] || fail "not a GUI program (subsystem 2)"

size=$(stat -c %s "$exe")
echo "size: $size bytes"
[[ $size -le 196608 ]] || fail "larger than 192 KiB"

exit "$failed"

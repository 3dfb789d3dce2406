#!/usr/bin/env bash
# Checks the shipped TollimerCheck.exe as a file: a GUI program that imports
# only system DLLs that Windows loads from System32 whatever lies beside the
# program (Known DLLs), and at most 224 KiB.
# Usage: check-exe-file.sh TollimerCheck.exe i686-w64-mingw32-objdump
set -euo pipefail
exe=$1 objdump=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

headers=$("$objdump" -p "$exe")

# KERNEL32 and USER32 for the program, msvcrt for the C runtime that the
# static C++ runtime sits on, GDI32 for the report window's fonts and text
# measuring. Any other DLL is loaded after main restricts the DLL search to
# System32 (src/check/SystemLibrary.h): an import resolves before main, from
# the program's folder first unless Windows knows the DLL.
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'a-z' 'A-Z' | sort -u | tr '\n' ' ')
echo "imports: $imports"
for name in $imports; do
  case "$name" in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | MSVCRT.DLL) ;;
    *) fail "imports $name" ;;
  esac
done

subsystem=$(sed -n 's/^Subsystem\s*//p' <<<"$headers")
echo "subsystem: $subsystem"
[[ $subsystem == 00000002* ]] || fail "not a GUI program (subsystem 2)"

size=$(stat -c %s "$exe")
echo "size: $size bytes"
# 119,296 bytes before the wide paths, the writer that holds the file, the
# corrections of what Japanese users write, the report window and the
# elevated correction; 194,560 with them (December 2026).
[[ $size -le 229376 ]] || fail "larger than 224 KiB"

exit "$failed"

#!/usr/bin/env bash
# Checks the shipped Tollimer.dll as a file: what it imports, that no C++
# exception support was linked in, its size, and that it allows
# structured-exception handlers (the host-call guard needs them).
# Usage: check-dll-file.sh Tollimer.dll Tollimer.map i686-w64-mingw32-objdump
set -euo pipefail
dll=$1 map=$2 objdump=$3
failed=0
fail() { echo "FAIL: $*"; failed=1; }

headers=$("$objdump" -p "$dll")

imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'a-z' 'A-Z' | sort -u | tr '\n' ' ')
echo "imports: $imports"
for name in $imports; do
  case "$name" in
    KERNEL32.DLL | USER32.DLL | MSVCRT.DLL) ;;
    *) fail "imports $name" ;;
  esac
done

exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | grep -c 'BKC_' || true)
[[ $exports -eq 15 ]] || fail "exports $exports BKC_ names, not 15"

for symbol in __cxa_throw __cxa_begin_catch _Unwind_Resume __gxx_personality_v0 __gxx_personality_sj0; do
  if grep -q "$symbol" "$map"; then fail "links $symbol"; fi
done

size=$(stat -c %s "$dll")
echo "size: $size bytes"
[[ $size -le 32768 ]] || fail "larger than 32 KiB"

characteristics=$(sed -n 's/^DllCharacteristics\s*//p' <<<"$headers")
echo "DllCharacteristics: $characteristics"
(( (16#$characteristics & 0x0400) == 0 )) || fail "marked NO_SEH"

exit "$failed"

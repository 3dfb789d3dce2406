#!/usr/bin/env bash
# Checks the shipped Tollimer.dll as a file: exactly which functions it
# imports, that it links no C runtime and no C++ exception support, that
# nothing runs before its DllMain (no constructors, no TLS callbacks), its
# size, and that it allows structured-exception handlers (the host-call guard
# needs them).
# Usage: check-dll-file.sh Tollimer.dll Tollimer.map i686-w64-mingw32-objdump src/plugin/imports
set -euo pipefail
dll=$1 map=$2 objdump=$3 imports_dir=$4
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Every function the plug-in calls, and nothing else: the lists it links
# against (src/plugin/imports/).
expected_imports=$(for def in "$imports_dir"/*.def; do
  library=$(sed -n 's/^LIBRARY \(.*\)$/\1/p' "$def" | tr 'a-z' 'A-Z')
  sed -n 's/^  \([A-Za-z]*\)@[0-9]*$/\1/p' "$def" | sed "s/^/$library!/"
done)
[[ -n $expected_imports ]] || fail "no import lists in $imports_dir"

headers=$("$objdump" -p "$dll")

imports=$(awk '
  /DLL Name:/ { dll = toupper($3); next }
  /^$/ { dll = "" }
  dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll "!" $3 }' <<<"$headers" | sort)
echo "imports: $(tr '\n' ' ' <<<"$imports")"
unexpected=$(comm -13 <(sort <<<"$expected_imports" | sed '/^$/d') <(echo "$imports"))
missing=$(comm -23 <(sort <<<"$expected_imports" | sed '/^$/d') <(echo "$imports"))
[[ -z $unexpected ]] || fail "imports what it should not: $(tr '\n' ' ' <<<"$unexpected")"
[[ -z $missing ]] || fail "no longer imports (update the list): $(tr '\n' ' ' <<<"$missing")"

exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | grep -c 'BKC_' || true)
[[ $exports -eq 15 ]] || fail "exports $exports BKC_ names, not 15"

for symbol in __cxa_throw __cxa_begin_catch _Unwind_Resume __gxx_personality_v0 __gxx_personality_sj0 \
              atexit _onexit __dll_exit DllMainCRTStartup _pei386_runtime_relocator __mingw_TLScallback; do
  if grep -q "$symbol" "$map"; then fail "links $symbol"; fi
done
# Every input section of the link comes from the project's own sources
# (CMake names their objects <source>.obj, the resource <source>.res);
# an object of libmingw32, libmsvcrt, libstdc++ or libgcc would be an .o.
others=$(grep -oE '^[0-9a-f]+ +[0-9a-f]+ +[0-9]+ +[^ ]+:\(' "$map" | awk '{print $4}' | sed 's/:($//' \
  | grep -vE '\.(cpp|S)\.obj$|\.rc\.res$' | sort -u || true)
[[ -z $others ]] || fail "links from $(tr '\n' ' ' <<<"$others")"

# Constant initialisation only: an input section of constructors, of
# initialisers or of thread-local data in the link map means code that would
# have to run before DllMain, which nothing here would run.
initialisers=$(grep -E '^[0-9a-f]+ +[0-9a-f]+ .*:\(\.(ctors|dtors|init_array|fini_array|CRT|tls)' "$map" \
  | grep -vE '^[0-9a-f]+ +0+ ' || true)
[[ -z $initialisers ]] || fail "has initialisers: $initialisers"
grep -qE 'Entry 9 0+ 0+ Thread Storage Directory' <<<"$headers" || fail "has a TLS directory"
entry=$(sed -n 's/^AddressOfEntryPoint\s*//p' <<<"$headers")
(( 16#$entry != 0 )) || fail "no entry point"

size=$(stat -c %s "$dll")
echo "size: $size bytes"
[[ $size -le 14336 ]] || fail "larger than 14 KiB"

characteristics=$(sed -n 's/^DllCharacteristics\s*//p' <<<"$headers")
echo "DllCharacteristics: $characteristics"
(( (16#$characteristics & 0x0400) == 0 )) || fail "marked NO_SEH"

exit "$failed"

#!/usr/bin/env bash
# Checks the shipped Tollimer.dll as a file: exactly which functions it
# imports, that it links no C runtime and no C++ exception support, that
# nothing runs before its DllMain (no constructors, no TLS callbacks), its
# size, and that it allows structured-exception handlers (the host-call guard
# needs them).
# Usage: check-dll-file.sh Tollimer.dll Tollimer.map i686-w64-mingw32-objdump
set -euo pipefail
dll=$1 map=$2 objdump=$3
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Every function the plug-in calls, and nothing else.
expected_imports="
KERNEL32.DLL!CloseHandle
KERNEL32.DLL!CreateFileA
KERNEL32.DLL!FileTimeToDosDateTime
KERNEL32.DLL!FileTimeToLocalFileTime
KERNEL32.DLL!FileTimeToSystemTime
KERNEL32.DLL!FindClose
KERNEL32.DLL!FindFirstFileA
KERNEL32.DLL!FormatMessageA
KERNEL32.DLL!GetFileSizeEx
KERNEL32.DLL!GetFullPathNameA
KERNEL32.DLL!GetLastError
KERNEL32.DLL!GetModuleFileNameA
KERNEL32.DLL!GetModuleHandleA
KERNEL32.DLL!GetProcAddress
KERNEL32.DLL!GetProcessHeap
KERNEL32.DLL!HeapAlloc
KERNEL32.DLL!HeapFree
KERNEL32.DLL!OutputDebugStringA
KERNEL32.DLL!ReadFile
KERNEL32.DLL!RtlUnwind
KERNEL32.DLL!SetLastError
USER32.DLL!GetMenu
USER32.DLL!GetMenuItemCount
USER32.DLL!GetMenuItemID
USER32.DLL!GetMenuState
USER32.DLL!GetSubMenu
USER32.DLL!KillTimer
USER32.DLL!SendMessageA
USER32.DLL!SetTimer"

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
# Archive members pulled into the link: import stubs of the two system DLLs
# and libgcc's helpers only (no libmingw32, libmsvcrt, libstdc++).
others=$(grep -oE '^[^ ]*lib[a-z0-9_]+\.a\(' "$map" | grep -vE '/lib(kernel32|user32|gcc)\.a\(|libtollimer_' | sort -u || true)
[[ -z $others ]] || fail "links from $(tr '\n' ' ' <<<"$others")"

# Constant initialisation only: an input section of constructors, of
# initialisers or of thread-local data in the link map means code that would
# have to run before DllMain, which nothing here would run.
initialisers=$(grep -E '^ \.(ctors|dtors|init_array|fini_array|tls)[^ ]*\s+0x[0-9a-f]+\s+0x[0-9a-f]+ ' "$map" \
  | grep -vE '\s0x0+ ' || true)
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

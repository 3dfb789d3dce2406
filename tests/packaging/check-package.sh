#!/usr/bin/env bash
# Makes the release zip with CPack into a folder of its own and checks it:
# exactly the four files, the DLL as built, and text files that Windows
# editors open as intended (CRLF line ends, the Japanese read-me in
# Shift-JIS).
# Usage: check-package.sh <build dir> <built Tollimer.dll> <scratch dir>
set -euo pipefail
build=$1 dll=$2 scratch=$3
failed=0
fail() { echo "FAIL: $*"; failed=1; }

rm -rf "$scratch"
mkdir -p "$scratch"
cpack --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; exit 1; }
zip="$scratch/Tollimer-1.0-win32.zip"
[[ -f "$zip" ]] || { echo "FAIL: no $zip"; ls "$scratch"; exit 1; }

echo "content of $(basename "$zip"):"
unzip -Z1 "$zip" | sort | tee "$scratch/content.txt"
expected="Tollimer-1.0-win32/ReadMe-en.txt
Tollimer-1.0-win32/ReadMe-ja.txt
Tollimer-1.0-win32/Tollimer.dll
Tollimer-1.0-win32/Tollimer.ini"
[[ "$(cat "$scratch/content.txt")" == "$expected" ]] || fail "the zip holds other files than: $expected"

unzip -q "$zip" -d "$scratch/unpacked"
files="$scratch/unpacked/Tollimer-1.0-win32"
cmp -s "$files/Tollimer.dll" "$dll" || fail "Tollimer.dll differs from the built one"

for text in Tollimer.ini ReadMe-en.txt ReadMe-ja.txt; do
  lines=$(wc -l <"$files/$text")
  crlf=$(grep -c $'\r$' "$files/$text" || true)
  [[ $lines -gt 10 && $lines -eq $crlf ]] || fail "$text: $crlf of $lines lines end in CRLF"
done
for text in Tollimer.ini ReadMe-en.txt; do
  LC_ALL=C grep -q $'[\x80-\xff]' "$files/$text" && fail "$text: not plain ASCII"
done

# Shift-JIS that decodes, is no UTF-8, and says what the English one says.
japanese=$(iconv -f CP932 -t UTF-8 "$files/ReadMe-ja.txt") || fail "ReadMe-ja.txt: not Shift-JIS"
iconv -f UTF-8 -t UTF-8 "$files/ReadMe-ja.txt" >/dev/null 2>&1 && fail "ReadMe-ja.txt: UTF-8, not Shift-JIS"
for phrase in "インストール" "アンインストール" "InterbalMinute=10" "ConnectWaitMilliSecond=1000" "Tollimer.dll"; do
  grep -qF "$phrase" <<<"$japanese" || fail "ReadMe-ja.txt: no \"$phrase\""
done
for phrase in "Install" "Uninstall" "InterbalMinute=10" "ConnectWaitMilliSecond=1000" "plug-ins folder"; do
  grep -qF "$phrase" "$files/ReadMe-en.txt" || fail "ReadMe-en.txt: no \"$phrase\""
done

# The sample settings: the section and both keys with their defaults, as
# lines of their own, and the note on the key's spelling.
for line in "[Env]" "InterbalMinute=10" "ConnectWaitMilliSecond=1000"; do
  grep -qxF "$line"$'\r' "$files/Tollimer.ini" || fail "Tollimer.ini: no line \"$line\""
done
grep -q 'really is spelled "InterbalMinute"' "$files/Tollimer.ini" || fail "Tollimer.ini: no note on the spelling"

[[ $failed -eq 0 ]] && echo "package ok"
exit "$failed"

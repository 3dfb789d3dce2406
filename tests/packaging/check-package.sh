#!/usr/bin/env bash
# Makes the release zip twice, at different times, with different local time
# zones and umasks, into folders of its own, and checks it: the same bytes
# both times; exactly the release's files, in their fixed order, dated at the
# commit's time, mode 0644; the programs as built; text files that Windows
# editors open as intended; the licence; and SHA256SUMS beside the zip, which
# `sha256sum -c` accepts.
# Usage: check-package.sh <source dir> <build dir> <built Tollimer.dll> <1 if TollimerCheck.exe is built> <scratch dir>
#                         <product name> <product version>
set -euo pipefail
source=$1 build=$2 dll=$3 has_check=$4 scratch=$5 product=$6 version=$7
failed=0
fail() { echo "FAIL: $*"; failed=1; }

name=$product-$version-win32
make_zip() {
  "$source/packaging/make-zip.sh" "$build/packaging/package-files.txt" "$name" "$source" "$1"
}
rm -rf "$scratch"
(umask 022; TZ=UTC0 make_zip "$scratch/first")
sleep 2
(umask 077; TZ=Asia/Tokyo make_zip "$scratch/second")
cd "$scratch/first"
zip=$name.zip
cmp -s "$zip" "../second/$zip" || fail "two runs gave different zips"
cmp -s SHA256SUMS ../second/SHA256SUMS || fail "two runs gave different SHA256SUMS"

echo "content of $zip:"
unzip -Z1 "$zip" | tee content.txt
expected=("$name/Tollimer.dll")
[[ "$has_check" == 1 ]] && expected+=("$name/TollimerCheck.exe")
expected+=("$name/Tollimer.ini" "$name/ReadMe-ja.txt" "$name/ReadMe-en.txt" "$name/CHANGELOG.txt" "$name/LICENSE.txt")
[[ "$(cat content.txt)" == "$(printf '%s\n' "${expected[@]}")" ]] ||
  fail "the zip holds other files, or in another order, than: ${expected[*]}"

# Every entry: -rw-r--r--, and the commit's time (zip keeps even seconds).
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct)}
when=$(TZ=UTC0 date -d "@$(( (epoch + 1) / 2 * 2 ))" +%Y%m%d.%H%M%S)
zipinfo -T "$zip" "$name/*" | awk -v when="$when" '$1 != "-rw-r--r--" || $7 != when { print; bad = 1 } END { exit bad }' ||
  fail "entries above are not -rw-r--r-- or not dated $when (UTC)"

unzip -q "$zip"
files=$name
cmp -s "$files/Tollimer.dll" "$dll" || fail "Tollimer.dll differs from the built one"
if [[ "$has_check" == 1 ]]; then
  cmp -s "$files/TollimerCheck.exe" "$(grep -m1 '/TollimerCheck\.exe$' "$build/packaging/package-files.txt")" ||
    fail "TollimerCheck.exe differs from the built one"
fi
# CRLF throughout: every line ends in CR LF, the last one too, and no CR
# stands alone.
for text in Tollimer.ini ReadMe-ja.txt ReadMe-en.txt CHANGELOG.txt LICENSE.txt; do
  cmp -s "$files/$text" "$build/packaging/files/$text" || fail "$text differs from the build's"
  lines=$(wc -l <"$files/$text")
  crlf=$(grep -c $'\r$' "$files/$text" || true)
  crs=$(tr -cd '\r' <"$files/$text" | wc -c)
  [[ $lines -gt 10 && $lines -eq $crlf && $crs -eq $lines ]] && tail -c2 "$files/$text" | cmp -s - <(printf '\r\n') ||
    fail "$text: not CRLF throughout ($crlf of $lines lines end in CRLF, $crs CRs)"
done
for text in ReadMe-en.txt CHANGELOG.txt LICENSE.txt; do
  LC_ALL=C grep -q $'[\x80-\xff]' "$files/$text" && fail "$text: not plain ASCII"
done
[[ "$(tr -d '\r' <"$files/LICENSE.txt")" == "$(cat "$source/LICENSE")" ]] || fail "LICENSE.txt is not the repository's LICENSE"
grep -q '^MIT License' "$files/LICENSE.txt" && grep -q 'Copyright (c) 2026 Tollimer Works' "$files/LICENSE.txt" ||
  fail "LICENSE.txt: not the MIT licence of Tollimer Works"

# The Japanese texts: Shift-JIS that decodes and is no UTF-8.
for text in ReadMe-ja.txt Tollimer.ini; do
  iconv -f CP932 -t UTF-8 "$files/$text" >"$text.utf8" || fail "$text: not Shift-JIS"
  iconv -f UTF-8 -t UTF-8 "$files/$text" >/dev/null 2>&1 && fail "$text: UTF-8, not Shift-JIS"
done

# Widths as a Japanese console shows them: in Shift-JIS a double-byte
# character takes two columns and two bytes, so columns are bytes. No line of
# the sample or the read-mes is wider than 80, and an underline of "=" or "-"
# is exactly as wide as the title above it.
for text in Tollimer.ini ReadMe-ja.txt ReadMe-en.txt; do
  tr -d '\r' <"$files/$text" | LC_ALL=C awk -v text="$text" '
    length($0) > 80 { print "FAIL: " text " line " NR " is " length($0) " columns wide"; bad = 1 }
    /^(=+|-+)$/ && length($0) != length(above) { print "FAIL: " text " line " NR ": underline of " length($0) " columns under a title of " length(above); bad = 1 }
    { above = $0 } END { exit bad }' || failed=1
done

# The version and its release date, the date of its entry in the history.
history=$(tr -d '\r' <"$files/CHANGELOG.txt")
date=$(sed -n "s/^## \[${version//./\\.}\] - \([0-9-]*\)$/\1/p" <<<"$history")
[[ "$date" =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}$ ]] || { fail "CHANGELOG.txt: no dated entry for $version"; date=0000-01-01; }
IFS=- read -r year month day <<<"$date"
japanese_date="$year 年 $((10#$month)) 月 $((10#$day)) 日"
has() { grep -qF -- "$2" "$1" || fail "$1: no \"$2\""; }
lacks() { grep -nF -- "$2" "$1" && fail "$1: \"$2\" (above)"; true; }
before() { # before <file> <text> <later text>: the first stands above the second
  local first second
  first=$(grep -nF -m1 -- "$2" "$1" | cut -d: -f1) second=$(grep -nF -m1 -- "$3" "$1" | cut -d: -f1)
  [[ -n $first && -n $second && $first -lt $second ]] || fail "$1: \"$2\" does not come before \"$3\""
}
for phrase in "バージョン $version（$japanese_date公開）" "Becky!" "動作環境" "インストール" \
              "アンインストール" "InterbalMinute=10" "ConnectWaitMilliSecond=1000" "TollimerCheck.exe" "60000" \
              "誤記ではありません" "16 進数" "SmartScreen" "管理者の権限" "免責" "MIT" "CHANGELOG.txt" \
              "Becky! の開発元" "--fix" "--dry-run" "Tollimer.ini.bak" "ブロックの解除" "「許可する」" "半角" \
              '"#" や "//"' "「ANSI」か「UTF-8」" "「UTF-8 (BOM 付き)」" "B2.exe" \
              'C:\Program Files (x86)\RimArts\B2\PlugIns' "データフォルダー" "最初の切り替えまでの待ち時間（分）" \
              "11 分目" "ファイルを修正する" "盾" "Ctrl+A" "Ctrl+C" "Tollimer.ini.txt" "2000" "サンプル"; do
  has ReadMe-ja.txt.utf8 "$phrase"
done
# Wordings that read wrongly: a fraction, the hand, and the sample's other name.
for phrase in "待つ分数" "手でメニュー" "手でオン" "見本" "BOM なしの UTF-8"; do
  lacks ReadMe-ja.txt.utf8 "$phrase"
done
before ReadMe-ja.txt.utf8 "「許可する」" "すべて展開"
for phrase in "Version $version, released $date" "Becky!" "Requirements" "Install" "Uninstall" "InterbalMinute=10" \
              "ConnectWaitMilliSecond=1000" "plug-ins folder" "TollimerCheck.exe" "60000" "hexadecimal" \
              "Unblock" "SmartScreen" "administrator" "no warranty" "MIT" "CHANGELOG.txt" "maker of Becky!" \
              "--fix" "--dry-run" "Tollimer.ini.bak" "half-width" '"#" and "//" start no' '"ANSI" or' \
              '"UTF-8 with BOM"' "B2.exe" 'C:\Program Files (x86)\RimArts\B2\PlugIns' "data folder" \
              "minute 11" "Correct the file" "shield" "Ctrl+A" "Ctrl+C" "Tollimer.ini.txt" "2000"; do
  has "$files/ReadMe-en.txt" "$phrase"
done
before "$files/ReadMe-en.txt" "Unblock" "Extract All"
grep -q '@TOLLIMER_' ReadMe-ja.txt.utf8 "$files/ReadMe-en.txt" && fail "a read-me keeps a @TOLLIMER_...@ placeholder"

# The history as users get it: the shipped version's changes under that
# version, nothing unlabelled, and words for users: no build internals, no
# markup of the source, and no file that is neither in the zip nor one of the
# user's own settings files. The Japanese read-me has the same entry, with
# as many items.
grep -n '\[Unreleased\]' <<<"$history" && fail "CHANGELOG.txt: an [Unreleased] section ships"
entry=$(awk -v heading="## [$version] - $date" '$0 == heading { inside = 1; next } /^## / { inside = 0 } inside' <<<"$history")
items=$(grep -c '^- ' <<<"$entry" || true)
[[ $items -gt 0 ]] || fail "CHANGELOG.txt: the entry for $version lists no change"
for word in SafeSEH "stack cookie" scripts/ SHA256SUMS reproduc CMake Wine '`' docs/ .md; do
  grep -inF -- "$word" <<<"$history" && fail "CHANGELOG.txt: \"$word\" (above) is no word for users"
done
shipped=" $(tr '\n' ' ' <content.txt) "
for file in $(grep -oE '[A-Za-z0-9_.-]+\.(dll|exe|ini|txt|zip|bak|md)\b' <<<"$history" | sort -u || true); do
  [[ $shipped == *"/$file "* || $file == Tollimer.ini.* ]] || fail "CHANGELOG.txt names $file, which is not in the zip"
done
japanese_entry=$(tr -d '\r' <ReadMe-ja.txt.utf8 |
  awk -v heading="$version（$japanese_date）" '/^更新履歴$/ { history = 1 } history && $0 == heading { inside = 1; next }
                                               inside && /^[^ ]/ { inside = 0 } inside')
japanese_items=$(grep -c '^  ・' <<<"$japanese_entry" || true)
[[ $japanese_items -eq $items ]] ||
  fail "ReadMe-ja.txt: the history's entry \"$version（$japanese_date）\" has $japanese_items items, CHANGELOG.txt's $items"

# The sample settings: comments in both languages, and every other line the
# section header or a key with its default (the plug-in's reading of it is
# sample_settings_test's).
for phrase in "サンプル" "最初の切り替えまでの待ち時間（分）" "誤記ではありません" "半角" '"#" や "//"' \
              "「ANSI」か「UTF-8」" 'really is spelled "InterbalMinute"' "TollimerCheck.exe"; do
  has Tollimer.ini.utf8 "$phrase"
done
for phrase in "見本" "待つ分数"; do
  lacks Tollimer.ini.utf8 "$phrase"
done
tr -d '\r' <Tollimer.ini.utf8 | grep -vxE '|;.*|\[Env\]|InterbalMinute=10|ConnectWaitMilliSecond=1000' &&
  fail "Tollimer.ini: the lines above are neither comments nor the section and its two keys"
for line in "[Env]" "InterbalMinute=10" "ConnectWaitMilliSecond=1000"; do
  grep -qxF "$line"$'\r' "$files/Tollimer.ini" || fail "Tollimer.ini: no line \"$line\""
done

# The sums: the zip and each file in it, checked as a user on Linux would.
echo "SHA256SUMS:"
cat SHA256SUMS
[[ "$(cut -c67- SHA256SUMS)" == "$(printf '%s\n' "$zip" "${expected[@]}")" ]] ||
  fail "SHA256SUMS does not list the zip and each file in it, in order"
sha256sum --quiet -c SHA256SUMS || fail "sha256sum -c SHA256SUMS failed"

[[ $failed -eq 0 ]] && echo "package ok"
exit "$failed"

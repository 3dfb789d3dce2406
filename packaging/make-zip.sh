#!/usr/bin/env bash
# Packs the release zip so that the same files always give the same bytes:
# the entries in the listed order under one folder, mode 0644, without extra
# fields (no owner, no Unix times), each dated at the time of the source's
# commit (SOURCE_DATE_EPOCH when set), written as UTC whatever the local zone.
# Writes <out dir>/<name>.zip and, beside it, SHA256SUMS for the zip and each
# file inside it, in the form `sha256sum -c` checks.
# Usage: make-zip.sh <file list, one path a line> <name> <source dir> <out dir>
set -euo pipefail
list=$1 name=$2 source=$3 out=$4

if [[ -n "${SOURCE_DATE_EPOCH:-}" ]]; then
  epoch=$SOURCE_DATE_EPOCH
elif ! epoch=$(git -C "$source" log -1 --format=%ct 2>/dev/null) || [[ -z "$epoch" ]]; then
  echo "make-zip: $source is no git checkout: set SOURCE_DATE_EPOCH to the release's time (seconds since 1970)" >&2
  exit 1
fi

mkdir -p "$out"
staging=$(mktemp -d "$out/.$name.XXXXXX")
trap 'rm -rf "$staging"' EXIT
mkdir "$staging/$name"
entries=()
while IFS= read -r file; do
  [[ -n "$file" ]] || continue
  base=$(basename "$file")
  cp "$file" "$staging/$name/$base"
  chmod 0644 "$staging/$name/$base"
  touch -d "@$epoch" "$staging/$name/$base"
  entries+=("$name/$base")
done <"$list"
chmod 0755 "$staging/$name"

zip="$out/$name.zip"
rm -f "$zip" "$out/SHA256SUMS"
# -X: no extra fields; -D: no folder entries; zip writes local time, so UTC.
(cd "$staging" && TZ=UTC0 zip -X -D -q -9 "$name.zip" "${entries[@]}")
mv "$staging/$name.zip" "$zip"
{
  (cd "$out" && sha256sum "$name.zip")
  (cd "$staging" && sha256sum "${entries[@]}")
} >"$out/SHA256SUMS"

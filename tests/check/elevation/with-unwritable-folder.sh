#!/usr/bin/env bash
# Runs a test with TOLLIMER_UNWRITABLE_FOLDER naming, as Wine's Windows path,
# a plug-ins folder (a Tollimer.dll and a Tollimer.ini to correct) that the
# test's user cannot write, as one under Program Files, and makes it writable
# and removes it afterwards, whatever happens. As root the immutable attribute
# refuses even root's writes (EPERM, which Wine reports as access denied);
# for another user, taking away the write permission does.
# Usage: with-unwritable-folder.sh <parent folder> <command> [argument...]
set -euo pipefail
parent=$1
shift
mkdir -p "$parent"
root=$(mktemp -d "$parent/unwritable.XXXXXX")
folder=$root/PlugIns
cleanup() {
  chattr -i "$folder" 2>/dev/null || true
  chmod u+w "$folder" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT
mkdir "$folder"
printf 'MZ' >"$folder/Tollimer.dll"
printf '[Env]\r\nIntervalMinute=15 min\r\nConnectWaitMilliSecond=1000\r\n' >"$folder/Tollimer.ini"
if [[ $(id -u) -eq 0 ]]; then
  chattr +i "$folder"
else
  chmod a-w "$folder"
fi
if touch "$folder/.writable" 2>/dev/null; then
  echo "with-unwritable-folder: cannot make $folder unwritable here (chattr needs a file system that has it)" >&2
  exit 1
fi
folder_path=$(realpath "$folder")
export TOLLIMER_UNWRITABLE_FOLDER="Z:${folder_path//\//\\}"
status=0
"$@" || status=$?
exit "$status"

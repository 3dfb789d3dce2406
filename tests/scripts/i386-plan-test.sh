#!/usr/bin/env bash
# What scripts/setup does about 32-bit programs, for each combination of what
# it may find (i386_plan fed with made-up probe results), and how it reads
# Wine's loader's answer (i386_probe, i386_qemu_version).
# Usage: i386-plan-test.sh <scripts/i386-mode.sh>
set -uo pipefail
source "$1"

failed=0
#     requested runs     root binfmt private  expected
while read -r requested runs root binfmt private expected; do
  actual=$(i386_plan "$requested" "$runs" "$root" "$binfmt" "$private" 2>/dev/null) || actual="error"
  if [[ $actual != "$expected" ]]; then
    echo "FAIL: i386_plan $requested $runs $root $binfmt $private gave '$actual', expected '$expected'"
    failed=1
  fi
done <<'TABLE'
auto     native   no  no  no   native
auto     emulated no  no  no   emulated
auto     no       yes yes no   global
auto     no       yes yes yes  global
auto     no       yes no  yes  impossible
auto     no       no  yes yes  impossible
emulated native   yes yes yes  private
emulated native   yes yes no   global
emulated native   no  no  yes  private
emulated native   no  yes no   impossible
emulated emulated no  no  no   emulated
emulated no       yes yes yes  private
emulated no       yes no  no   impossible
native   native   no  no  no   native
native   emulated yes yes yes  impossible
native   no       yes yes yes  impossible
sometimes native  yes yes yes  error
TABLE

# How the probe reads the loader's answer to QEMU_VERSION=1: a stand-in
# loader gives each answer.
stub=$(mktemp)
trap 'rm -f "$stub"' EXIT
printf '#!/bin/sh\nprintf "%%b" "$ANSWER"\nexit "$STATUS"\n' >"$stub"
chmod +x "$stub"
i386_loader=$stub
#     status answer                                            runs     version
while IFS='|' read -r status answer runs version; do
  actual="$(ANSWER=$answer STATUS=$status i386_probe) $(ANSWER=$answer STATUS=$status i386_qemu_version)"
  if [[ $actual != "$runs $version" ]]; then
    echo "FAIL: the answer '$answer' gave '$actual', expected '$runs $version'"
    failed=1
  fi
done <<'TABLE'
0|qemu-i386 version 10.0.2 (Debian 1:10.0.2+ds-2+deb13u1~bpo12+1)\nCopyright (c) 2003-2025|emulated|10.0.2
0|qemu-i386 version 7.2.22 (Debian 1:7.2+dfsg-7+deb12u18+b3)\n|emulated|7.2.22
0|wine-8.0 (Debian 8.0~repack-4)\n|native|
126|cannot execute binary file: Exec format error\n|no|
TABLE

[[ $failed -eq 0 ]] && echo "i386_plan, i386_probe: every row as expected"
exit "$failed"

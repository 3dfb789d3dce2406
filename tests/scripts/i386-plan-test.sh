#!/usr/bin/env bash
# What scripts/setup does about 32-bit programs, for each combination of what
# it may find: i386_plan fed with made-up probe results.
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

[[ $failed -eq 0 ]] && echo "i386_plan: every row as expected"
exit "$failed"

# How this machine runs Wine's 32-bit programs: natively, or emulated by
# qemu-user (qemu-i386, registered with the kernel's binfmt_misc) on a kernel
# started without its 32-bit support. Sourced by scripts/setup,
# scripts/test and scripts/demo.
#
# TOLLIMER_I386 chooses:
#   auto      (default) natively where the kernel runs 32-bit programs, else
#             emulated through a registration for the whole machine;
#   emulated  emulated even where the kernel could run them: in a private
#             binfmt_misc of scripts/test's or scripts/demo's own (Linux 6.7
#             or later), so the rest of the machine stays native; else through
#             a registration for the whole machine;
#   native    removes this project's registration for the whole machine, if
#             there is one, and requires the kernel to run them.

i386_handler=tollimer-i386
i386_binfmt=/proc/sys/fs/binfmt_misc
i386_loader=/usr/lib/wine/wine
# qemu-user 9.1 or later: its package holds the static programs, and it is
# fast. Bookworm's own release, 7.2, walks its page table page by page for
# every mapping Wine makes: a minute of CPU for each Wine program start,
# against a fraction of a second.
i386_qemu=/usr/bin/qemu-i386
i386_qemu_least=9.1
# An i386 ELF executable or shared object (e_ident, e_type 2 or 3, e_machine
# 3); the mask lets any OS/ABI byte through.
i386_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
i386_mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

# i386_plan REQUESTED RUNS ROOT BINFMT PRIVATE
# What to do, from what was found:
#   REQUESTED  auto | emulated | native
#   RUNS       how Wine's 32-bit loader runs now: native | emulated | no
#   ROOT       yes | no: may register with binfmt_misc and install packages
#   BINFMT     yes | no: binfmt_misc is mounted, or can be
#   PRIVATE    yes | no: a private binfmt_misc can be had (user namespace)
# Prints one of:
#   native      nothing to do, the kernel runs them
#   emulated    nothing to do, an existing registration emulates them
#   global      register the handler for the whole machine
#   private     register the handler in a private binfmt_misc
#   impossible  neither way is open here
i386_plan() {
  local requested=$1 runs=$2 root=$3 binfmt=$4 private=$5
  case $requested in
    native)
      [[ $runs == native ]] && echo native || echo impossible ;;
    auto)
      if [[ $runs != no ]]; then echo "$runs"
      elif [[ $root == yes && $binfmt == yes ]]; then echo global
      else echo impossible; fi ;;
    emulated)
      if [[ $runs == emulated ]]; then echo emulated
      elif [[ $private == yes ]]; then echo private
      elif [[ $root == yes && $binfmt == yes ]]; then echo global
      else echo impossible; fi ;;
    *)
      echo "i386: TOLLIMER_I386 must be auto, emulated or native, not '$requested'" >&2
      return 2 ;;
  esac
}

# How Wine's 32-bit loader runs: qemu-user answers QEMU_VERSION itself,
# before the program starts, so that answer proves the emulation is used.
i386_probe() {
  [[ -x $i386_loader ]] || { echo no; return; }
  local answer
  answer=$(QEMU_VERSION=1 "$i386_loader" --version 2>&1) || true
  case $answer in
    qemu-i386*) echo emulated ;;
    wine-*) echo native ;;
    *) echo no ;;
  esac
}

# The version of the qemu that runs Wine's 32-bit loader, as "10.0.2"; empty
# where none does.
i386_qemu_version() {
  [[ -x $i386_loader ]] || return 0
  QEMU_VERSION=1 "$i386_loader" --version 2>&1 | sed -n 's/^qemu-i386 version \([0-9.]*\).*/\1/p' | head -1
}

i386_is_root() { [[ $(id -u) -eq 0 ]] && echo yes || echo no; }

# Mounts binfmt_misc where it is not yet; says whether it is there.
i386_binfmt_ready() {
  if [[ ! -e $i386_binfmt/register ]]; then
    mount -t binfmt_misc binfmt_misc "$i386_binfmt" 2>/dev/null || true
  fi
  [[ -w $i386_binfmt/register ]] && echo yes || echo no
}

# Whether a user namespace gets a binfmt_misc of its own (Linux 6.7 on).
i386_private_possible() {
  command -v unshare >/dev/null &&
    unshare --user --map-root-user --mount \
      mount -t binfmt_misc binfmt_misc "$i386_binfmt" 2>/dev/null && echo yes || echo no
}

# Whether some handler (ours or another's) already takes i386 programs.
i386_handler_present() {
  local entry
  for entry in "$i386_binfmt"/*; do
    [[ -f $entry && $entry != */register && $entry != */status ]] || continue
    grep -qx 'magic 7f454c4601010100000000000000000002000300' "$entry" && grep -qx enabled "$entry" && return 0
  done
  return 1
}

i386_register() {
  i386_handler_present && return 0
  printf '%s' ":$i386_handler:M::$i386_magic:$i386_mask:$i386_qemu:F" >"$i386_binfmt/register"
}

i386_unregister() {
  [[ -e $i386_binfmt/$i386_handler ]] && echo -1 >"$i386_binfmt/$i386_handler"
  return 0
}

# In forced emulated mode, where a private binfmt_misc can be had, runs the
# calling script again inside a user and mount namespace of its own with
# binfmt_misc mounted fresh; scripts/setup then registers the handler there.
# Nothing changes for the rest of the machine, and nothing is left behind.
i386_enter_private() {
  [[ ${TOLLIMER_I386:-auto} == emulated && -z ${TOLLIMER_I386_PRIVATE:-} ]] || return 0
  [[ $(i386_private_possible) == yes ]] || return 0
  export TOLLIMER_I386_PRIVATE=1
  exec unshare --user --map-root-user --mount sh -c \
    'mount -t binfmt_misc binfmt_misc "$0" && exec "$@"' "$i386_binfmt" "$@"
}

#!/usr/bin/env bash
# 32-bit x86 programs (Wine's 32-bit loader, so the 32-bit pakmole.exe) on
# this machine: some kernels refuse every i386 program ("Exec format error",
# IA-32 emulation off) and no switch inside the machine turns it back on.
# There, user-mode QEMU registered for i386 ELF through binfmt_misc runs them.
#
#   scripts/i386.sh ensure   make 32-bit programs run, or stop saying what is missing
#   scripts/i386.sh route    print how they run: "native 32-bit" or "emulated 32-bit (...)"
#
# The registration is machine-wide and lasts until reboot: an existing one is
# used, never replaced, and a machine that runs 32-bit code itself is left alone.
set -euo pipefail

binfmt=/proc/sys/fs/binfmt_misc
probe=/usr/lib/wine/wine          # an i386 program that wine32:i386 installs
qemu=/usr/bin/qemu-i386
# An i386 ELF executable's header, and which of its bits matter (any OS ABI,
# executables and shared objects alike).
i386_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
i386_mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

die() { echo "setup: $*" >&2; exit 1; }

runs_32bit() { "$probe" --version >/dev/null 2>&1; }

# The enabled binfmt_misc entry that takes i386 ELF programs, if any.
i386_entry() {
  [ -f "$binfmt/status" ] || return 1
  local f
  for f in "$binfmt"/*; do
    case "$(basename "$f")" in register|status) continue ;; esac
    grep -qx enabled "$f" 2>/dev/null || continue
    grep -q '^magic 7f454c4601010100000000000000000002000300' "$f" 2>/dev/null && { echo "$f"; return 0; }
  done
  return 1
}

route() {
  local entry
  if entry="$(i386_entry)"; then
    local interp
    interp="$(sed -n 's/^interpreter //p' "$entry")"
    echo "emulated 32-bit ($("$interp" --version 2>/dev/null | head -1 | sed 's/ *Copyright.*//'), binfmt_misc entry $(basename "$entry"))"
  else
    echo "native 32-bit"
  fi
}

# Debian 12's own user-mode QEMU (7.2) starts Wine but Wine crashes in it; the
# one from bookworm-backports (10.x) works.
install_qemu() {
  if [ -x "$qemu" ] && "$qemu" --version 2>/dev/null | grep -qE 'version ([89]|[1-9][0-9])\.'; then
    return 0
  fi
  local sources=/etc/apt/sources.list.d/pakmole-bookworm-backports.sources
  if ! grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "setup: adding bookworm-backports to apt's sources (for user-mode QEMU)" >&2
    cat >"$sources" <<'EOF'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm-backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  fi
  echo "setup: installing qemu-user from bookworm-backports" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends -t bookworm-backports qemu-user >/dev/null ||
    die "could not install qemu-user from bookworm-backports, which this machine needs to run 32-bit programs"
  "$qemu" --version 2>/dev/null | grep -qE 'version ([89]|[1-9][0-9])\.' ||
    die "$qemu is not version 8 or later ($("$qemu" --version 2>&1 | head -1)); Wine does not run in older ones"
}

register_qemu() {
  if [ ! -f "$binfmt/register" ]; then
    mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null ||
      die "binfmt_misc is not mounted on $binfmt and could not be mounted (needs root)"
  fi
  local entry
  if entry="$(i386_entry)"; then
    die "i386 programs are handed to $(sed -n 's/^interpreter //p' "$entry") (binfmt_misc entry $entry), but they still do not run; that registration is not ours to replace"
  fi
  [ -e "$binfmt/qemu-i386" ] &&
    die "a disabled binfmt_misc entry $binfmt/qemu-i386 exists; it is not ours to replace (enable it with: echo 1 > $binfmt/qemu-i386)"
  echo "setup: registering $qemu for i386 programs (binfmt_misc, until reboot)" >&2
  # F: the kernel opens the interpreter now, so it works in every mount namespace.
  # A second setup running at the same moment may have registered it first.
  printf ':qemu-i386:M::%s:%s:%s:F\n' "$i386_magic" "$i386_mask" "$qemu" >"$binfmt/register" 2>/dev/null ||
    [ -e "$binfmt/qemu-i386" ] || die "could not register $qemu with binfmt_misc"
}

ensure() {
  [ -x "$probe" ] || die "$probe is missing: install wine32:i386"
  runs_32bit && return 0
  echo "setup: this machine does not run 32-bit x86 programs; emulating them with user-mode QEMU" >&2
  install_qemu
  register_qemu
  runs_32bit || die "32-bit Wine still does not start through $qemu ($("$probe" --version 2>&1 | head -1))"
}

case "${1:-}" in
  ensure) ensure ;;
  route) route ;;
  *) echo "usage: $0 ensure|route" >&2; exit 2 ;;
esac

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries a built package the way a user would, on a clean Debian 12 made for the purpose with
# debootstrap: apt-get install ./corvina_*.deb, run corvina-cli, read its manual page, load its
# bash completion, start corvina under a virtual X server, then purge it: exactly its own files
# must go, and nothing may appear. Needs root and the Debian mirror; takes a few minutes.
#
#   sudo packaging/try-in-chroot.sh build/deb/corvina_3.0_amd64.deb [FOLDER]
#
# FOLDER (default: a new folder under /var/tmp) must not exist; it is removed at the end.
set -euo pipefail
deb=$(realpath "${1:?the .deb to try}")
root=${2:-$(mktemp -u -d /var/tmp/corvina-chroot.XXXXXX)}
[ "$(id -u)" -eq 0 ] || { echo "try-in-chroot: run it as root (sudo)" >&2; exit 1; }
[ ! -e "$root" ] || { echo "try-in-chroot: $root exists already" >&2; exit 1; }
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap

cleanup() {
    umount "$root/proc" "$root/dev/pts" "$root/dev" 2>/dev/null || true
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT

echo "== a clean Debian 12 in $root"
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp "$deb" "$root/tmp/"
in_root() {
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/run LANG=C.UTF-8 "$@"
}
apt_get() { in_root env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@"; }

# What a user has besides: a manual reader, bash-completion, and here an X server to start in.
apt_get update >/dev/null
apt_get install man-db bash-completion xvfb xauth x11-utils >/dev/null
# Every path outside the scratch and cache folders, before and after.
files() {
    in_root find / -xdev \( -path /tmp -o -path /proc -o -path /dev -o -path /var/cache -o -path /var/log \
        -o -path /var/lib/apt/lists \) -prune -o -print | LC_ALL=C sort
}

echo "== apt-get install ./$(basename "$deb")"
apt_get install "./tmp/$(basename "$deb")" >"$root/tmp/install.log"
grep -E '^([0-9]+ upgraded|Setting up corvina)' "$root/tmp/install.log"
files >"$root/tmp/installed"
in_root dpkg-query --listfiles corvina | LC_ALL=C sort >"$root/tmp/owned"

echo "== corvina-cli --help"
in_root corvina-cli --help | head -3
mkdir -p "$root/tmp/home/a" "$root/tmp/home/b"
install -d -m 0700 "$root/tmp/run"
echo same >"$root/tmp/home/a/x"
echo same >"$root/tmp/home/b/x"
echo "== corvina-cli on two copies"
in_root corvina-cli /tmp/home/a /tmp/home/b

echo "== man corvina-cli"
in_root env MANWIDTH=80 man corvina-cli 2>&1 | sed -n '1,12p'

echo "== bash completion: corvina-cli --ex<TAB> and --engine <TAB>"
in_root bash -c 'source /usr/share/bash-completion/bash_completion
    _completion_loader corvina-cli
    complete -p corvina-cli
    for line in "--ex" "--engine "; do
        COMP_LINE="corvina-cli $line"; COMP_POINT=${#COMP_LINE}
        read -ra COMP_WORDS <<<"$COMP_LINE"; [[ $line == *" " ]] && COMP_WORDS+=("")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        _corvina_cli corvina-cli
        echo "corvina-cli $line -> ${COMPREPLY[*]}"
    done'

echo "== the menu entry and its icon"
in_root sh -c 'grep -E "^(Name|Exec|Icon)=" /usr/share/applications/io.github.corvina.Corvina.desktop;
    ls /usr/share/icons/hicolor/scalable/apps/corvina.svg'

echo "== corvina under Xvfb"
in_root xvfb-run -a sh -c 'corvina & sleep 8
    xwininfo -root -tree | grep -i corvina
    kill -0 $! || { echo "corvina is not running" >&2; exit 1; }
    main=$(xwininfo -root -tree | grep "\"Corvina v" | awk "{ print \$1 }")
    [ -n "$main" ] || { echo "no main window" >&2; exit 1; }
    xprop -id "$main" WM_CLASS _KDE_NET_WM_DESKTOP_FILE
    echo "corvina is running"
    kill $!
    wait $! || true'

echo "== apt-get purge corvina"
apt_get purge corvina >"$root/tmp/purge.log"
grep -E '^(Removing|Purging)' "$root/tmp/purge.log"
files >"$root/tmp/purged"
# What stays of the package must belong to another package too (such as /usr/share/man/man1).
appeared=$(LC_ALL=C comm -13 "$root/tmp/installed" "$root/tmp/purged")
stayed=$(LC_ALL=C comm -12 "$root/tmp/owned" "$root/tmp/purged" | while read -r path; do
    in_root dpkg-query --search "$path" >/dev/null 2>&1 || echo "$path"
done)
echo "removed:"
LC_ALL=C comm -23 "$root/tmp/installed" "$root/tmp/purged"
if [ -n "$appeared$stayed" ]; then
    printf '== not clean\nappeared:\n%s\nleft behind:\n%s\n' "$appeared" "$stayed" >&2
    exit 1
fi
echo "== nothing left behind"

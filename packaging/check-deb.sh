#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built corvina_*.deb before anyone installs it: exactly the expected files with their
# modes, dependencies found from the programs, metadata that validates as installed, and a
# corvina-cli that runs. `make deb` runs it on the package it has just built.
#
#   packaging/check-deb.sh build/deb/corvina_3.0_amd64.deb
set -euo pipefail
deb=${1:?the .deb to check}

problems=0
problem() {
    echo "check-deb: $*" >&2
    problems=$((problems + 1))
}

expected="-rwxr-xr-x ./usr/bin/corvina
-rwxr-xr-x ./usr/bin/corvina-cli
-rw-r--r-- ./usr/share/applications/io.github.corvina.Corvina.desktop
-rw-r--r-- ./usr/share/bash-completion/completions/corvina-cli
-rw-r--r-- ./usr/share/doc/corvina/copyright
-rw-r--r-- ./usr/share/doc/corvina/manual.html
-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/corvina.svg
-rw-r--r-- ./usr/share/man/man1/corvina-cli.1.gz
-rw-r--r-- ./usr/share/man/man1/corvina.1.gz
-rw-r--r-- ./usr/share/metainfo/io.github.corvina.Corvina.metainfo.xml"
# The files with their modes; every entry is owned by root and every folder is 0755.
contents=$(dpkg-deb --contents "$deb")
bad=$(awk '$2 != "root/root" || (/^d/ && $1 != "drwxr-xr-x")' <<<"$contents")
[ -z "$bad" ] || problem "entries not owned by root, or folders not 0755:"$'\n'"$bad"
actual_files=$(awk '!/^d/ { print $1, $6 }' <<<"$contents" | LC_ALL=C sort -k2)
if [ "$actual_files" != "$expected" ]; then
    problem "the files differ from the expected list (< expected, > in the package):"
    diff <(echo "$expected") <(echo "$actual_files") >&2 || true
fi

depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libc6 qt6-qpa-plugins libqt6sql6-sqlite; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] ||
        problem "Depends lacks $library: $depends"
done
[ "$(dpkg-deb --field "$deb" Package)" = corvina ] || problem "the package is not named corvina"
# A user with a problem needs somewhere to write; the completion needs bash-completion to load it,
# and the similar-pictures search Qt's WebP and TIFF plugins to read those pictures.
[[ $(dpkg-deb --field "$deb" Maintainer) =~ \<[^@\>]+@[^@\>]+\>$ ]] || problem "the Maintainer field has no address"
recommends=$(dpkg-deb --field "$deb" Recommends)
for package in bash-completion qt6-image-formats-plugins; do
    [[ ", $recommends," == *", $package,"* ]] || problem "Recommends lacks $package: $recommends"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root"
for program in "$root"/usr/bin/*; do
    file --brief "$program" | grep -q ', stripped' || problem "${program#"$root"} is not stripped"
done
# Captured whole first: grep -q would stop reading early and the program would die of SIGPIPE.
help=$("$root/usr/bin/corvina-cli" --help 2>&1) || problem "corvina-cli --help failed: $help"
grep -q '^Usage: corvina-cli' <<<"$help" || problem "corvina-cli --help does not print its usage"
# The translations travel inside the program: LANG alone makes it speak German.
help=$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=de_DE.UTF-8 "$root/usr/bin/corvina-cli" --help 2>&1) ||
    problem "corvina-cli --help failed in German: $help"
grep -q '^Aufruf: corvina-cli' <<<"$help" || problem "corvina-cli --help is not German under LANG=de_DE.UTF-8"
desktop-file-validate "$root/usr/share/applications/io.github.corvina.Corvina.desktop" ||
    problem "the desktop entry is not valid"
# The metadata together with the desktop entry and the icon it names, as they are installed.
appstreamcli validate-tree --no-net "$root" >/dev/null || {
    appstreamcli validate-tree --no-net "$root" >&2 || true
    problem "the AppStream metadata is not valid as installed"
}

if ((problems > 0)); then
    echo "check-deb: $deb has $problems problem(s)" >&2
    exit 1
fi
echo "check-deb: $deb is as expected ($(du -k "$deb" | cut -f1) KB)"

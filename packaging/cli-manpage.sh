#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes corvina-cli(1) from the program's own --help text (see cli-manpage.awk), and beside it
# the compressed copy that is installed.
#
#   cli-manpage.sh CORVINA-CLI VERSION DATE OUTPUT
set -euo pipefail
cli=$1 version=$2 date=$3 out=$4

# The page is English whatever the language of the build machine: no translation is loaded in
# the C locale, and Qt would take LANGUAGE before it.
help=$(LC_ALL=C LANGUAGE= "$cli" --help)
awk -v version="$version" -v date="$date" -f "$(dirname "$0")/cli-manpage.awk" <<<"$help" >"$out.new"
mv "$out.new" "$out"
# -n: no name or time in the header, so that two builds give the same package.
gzip -9nkf "$out"

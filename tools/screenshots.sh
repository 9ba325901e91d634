#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the pictures in docs/screenshots: makes a small folder tree with a few groups of
# duplicate files, then runs corvina-screenshots on it under a virtual X server (Xvfb), in the
# language and number format of LOCALE (default C.UTF-8: English as the sources write it).
#
#   tools/screenshots.sh BUILD-FOLDER OUTPUT-FOLDER [LOCALE]      (make screenshots)
#   tools/screenshots.sh build/release docs/screenshots/de de_DE.UTF-8
set -euo pipefail

build=${1:?build folder, such as build/release}
out=${2:?output folder, such as docs/screenshots}
locale=${3:-C.UTF-8}
tool="$build/corvina-screenshots"
[ -x "$tool" ] || { echo "$tool is missing: build it first (make build)" >&2; exit 1; }

# A fixed place, so that the paths in the pictures stay the same from one run to the next.
demo="${TMPDIR:-/tmp}/corvina-demo"
if [ -e "$demo" ] && [ ! -O "$demo" ]; then
    echo "$demo belongs to someone else; set TMPDIR to another folder" >&2
    exit 1
fi
rm -rf "$demo"
trap 'rm -rf "$demo"' EXIT
home="$demo/sam"

# file PATH SIZE SEED: SIZE bytes of repeated SEED text; same size and seed, same contents.
file() {
    mkdir -p "$(dirname "$home/$1")"
    head -c "$2" < <(yes "$3") > "$home/$1"
}

# picture PATH HUE: a 200 x 150 24-bit BMP, a sky over the sea with the sun in it.
picture() {
    mkdir -p "$(dirname "$home/$1")"
    LC_ALL=C awk -v hue="$2" 'function le(v, n) { for (; n > 0; n--) { printf "%c", v % 256; v = int(v / 256) } }
    BEGIN {
        w = 200; h = 150; size = 54 + w * h * 3
        printf "BM"; le(size, 4); le(0, 4); le(54, 4); le(40, 4); le(w, 4); le(h, 4)
        le(1, 2); le(24, 2); le(0, 4); le(w * h * 3, 4); le(2835, 4); le(2835, 4); le(0, 4); le(0, 4)
        for (y = 0; y < h; y++) for (x = 0; x < w; x++) {
            if (y < 55) { r = 20 + y; g = 60 + y; b = 120 + y }   # the sea, from the bottom row up
            else { t = (y - 55) / 95; r = 250 - 90 * t; g = 150 + hue - 120 * t; b = 60 + 140 * t }
            dx = x - 130; dy = y - 75
            if (dx * dx + dy * dy < 400) { r = 255; g = 230; b = 120 }
            printf "%c%c%c", int(b), int(g), int(r)
        }
    }' > "$home/$1"
}

picture "Pictures/2023/Sunset.bmp" 0
picture "Pictures/Holiday/Sunset.bmp" 0
picture "Backup/Pictures/Sunset.bmp" 0
picture "Pictures/2023/Harbour.bmp" 60
picture "Downloads/Harbour (1).bmp" 60
file "Documents/Annual report 2023.pdf" 245760 report
file "Backup/Documents/Annual report 2023.pdf" 245760 report
file "Downloads/report-final.pdf" 245760 report
file "Documents/Budget.xls" 48128 budget
file "Documents/Letters/Thank you.doc" 23552 thanks
file "Documents/Letters/Thank you (copy).doc" 23552 thanks
file "Music/Album/01 Morning.mp3" 3145728 morning
file "Downloads/01 Morning.mp3" 3145728 morning
file "Music/Album/02 Evening.mp3" 3407872 evening
file "Documents/todo.txt" 812 todo
file "Backup/old/01 Morning.mp3" 3145728 morning
file "Backup/old/Budget.xls" 48128 budget

# Fixed times, so that the "Last Modified." column reads the same in every run.
n=0
while IFS= read -r -d '' f; do
    touch -d "2023-0$((n % 9 + 1))-1$((n % 10)) 1$((n % 10)):2$((n % 10)):0$((n % 10))" "$f"
    n=$((n + 1))
done < <(find "$home" -type f -print0 | sort -z)

mkdir -p "$demo/usb-stick" "$out"
rm -f "$out"/*.png
# LANGUAGE, when set, would name the language before LC_ALL does.
TZ=UTC LC_ALL="$locale" LANGUAGE= xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    "$tool" "$out" "$home" "$home/Backup/old" "$demo/usb-stick"

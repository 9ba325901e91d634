#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How far corvina-cli is from the machine's limit: on each corpus shape of the shared benchmark
# harness, its time beside two floors measured on the same tree.
#
#   bash bench/limits.sh [--scale F] [--shapes "mixed samesize bigdups deep"] [--runs N] [--cold N]
#                        [--cli PATH] [--harness DIR] [--corpora DIR] [--block N] [--work DIR]
#
# - walk: `find TREE -printf '%s\n'`, every folder listed and every entry stat'ed;
# - walk + read: bench/read_floor.c, the same walk in one thread plus reading, by read() into one
#   buffer on a 2 MiB page, 1 MiB at a time, exactly the bytes a byte-exact search must read
#   (bench/limit_reads.py decides them from the corpus's truth.txt and the files, once, before any
#   timing: copies whole, files of a size no other has not at all, other files of a shared size up
#   to their first difference from every file of that size, in whole blocks of --block bytes, 4096
#   by default);
# - corvina-cli --engine byte --format null --hidden --quiet TREE (hidden files too, as the truth
#   counts them), whose answer is first checked against truth.txt.
# Each is timed by hyperfine without a shell (-N): warm (--warmup 1, then --runs, 5 by default) and cold (--cold runs,
# 3 by default, each after `sync; echo 3 > /proc/sys/vm/drop_caches`; skipped with a note where that
# is not allowed). Prints one Markdown table per temperature: median wall seconds, processor seconds
# (user + system, mean), and corvina-cli's time over the walk + read floor.
#
# Corpora are made with make_corpus.py --seed 1 --scale F in --corpora (default
# ${TMPDIR:-/tmp}/corvina-bench) as SHAPE, or SHAPE-scaleF when F is not 1, and reused while their
# truth header names that shape, seed and scale. --harness is the harness folder (default
# ../shared/bench from the top of the checkout). The work folder keeps the lists, the outputs and
# hyperfine's JSON.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scale=1 shapes="mixed samesize bigdups deep" runs=5 cold=3 cli="" block=4096 work=""
harness=$here/../../shared/bench
corpora=${TMPDIR:-/tmp}/corvina-bench
usage="usage: $0 [--scale F] [--shapes LIST] [--runs N] [--cold N] [--cli PATH] [--harness DIR]"
usage+=" [--corpora DIR] [--block N] [--work DIR]"
while [[ $# -gt 0 ]]; do
    case $1 in
        --scale) scale=$2; shift 2 ;;
        --shapes) shapes=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        --cold) cold=$2; shift 2 ;;
        --cli) cli=$2; shift 2 ;;
        --harness) harness=$2; shift 2 ;;
        --corpora) corpora=$2; shift 2 ;;
        --block) block=$2; shift 2 ;;
        --work) work=$2; shift 2 ;;
        *) echo "$usage" >&2; exit 2 ;;
    esac
done
for tool in hyperfine python3 cc find; do
    command -v $tool >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
done
cli=${cli:-$here/../build/release/corvina-cli}
[[ -x $cli ]] || { echo "no corvina-cli at $cli: build the release or pass --cli" >&2; exit 2; }
cli=$(realpath "$cli")
[[ -f $harness/make_corpus.py ]] || { echo "no make_corpus.py in $harness: pass --harness" >&2; exit 2; }
scale=$(python3 -c 'import sys; print(float(sys.argv[1]))' "$scale")
work=${work:-$(mktemp -d "${TMPDIR:-/tmp}/corvina-limits.XXXXXX")}
mkdir -p "$work" "$corpora"
work=$(realpath "$work")
cc -O2 -o "$work/read_floor" "$here/read_floor.c"

if [[ $cold -gt 0 ]] && ! (sync && echo 3 >/proc/sys/vm/drop_caches) 2>/dev/null; then
    echo "note: the page cache cannot be dropped here (needs root), so there are no cold runs" |
        tee "$work/cold-skipped"
    cold=0
fi

# The answer of corvina-cli as truth.txt writes it: paths relative to the tree, sorted.
canonical() { # TREE
    python3 "$here/groups_to_canonical.py" | python3 -c '
import sys
prefix = sys.argv[1].encode() + b"/"
lines = sorted(b"\t".join(sorted(p[len(prefix):] if p.startswith(prefix) else p for p in l.split(b"\t")))
               for l in sys.stdin.buffer.read().split(b"\n") if l)
sys.stdout.buffer.write(b"".join(l + b"\n" for l in lines))' "$1"
}

for shape in $shapes; do
    name=$shape
    [[ $scale == 1.0 ]] || name=$shape-scale$scale
    corpus=$corpora/$name
    options="# options: scale=$scale files=None dirs=None total_mb=None max_mb=48 dup_fraction=0.05 special=False"
    if ! { [[ -d $corpus/tree ]] && grep -qxF "# shape: $shape" "$corpus/truth.txt" &&
        grep -qxF "# seed: 1" "$corpus/truth.txt" && grep -qxF "$options" "$corpus/truth.txt"; } 2>/dev/null; then
        python3 "$harness/make_corpus.py" --shape "$shape" --seed 1 --scale "$scale" --force "$corpus"
    fi
    tree=$corpus/tree
    out=$work/$name
    python3 "$here/limit_reads.py" --block "$block" "$tree" "$corpus/truth.txt" >"$out.list"
    "$work/read_floor" "$tree" "$out.list" >"$out.floor"
    "$cli" --engine byte --format groups --hidden --quiet "$tree" | canonical "$tree" >"$out.canon"
    grep -v '^#' "$corpus/truth.txt" >"$out.truth"
    if diff -q "$out.truth" "$out.canon" >/dev/null; then
        echo correct >"$out.verdict"
    else
        echo "wrong ($(diff "$out.truth" "$out.canon" | grep -c '^[<>]') lines differ)" >"$out.verdict"
    fi
    echo "$name: corvina-cli's answer is $(cat "$out.verdict"); floor: $(cat "$out.floor")"

    q=$(printf '%q' "$tree")
    cmds=(-n corvina-cli "$(printf '%q' "$cli") --engine byte --format null --hidden --quiet $q"
        -n walk "find $q -printf '%s\n'"
        -n walk+read "$(printf '%q %q %q' "$work/read_floor" "$tree" "$out.list")")
    hyperfine -N --warmup 1 --runs "$runs" --style basic --export-json "$out.warm.json" "${cmds[@]}" >"$out.warm.log"
    if [[ $cold -gt 0 ]]; then
        hyperfine -N --runs "$cold" --prepare "sh -c 'sync; echo 3 > /proc/sys/vm/drop_caches'" --style basic \
            --export-json "$out.cold.json" "${cmds[@]}" >"$out.cold.log"
    fi
done

# shellcheck disable=SC2086 # the shapes are words
python3 - "$work" "$corpora" "$scale" $shapes <<'EOF' | tee "$work/limits.md"
import json, os, sys
work, corpora, scale, shapes = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
for temperature in ("warm", "cold"):
    rows = []
    for shape in shapes:
        name = shape if scale == "1.0" else f"{shape}-scale{scale}"
        try:
            results = json.load(open(os.path.join(work, f"{name}.{temperature}.json")))["results"]
        except FileNotFoundError:
            continue
        t = {r["command"]: r for r in results}
        header = dict(l[2:].split(": ", 1) for l in open(os.path.join(corpora, name, "truth.txt"))
                      if l.startswith("# ") and ": " in l)
        reads = [int(l.split(b"\t", 1)[0]) for l in open(os.path.join(work, f"{name}.list"), "rb")]
        cpu = {n: r["user"] + r["system"] for n, r in t.items()}
        verdict = open(os.path.join(work, f"{name}.verdict")).read().strip()
        runs = len(t["corvina-cli"]["times"])
        rows.append(f"| {name} | {int(header['regular_files']):,} | {int(header['folders']):,} "
                    f"| {int(header['bytes']) / 1e6:,.0f} | {len(reads):,} | {sum(reads) / 1e6:,.1f} "
                    f"| {t['corvina-cli']['median']:.3f} | {t['walk']['median']:.3f} "
                    f"| {t['walk+read']['median']:.3f} "
                    f"| **{t['corvina-cli']['median'] / t['walk+read']['median']:.2f}** "
                    f"| {cpu['corvina-cli']:.3f} | {cpu['walk+read']:.3f} | {verdict} |")
    if not rows:
        continue
    print(f"\n{temperature.capitalize()} page cache, median of {runs} runs (seconds):\n")
    print("| corpus | files | folders | MB | files read | MB read | corvina-cli | walk | walk + read "
          "| corvina / (walk + read) | corvina CPU | walk + read CPU | corvina's answer |")
    print("|---|---|---|---|---|---|---|---|---|---|---|---|---|")
    print("\n".join(rows))
EOF
[[ ! -e $work/cold-skipped ]] || cat "$work/cold-skipped"
echo "work folder: $work"

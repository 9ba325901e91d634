#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks corvina-cli's folder search on a tree made by bench/make_folder_trees.py, then times it
# against the byte search and against rmlint's duplicate directories.
#
#   bash bench/folders.sh [--cli PATH] [--truth FILE] [--runs N] [--pairs N] [--work DIR] TREE
#
# TREE is OUT/tree of make_folder_trees.py; the truth is OUT/truth.txt unless --truth names it.
# Prints whether corvina-cli's answer equals the truth (or the difference: "-" only in the truth,
# "+" only in corvina-cli's answer), whether rmlint's duplicate directories agree with the truth's
# groups (for information: rmlint answers another question), then one Markdown table: median wall
# seconds of hyperfine's warm runs (--warmup 1), the maximum resident set of one run of each, and
# what the folder search costs over the byte search; then --pairs runs of each of corvina-cli's
# three searches in turn, with their processor times. The work folder keeps every output.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cli="" truth="" runs=5 pairs=15 work=""
while [[ $# -gt 1 ]]; do
    case $1 in
        --cli) cli=$2; shift 2 ;;
        --truth) truth=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        --pairs) pairs=$2; shift 2 ;;
        --work) work=$2; shift 2 ;;
        *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done
[[ $# -eq 1 && -d $1 ]] || { echo "usage: $0 [--cli PATH] [--truth FILE] [--runs N] [--pairs N] [--work DIR] TREE" >&2; exit 2; }
tree=$(realpath "$1")
truth=${truth:-$(dirname "$tree")/truth.txt}
if [[ -z $cli ]]; then
    cli=$(find "$here/../build/release" -name corvina-cli -type f -perm -u+x 2>/dev/null | head -1)
fi
[[ -x $cli ]] || { echo "no corvina-cli: build the release or pass --cli" >&2; exit 2; }
for tool in hyperfine rmlint python3; do
    command -v $tool >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
done
grep -qxF "# tree: $tree/" "$truth" || { echo "$truth is not the truth of $tree" >&2; exit 2; }
work=${work:-$(mktemp -d "${TMPDIR:-/tmp}/corvina-folders-bench.XXXXXX")}
mkdir -p "$work"
cd "$work"

canonical() { python3 "$here/groups_to_canonical.py" | python3 "$here/make_folder_trees.py" --canonical; }
python3 "$here/make_folder_trees.py" --canonical <"$truth" >truth.canon
sed -n '/^# contained$/q;p' truth.canon >truth-groups.canon

# The answers, each compared with the truth.
"$cli" --engine folders --contained --format groups --quiet "$tree" >contained.raw
canonical <contained.raw >contained.canon
"$cli" --engine folders --format groups --quiet "$tree" >folders.raw
canonical <folders.raw | sed -n '/^# contained$/q;p' >folders.canon
verdict() { # NAME TRUTH ANSWER: "correct" or the lines that differ
    if diff -q "$2" "$3" >/dev/null; then
        echo "$1: correct"
        echo correct >"$1.verdict"
    else
        echo "$1: WRONG"
        diff "$2" "$3" | grep '^[<>]' | sed 's/^</-/; s/^>/+/' | tee "$1.diff"
        echo "wrong ($(wc -l <"$1.diff") lines differ)" >"$1.verdict"
    fi
}
verdict contained truth.canon contained.canon
verdict folders truth-groups.canon folders.canon

# rmlint: -T dd is -D (duplicate directories) without the duplicate files, empty files and
# empty folders; -j asks for the same layout of the files too. Its groups share a checksum.
rmlint_groups() {
    python3 - "$1" <<'EOF'
import json, sys
groups = {}
for e in json.load(open(sys.argv[1]))[1:-1]:
    if e.get("type") == "duplicate_dir":
        groups.setdefault(e["checksum"], []).append(e["path"].rstrip("/") + "/")
for line in sorted("\t".join(sorted(g)) for g in groups.values()):
    print(line)
EOF
}
for variant in "rmlint-dd:-T dd" "rmlint-dd-j:-T dd -j"; do
    name=${variant%%:*}
    # shellcheck disable=SC2086 # the options are words
    rmlint ${variant#*:} -o "json:$name.json" "$tree" >/dev/null
    rmlint_groups "$name.json" >"$name.canon"
    if diff -q truth-groups.canon "$name.canon" >/dev/null; then
        echo "$name: agrees with the truth's groups" | tee "$name.verdict"
    else
        diff truth-groups.canon "$name.canon" | grep '^[<>]' >"$name.diff" || true
        echo "$name: $(grep -c '^<' "$name.diff") groups of the truth missing," \
            "$(grep -c '^>' "$name.diff") groups not in the truth" | tee "$name.verdict"
    fi
done

# Timing: warm page cache; the output of every run is thrown away (rmlint's goes to a file).
names=(byte folders contained rmlint-dd rmlint-dd-j)
labels=("corvina-cli --engine byte" "corvina-cli --engine folders" "corvina-cli --engine folders --contained"
    "rmlint -T dd" "rmlint -T dd -j")
q=$(printf '%q' "$tree")
c=$(printf '%q' "$cli")
cmds=(
    "$c --engine byte --format groups --quiet $q"
    "$c --engine folders --format groups --quiet $q"
    "$c --engine folders --contained --format groups --quiet $q"
    "rmlint -T dd -o json:timed.json $q"
    "rmlint -T dd -j -o json:timed.json $q"
)
hyperfine --warmup 1 --runs "$runs" --style basic --export-json timing.json "${cmds[@]}" >hyperfine.log
for i in "${!names[@]}"; do
    eval "/usr/bin/time -f %M -o ${names[$i]}.rss ${cmds[$i]}" >/dev/null
done

# The three searches of corvina-cli again, in turn, so that other work on a shared machine weighs
# on each alike; processor time (user + system) is less disturbed by it than wall time.
python3 - "$pairs" "$cli" "$tree" >pairs.txt <<'EOF'
import resource, statistics, subprocess, sys, time
pairs, cli, tree = int(sys.argv[1]), sys.argv[2], sys.argv[3]
seen = {"byte": [], "folders": [], "folders --contained": []}
for _ in range(pairs):
    for engine in seen:
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        subprocess.run([cli, "--engine", *engine.split(), "--format", "groups", "--quiet", tree],
                       stdout=subprocess.DEVNULL, check=True)
        wall = time.perf_counter() - start
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime
        seen[engine].append((wall, cpu))
wall = {e: statistics.median(w for w, _ in runs) for e, runs in seen.items()}
cpu = {e: statistics.median(c for _, c in runs) for e, runs in seen.items()}
print(f"\nIn turn, {pairs} runs each (median):")
for e in seen:
    print(f"--engine {e}: {wall[e]:.3f} s wall, {cpu[e]:.3f} s processor", end="")
    print("" if e == "byte" else f"; over byte {(wall[e] / wall['byte'] - 1) * 100:+.1f} % wall, "
          f"{(cpu[e] / cpu['byte'] - 1) * 100:+.1f} % processor")
EOF

python3 - "${names[@]}" "${labels[@]}" <<'EOF'
import json, sys
names = sys.argv[1:len(sys.argv) // 2 + 1]
labels = dict(zip(names, sys.argv[len(sys.argv) // 2 + 1:]))
results = json.load(open("timing.json"))["results"]
median = {n: r["median"] for n, r in zip(names, results)}
print("\n| command | median s | min s | max s | max RSS MiB | answer |")
print("|---|---|---|---|---|---|")
for n, r in zip(names, results):
    rss = int(open(f"{n}.rss").read().split()[-1]) / 1024
    try:
        answer = open(f"{n}.verdict").read().strip().replace(f"{n}: ", "")
    except FileNotFoundError:
        answer = "(not compared)"
    print(f"| `{labels[n]}` | {r['median']:.3f} | {r['min']:.3f} | {r['max']:.3f} | {rss:.0f} | {answer} |")
for n in ("folders", "contained"):
    print(f"\n--engine {'folders --contained' if n == 'contained' else 'folders'} over --engine byte: "
          f"{(median[n] / median['byte'] - 1) * 100:+.1f} %")
EOF
cat pairs.txt
echo "work folder: $work"

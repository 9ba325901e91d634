#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The bytes a byte-exact duplicate search must read in a corpus of the shared benchmark harness.

    python3 bench/limit_reads.py [--block N] TREE TRUTH >LIST

Every regular file below TREE (links not followed) falls in one of three kinds:

- a file of a size no other file has, or of no bytes: nothing to read, its size alone tells it
  apart;
- a file of a byte-identical group of TRUTH (make_corpus.py's truth.txt): read whole, since only
  the last byte read can prove that its copies are copies;
- any other file of a shared size: read from the start until it differs from every other file of
  its size, that is one byte past its longest common prefix with any of them, rounded up to whole
  blocks of N bytes (default 4096, a page: reading less costs the disk and the page cache as much)
  and at most its size. A search that reads from the front can prove it unique no sooner.

LIST gets one line per file to read, "BYTES<TAB>PATH" with PATH relative to TREE, in the order of
the walk (the harness never makes names with a TAB or a newline); a summary goes to standard error.
Making the list reads the candidates once, which is why it is done before any timing.
"""
import argparse
import os
import stat
import sys

ROUND_BYTES = 64 << 20  # what one round of a set may hold in memory at once
MAX_CHUNK = 1 << 20


def walk(tree):
    """(path relative to tree, size) of every regular file, in the order of the walk."""
    files = []
    for folder, _, names in os.walk(tree):
        for name in names:
            full = os.path.join(folder, name)
            st = os.lstat(full)
            if stat.S_ISREG(st.st_mode):
                files.append((os.path.relpath(full, tree), st.st_size))
    return files


def read_groups(truth):
    """Each path of TRUTH mapped to the number of its group."""
    group = {}
    with open(truth, encoding="utf-8", errors="surrogateescape", newline="\n") as f:
        for number, line in enumerate(f):
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                for path in line.split("\t"):
                    group[path] = number
    return group


def common_prefix(a, b):
    lo, hi = 0, min(len(a), len(b))
    while lo < hi:
        mid = (lo + hi + 1) // 2
        if a[:mid] == b[:mid]:
            lo = mid
        else:
            hi = mid - 1
    return lo


def distinguishing_lengths(tree, paths, size, grouped):
    """For each path of `paths` (files of one size) that is not in `grouped`: one byte past its
    longest common prefix with any other of them. Reads the files in step, chunk by chunk, and
    stops once every set of files still alike holds only grouped files."""
    need = {}
    sets = [(list(paths), 0)]
    while sets:
        following = []
        for members, offset in sets:
            if all(p in grouped for p in members):
                continue
            if offset >= size:
                raise ValueError(f"{members} are identical but not all in one group of the truth")
            chunk = max(1, min(MAX_CHUNK, ROUND_BYTES // len(members)))
            data = {}
            for p in members:
                with open(os.path.join(tree, p), "rb") as f:
                    f.seek(offset)
                    data[p] = f.read(chunk)
            # Of a set of strings, the one sharing the longest prefix with a given string is one of
            # its neighbours in sorted order.
            distinct = sorted(set(data.values()))
            longest = dict.fromkeys(distinct, -1)
            for a, b in zip(distinct, distinct[1:]):
                common = common_prefix(a, b)
                longest[a] = max(longest[a], common)
                longest[b] = max(longest[b], common)
            alike = {}
            for p in members:
                if longest[data[p]] >= 0 and p not in grouped:
                    need[p] = offset + longest[data[p]] + 1
                alike.setdefault(data[p], []).append(p)
            following += [(same, offset + chunk) for same in alike.values() if len(same) > 1]
        sets = following
    return need


def plan(tree, truth, block=4096):
    """(path, bytes to read) of every file that must be read, in the order of the walk."""
    files = walk(tree)
    group = read_groups(truth)
    by_size = {}
    for path, size in files:
        by_size.setdefault(size, []).append(path)
    need = {}
    for size, paths in by_size.items():
        if size == 0 or len(paths) < 2:
            continue
        for path, length in distinguishing_lengths(tree, paths, size, group).items():
            need[path] = min(size, -(-length // block) * block)
        need.update((p, size) for p in paths if p in group)
    return [(path, need[path]) for path, _ in files if path in need]


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--block", type=int, default=4096, help="reads are rounded up to whole blocks")
    ap.add_argument("tree")
    ap.add_argument("truth")
    a = ap.parse_args(argv)
    reads = plan(a.tree, a.truth, a.block)
    out = "".join(f"{n}\t{p}\n" for p, n in reads)
    sys.stdout.buffer.write(out.encode("utf-8", "surrogateescape"))
    total = sum(n for _, n in reads)
    print(f"{len(reads)} files to read, {total} bytes", file=sys.stderr)


if __name__ == "__main__":
    main()

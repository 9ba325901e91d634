#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A deterministic tree of many tiny files, for scans of millions of files.

FILES files of 8 to 47 bytes in folders of 1,000 (d0000000/f0000000 ...): every tenth file is a
copy of the file nineteen before it, so the tree holds FILES / 10 groups of two copies and every
other file differs from all others of its size. A tiny file takes a whole block on most file
systems; an ext4 made with inline data keeps such files in their inodes (see docs/benchmarks.md).

    python3 bench/make_tiny_tree.py --files 10000000 /mnt/tiny/tree
"""
import argparse
import os


def content(file_id: int) -> bytes:
    # The first eight bytes name the file; the size and the filler follow from it.
    size = 8 + file_id % 40
    head = b"%08x" % file_id
    return (head + b"." * 40)[:size]


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--files", type=int, default=1_000_000)
    parser.add_argument("out", help="folder to create (must not exist)")
    args = parser.parse_args()
    os.makedirs(args.out)
    per_folder = 1000
    for first in range(0, args.files, per_folder):
        folder = os.path.join(args.out, "d%07d" % (first // per_folder))
        os.mkdir(folder)
        for i in range(first, min(first + per_folder, args.files)):
            source = i - 19 if i % 10 == 9 and i >= 19 else i
            fd = os.open(os.path.join(folder, "f%07d" % i), os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644)
            os.write(fd, content(source))
            os.close(fd)


if __name__ == "__main__":
    main()

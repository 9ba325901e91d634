#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tests of limit_reads.py: python3 -m unittest discover -s bench -p 'test_limit_reads.py'"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
from unittest import mock

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import limit_reads  # noqa: E402

BASE = bytes(range(256)) * 40  # 10,240 bytes
BIG = bytes(range(251)) * 12000  # 3,012,000 bytes: several rounds of 1 MiB


def changed(data, at):
    return data[:at] + bytes([data[at] ^ 0xFF]) + data[at + 1:]


# name: (bytes, in the group of the truth)
FILES = {
    "a": (BASE, True),
    "sub/a copy": (BASE, True),
    "sub/deeper/κ a": (BASE, True),
    "last byte off": (changed(BASE, len(BASE) - 1), False),
    "off at 5000": (changed(BASE, 5000), False),
    "off at 5000 and 9000": (changed(changed(BASE, 5000), 9000), False),
    "first of two": (b"x" * 300, False),
    "second of two": (b"y" * 300, False),
    "alone": (b"z" * 777, False),
    "empty": (b"", False),
    "empty too": (b"", False),
    "big": (BIG, False),
    "big off at 2.5 MB": (changed(BIG, 2_500_000), False),
}


class Tree(unittest.TestCase):
    """FILES in a temporary tree, with a link to a file and one to a folder, and their truth."""

    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.addCleanup(self.tmp.cleanup)
        self.tree = os.path.join(self.tmp.name, "tree")
        for name, (data, _) in FILES.items():
            path = os.path.join(self.tree, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
        os.symlink("a", os.path.join(self.tree, "link to a"))
        os.symlink("sub", os.path.join(self.tree, "link to sub"))
        self.truth = os.path.join(self.tmp.name, "truth.txt")
        with open(self.truth, "w", encoding="utf-8") as f:
            f.write("# corvina-bench truth v1\n" + "\t".join(sorted(n for n, (_, g) in FILES.items() if g)) + "\n")


class Plan(Tree):
    def test_each_file_is_read_as_far_as_it_must_be(self):
        whole = {n: len(d) for n, (d, g) in FILES.items() if g}
        cases = [  # block, expected reads of the files not in a group
            (1, {"last byte off": len(BASE), "off at 5000": 9001, "off at 5000 and 9000": 9001,
                 "first of two": 1, "second of two": 1, "big": 2_500_001, "big off at 2.5 MB": 2_500_001}),
            (4096, {"last byte off": len(BASE), "off at 5000": len(BASE), "off at 5000 and 9000": len(BASE),
                    "first of two": 300, "second of two": 300, "big": 2_502_656, "big off at 2.5 MB": 2_502_656}),
        ]
        # However a round splits the files into chunks, the answer stays the same.
        for round_bytes, max_chunk in ((64 << 20, 1 << 20), (20000, 4099), (1 << 20, 4096)):
            for block, expected in cases:
                with self.subTest(block=block, round_bytes=round_bytes, max_chunk=max_chunk), \
                        mock.patch.object(limit_reads, "ROUND_BYTES", round_bytes), \
                        mock.patch.object(limit_reads, "MAX_CHUNK", max_chunk):
                    reads = limit_reads.plan(self.tree, self.truth, block)
                    self.assertEqual(dict(reads), whole | expected)
                    self.assertEqual(len(reads), len(dict(reads)), "a file listed twice")

    def test_copies_missing_from_the_truth_are_an_error(self):
        with open(self.truth, "w", encoding="utf-8") as f:
            f.write("a\tsub/a copy\n")
        with self.assertRaises(ValueError):
            limit_reads.plan(self.tree, self.truth)


@unittest.skipUnless(shutil.which("cc"), "needs a C compiler")
class ReadFloor(Tree):
    """read_floor.c reads what the list says, no more, and fails rather than time less work."""

    def run_floor(self, lines):
        listing = os.path.join(self.tmp.name, "list")
        with open(listing, "w", encoding="utf-8") as f:
            f.write("".join(f"{n}\t{p}\n" for p, n in lines))
        return subprocess.run([self.floor, self.tree, listing], capture_output=True, text=True)

    def setUp(self):
        super().setUp()
        self.floor = os.path.join(self.tmp.name, "read_floor")
        source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "read_floor.c")
        subprocess.run(["cc", "-O2", "-o", self.floor, source], check=True)

    def test_reads_the_listed_bytes(self):
        reads = limit_reads.plan(self.tree, self.truth)
        done = self.run_floor(reads)
        self.assertEqual(done.returncode, 0, done.stderr)
        # The top, sub and sub/deeper: the link to sub is not followed.
        self.assertIn("3 folders, 17 entries", done.stdout)
        self.assertIn(f"read {len(reads)} files, {sum(n for _, n in reads)} bytes", done.stdout)

    def test_a_missing_or_short_file_fails(self):
        for lines in ([("no such file", 1)], [("a", len(BASE) + 1)], [("sub/deeper", 1)]):
            with self.subTest(lines=lines):
                self.assertEqual(self.run_floor(lines).returncode, 1)


if __name__ == "__main__":
    unittest.main()

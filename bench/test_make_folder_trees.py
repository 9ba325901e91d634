#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tests of make_folder_trees.py: python3 -m unittest discover -s bench -p 'test_make_folder_trees.py'"""
import hashlib
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_folder_trees as mft  # noqa: E402

NEAR_KINDS = ("one byte", "extra file", "missing empty file", "extra folder", "renamed")
SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "make_folder_trees.py")


def make(out, seed=1, *more):
    return subprocess.run([sys.executable, SCRIPT, "--scale", "0.01", "--seed", str(seed), *more, out],
                          capture_output=True, text=True)


def snapshot(out):
    """Every entry of OUT/tree with its kind, bytes or target, time and which names share a file;
    and truth.txt with the tree's own path taken out."""
    root = os.path.join(out, "tree")
    entries, inodes = [], {}
    for folder, dirs, files in os.walk(root):
        dirs.sort()
        for name in sorted(dirs + files):
            full = os.path.join(folder, name)
            st = os.lstat(full)
            rel = os.path.relpath(full, root)
            if os.path.islink(full):
                entries.append((rel, "link", os.readlink(full)))
            elif os.path.isdir(full):
                entries.append((rel, "dir"))
            else:
                with open(full, "rb") as f:
                    first = inodes.setdefault(st.st_ino, rel)
                    entries.append((rel, hashlib.sha256(f.read()).hexdigest(), st.st_mtime_ns, first))
    with open(os.path.join(out, "truth.txt"), encoding="utf-8") as f:
        truth = f.read().replace(root + "/", "TREE/")
    return sorted(entries), truth


class Generated(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.a = os.path.join(cls.tmp.name, "a")
        cls.b = os.path.join(cls.tmp.name, "b")
        for out in (cls.a, cls.b):
            done = make(out)
            assert done.returncode == 0, done.stderr
        with open(os.path.join(cls.a, "truth.txt"), encoding="utf-8") as f:
            groups, contained = f.read().split(f"\n{mft.CONTAINED}\n")
        cls.groups = [line.split("\t") for line in groups.splitlines() if not line.startswith("#")]
        cls.contained = contained.splitlines()

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_one_seed_gives_the_same_tree_and_truth(self):
        self.assertEqual(snapshot(self.a), snapshot(self.b))
        c = os.path.join(self.tmp.name, "c")
        self.assertEqual(make(c, 2).returncode, 0)
        self.assertNotEqual(snapshot(self.a)[1], snapshot(c)[1], "another seed, another tree")

    def test_truth_lists_a_copy_and_no_near_copy(self):
        _, known = mft.make_plan(1, 0.01)
        tree = os.path.join(self.a, "tree")
        copy = sorted(mft.folder_line(tree, d) for d in known["copy"])
        self.assertIn(copy, self.groups)
        for kind in NEAR_KINDS:
            near = mft.folder_line(tree, known[kind][1])
            self.assertFalse(any(near in g for g in self.groups), near)
        self.assertIn(mft.folder_line(tree, known["contained"]), self.contained)
        self.assertIn(mft.folder_line(tree, known["self"] + "/keep"), self.contained)
        self.assertNotIn(mft.folder_line(tree, known["self"]), self.contained)

    def test_each_near_copy_differs_from_its_folder_in_one_thing(self):
        _, known = mft.make_plan(1, 0.01)
        tree = os.path.join(self.a, "tree")

        def listing(folder):
            out = {}
            for d, dirs, files in os.walk(os.path.join(tree, folder)):
                rel = os.path.relpath(d, os.path.join(tree, folder))
                out[rel + "/"] = None
                for name in files:
                    with open(os.path.join(d, name), "rb") as f:
                        data = f.read()
                    out[os.path.join(rel, name)] = (len(data), hashlib.sha256(data).hexdigest())
            return out

        for kind in NEAR_KINDS:
            orig, near = known[kind]
            a, b = listing(orig), listing(near)
            only_a = {k: a[k] for k in a.keys() - b.keys()}
            only_b = {k: b[k] for k in b.keys() - a.keys()}
            changed = [k for k in a.keys() & b.keys() if a[k] != b[k]]
            with self.subTest(kind):
                self.assertEqual(len(only_a) + len(only_b) + len(changed), {"renamed": 2}.get(kind, 1))
                if kind == "one byte":
                    self.assertEqual(a[changed[0]][0], b[changed[0]][0], "the same size")
                elif kind == "missing empty file":
                    self.assertEqual([v[0] for v in only_a.values()], [0])
                elif kind == "extra folder":
                    self.assertEqual(list(only_b.values()), [None])
                elif kind == "renamed":
                    self.assertEqual(list(only_a.values()), list(only_b.values()))

    def test_force_replaces_only_a_folder_it_made(self):
        self.assertEqual(make(self.b, 1, "--force").returncode, 0)
        other = os.path.join(self.tmp.name, "other")
        os.makedirs(other)
        self.assertNotEqual(make(other, 1, "--force").returncode, 0)
        self.assertEqual(os.listdir(other), [])


class Rules(unittest.TestCase):
    def test_canonical_sorts_and_keeps_single_folders_apart(self):
        raw = "/t/b/\t/t/a/\n/t/z/\n/t/c/\t/t/a/x/\n# a comment\n/t/y/\n"
        self.assertEqual(mft.canonical(raw), "/t/a/\t/t/b/\n/t/a/x/\t/t/c/\n# contained\n/t/y/\n/t/z/\n")

    def test_groups_and_contained_folders(self):
        # (path, content, file id); empty files share one content
        files = [("Photos/a", "A", 1), ("Photos/sub/b", "B", 2), ("Photos/none", "empty", 3),
                 ("Backup/Photos/a", "A", 4), ("Backup/Photos/sub/b", "B", 5), ("Backup/Photos/none", "empty", 6),
                 ("Old/Backup/Photos/a", "A", 7), ("Old/Backup/Photos/sub/b", "B", 8),
                 ("Old/Backup/Photos/none", "empty", 9),
                 ("Self/x", "X", 10), ("Self/keep/x", "X", 11),
                 ("Linked/a", "A", 1), ("Lone/y", "Y", 12), ("Lone2/w", "Y", 12),
                 ("L1/z", "Z", 13), ("L2/z", "Z", 14), ("Zero1/e", "empty", 15), ("Zero2/e", "empty", 16)]
        dirs = {d for f in files for d in mft.ancestors(f[0])}
        groups, contained = mft.folder_truth(sorted(dirs), [(p, c, i, 0 if c == "empty" else 1)
                                                            for p, c, i in files], ["L1/link", "L2/link"])
        self.assertEqual(groups, [["Backup", "Old/Backup"]],
                         "Photos' copies lie in a group; links keep L1 and L2 out; no bytes, no group")
        self.assertEqual(contained, ["Linked", "Old", "Photos", "Self/keep"],
                         "Self's x has its only copy inside Self; Lone's y and Lone2's w are one file")


if __name__ == "__main__":
    unittest.main()

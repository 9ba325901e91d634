#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A deterministic photo library with whole-folder copies, near-copies and scattered copies.

    python3 bench/make_folder_trees.py --seed 1 /tmp/corvina-folders

creates
    OUT/tree/                    the folder to search
    OUT/truth.txt                the folder groups and the folders with nothing unique
    OUT/.corvina-folder-trees    marker: --force replaces only a folder that carries it

The library: Pictures/<year>/<date> <event>/ with photos and sometimes edited/, RAW/ or
edited/web/ sub-folders, a few empty files and empty folders, sizes log-normal from 8 bytes to
4 MiB (about 60,000 files in 4,000 folders and 1.4 GB at --scale 1). Around it:

- whole copies: events in a backup, a whole year in the same backup, the backup again inside an
  older backup (a backup of a backup), events shared under another folder name, and snapshots of
  events made of hard links (other names of the same files: still the same tree);
- near-copies that are no copies: one byte changed in one file (same size), one extra file, one
  missing empty file, one extra empty sub-folder, one file renamed;
- folders whose every file is a copy of a file elsewhere, from several folders (favourites);
- a folder holding files and a sub-folder with copies of them: the sub-folder has nothing unique,
  the folder has;
- pairs of equal folders that each hold a symbolic link (never listed), a folder of hard links to
  files that have no other copy (nothing elsewhere), folders of only empty files (no bytes).

truth.txt follows the folder search's rules, applied to the plan of the tree (by construction):
a folder's tree is its names, its files' contents and its sub-trees; equal trees with at least
one byte form a group, largest trees first, and a folder inside a folder already in a group is
not listed again; a folder whose tree holds a link is never listed. Then the outermost folders,
not inside or equal to a folder of a group, whose tree has bytes and whose every file has
another file (not another name of it) with the same bytes outside the tree. Lines: "#" comments,
then one group a line (absolute folder paths ending in "/", tab-separated, sorted), then the line
"# contained", then one folder a line, sorted. Unless --no-verify, the same rules are applied
again to a walk of the finished tree that reads every byte, and both answers must agree.

Names never hold a backslash, a control character or a leading dot (hidden files would be left
out of a default search and so keep their folders out of the answer).

    python3 bench/make_folder_trees.py --canonical < corvina-groups.txt

prints corvina-cli's --format groups output (after bench/groups_to_canonical.py) in truth.txt's
order: a line of two or more folders is a group, a line of one folder is a contained one.
"""
import argparse
import hashlib
import math
import os
import random
import shutil
import stat
import sys

MARKER = ".corvina-folder-trees"
POOL_BYTES = 1 << 25
MAX_SIZE = 4 << 20
MIN_SIZE = 8
CONTAINED = "# contained"
MULT = 0x9E3779B1

EVENTS = ["Beach", "Birthday", "Hiking", "Wedding", "Christmas", "Paris", "Garden", "Zoo",
          "Concert", "Skiing", "Grandma", "School play", "Road trip", "Camping", "Easter",
          "Zürich", "Café Central", "Ålesund", "東京", "Lake house", "Marathon", "New Year",
          "Graduation", "Museum", "Kids, garden & pool", "Snow", "Harbour", "Market"]
EMPTY_NAMES = ["placeholder.txt", "folder.lock", "desktop.ini", "EMPTY"]


# -- the plan ------------------------------------------------------------------------------------

class Plan:
    """Folders and files before anything is written; a file's content is (cid, size, patch)."""

    def __init__(self, rng):
        self.rng = rng
        self.dirs = {"": {}}         # folder -> {name: ("file", content) | ("link", target) | ("dir",)}
        self.hardlinks = {}          # path -> path of the first name of that file
        self.next_cid = 0

    def content(self, size):
        self.next_cid += 1
        return (self.next_cid, size, None)

    def add_dir(self, path):
        if path in self.dirs:
            return path
        parent, _, name = path.rpartition("/")
        self.add_dir(parent)
        assert name not in self.dirs[parent], path
        self.dirs[parent][name] = ("dir",)
        self.dirs[path] = {}
        return path

    def add_file(self, folder, name, content):
        self.add_dir(folder)
        assert name not in self.dirs[folder], (folder, name)
        self.dirs[folder][name] = ("file", content)
        return join(folder, name)

    def add_hardlink(self, folder, name, target):
        content = self.dirs[parent_of(target)][base_of(target)][1]
        path = self.add_file(folder, name, content)
        self.hardlinks[path] = self.hardlinks.get(target, target)
        return path

    def add_symlink(self, folder, name, target):
        self.add_dir(folder)
        self.dirs[folder][name] = ("link", target)

    def copy_tree(self, source, dest):
        """dest becomes a copy of source's tree (the same names and bytes)."""
        self.add_dir(dest)
        for name, entry in sorted(self.dirs[source].items()):
            if entry[0] == "dir":
                self.copy_tree(join(source, name), join(dest, name))
            elif entry[0] == "file":
                self.add_file(dest, name, entry[1])
            else:
                self.add_symlink(dest, name, entry[1])

    def files_in(self, folder):
        return [(join(folder, n), e[1]) for n, e in sorted(self.dirs[folder].items()) if e[0] == "file"]


def join(folder, name):
    return f"{folder}/{name}" if folder else name


def parent_of(path):
    return path.rpartition("/")[0]


def base_of(path):
    return path.rpartition("/")[2]


def solve_mu(zs, sigma, target):
    """mu such that the sizes exp(mu + sigma z), clamped to [MIN_SIZE, MAX_SIZE], sum to target."""
    def total(mu):
        return sum(min(MAX_SIZE, max(MIN_SIZE, int(math.exp(mu + sigma * z)))) for z in zs)
    lo, hi = -5.0, 25.0
    for _ in range(50):
        mid = (lo + hi) / 2
        lo, hi = (mid, hi) if total(mid) < target else (lo, mid)
    return (lo + hi) / 2


def build_library(p, scale):
    """Pictures/<year>/<date> <event>/: returns the event folders, in the order made."""
    rng = p.rng
    n_events = max(40, int(1900 * scale))
    shapes = []
    for _ in range(n_events):
        photos = max(2, int(rng.lognormvariate(2.85, 0.6)))
        subs = []
        r = rng.random()
        if r < 0.25:
            subs.append(("edited", max(1, photos // 3)))
        elif r < 0.33:
            subs.append(("RAW", photos))
        elif r < 0.38:
            subs += [("edited", max(1, photos // 4)), ("edited/web", max(1, photos // 4))]
        shapes.append((photos, subs))
    zs = [rng.gauss(0.0, 1.0) for photos, subs in shapes for _ in range(photos + sum(n for _, n in subs))]
    mu = solve_mu(zs, 1.9, scale * 1.05e9)
    sizes = iter(min(MAX_SIZE, max(MIN_SIZE, int(math.exp(mu + 1.9 * z)))) for z in zs)
    events = []
    for k, (photos, subs) in enumerate(shapes):
        year = 2008 + k * 17 // n_events
        day = f"{year}-{1 + rng.randrange(12):02d}-{1 + rng.randrange(28):02d}"
        folder = p.add_dir(f"Pictures/{year}")
        name = f"{day} {rng.choice(EVENTS)}"
        while name in p.dirs[folder]:
            name += " II"
        folder = p.add_dir(join(folder, name))
        first = rng.randrange(1, 9000)
        for i in range(photos):
            p.add_file(folder, f"IMG_{first + i:04d}.JPG", p.content(next(sizes)))
        for sub, n in subs:
            ext = ".CR2" if sub == "RAW" else ".jpg"
            for i in range(n):
                p.add_file(join(folder, sub), f"IMG_{first + i:04d}{ext}", p.content(next(sizes)))
        if rng.random() < 0.05:
            p.add_file(folder, rng.choice(EMPTY_NAMES), p.content(0))
        if rng.random() < 0.03:
            p.add_dir(join(folder, "to sort"))
        if rng.random() < 0.1:
            p.add_file(folder, "notes.txt", p.content(rng.randrange(20, 400)))
        events.append(folder)
    return events


def non_empty(p, folder):
    return [(path, content) for path, content in p.files_in(folder) if content[1] >= 64]


def build_copies(p, scale, events):
    """Everything around the library; returns what the unit test looks for."""
    rng = p.rng
    s = max(scale, 0.02)
    free = [e for e in events if len(non_empty(p, e)) >= 2]
    rng.shuffle(free)

    def take(n):
        return [free.pop() for _ in range(max(1, int(n)))]

    known = {}
    # A backup: one whole year (also on a stick), a share of the other events at their places,
    # and a note of its own.
    backup = "Backups/Laptop 2021"
    year = parent_of(events[len(events) // 2])
    free[:] = [e for e in free if parent_of(e) != year]
    p.copy_tree(year, f"{backup}/{year}")
    p.copy_tree(year, f"USB stick/{base_of(year)}")
    picked = take(90 * s)
    for e in picked:
        p.copy_tree(e, f"{backup}/{e}")
    p.add_file("Backups", "what is where.txt", p.content(321))
    # The backup again inside an older backup.
    p.copy_tree(backup, f"Backups/Old disk/{backup}")
    # Events shared under another folder name, some of them also in the backup (three copies).
    for i, e in enumerate(take(40 * s) + picked[:max(1, int(10 * s))]):
        p.copy_tree(e, f"Shared/Family/{base_of(e)} ({i})")
        known.setdefault("copy", (e, f"Shared/Family/{base_of(e)} ({i})"))
    # Snapshots made of hard links: other names of the same files, so the same trees.
    for e in take(15 * s):
        dest = f"Snapshots/2022-06-01/{base_of(e)}"
        p.add_dir(dest)
        for path, entry in sorted(p.dirs[e].items()):
            if entry[0] == "file":
                p.add_hardlink(dest, path, join(e, path))
            else:
                p.copy_tree(join(e, path), join(dest, path))

    # Near-copies: each differs from its event in one thing.
    def one_byte(dest, e):
        path, content = rng.choice(non_empty(p, dest))
        cid, size, _ = content
        p.dirs[dest][base_of(path)] = ("file", (cid, size, rng.randrange(MIN_SIZE, size)))

    def extra_file(dest, e):
        p.add_file(dest, "IMG_9999 extra.JPG", p.content(rng.randrange(1000, 90000)))

    def missing_empty(dest, e):
        del p.dirs[dest]["placeholder.txt"]

    def extra_folder(dest, e):
        p.add_dir(join(dest, "new folder"))

    def renamed(dest, e):
        path, content = rng.choice(non_empty(p, dest))
        del p.dirs[dest][base_of(path)]
        p.add_file(dest, base_of(path).replace(".", " (1).", 1), content)

    for kind, change in (("one byte", one_byte), ("extra file", extra_file),
                         ("missing empty file", missing_empty), ("extra folder", extra_folder),
                         ("renamed", renamed)):
        for i, e in enumerate(take(6 * s)):
            if change is missing_empty and "placeholder.txt" not in p.dirs[e]:
                p.add_file(e, "placeholder.txt", p.content(0))
            dest = f"Laptop import/{kind} {i}/{base_of(e)}"
            p.copy_tree(e, dest)
            change(dest, e)
            known.setdefault(kind, (e, dest))

    # Favourites: every file a copy of a photo of another event.
    sources = take(60 * s)
    for i in range(max(2, int(25 * s))):
        folder = f"Favourites/{['Best of', 'Wallpapers', 'Print'][i % 3]} {i}"
        for j in range(rng.randrange(5, 16)):
            path, content = rng.choice(non_empty(p, rng.choice(sources)))
            p.add_file(folder, f"fav {j:03d}.jpg", content)
        known["contained"] = "Favourites"
    # A folder with a copy of its own files in a sub-folder.
    for i, e in enumerate(take(4 * s)):
        folder = f"Inbox {i}"
        for path, content in non_empty(p, e)[:3]:
            fresh = p.content(content[1])
            p.add_file(folder, base_of(path), fresh)
            p.add_file(f"{folder}/keep", base_of(path), fresh)
        known.setdefault("self", folder)
    # Equal folders that each hold a link, hard links to files without a copy, empty trees.
    for side in ("A", "B"):
        for path, content in non_empty(p, known["copy"][0]):
            p.add_file(f"Links/Album {side}", base_of(path), content)
        p.add_symlink(f"Links/Album {side}", "cover.jpg", base_of(non_empty(p, known["copy"][0])[0][0]))
        p.add_file(f"Templates/{side}", "empty.txt", p.content(0))
        p.add_dir(f"Templates/{side}/nothing")
    for e in take(3 * s):
        for path, content in non_empty(p, e):
            p.add_hardlink("Linked picks", f"{base_of(e)} {base_of(path)}", path)
    return known


def make_plan(seed, scale):
    """The plan of the tree, and a few of its folders by what they are."""
    p = Plan(random.Random(f"folders:{seed}"))
    events = build_library(p, scale)
    return p, build_copies(p, scale, events)


# -- the rules -----------------------------------------------------------------------------------

def folder_truth(dirs, files, links):
    """The folder groups and the folders with nothing unique.

    dirs: every folder ("" is the root); files: (path, content key, file id, size), where the
    content key of every empty file is the same; links: paths of entries that are neither files
    nor folders. Returns (groups, contained) of folder paths."""
    children = {d: [] for d in dirs}
    for d in dirs:
        if d:
            children[parent_of(d)].append(d)
    own = {d: [] for d in dirs}
    for f in files:
        own[parent_of(f[0])].append(f)
    order = []                                   # depth-first, a folder before its sub-folders
    stack = [""]
    while stack:
        d = stack.pop()
        order.append(d)
        stack.extend(sorted(children[d], reverse=True))
    incomplete = set()
    for link in links:
        d = parent_of(link)
        while True:
            incomplete.add(d)
            if not d:
                break
            d = parent_of(d)
    classes, trees = {}, {}
    number, size, entries, tree_files = {}, {}, {}, {}
    for d in reversed(order):
        size[d] = sum(f[3] for f in own[d]) + sum(size[c] for c in children[d])
        entries[d] = len(own[d]) + sum(entries[c] + 1 for c in children[d])
        tree_files[d] = own[d] + [f for c in children[d] for f in tree_files[c]]
        if d in incomplete:
            number[d] = ("incomplete", d)
            continue
        listing = tuple(sorted([(base_of(f[0]), 0, classes.setdefault(f[1], len(classes))) for f in own[d]] +
                               [(base_of(c), 1, number[c]) for c in children[d]]))
        number[d] = trees.setdefault(listing, len(trees))
    candidates = {}
    for d in order:
        if d not in incomplete and size[d] > 0:
            candidates.setdefault(number[d], []).append(d)
    in_group, groups = set(), []
    for members in sorted(candidates.values(), key=lambda m: -entries[m[0]]):
        kept = [m for m in members if not any(a in in_group for a in ancestors(m))]
        if len(kept) > 1:
            in_group.update(kept)
            groups.append(sorted(kept))
    holders = {}
    for path, key, fid, _ in files:
        holders.setdefault(key, []).append((fid, parent_of(path)))

    def inside(folder, d):
        return not d or folder == d or folder.startswith(d + "/")

    def elsewhere(f, d):
        return any(fid != f[2] and not inside(folder, d) for fid, folder in holders[f[1]])

    contained, blocked = [], set()
    for d in order:
        if d in in_group or (d and parent_of(d) in blocked):
            blocked.add(d)
            continue
        if d not in incomplete and size[d] > 0 and all(elsewhere(f, d) for f in tree_files[d]):
            contained.append(d)
            blocked.add(d)
    return sorted(groups), sorted(contained)


def ancestors(d):
    while d:
        d = parent_of(d)
        yield d


def plan_truth(p):
    files, links = [], []
    for d, entries in p.dirs.items():
        for name, e in entries.items():
            path = join(d, name)
            if e[0] == "file":
                key = e[1] if e[1][1] else "empty"
                files.append((path, key, p.hardlinks.get(path, path), e[1][1]))
            elif e[0] == "link":
                links.append(path)
    return folder_truth(list(p.dirs), files, links)


def disk_truth(root):
    """The same rules over a walk of the tree that reads every byte."""
    dirs, files, links = [""], [], []
    stack = [""]
    while stack:
        d = stack.pop()
        with os.scandir(os.path.join(root, d)) as it:
            for e in it:
                rel = join(d, e.name)
                st = e.stat(follow_symlinks=False)
                if stat.S_ISDIR(st.st_mode):
                    dirs.append(rel)
                    stack.append(rel)
                elif stat.S_ISREG(st.st_mode):
                    h = hashlib.sha256()
                    with open(e.path, "rb") as f:
                        while chunk := f.read(1 << 20):
                            h.update(chunk)
                    key = (st.st_size, h.hexdigest()) if st.st_size else "empty"
                    files.append((rel, key, (st.st_dev, st.st_ino), st.st_size))
                else:
                    links.append(rel)
    return folder_truth(dirs, files, links)


# -- writing -------------------------------------------------------------------------------------

def write_tree(p, root, seed):
    rng = random.Random(f"bytes:{seed}")
    pool = memoryview(rng.randbytes(POOL_BYTES + MAX_SIZE))
    times = random.Random(f"mtime:{seed}")
    total = 0
    for d in sorted(p.dirs):
        if d:
            os.mkdir(os.path.join(root, d))
    for d in sorted(p.dirs):
        for name, e in sorted(p.dirs[d].items()):
            full = os.path.join(root, d, name)
            path = join(d, name)
            if e[0] == "link":
                os.symlink(e[1], full)
                continue
            if e[0] != "file":
                continue
            if path in p.hardlinks:
                continue
            cid, size, patch = e[1]
            data = bytearray(cid.to_bytes(8, "big")[:size])
            start = cid * MULT % POOL_BYTES
            data += pool[start:start + size - len(data)]
            if patch is not None:
                data[patch] ^= 0x01
            with open(full, "wb") as f:
                f.write(data)
            ts = 1_262_304_000 + times.randrange(15 * 365 * 86400)
            os.utime(full, (ts, ts))
            total += size
    for link, target in sorted(p.hardlinks.items()):
        os.link(os.path.join(root, target), os.path.join(root, link))
    return total


def folder_line(root, d):
    return os.path.join(root, d, "")


def truth_text(root, groups, contained, header):
    body = ["\t".join(folder_line(root, d) for d in g) for g in groups]
    return "".join(f"# {h}\n" for h in header) + "".join(line + "\n" for line in sorted(body)) + \
        CONTAINED + "\n" + "".join(line + "\n" for line in sorted(folder_line(root, d) for d in contained))


def canonical(text):
    """corvina-cli --format groups lines in truth.txt's order (without its comments)."""
    groups, single = [], []
    for line in text.splitlines():
        if not line or line.startswith("#"):
            continue
        paths = sorted(line.split("\t"))
        (groups if len(paths) > 1 else single).append("\t".join(paths))
    return "".join(line + "\n" for line in sorted(groups)) + CONTAINED + "\n" + \
        "".join(line + "\n" for line in sorted(single))


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("out", nargs="?", help="folder to create (tree/ and truth.txt go inside)")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--scale", type=float, default=1.0,
                    help="multiplies the default size (about 60,000 files, 4,000 folders, 1.4 GB)")
    ap.add_argument("--force", action="store_true", help="replace OUT if this script made it")
    ap.add_argument("--no-verify", dest="verify", action="store_false",
                    help="skip reading the finished tree back to check truth.txt")
    ap.add_argument("--canonical", action="store_true",
                    help="read corvina-cli --format groups lines on stdin, print them in truth.txt's order")
    a = ap.parse_args(argv)
    if a.canonical:
        sys.stdout.write(canonical(sys.stdin.read()))
        return
    if not a.out:
        ap.error("the folder OUT is required")
    out = os.path.abspath(a.out)
    if os.path.lexists(out):
        if not (a.force and os.path.isdir(out) and not os.path.islink(out)
                and os.path.isfile(os.path.join(out, MARKER))):
            sys.exit(f"{out} exists and was not made by this script with --force asked: left alone")
        shutil.rmtree(out)
    os.makedirs(out)
    with open(os.path.join(out, MARKER), "w") as f:
        f.write("made by make_folder_trees.py\n")
    root = os.path.join(out, "tree")
    os.mkdir(root)

    p, _ = make_plan(a.seed, a.scale)
    total = write_tree(p, root, a.seed)
    groups, contained = plan_truth(p)
    if a.verify and disk_truth(root) != (groups, contained):
        sys.exit("verify failed: the tree on disk gives another answer than its plan")
    n_files = sum(1 for entries in p.dirs.values() for e in entries.values() if e[0] == "file")
    header = ["corvina folder truth v1", f"seed: {a.seed}", f"scale: {a.scale}", f"tree: {root}/",
              f"files: {n_files}", f"folders: {len(p.dirs) - 1}", f"bytes: {total}",
              f"groups: {len(groups)}", f"contained: {len(contained)}",
              f"verified: {'yes' if a.verify else 'no'}",
              "format: one group a line (tab-separated folders), then the contained folders"]
    with open(os.path.join(out, "truth.txt"), "w", encoding="utf-8") as f:
        f.write(truth_text(root, groups, contained, header))
    print(f"seed={a.seed}: {n_files} files, {len(p.dirs) - 1} folders, {total / 1e9:.2f} GB, "
          f"{len(groups)} folder groups, {len(contained)} contained -> {out}", file=sys.stderr)


if __name__ == "__main__":
    main()

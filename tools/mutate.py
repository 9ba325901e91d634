#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mutation check of the code that keeps a user's files safe (make mutate).

Each mutant below is one small fault put into a copy of the tree: a check negated or dropped, a
flag taken away, a rule loosened. For each, the copy is built (only the tests it names) and those
tests run; they must fail. A mutant whose tests still pass shows a promise no test holds; a mutant
whose text is no longer in its file means the list fell behind the code. Either fails the run.

The copy lives in build/mutate/tree with its own build folder; the working tree is only read. Each
mutant is put in, built, tested and taken out again before the next. Slow: it rebuilds and links
test programs for every mutant, so it is not part of CI.

    tools/mutate.py                 every mutant
    tools/mutate.py --only trash    the mutants whose name holds "trash"
    tools/mutate.py --check         only that every mutant's text is still in its file
"""
import argparse
import dataclasses
import datetime
import os
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


@dataclasses.dataclass
class Mutant:
    name: str
    file: str
    find: str  # exact text, found exactly once in the file (a regular expression with regex=True)
    replace: str
    why: str
    tests: list  # ctest names, which are also the names of their build targets
    regex: bool = False


# The tests that hold each part of the code.
GUARD = ["test_removal_guard", "test_proof_at_the_act"]
MOVES = ["test_file_transfer", "test_durable_writes"]
TRASH = ["test_trash", "test_durable_writes", "test_shared_trash"]
DESTINATIONS = ["test_safe_folders", "test_file_transfer", "test_safe_destination", "test_save_target"]
SAVES = ["test_save_target", "test_save_file", "test_durable_writes", "test_private_files"]
SESSIONS = ["test_session_damage", "test_session_file", "test_session_escape", "test_session_names"]
CONTENTS = ["test_content_groups", "test_content_changes"]
MARKING = ["test_marking_rules", "test_marking_commands"]
FOLDERS = ["test_folder_trash"]

RG = "src/actions/RemovalGuard.cpp"
AF = "src/platform/linux/AnchoredFiles_linux.cpp"
PF = "src/platform/linux/PosixFiles.cpp"
FT = "src/platform/linux/FileTransfer_linux.cpp"
SF = "src/platform/linux/SafeFolders_linux.cpp"
SV = "src/platform/linux/SaveFile_linux.cpp"
TR = "src/platform/linux/Trash_linux.cpp"
SP = "src/sessions/SessionParser.cpp"
SE = "src/sessions/SessionEscape.cpp"
CG = "src/engine/ContentGroups.cpp"
MR = "src/results/MarkingRules.cpp"
FP = "src/actions/FolderProof.cpp"
FTS = "src/platform/linux/FolderTrees_linux.cpp"
SR = "src/engine/ScanRows.cpp"

MUTANTS = [
    # The proof before a file goes: the marked file itself.
    Mutant("guard-identity-without-inode", RG,
           "now.device == r.device && now.inode == r.inode && ", "now.device == r.device && ",
           "another file of the same size and time in the marked file's place passes as it", GUARD),
    Mutant("guard-identity-without-size", RG,
           "now.inode == r.inode && now.size == r.size && ", "now.inode == r.inode && ",
           "a file that grew, its time put back, passes as the one the search saw", GUARD),
    Mutant("guard-identity-without-time", RG,
           " && now.mtimeNs == r.mtimeNs;", ";",
           "a file written since the search, of the same size, passes", GUARD),
    Mutant("guard-unidentified-row-acted-on", RG,
           "if (!r.identified())", "if (false)",
           "a row that did not agree with its file when the list was made is compared as if it had",
           GUARD),
    Mutant("guard-reference-not-refused", RG,
           "if (m_model.row(row).reference)", "if (false)",
           "a file of a reference location (the user's originals) may go", GUARD),
    # The list's premise.
    Mutant("guard-empty-listing-unproved", RG,
           "if (!empty)\n            result.verdict = Verdict::NotEmpty;", "",
           "the empty-files listing removes a file that holds bytes now", GUARD),
    Mutant("guard-marked-member-proves", RG,
           "if (other == row || m_model.isMarked(other))", "if (other == row)",
           "a copy that goes in the same run proves the file", GUARD),
    Mutant("guard-changed-copy-proves", RG,
           "kept.verdict != Verdict::Proceed || ", "",
           "a copy that changed since the search proves the file", GUARD),
    Mutant("guard-same-file-proves-itself", RG,
           " || AnchoredFiles::maybeSameFile(result.file, kept.file)", "",
           "a second name of the marked file (a hard link) counts as its copy", GUARD),
    Mutant("guard-ungrouped-rows-prove", RG,
           "if (target.group > 0 && members", "if (members",
           "rows in no group prove each other", GUARD),
    Mutant("guard-link-to-reference", RG,
           "keeper == Keeper::NotReference && m_model.row(other).reference", "keeper == Keeper::NotReference && false",
           "a hard link goes to an original in a reference location, changing it", GUARD),
    Mutant("guard-bytes-not-compared", RG,
           "comparison = AnchoredFiles::compareContents(result.file, kept.file, pulse);",
           "comparison = AnchoredFiles::Comparison::Same;",
           "a copy of the same size and time proves the file without its bytes", GUARD),
    Mutant("guard-hidden-copy-similar", RG,
           " &&\n                    !ListRules::leftOutOfSimilar(m_model.row(other).name())", "",
           "a hidden file proves a file of a fuzzy list, which the search never compares", GUARD),
    Mutant("guard-any-name-same", RG,
           "comparison = ListRules::sameName(target.name(), m_model.row(other).name())",
           "comparison = true",
           "a Same Name list removes a file whose copy has another name", GUARD),
    Mutant("guard-likeness-not-seen-again", RG,
           "comparison =\n                    AnchoredFiles::comparePictures(result.file, kept.file, m_model.anchors().origin.pictureLevel);",
           "comparison = AnchoredFiles::Comparison::Same;",
           "a picture goes because the list says it looks like another, whatever it holds now", GUARD),
    Mutant("guard-picture-level-widened", RG,
           "m_model.anchors().origin.pictureLevel);", "PictureLevel::Loose);",
           "a picture goes on a likeness wider than the one the list was found at", GUARD),
    Mutant("picture-cache-in-a-shared-folder", "src/engine/PictureCache.cpp",
           "if (!AppFolders::isOwnPrivateFolder(QFileInfo(m_file).path()))", "if (false)",
           "the cache follows a link another user put in its folder and writes into that user's choice",
           ["test_picture_cache"]),
    Mutant("walk-follows-a-folder-swapped-for-a-link", "src/platform/linux/DirectoryListing_linux.cpp",
           "if (noFollow && path.size() > 1 && path.endsWith('/'))", "if (false)",
           "a folder replaced by a link while the walk goes is entered through the link's final \"/\"",
           ["test_directory_listing"]),
    Mutant("guard-no-copy-proceeds", RG,
           ": Verdict::NoCopyLeft;", ": Verdict::Proceed;",
           "a file with no copy left goes", GUARD),
    # Reaching the file from its search location.
    Mutant("resolver-folder-text-prefix-unbounded", AF,
           "if (relative.startsWith(held) && (relative.size() == held.size() || relative[held.size()] == u'/'))",
           "if (relative.startsWith(held))",
           "a row's folder is reached from a folder whose name only begins its own", ["test_row_anchors"]),
    Mutant("resolver-follows-folder-links", AF,
           "                                       O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));",
           "                                       O_PATH | O_DIRECTORY | O_CLOEXEC));",
           "a row's folder reached through a link is taken as found in its location", ["test_row_anchors"]),
    Mutant("resolver-name-leaves-its-folder", AF,
           "name == u\"..\" || name.contains(u'/'))", "name == u\"..\")",
           "a row whose name holds a \"/\" is identified as a file of another folder", ["test_row_anchors"]),
    Mutant("anchored-change-time-ignored", AF,
           " &&\n           PosixFiles::statusOf(st).ctimeNs == f.status.ctimeNs", "",
           "a copy rewritten in place with its size and time put back reads as unchanged", GUARD),
    Mutant("anchored-folder-links-followed", AF,
           "dir = FileDescriptor(::openat(dir.get(), step.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));",
           "dir = FileDescriptor(::openat(dir.get(), step.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));",
           "a folder replaced by a link is walked through", GUARD),
    Mutant("anchored-folder-identity-unchecked", AF,
           "if (!dir.valid() || ::fstat(dir.get(), &st) != 0 || identityOf(st) != folder)",
           "if (!dir.valid() || ::fstat(dir.get(), &st) != 0 || (false && identityOf(st) != folder))",
           "a file's folder replaced by another folder is acted in", GUARD),
    Mutant("anchored-file-link-followed", AF,
           "if (::fstatat(dir.get(), file.name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)",
           "if (::fstatat(dir.get(), file.name.constData(), &st, 0) != 0)",
           "a file replaced by a link is taken for the file the link leads to", GUARD),
    Mutant("anchored-read-change-unchecked", AF,
           "const int same = PosixFiles::compareContents(fa.get(), fb.get(), pulse);\n"
           "    // A write while the files were read could make two different files read alike.\n"
           "    if (!stillAsFound(fa, a) || !stillAsFound(fb, b))\n        return Comparison::Changed;",
           "const int same = PosixFiles::compareContents(fa.get(), fb.get(), pulse);",
           "a copy written while it was compared proves the file with bytes it no longer holds", GUARD),
    Mutant("anchored-hard-link-is-a-copy", AF,
           "if (x.inode == y.inode && (x.device == y.device || (x.size == y.size && x.mtimeNs == y.mtimeNs)))",
           "if (false)",
           "two names of one file count as two copies", GUARD),
    # The byte comparison.
    Mutant("compare-length-unchecked", PF,
           "if (n != m || std::memcmp", "if (std::memcmp",
           "a copy that reads back short passes (the read-back after a move to another file system)",
           MOVES),
    Mutant("compare-bytes-unchecked", PF,
           "if (n != m || std::memcmp(x.get(), y.get(), static_cast<size_t>(n)) != 0)", "if (n != m)",
           "files of one size with other bytes compare equal", GUARD),
    # The copy made before its source goes.
    Mutant("copy-not-flushed", PF,
           "if (::fsync(m_file.get()) != 0)", "if (false)",
           "a moved or trashed file's copy is named before it is on the disk", MOVES + TRASH),
    Mutant("copy-not-read-back", PF,
           "const int same = compareContents(srcFd, m_file.get(), pulse);", "const int same = 0;",
           "a copy is named and its source removed without reading it back", MOVES),
    Mutant("copy-mismatch-ignored", PF,
           "if (same > 0)\n            return fail(FileOpError::Mismatch);", "",
           "a copy that reads back different is named and its source removed", MOVES),
    Mutant("copy-source-write-ignored", PF,
           " ||\n        nanoseconds(after.st_mtim) != nanoseconds(before.st_mtim))", ")",
           "a source written while it was copied (same size) is taken as copied", MOVES + ["test_source_changes"]),
    Mutant("rename-may-replace", PF,
           "if (::renameat2(fromDir, from, toDir, to, RENAME_NOREPLACE) == 0)",
           "if (::renameat2(fromDir, from, toDir, to, 0) == 0)",
           "a move or a rename replaces a file already at the name", MOVES + GUARD),
    Mutant("delete-unexpected-file", PF,
           "if (!S_ISREG(st.st_mode) || !matches(st, expected))", "if (!S_ISREG(st.st_mode))",
           "a delete removes a file rewritten since it was proved", MOVES + TRASH),
    # Moves, copies and links.
    Mutant("move-into-its-own-folder", FT,
           "&& sameInode(destSt, fromFolderSt))", "&& (false && sameInode(destSt, fromFolderSt)))",
           "a move into the file's own folder renames it instead of refusing", MOVES),
    Mutant("move-across-unverified", FT,
           "copy.make(in.get(), dest, true, pulse)", "copy.make(in.get(), dest, false, pulse)",
           "a move to another file system removes the source without a flushed, read-back copy",
           MOVES),
    Mutant("copy-changed-source", FT,
           "else if (::fstat(in.get(), &st) != 0 || !PosixFiles::matches(st, source.status))",
           "else if (::fstat(in.get(), &st) != 0)",
           "a copy or move to another file system takes a file changed since it was proved",
           MOVES + ["test_source_changes"]),
    Mutant("hard-link-across-owners", FT,
           "if (kind == LinkKind::Hard && !sameOwnership(replaced, kept))",
           "if (kind == LinkKind::Hard && false && !sameOwnership(replaced, kept))",
           "a hard link joins files of different owners or modes", GUARD),
    # Destinations reached without a stranger's link.
    Mutant("follow-any-link", SF,
           "return !shared ||", "return true || !shared ||",
           "another user's link in /tmp turns a copy or a save onto a file of their choosing",
           DESTINATIONS),
    Mutant("follow-untrusted-folder-link", SF,
           "if (!mayFollow(folder, st))\n            return failed(EACCES);", "",
           "a destination path follows another user's link in a shared folder", DESTINATIONS),
    Mutant("destination-climbs-out", SF,
           ' && name != ".." &&', " &&",
           'a folder below the destination named ".." leads out of it', DESTINATIONS),
    Mutant("destination-name-cut-short", SF,
           " && !name.contains('\\0')", "",
           "a folder name with a NUL reaches another folder than its text says", DESTINATIONS),
    Mutant("destination-link-below", SF,
           "return FileDescriptor(::openat(dirFd, name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));",
           "return FileDescriptor(::openat(dirFd, name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));",
           "a folder below the destination that is a link is followed", DESTINATIONS),
    # Saves.
    Mutant("save-not-flushed", SV,
           "    if (::fsync(m_file.get()) != 0)\n        return FileOpen::systemFailure(errno);\n    if (m_newName.isEmpty())",
           "    if (m_newName.isEmpty())",
           "a saved file replaces the old one before it is on the disk", SAVES),
    Mutant("save-over-strangers-file", SV,
           "if (!trusted)\n            return refusal(\n                FileOpen::Failure::AccessDenied,\n"
           "                QT_TRANSLATE_NOOP(\"SaveFile\", \"Not replacing",
           "if (false)\n            return refusal(\n                FileOpen::Failure::AccessDenied,\n"
           "                QT_TRANSLATE_NOOP(\"SaveFile\", \"Not replacing",
           "a save replaces another user's file in /tmp", SAVES),
    Mutant("save-through-strangers-link", SV,
           "if (!trusted)\n        return refusal(\n            FileOpen::Failure::AccessDenied,",
           "if (false)\n        return refusal(\n            FileOpen::Failure::AccessDenied,",
           "a save follows another user's link in /tmp", SAVES),
    Mutant("save-over-a-folder-put-there", SV,
           "!S_ISREG(st.st_mode) &&\n        !S_ISLNK(st.st_mode))\n        return notAFile(st);",
           "false)\n        return notAFile(st);",
           "a FIFO or folder put at the name while the file was written is replaced", SAVES),
    Mutant("save-private-file-shared", SV,
           "    mode_t mode = S_IRUSR | S_IWUSR;\n", "    mode_t mode = 0644;\n",
           "a private file (a session, the log) is readable by others", SAVES),
    # The trash.
    Mutant("trash-copy-unverified", TR,
           "copy.make(srcFd, trash.files.get(), true, {})", "copy.make(srcFd, trash.files.get(), false, {})",
           "a file goes once its copy in the home trash is written, not flushed and read back", TRASH),
    Mutant("trash-strangers-folder", TR,
           "st.st_uid == ::getuid() &&\n           (st.st_mode & 0777) == 0700 && ", "",
           "a trash folder another user made on a shared disk takes the user's files", TRASH),
    Mutant("trash-shared-without-sticky-bit", TR,
           "(st.st_mode & S_ISVTX) && st.st_dev == device", "st.st_dev == device",
           "a .Trash folder anyone may rename things in is used as the shared trash", TRASH),
    Mutant("trash-path-unescaped", TR,
           'pathForInfo.toPercentEncoding("/")', "pathForInfo",
           "a name with a newline or % writes a trash entry that restores elsewhere", TRASH),
    # The session reader.
    Mutant("session-fewer-rows-than-announced", SP,
           "if (m_resultsBegun && m_resultLines != m_header.rowCount)", "if (false)",
           "a session file cut off between rows is taken as whole", SESSIONS),
    Mutant("session-nul-in-field", SP,
           "if (holdsNul(field))\n            return damaged(Tr::tr(\"Line %1 holds a NUL character, "
           "which no file name can hold.\").arg(m_line));\n    }\n    const auto wrong",
           "if (false && holdsNul(field))\n            return damaged(Tr::tr(\"Line %1 holds a NUL character, "
           "which no file name can hold.\").arg(m_line));\n    }\n    const auto wrong",
           "an escaped NUL in a row's name cuts the name short and reaches another file", SESSIONS),
    Mutant("session-name-with-slash", SP,
           "name.isEmpty() || name.contains(u'/') || ", "name.isEmpty() || ",
           "a row's name reaches into a folder below its own", SESSIONS),
    Mutant("session-name-dot-dot", SP,
           ' || name == QLatin1String("..")', "",
           'a row named ".." names the folder above its own', SESSIONS),
    Mutant("session-relative-folder", SP,
           "if (!isAbsolute(f[5]) || !f[5].endsWith(u'/'))", "if (!f[5].endsWith(u'/'))",
           "a row's folder is taken relative to wherever the program runs", SESSIONS),
    Mutant("session-any-location-icon", SP,
           "if (!icon || (*icon != SearchLocation::IncludedIcon", "if (!icon || (false && *icon != SearchLocation::IncludedIcon",
           "a location of an unknown kind is neither searched, excluded nor a reference", SESSIONS),
    Mutant("session-any-tenth-field-escapes", SP,
           "h.escaped = f.size() > 9 && f[9] == SessionEscape::Marker;", "h.escaped = f.size() > 9;",
           "a file of a later version is read as escaped, turning its names into others", SESSIONS),
    Mutant("session-any-mark", SP,
           "if (f.size() == 10 && f[9] != u\"*\")", "if (false)",
           "a row with an unknown tenth field is taken as marked", SESSIONS),
    # The escape of names in a session file.
    Mutant("escape-percent-not-escaped", SE,
           "return c == u'%' || c == u',' ", "return c == u',' ",
           'a name holding "%41" is read back as "A"', SESSIONS),
    Mutant("escape-separator-not-escaped", SE,
           " || c == u'?' ||", " ||",
           'a name holding "?" splits its row', SESSIONS),
    Mutant("unescape-last-escape-skipped", SE,
           "i + 2 >= field.size()", "i + 3 >= field.size()",
           "an escape at the end of a field is left as text: the name read back is another", SESSIONS),
    Mutant("unescape-lower-case-ignored", SE,
           "    if (c >= u'a' && c <= u'f')\n        return c - u'a' + 10;\n", "",
           "an escape written in lower case is left as text", SESSIONS),
    # The byte comparison of the search.
    Mutant("groups-last-byte-unread", CG,
           "if (members.size() >= 2 && offset >= length(members.front()))",
           "if (members.size() >= 2 && offset + 1 >= length(members.front()))",
           "files that differ only in their last byte are grouped as identical", CONTENTS),
    Mutant("groups-block-unequal-ignored", CG,
           "std::memcmp(block(i, size), block(j, size), static_cast<size_t>(extent(a, size, offset))) == 0;",
           "(std::memcmp(block(i, size), block(j, size), static_cast<size_t>(extent(a, size, offset))) == 0 || true);",
           "files of one length are grouped without their bytes compared", CONTENTS),
    Mutant("groups-length-unequal-ignored", CG,
           "return length(a) == length(b) &&", "return (length(a) == length(b) || b >= 0) &&",
           "a file that grew since the walk is grouped with one that did not", CONTENTS),
    Mutant("groups-short-read-accepted", CG,
           "if (f.readAt(buffer, want, offset) != want)\n        {\n            m_unreadable",
           "if (f.readAt(buffer, want, offset) < 0)\n        {\n            m_unreadable",
           "a block read short (a file cut while it is read) is compared with stale bytes", CONTENTS),
    Mutant("groups-reopened-length-unchecked", CG,
           "else if (f.size() != length(m))", "else if (false)",
           "a file opened again with another length is compared as if it kept its own", CONTENTS),
    Mutant("groups-listed-hash-taken-as-proof", CG,
           "                m_pending.push_back({std::move(*part), 0, 0});",
           "                m_groups.push_back(std::move(*part));",
           "files whose bytes the walk hashed alike are grouped without their bytes compared", CONTENTS),
    Mutant("groups-fuzzy-lengths-unequal", CG,
           "if (!a.usable || !b.usable || a.length != b.length)", "if (!a.usable || !b.usable)",
           "fuzzy groups join files of different lengths", CONTENTS),
    Mutant("rows-left-in-record-order", SR,
           "        while (byRecord[i] != i)", "        while (false && byRecord[i] != i)",
           "the rows of a search name their files in the walk's order, not their groups'", ["test_scan_rows"]),
    Mutant("rows-records-given-back-early", SR,
           "            files.releaseBefore(record);", "            files.releaseBefore(record + 5000);",
           "records are given back before their rows are made", ["test_scan_rows"]),
    # The marking rules.
    Mutant("mark-all-keeps-none", MR,
           "if (bestRow >= 0 && !hasReference)", "if (false)",
           "Mark All Duplicates marks every file of a group", MARKING),
    Mutant("mark-all-keeps-oldest", MR,
           "TextCompare::compareNoCase(key, best) > 0", "TextCompare::compareNoCase(key, best) < 0",
           "Mark All Duplicates keeps another file than the one it promises", MARKING),
    Mutant("mark-up-to-keeps-none", MR,
           "if (!rows[i].reference && (hasReference || i != kept))",
           "if (!rows[i].reference && (hasReference || i != kept || true))",
           "Mark Up To marks the first file of a group too", MARKING),
    # The proof before a whole folder goes to the trash.
    Mutant("folder-proof-no-group-acted-on", FP,
           "if (r.group <= 0 && !outside)", "if (false)",
           "a folder with nothing unique read from a session is proved against folders that are not its copies",
           FOLDERS),
    Mutant("folder-proof-counts-unchecked", FP,
           "!counted || survey.files != files || survey.bytes != r.size", "!counted || files < 0",
           "a folder that gained or lost files since the search passes as the one listed", FOLDERS),
    Mutant("folder-proof-special-entry-passed", FP,
           "else if (!survey.plain)", "else if (false)",
           "a folder holding a link or a device is proved as if it held files only", FOLDERS),
    Mutant("folder-trees-same-file-is-a-copy", FTS,
           "if (AnchoredFiles::maybeSameFile(fa, fb))", "if (false)",
           "a kept folder of second names of the marked folder's own files proves it", FOLDERS),
    Mutant("trash-folder-time-unchecked", TR,
           "folder.name.constData(), folder.status, true))", "folder.name.constData(), folder.status, false))",
           "a folder that gained an entry after its proof goes to the trash with it", FOLDERS),
    Mutant("folder-trees-bytes-not-compared", FTS,
           "fromFiles(AnchoredFiles::compareContents(fa, fb, pulse))", "fromFiles(AnchoredFiles::Comparison::Same)",
           "a kept folder whose file was edited since the search proves the marked one", FOLDERS),
    Mutant("folder-trees-root-identity-unchecked", FTS,
           "FolderIdentity{static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)} != root.id)",
           "(false && FolderIdentity{static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)} != root.id))",
           "a folder put in a search location's place after the search is taken for the location", FOLDERS),
    Mutant("folder-proof-nothing-unique-unproved", FP,
           "else if (c != FolderTrees::Comparison::Same)", "else if (false)",
           "a folder with nothing unique goes after the copies of its files went or changed", FOLDERS),
    # A whole folder deleted for good or moved to another file system: only as its proof saw it.
    Mutant("folder-trees-removal-unchecked", FTS,
           "if (!fd.valid() || !stillAsSeen(fd.get(), seen))", "if (!fd.valid())",
           "a folder whose file was rewritten after its proof is deleted for good", FOLDERS),
    Mutant("folder-trees-status-change-ignored", FTS,
           "a.status.ctimeNs == b.status.ctimeNs;", "true;",
           "a file rewritten with its old size and time restored passes as the file proved", FOLDERS),
    Mutant("folder-trees-copy-named-unproved", FTS,
           "if (!stillAsSeen(from.get(), seen))\n        return giveUp(changed());", "",
           "a folder edited while it is copied to another file system leaves a copy of the wrong bytes",
           FOLDERS),
]

# Mutants left out because they only make Corvina refuse more, or give another reason for a
# refusal: an empty file or a group the user chose to act on wholly made to want a copy left, a
# marked file written while it is compared reported as having no copy rather than as changed, Mark
# All Duplicates leaving a duplicate unmarked beside an original in a reference location.
#
# Mutants left out because no test can tell them from the code:
# - RemovalGuard: "other == row" dropped. The marked row is skipped as marked, and any row is its
#   own same file (maybeSameFile), so the check only saves a look.
# - AnchoredFiles::openBelow: the search location's identity. Every step below it is a real folder,
#   and the last one's identity is compared (a file's folder, an emptied folder's parent and the
#   folder itself): a location replaced by another folder reaches that folder only when the very
#   folder was moved into it, and then the act lands where the proof looked.
# - AnchoredFiles::compareContents: the size check before reading. Files of two sizes read
#   differently anyway (PosixFiles::compareContents compares the lengths read).
# - AnchoredFiles::openBoth: the look before reading. The look after reading compares with the
#   same status, so a change before the read is caught there.
# - PosixFiles::openRegularAt: O_NOFOLLOW. Every caller compares the opened file's identity with
#   the status it located without following a link, so a link to another file is refused, and a
#   link to the same file reaches the file that was proved.
# - O_NOFOLLOW beside O_CREAT | O_EXCL (the hidden copy, the trash's info file, the save's hidden
#   file): O_EXCL already fails on a link at the name.
# - FileTransfer::moveNoClobber: the look before the rename. The look after it finds the same
#   change and puts the file back.
# - Trash::moveToTrash: the look before the move. place() looks again after the rename and puts the
#   file back; the copy's source is checked when it is opened.
# - PosixFiles::StagedCopy::make: the source's size after the copy. Growth while the copy reads is
#   seen in the count of bytes copied, growth during the read-back of a move by the read-back; only
#   growth in the instant between the last read and the look is left.
# - SessionParser: the NUL check of the whole line. The fields are checked one by one after their
#   escapes are decoded, which covers the unescaped ones too.
# - Checks that only a race between two system calls can reach (the file taking another's name
#   between a look and a rename or an unlink, PosixFiles::unlinkExpected's check after moving the
#   name aside, takePlace's check of what left the name): no test can put a file there at that
#   instant. The folder flush after naming a copy (syncFolder) is best effort: it reports nothing.


def run(cmd, log, timeout=None):
    """Runs cmd with its output appended to log; its exit code, or None after a timeout."""
    with open(log, "a") as out:
        out.write("$ " + " ".join(cmd) + "\n")
        out.flush()
        proc = subprocess.Popen(cmd, stdout=out, stderr=subprocess.STDOUT, start_new_session=True)
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
            return None


def tracked_files():
    out = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=ROOT,
                         check=True, capture_output=True).stdout
    return sorted({f for f in out.decode().split("\0") if f and os.path.isfile(os.path.join(ROOT, f))})


def sync_tree(tree):
    """Makes tree a copy of the working tree (tracked and new files, as they are now); a file whose
    bytes are unchanged keeps its time, so the copy's build stays incremental."""
    wanted = set(tracked_files())
    for f in wanted:
        src = os.path.join(ROOT, f)
        dst = os.path.join(tree, f)
        if os.path.isfile(dst) and not os.path.islink(dst):
            with open(src, "rb") as a, open(dst, "rb") as b:
                if a.read() == b.read():
                    continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        shutil.copy2(src, dst)
    for folder, _, files in os.walk(tree):
        rel = os.path.relpath(folder, tree)
        for name in files:
            f = os.path.normpath(os.path.join(rel, name))
            if f not in wanted:
                os.remove(os.path.join(folder, name))


@dataclasses.dataclass
class Span:
    start: int
    end: int
    match: object = None  # the regular expression's match, for its groups


def locate(text, m):
    """Where the mutant's text is in a file's text, or why it cannot be put in."""
    if m.regex:
        found = [Span(x.start(), x.end(), x) for x in re.finditer(m.find, text, re.MULTILINE)]
    else:
        found = []
        at = text.find(m.find)
        while at >= 0:
            found.append(Span(at, at + len(m.find)))
            at = text.find(m.find, at + 1)
    if len(found) != 1:
        return None, "found %d times" % len(found)
    return found[0], None


def mutated(text, m, span):
    replacement = span.match.expand(m.replace) if m.regex else m.replace
    return text[:span.start] + replacement + text[span.end:]


def failed_tests(log, since):
    with open(log) as f:
        f.seek(since)
        tail = f.read()
    names = re.findall(r"^\s*\d+ - (\S+) \(", tail, re.MULTILINE)
    return sorted(set(names))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--only", help="run the mutants whose name holds this text")
    parser.add_argument("--check", action="store_true", help="only check that every mutant's text is found")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--work", default=os.path.join(ROOT, "build", "mutate"),
                        help="scratch folder for the copy and its build (default build/mutate)")
    parser.add_argument("--report", help="also write the table (Markdown) to this file")
    args = parser.parse_args()

    names = [m.name for m in MUTANTS]
    duplicates = sorted({n for n in names if names.count(n) > 1})
    if duplicates:
        sys.exit("mutate: names used twice: " + ", ".join(duplicates))
    chosen = [m for m in MUTANTS if not args.only or args.only in m.name]
    if not chosen:
        sys.exit("mutate: no mutant's name holds %r" % args.only)

    # Every mutant's text must be in its file, once: else the list fell behind the code. Said
    # first, so that nobody waits for the run to learn it.
    missing = 0
    for m in chosen:
        with open(os.path.join(ROOT, m.file), encoding="utf-8") as f:
            span, why = locate(f.read(), m)
        if span is None:
            missing += 1
            print("NOT APPLICABLE: %s: its text in %s is %s" % (m.name, m.file, why), file=sys.stderr)
    if args.check:
        print("%d of %d mutants apply" % (len(chosen) - missing, len(chosen)))
        return 1 if missing else 0

    tree = os.path.join(args.work, "tree")
    build = os.path.join(args.work, "build")
    logs = os.path.join(args.work, "logs")
    os.makedirs(logs, exist_ok=True)
    started = time.monotonic()

    print("Copying the working tree to %s" % tree, flush=True)
    sync_tree(tree)
    setup_log = os.path.join(logs, "setup.log")
    open(setup_log, "w").close()
    if run(["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug", "-DCORVINA_SANITIZE=ON",
            "-DCORVINA_TESTS=ON", "-DCORVINA_WERROR=ON"], setup_log) != 0:
        sys.exit("mutate: cmake failed, see " + setup_log)

    # Without a mutant, every test named must build and pass; their times bound each mutant's run.
    tests = sorted({t for m in chosen for t in m.tests})
    print("Building and running the %d tests without a mutant" % len(tests), flush=True)
    if run(["cmake", "--build", build, "-j", str(args.jobs), "--target"] + tests, setup_log) != 0:
        sys.exit("mutate: the tree does not build without a mutant, see " + setup_log)
    before = time.monotonic()
    if run(["ctest", "--test-dir", build, "-j", str(args.jobs), "--output-on-failure", "-R",
            "^(%s)$" % "|".join(tests)], setup_log) != 0:
        sys.exit("mutate: tests fail without a mutant, see " + setup_log)
    timeout = max(300, 5 * (time.monotonic() - before))

    results = []
    for i, m in enumerate(chosen, 1):
        print("[%d/%d] %s" % (i, len(chosen), m.name), end=" ", flush=True)
        path = os.path.join(tree, m.file)
        with open(path, encoding="utf-8") as f:
            original = f.read()
        span, why = locate(original, m)
        if span is None:
            results.append((m, "NOT APPLICABLE", why, 0.0))
            print("NOT APPLICABLE (%s)" % why)
            continue
        t0 = time.monotonic()
        log = os.path.join(logs, m.name + ".log")
        open(log, "w").close()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(mutated(original, m, span))
            if run(["cmake", "--build", build, "-j", str(args.jobs), "--target"] + m.tests, log) != 0:
                outcome, detail = "killed (build)", "does not build"
            else:
                since = os.path.getsize(log)
                code = run(["ctest", "--test-dir", build, "-j", str(args.jobs), "--output-on-failure", "-R",
                            "^(%s)$" % "|".join(m.tests)], log, timeout=timeout)
                if code is None:
                    outcome, detail = "killed", "timed out"
                elif code != 0:
                    outcome, detail = "killed", " ".join(failed_tests(log, since)) or "ctest failed"
                else:
                    outcome, detail = "SURVIVED", "passed: " + " ".join(m.tests)
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        elapsed = time.monotonic() - t0
        results.append((m, outcome, detail, elapsed))
        print("%s (%s, %.0f s)" % (outcome, detail, elapsed), flush=True)

    total = time.monotonic() - started
    table = ["| Mutant | File | Result | Tests that failed | Why it matters |", "| --- | --- | --- | --- | --- |"]
    for m, outcome, detail, _ in results:
        table.append("| %s | %s | %s | %s | %s |" % (m.name, os.path.basename(m.file), outcome, detail, m.why))
    counts = {}
    for _, outcome, _, _ in results:
        counts[outcome] = counts.get(outcome, 0) + 1
    summary = "%s: %d mutants in %.0f min: %s" % (
        datetime.date.today().isoformat(), len(results), total / 60,
        ", ".join("%d %s" % (n, o) for o, n in sorted(counts.items())))
    print()
    print("\n".join(table))
    print()
    print(summary)
    if args.report:
        with open(args.report, "w") as f:
            f.write("\n".join(table) + "\n\n" + summary + "\n")
    bad = [m.name for m, outcome, _, _ in results if outcome in ("SURVIVED", "NOT APPLICABLE")]
    if bad:
        print("mutate: %d mutants survived or no longer apply: %s" % (len(bad), ", ".join(bad)), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

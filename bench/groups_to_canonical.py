#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""corvina-cli --format groups on stdin, one group per line with every name as its bytes on stdout.

The groups format writes a backslash as \\\\, a TAB, newline and carriage return as \\t, \\n and \\r
and other control characters and bytes that are not UTF-8 as \\xHH, so that a name cannot break a
line; the benchmark harness compares names as they are on the disk.

    peers.sh --tool "corvina|exec:python3 bench/groups_to_canonical.py|corvina-cli --format groups ..."
"""
import re
import sys

ESCAPE = re.compile(rb"\\(x[0-9A-Fa-f]{2}|[\\tnr])")
PLAIN = {b"\\": b"\\", b"t": b"\t", b"n": b"\n", b"r": b"\r"}


def unescape(name: bytes) -> bytes:
    def one(m: re.Match) -> bytes:
        code = m.group(1)
        return bytes([int(code[1:], 16)]) if code.startswith(b"x") else PLAIN[code]

    return ESCAPE.sub(one, name)


for line in sys.stdin.buffer.read().split(b"\n"):
    if line:
        sys.stdout.buffer.write(b"\t".join(unescape(n) for n in line.split(b"\t")) + b"\n")

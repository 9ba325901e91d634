#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes Corvina's end-of-scan sound: a short two-note chime, 16-bit mono PCM at 22050 Hz.

Usage: tools/make_end_wav.py src/app/resources/sounds/end.wav
"""
import math
import struct
import sys
import wave

RATE = 22050
NOTES = [(880.0, 0.0), (1318.5, 0.12)]  # A5, then E6 a little later
LENGTH = 0.55  # seconds
DECAY = 9.0  # per second


def sample(t):
    value = 0.0
    for freq, start in NOTES:
        if t < start:
            continue
        u = t - start
        attack = min(1.0, u / 0.005)
        tone = math.sin(2 * math.pi * freq * u) + 0.25 * math.sin(4 * math.pi * freq * u)
        value += 0.35 * attack * math.exp(-DECAY * u) * tone
    return max(-1.0, min(1.0, value))


def main(path):
    frames = bytearray()
    for i in range(int(RATE * LENGTH)):
        frames += struct.pack("<h", int(sample(i / RATE) * 32767))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "end.wav")

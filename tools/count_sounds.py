#!/usr/bin/env python3
"""Counts the sounds heard in a recording: 16-bit little-endian mono PCM at 44100 Hz.

Usage: count_sounds.py RECORDING PLAYED
PLAYED holds one line per sound started ("<seconds> s  <file>", as bench/throw_sounds prints).
A sound is heard where the level rises sharply out of quiet; rises closer together than half the
shortest spacing of the played sounds belong to the same sound (the rattle's later hits).
Exits 0 when as many sounds were heard as were played.
"""

import math
import struct
import sys

RATE = 44100
FRAME = RATE // 200          # 5 ms
AUDIBLE_DB = -45.0           # quieter frames count as silence
RISE_DB = 12.0               # an onset is this much louder than the 50 ms before it


def frame_levels(path):
    with open(path, "rb") as f:
        data = f.read()
    count = len(data) // 2
    samples = struct.unpack("<%dh" % count, data[:count * 2])
    levels = []
    for start in range(0, count - FRAME + 1, FRAME):
        frame = samples[start:start + FRAME]
        rms = math.sqrt(sum(v * v for v in frame) / FRAME) / 32768.0
        levels.append(20.0 * math.log10(rms + 1e-9))
    return levels


def played_times(path):
    times = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip():
                times.append(float(line.split()[0]))
    return times


def onsets(levels, refractory_frames):
    found = []
    for i, level in enumerate(levels):
        before = levels[max(0, i - 10):i] or [-180.0]
        if level < AUDIBLE_DB or level < max(before) + RISE_DB:
            continue
        if found and i - found[-1] < refractory_frames:
            continue
        found.append(i)
    return found


def main():
    levels = frame_levels(sys.argv[1])
    played = played_times(sys.argv[2])
    spacing = min((b - a for a, b in zip(played, played[1:])), default=1.0)
    heard = onsets(levels, int(spacing / 2 * 200))
    audible = sum(1 for level in levels if level >= AUDIBLE_DB) / 200.0
    print("played %d, heard %d (onsets at %s s); %.2f s of sound in %.1f s recorded"
          % (len(played), len(heard), ", ".join("%.2f" % (i / 200.0) for i in heard),
             audible, len(levels) / 200.0))
    return 0 if len(heard) == len(played) else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Writes the answer sounds: a bright rising chime for a right answer and a
soft falling two-tone for a wrong one. 16-bit mono PCM, 22050 Hz.

    python3 tools/make_sounds.py data/sounds
"""
import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050


def tone(freq, start, length, amp, harmonics=((1, 1.0),), decay=6.0):
    """Samples (offset, value) of one bell-like note with a soft attack."""
    out = []
    n = int(length * RATE)
    attack = int(0.006 * RATE)
    for i in range(n):
        t = i / RATE
        env = math.exp(-decay * t) * min(1.0, i / attack if attack else 1.0)
        # Fade the last 20 ms so the note never ends in a click.
        tail = n - i
        if tail < 0.02 * RATE:
            env *= tail / (0.02 * RATE)
        v = sum(w * math.sin(2 * math.pi * freq * k * t) for k, w in harmonics)
        out.append((int(start * RATE) + i, amp * env * v))
    return out


def render(notes, length):
    buf = [0.0] * int(length * RATE)
    for note in notes:
        for idx, v in note:
            if idx < len(buf):
                buf[idx] += v
    peak = max(abs(v) for v in buf) or 1.0
    scale = 0.8 / peak
    return [int(max(-1.0, min(1.0, v * scale)) * 32767) for v in buf]


def write(path, samples):
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", s) for s in samples))


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "data/sounds")
    out.mkdir(parents=True, exist_ok=True)
    bell = ((1, 1.0), (2, 0.35), (3, 0.12))
    # C6 then E6 then G6: a major arpeggio going up.
    correct = render(
        [
            tone(1046.5, 0.00, 0.30, 0.6, bell, 9.0),
            tone(1318.5, 0.07, 0.30, 0.6, bell, 9.0),
            tone(1568.0, 0.14, 0.34, 0.7, bell, 8.0),
        ],
        0.48,
    )
    # A3 then F3, rounder and lower: clearly "not this one", never harsh.
    soft = ((1, 1.0), (2, 0.25), (3, 0.18), (5, 0.05))
    wrong = render(
        [
            tone(220.0, 0.00, 0.22, 0.7, soft, 5.0),
            tone(174.6, 0.18, 0.32, 0.7, soft, 5.0),
        ],
        0.50,
    )
    write(out / "correct.wav", correct)
    write(out / "wrong.wav", wrong)


if __name__ == "__main__":
    main()

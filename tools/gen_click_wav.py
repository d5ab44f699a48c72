#!/usr/bin/env python3
"""Writes data/click.wav: the short wooden click of a tile sliding on the About box's letter board.

Mono, 16-bit, 22,050 Hz, 680 samples (about 31 ms; 1,404 bytes with the header). Two damped sine
partials and a short attack, fully deterministic, so the file only changes when this script does.
Usage: tools/gen_click_wav.py [OUT]
"""
import math
import os
import struct
import sys
import wave

RATE = 22050
SAMPLES = 680

out_path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "data", "click.wav")

frames = bytearray()
for n in range(SAMPLES):
    t = n / RATE
    attack = min(1.0, n / 20.0)                # 1 ms rise: no pop at the start
    body = math.exp(-t / 0.006)                # the knock dies away in a few milliseconds
    tail = max(0.0, 1.0 - n / SAMPLES) ** 2    # ends exactly at silence
    value = (0.55 * math.sin(2 * math.pi * 1150 * t) +
             0.30 * math.sin(2 * math.pi * 2310 * t + 0.7)) * attack * body * tail
    frames += struct.pack("<h", int(round(value * 32767 * 0.8)))

with wave.open(out_path, "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(RATE)
    out.writeframes(bytes(frames))

#!/usr/bin/env python3
"""Writes the framework's nine alarm sounds, ZQAPP_Alarm1.wav to
ZQAPP_Alarm9.wav, beside this script: tones synthesised here, 11025 samples
a second, 8-bit mono PCM (small, and enough for an alarm).
ZQAppFrameResources.rc names them as the WAVE resources ZQALARM_Sound_Alarm1
to ZQALARM_Sound_Alarm9. Run from anywhere; the output is the same each run."""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
RATE = 11025


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def tone(freq, seconds, attack=0.01, release=0.03):
    """A sine with short linear fades, so that no note starts with a click."""
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        t = i / RATE
        gain = min(1.0, t / attack, (seconds - t) / release)
        out.append(gain * math.sin(2 * math.pi * freq * t))
    return out


def bell(freq, seconds):
    """A struck note: the fundamental and two inharmonic partials, decaying."""
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        t = i / RATE
        decay = math.exp(-3.0 * t / seconds)
        attack = min(1.0, t / 0.005)
        s = (math.sin(2 * math.pi * freq * t) + 0.5 * math.sin(2 * math.pi * 2.76 * freq * t)
             + 0.25 * math.sin(2 * math.pi * 5.4 * freq * t))
        out.append(attack * decay * s / 1.75)
    return out


def sweep(f0, f1, seconds, shape=lambda x: x):
    """A tone whose pitch runs from f0 to f1 along shape (0..1 -> 0..1)."""
    n = int(RATE * seconds)
    out, phase = [], 0.0
    for i in range(n):
        x = i / n
        freq = f0 + (f1 - f0) * shape(x)
        phase += 2 * math.pi * freq / RATE
        gain = min(1.0, i / (0.01 * RATE), (n - i) / (0.02 * RATE))
        out.append(gain * math.sin(phase))
    return out


def overlay(parts):
    """Mixes (start seconds, samples) pairs into one track."""
    length = max(int(RATE * start) + len(samples) for start, samples in parts)
    track = [0.0] * length
    for start, samples in parts:
        offset = int(RATE * start)
        for i, s in enumerate(samples):
            track[offset + i] += s
    peak = max(abs(s) for s in track) or 1.0
    return [s / peak for s in track] if peak > 1.0 else track


def concat(*parts):
    out = []
    for part in parts:
        out += part
    return out


# Note frequencies in Hz.
G4, C5, D5, E5, G5, A5 = 392.0, 523.25, 587.33, 659.25, 783.99, 880.0

SOUNDS = {
    # Two-note chime melody
    1: overlay([(0.0, bell(E5, 1.2)), (0.45, bell(C5, 1.4))]),
    # Two-note melody
    2: concat(tone(G4, 0.35), silence(0.05), tone(C5, 0.5)),
    # Short, two-note melody
    3: concat(tone(A5, 0.12), silence(0.03), tone(E5, 0.16)),
    # Three-beat melody
    4: concat(tone(C5, 0.2), silence(0.08), tone(E5, 0.2), silence(0.08), tone(G5, 0.35)),
    # Chimes
    5: overlay([(0.0, bell(E5, 1.0)), (0.35, bell(D5, 1.0)), (0.7, bell(C5, 1.0)),
                (1.05, bell(G4, 1.4))]),
    # Three short, high-pitched beeps
    6: concat(tone(2000.0, 0.08), silence(0.07), tone(2000.0, 0.08), silence(0.07),
              tone(2000.0, 0.08)),
    # Long, slow alarm
    7: concat(tone(520.0, 0.7, release=0.1), silence(0.4), tone(520.0, 0.7, release=0.1),
              silence(0.4), tone(520.0, 0.7, release=0.1)),
    # Emergency vehicle siren: a wail rising and falling twice
    8: sweep(600.0, 1300.0, 2.4, lambda x: 0.5 - 0.5 * math.cos(4 * math.pi * x)),
    # Whoop, whoop, whoop alarm
    9: concat(sweep(400.0, 1100.0, 0.45), silence(0.12), sweep(400.0, 1100.0, 0.45),
              silence(0.12), sweep(400.0, 1100.0, 0.45)),
}


def wave_file(samples, volume=0.8):
    data = bytes(max(0, min(255, int(round(128 + 127 * volume * s)))) for s in samples)
    if len(data) % 2:
        data += b"\x80"  # chunks are word-aligned
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack(
        "<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    for number, samples in SOUNDS.items():
        with open(os.path.join(HERE, "ZQAPP_Alarm%d.wav" % number), "wb") as out:
            out.write(wave_file(samples))


if __name__ == "__main__":
    main()

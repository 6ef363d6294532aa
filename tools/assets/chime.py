#!/usr/bin/env python3
"""Synthesizes the reminder sound: a soft two-note bell chime ("ding-dong", E5 then C5).

Run with Debian's python3 (standard library only):  /usr/bin/python3 tools/assets/chime.py
Output (committed, so the build needs no Python): assets/reminder.wav, PCM, 2 channels,
44,100 Hz, 16 bit, exactly 228,352 data bytes (57,088 frames, about 1.29 s).
The output is deterministic: the same script always writes the same bytes.
"""
import math
import pathlib
import struct
import wave

ASSETS = pathlib.Path(__file__).resolve().parents[2] / "assets"
RATE = 44100
CHANNELS = 2
DATA_BYTES = 228352
FRAMES = DATA_BYTES // (CHANNELS * 2)
PEAK = 0.55  # of full scale: clearly audible without startling

# A struck bell: the partials of a small tuned bell (hum, prime, tierce, quint, nominal),
# relative frequency, relative level and how much faster than the fundamental each one fades.
PARTIALS = [(1.0, 1.0, 1.0), (2.0, 0.45, 1.6), (2.4, 0.22, 2.2), (3.0, 0.16, 2.8),
            (4.2, 0.07, 4.0)]


def bell(t, frequency, decay):
    """One bell strike at time t (seconds after the strike)."""
    if t < 0:
        return 0.0
    attack = min(1.0, t / 0.004)  # 4 ms: a soft mallet, no click
    value = 0.0
    for ratio, level, speed in PARTIALS:
        value += level * math.exp(-t * speed / decay) * math.sin(2 * math.pi * frequency * ratio * t)
    return attack * value


# (start in seconds, frequency in Hz, decay time constant in seconds, pan 0 left .. 1 right)
NOTES = [(0.0, 659.26, 0.42, 0.40), (0.36, 523.25, 0.55, 0.60)]


def render():
    left = [0.0] * FRAMES
    right = [0.0] * FRAMES
    for start, frequency, decay, pan in NOTES:
        # Equal-power panning keeps both notes equally loud wherever they sit.
        gain_left = math.cos(pan * math.pi / 2)
        gain_right = math.sin(pan * math.pi / 2)
        for i in range(FRAMES):
            v = bell(i / RATE - start, frequency, decay)
            left[i] += v * gain_left
            right[i] += v * gain_right
    # The last 60 ms fade to silence so the sound ends without a click.
    fade = int(0.06 * RATE)
    for i in range(FRAMES - fade, FRAMES):
        g = (FRAMES - 1 - i) / fade
        left[i] *= g
        right[i] *= g
    top = max(max(abs(v) for v in left), max(abs(v) for v in right))
    scale = PEAK * 32767 / top
    frames = bytearray()
    for l, r in zip(left, right):
        frames += struct.pack("<hh", round(l * scale), round(r * scale))
    return bytes(frames)


def main():
    data = render()
    assert len(data) == DATA_BYTES, len(data)
    ASSETS.mkdir(exist_ok=True)
    with wave.open(str(ASSETS / "reminder.wav"), "wb") as out:
        out.setnchannels(CHANNELS)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(data)
    print(f"wrote {ASSETS / 'reminder.wav'}: {len(data)} data bytes")


if __name__ == "__main__":
    main()

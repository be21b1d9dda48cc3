#!/usr/bin/python3
"""Synthesize the game's six sound effects as 16-bit mono WAV files at 44100 Hz.

    make_sounds.py           write assets/sounds/*.wav
    make_sounds.py --check   synthesize in memory and compare with the files in the tree

Only the standard library is used. Noise comes from seeded generators, so every run
gives the same bytes.
"""

import io
import math
import pathlib
import random
import sys

from generated import write_or_check
import wave

RATE = 44100
ROOT = pathlib.Path(__file__).resolve().parent.parent
SOUNDS_DIR = ROOT / "assets" / "sounds"

PEAK = 10 ** (-3 / 20)  # -3 dBFS leaves headroom for the mixer
FADE_IN = 0.002  # short enough to keep the attack of clicks crisp
FADE_OUT = 0.010


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix(into, sound, start):
    """Add sound into the buffer at start seconds, growing the buffer if needed."""
    offset = int(round(start * RATE))
    end = offset + len(sound)
    if end > len(into):
        into.extend([0.0] * (end - len(into)))
    for i, value in enumerate(sound):
        into[offset + i] += value


def note_hz(semitones_from_a4):
    return 440.0 * 2 ** (semitones_from_a4 / 12)


def bell(freq, seconds, decay):
    """A soft chime: a few inharmonic partials, each dying away exponentially."""
    partials = ((1.0, 1.0, 1.0), (2.0, 0.35, 1.8), (3.01, 0.15, 2.6), (4.2, 0.06, 3.5))
    # A struck bell, but without a broadband tick at the onset or a cut at the end.
    attack = 0.004
    release = 0.02
    out = []
    for n in range(int(seconds * RATE)):
        t = n / RATE
        value = 0.0
        for ratio, amp, speed in partials:
            value += amp * math.exp(-t * decay * speed) * math.sin(2 * math.pi * freq * ratio * t)
        out.append(value * min(1.0, t / attack, (seconds - t) / release))
    return out


def brass(freq, seconds, attack, release):
    """A bright sustained tone with a little vibrato, for the fanfare."""
    harmonics = (1.0, 0.55, 0.38, 0.22, 0.12, 0.06)
    out = []
    total = int(seconds * RATE)
    phase = 0.0
    for n in range(total):
        t = n / RATE
        vibrato = 1 + 0.004 * math.sin(2 * math.pi * 5.5 * t) * min(1.0, t / 0.25)
        phase += 2 * math.pi * freq * vibrato / RATE
        value = 0.0
        for k, amp in enumerate(harmonics, start=1):
            value += amp * math.sin(k * phase)
        env = min(1.0, t / attack) * min(1.0, (seconds - t) / release)
        out.append(value * max(0.0, env))
    return out


class BandPass:
    """Two-pole resonant band-pass filter (constant 0 dB peak gain)."""

    def __init__(self, centre, q):
        self.tune(centre, q)
        self.x1 = self.x2 = self.y1 = self.y2 = 0.0

    def tune(self, centre, q):
        """Set new coefficients; the state carries over, so a sweep has no steps."""
        w = 2 * math.pi * centre / RATE
        alpha = math.sin(w) / (2 * q)
        a0 = 1 + alpha
        self.b0 = alpha / a0
        self.b2 = -alpha / a0
        self.a1 = -2 * math.cos(w) / a0
        self.a2 = (1 - alpha) / a0

    def __call__(self, x):
        y = self.b0 * x + self.b2 * self.x2 - self.a1 * self.y1 - self.a2 * self.y2
        self.x2, self.x1 = self.x1, x
        self.y2, self.y1 = self.y1, y
        return y


def noise_burst(rng, seconds, centre, q, decay):
    """Filtered noise with an instant attack and exponential decay: a clap or a knock."""
    bp = BandPass(centre, q)
    out = []
    for n in range(int(seconds * RATE)):
        t = n / RATE
        out.append(bp(rng.random() * 2 - 1) * math.exp(-t / decay))
    return out


def knock(freq, seconds, decay):
    """A damped wooden resonance: a low body mode with two quicker upper modes."""
    modes = ((1.0, 1.0, 1.0), (2.3, 0.5, 1.7), (5.1, 0.25, 3.0))
    out = []
    for n in range(int(seconds * RATE)):
        t = n / RATE
        value = 0.0
        for ratio, amp, speed in modes:
            value += amp * math.exp(-t * speed / decay) * math.sin(2 * math.pi * freq * ratio * t)
        out.append(value)
    return out


def intro():
    # Rising major arpeggio C5 E5 G5 C6, each note ringing on under the next.
    out = silence(0.9)
    for i, semis in enumerate((3, 7, 10, 15)):
        mix(out, bell(note_hz(semis), 0.9 - 0.13 * i, 5.0), 0.13 * i)
    return out[: int(0.9 * RATE)]


def new_game():
    # A short swish of noise sweeping upward, capped by a light two-note cue.
    rng = random.Random(1101)
    length = 0.34
    swish = 0.22
    bp = BandPass(700, 2.5)
    out = []
    for n in range(int(swish * RATE)):
        t = n / RATE
        if n % 64 == 0:
            bp.tune(700 + 4000 * (t / swish) ** 1.5, 2.5)
        env = math.sin(math.pi * t / swish) ** 2
        out.append(0.9 * bp(rng.random() * 2 - 1) * env)
    out.extend([0.0] * (int(length * RATE) - len(out)))
    mix(out, [0.25 * v for v in bell(note_hz(10), 0.16, 22.0)], 0.12)
    mix(out, [0.25 * v for v in bell(note_hz(15), 0.16, 22.0)], 0.18)
    return out[: int(length * RATE)]


def roll():
    # Dice rattling in a cup: a handful of knocks, quicker and softer as they settle.
    rng = random.Random(2202)
    out = silence(0.36)
    times = (0.0, 0.045, 0.085, 0.13, 0.16, 0.205, 0.25)
    for i, start in enumerate(times):
        level = 1.0 - 0.11 * i
        body = knock(900 + 500 * rng.random(), 0.08, 0.012)
        tick = noise_burst(rng, 0.02, 3000 + 2000 * rng.random(), 2.0, 0.003)
        mix(out, [level * 0.6 * v for v in body], start)
        mix(out, [level * 1.2 * v for v in tick], start)
    return out[: int(0.36 * RATE)]


def click():
    # A wooden tile dropping into place: a low thunk with a dry tap on top.
    rng = random.Random(3303)
    out = [0.9 * v for v in knock(190, 0.16, 0.03)]
    mix(out, [0.5 * v for v in noise_burst(rng, 0.03, 2400, 1.5, 0.004)], 0.0)
    return out


def tada():
    # "Ta" a short C major chord, "daa" the same chord held and dying away.
    out = silence(1.15)
    chord = (-9, -5, -2, 3)  # C4 E4 G4 C5
    for semis in chord:
        mix(out, [0.3 * v for v in brass(note_hz(semis), 0.13, 0.01, 0.04)], 0.0)
        mix(out, [0.3 * v for v in brass(note_hz(semis), 0.95, 0.02, 0.55)], 0.18)
    return out[: int(1.15 * RATE)]


def applause():
    # Many hands clapping at random: each clap a short burst of band-passed noise,
    # the crowd swelling in quickly and dying away.
    rng = random.Random(4404)
    length = 2.3
    out = silence(length)
    claps = 420
    for _ in range(claps):
        # More claps early on: a uniform draw raised to a power leans towards the start.
        start = 0.02 + (length - 0.12) * rng.random() ** 1.6
        fade = max(0.0, 1 - start / length) ** 0.8
        level = (0.4 + 0.6 * rng.random()) * fade
        burst = noise_burst(rng, 0.06, 900 + 1800 * rng.random(), 1.2 + rng.random(), 0.008)
        mix(out, [level * v for v in burst], start)
    # A soft bed of hiss under the claps, the far side of the room.
    bed = BandPass(1500, 0.7)
    for n in range(len(out)):
        t = n / RATE
        swell = min(1.0, t / 0.15) * max(0.0, 1 - t / length) ** 0.8
        out[n] += 0.12 * swell * bed(rng.random() * 2 - 1)
    return out[: int(length * RATE)]


SOUNDS = {
    "intro.wav": intro,
    "new.wav": new_game,
    "roll.wav": roll,
    "click.wav": click,
    "tada.wav": tada,
    "applause.wav": applause,
}


def finish(samples):
    """Fade the ends, scale to the target peak and encode as 16-bit PCM frames."""
    samples = list(samples)
    fade_in = int(FADE_IN * RATE)
    fade_out = int(FADE_OUT * RATE)
    for i in range(fade_in):
        samples[i] *= i / fade_in
    for i in range(fade_out):
        samples[-1 - i] *= i / fade_out
    peak = max(abs(v) for v in samples)
    scale = PEAK * 32767 / peak
    frames = bytearray()
    for v in samples:
        frames += int(round(v * scale)).to_bytes(2, "little", signed=True)
    return bytes(frames)


def encode_wav(frames):
    buffer = io.BytesIO()
    with wave.open(buffer, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)
    return buffer.getvalue()


def main(argv):
    return write_or_check(argv, {SOUNDS_DIR / name: encode_wav(finish(make())) for name, make in SOUNDS.items()})


if __name__ == "__main__":
    sys.exit(main(sys.argv))

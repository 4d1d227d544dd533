#!/usr/bin/python3
"""Writes data/sound/*.ogg: every recording of the game, synthesised from nothing but seeded numbers.

All are 22,050 Hz mono Ogg Vorbis. The lengths are exact sample counts, so the loops are exactly as
long as the game's timing assumes. The music is rendered into a ring: a note that runs past the end
of its loop is wrapped to the start, so every loop joins itself without a click or a gap.

Tools: python3-numpy (Debian) for the synthesis, oggenc from vorbis-tools (Debian) for the encoding.
The same inputs give the same bytes (fixed seeds, fixed Ogg serial numbers).
Usage: sounds.py OUT_DIR
"""
import subprocess
import sys
import tempfile
import wave
from pathlib import Path

import numpy as np

RATE = 22050  # Hz
OGG_QUALITY = "3"  # oggenc -q: about 50 kbit/s for 22 kHz mono; music stays clean, files stay small

# Recording lengths in samples at RATE (durations 1.93, 1.00, 6.53, 62.08, 11.36, 14.26, 5.09,
# 9.93 and 1.20 s).
LENGTHS = {
    "shot": 42624,
    "pigeon-a": 22040,
    "pigeon-b": 144000,
    "music-1": 1368848,
    "music-2": 250560,
    "music-3": 314496,
    "music-4": 112320,
    "shop-music": 218880,
    "closing": 26496,
}


def hz(midi):
    return 440.0 * 2 ** ((midi - 69) / 12)


def seconds(n):
    return np.arange(n) / RATE


# --- instruments: each returns a mono buffer of n samples for one note of frequency f


def additive(f, n, amplitudes, phase_seed=0):
    """Harmonics of f with the given amplitudes, those at or above Nyquist left out (no aliasing)."""
    t = seconds(n)
    out = np.zeros(n)
    for k, a in enumerate(amplitudes, start=1):
        if k * f >= RATE / 2 or a == 0:
            continue
        out += a * np.sin(2 * np.pi * k * f * t + phase_seed * k)
    return out


def envelope(n, attack, release, decay=None):
    """Linear attack and release (s), optionally an exponential decay (time constant s) between."""
    t = seconds(n)
    env = np.minimum(1.0, t / max(attack, 1e-4))
    if decay:
        env *= np.exp(-t / decay)
    tail = int(release * RATE)
    if tail and tail < n:
        env[-tail:] *= np.linspace(1, 0, tail)
    return env


def pluck(f, n):  # bright, quickly fading: arpeggios
    return additive(f, n, [1, 0.5, 0.3, 0.15, 0.08]) * envelope(n, 0.004, 0.03, decay=0.18)


def bell(f, n):  # soft bell for melodies
    t = seconds(n)
    tone = np.sin(2 * np.pi * f * t) + 0.35 * np.sin(2 * np.pi * 2.76 * f * t) * np.exp(-t / 0.15)
    return tone * envelope(n, 0.006, 0.05, decay=0.45)


def lead(f, n):  # mellow square-like lead with a gentle vibrato
    t = seconds(n)
    vib = 1 + 0.004 * np.sin(2 * np.pi * 5.5 * t) * np.minimum(1, t / 0.25)
    phase = 2 * np.pi * f * np.cumsum(vib) / RATE
    odd = [(k, 1 / k) for k in (1, 3, 5, 7, 9) if k * f < RATE / 2]
    tone = sum(a * np.sin(k * phase) for k, a in odd)
    return tone * envelope(n, 0.02, 0.06, decay=0.9)


def pad(f, n):  # slow, warm chord tone, slightly detuned pair
    tone = additive(f, n, [1, 0.3, 0.12]) + additive(f * 1.004, n, [1, 0.3, 0.12], phase_seed=1.3)
    return 0.5 * tone * envelope(n, 0.25, 0.3)


def bass(f, n):
    return additive(f, n, [1, 0.45, 0.2, 0.1]) * envelope(n, 0.008, 0.04, decay=0.5)


def kick(n, rng):
    t = seconds(n)
    sweep = 2 * np.pi * np.cumsum(45 + 110 * np.exp(-t / 0.03)) / RATE
    return np.sin(sweep) * np.exp(-t / 0.12) * envelope(n, 0.001, 0.01)


def lowpass(x, cutoff):
    """One-pole low-pass at `cutoff` Hz (array or number)."""
    a = np.exp(-2 * np.pi * np.broadcast_to(cutoff, x.shape) / RATE)
    out = np.empty_like(x)
    y = 0.0
    for i, v in enumerate(x):
        y = (1 - a[i]) * v + a[i] * y
        out[i] = y
    return out


def hat(n, rng):
    noise = rng.standard_normal(n)
    bright = noise - lowpass(noise, 6000)
    return 0.5 * bright * np.exp(-seconds(n) / 0.025)


def snare(n, rng):
    t = seconds(n)
    noise = lowpass(rng.standard_normal(n), 5000) * np.exp(-t / 0.07)
    body = np.sin(2 * np.pi * 190 * t) * np.exp(-t / 0.05)
    return 0.6 * noise + 0.5 * body


# --- a loop: notes placed in beats, rendered into a ring of exactly `length` samples


class Loop:
    def __init__(self, length, beats, seed):
        self.ring = np.zeros(length)
        self.beat = length / beats  # samples per beat; the tempo follows the loop's length
        self.rng = np.random.default_rng(seed)

    def note(self, voice, midi, start, beats, gain):
        n = int(beats * self.beat)
        self.put(voice(hz(midi), n), start, gain)

    def hit(self, drum, start, beats, gain):
        self.put(drum(int(beats * self.beat), self.rng), start, gain)

    def put(self, samples, start, gain):
        first = int(round(start * self.beat))
        index = (first + np.arange(len(samples))) % len(self.ring)
        np.add.at(self.ring, index, gain * samples)


def chord_tones(root, minor):
    return [root, root + (3 if minor else 4), root + 7]


def melody(loop, scale, chords, beats_per_chord, start_beat, voice, gain, rng, octave=72, step=1.0):
    """A stepwise tune over the chords: strong beats take a chord tone, the others walk the scale."""
    position = scale.index(min(scale, key=lambda s: abs(s - octave)))
    beat = start_beat
    for root, minor in chords:
        tones = {t % 12 for t in chord_tones(root, minor)}
        b = 0.0
        while b < beats_per_chord:
            if b == 0 or rng.random() < 0.45:
                length = step * (2 if rng.random() < 0.3 and b + 2 * step <= beats_per_chord else 1)
                if b == 0:  # land on the nearest chord tone
                    near = [i for i, s in enumerate(scale) if s % 12 in tones]
                    position = min(near, key=lambda i: abs(i - position))
                else:
                    position = int(np.clip(position + rng.choice([-2, -1, 1, 1, 2]), 2, len(scale) - 3))
                loop.note(voice, scale[position], beat + b, length * 1.1, gain)
                b += length
            else:
                b += step
        beat += beats_per_chord


def scale_notes(tonic, intervals, low=48, high=96):
    return [m for m in range(low, high) if (m - tonic) % 12 in intervals]


MAJOR = {0, 2, 4, 5, 7, 9, 11}
MINOR = {0, 2, 3, 5, 7, 8, 10}
PENTA_MINOR = {0, 3, 5, 7, 10}


def music_1(length):
    """The level's main theme: 32 bars of 4/4 in A minor, about 124 bpm; pad, bass, arpeggio, tune."""
    loop = Loop(length, 128, seed=11)
    progression = [(57, True), (53, False), (48, False), (55, False)] * 2 + \
                  [(50, True), (57, True), (53, False), (52, False)] * 2
    progression = progression * 2
    for bar, (root, minor) in enumerate(progression):
        b = bar * 4
        for t in chord_tones(root, minor):
            loop.note(pad, t + 12, b, 4.2, 0.05)
        for i in range(4):
            loop.note(bass, root - 12 + (7 if i == 2 else 0), b + i, 0.9, 0.28)
        arp = chord_tones(root, minor) + [root + 12]
        for i in range(8):
            loop.note(pluck, arp[(i * 3) % 4] + 24, b + i / 2, 0.5, 0.07)
        loop.hit(kick, b, 1, 0.35)
        loop.hit(kick, b + 2, 1, 0.3)
        loop.hit(snare, b + 1, 1, 0.14)
        loop.hit(snare, b + 3, 1, 0.14)
        for i in range(8):
            loop.hit(hat, b + i / 2, 0.5, 0.1 if i % 2 else 0.16)
    rng = np.random.default_rng(5)
    # The tune plays in the second half of each 16-bar section; the first half is accompaniment.
    for section in (0, 64):
        melody(loop, scale_notes(57, PENTA_MINOR), progression[8:16], 4, section + 32, lead, 0.11, rng,
               step=0.5)
    return loop.ring


def music_2(length):
    """A light waltz: 8 bars of 3/4 in D major, about 127 bpm; bass on one, chords on two and three."""
    loop = Loop(length, 24, seed=22)
    progression = [(50, False), (55, False), (57, False), (50, False),
                   (47, True), (55, False), (57, False), (50, False)]
    for bar, (root, minor) in enumerate(progression):
        b = bar * 3
        loop.note(bass, root - 12, b, 1.8, 0.3)
        for beat in (1, 2):
            for t in chord_tones(root, minor):
                loop.note(pluck, t + 12, b + beat, 0.9, 0.06)
        loop.hit(hat, b + 1, 0.5, 0.08)
        loop.hit(hat, b + 2, 0.5, 0.08)
    melody(loop, scale_notes(50, MAJOR), progression, 3, 0, bell, 0.16, np.random.default_rng(9), octave=78)
    return loop.ring


def music_3(length):
    """A tense stalk: 8 bars of 4/4 in E minor, about 135 bpm; a pulsing eighth-note bass, low pad."""
    loop = Loop(length, 32, seed=33)
    progression = [(52, True), (52, True), (48, False), (50, False),
                   (52, True), (52, True), (47, True), (47, True)]
    for bar, (root, minor) in enumerate(progression):
        b = bar * 4
        for t in chord_tones(root, minor):
            loop.note(pad, t, b, 4.2, 0.05)
        for i in range(8):
            loop.note(bass, root - 12 + (12 if i % 4 == 3 else 0), b + i / 2, 0.45, 0.25)
        loop.hit(kick, b, 1, 0.4)
        loop.hit(kick, b + 2.5, 1, 0.3)
        loop.hit(snare, b + 3, 1, 0.12)
        for i in range(4):
            loop.hit(hat, b + i + 0.5, 0.5, 0.12)
    melody(loop, scale_notes(52, MINOR), progression[4:], 4, 16, lead, 0.09, np.random.default_rng(3),
           octave=76)
    return loop.ring


def music_4(length):
    """A quick bright riff: 4 bars of 4/4 in C major, about 189 bpm, bouncing bass and bell hook."""
    loop = Loop(length, 16, seed=44)
    progression = [(48, False), (53, False), (55, False), (48, False)]
    hook = [72, 76, 79, 76, 74, 77, 81, 77, 79, 83, 86, 83, 84, 79, 76, 72]
    for bar, (root, minor) in enumerate(progression):
        b = bar * 4
        for i in range(4):
            loop.note(bass, root - 12 + (12 if i % 2 else 0), b + i, 0.9, 0.26)
        loop.hit(kick, b, 1, 0.35)
        loop.hit(snare, b + 2, 1, 0.13)
        for i in range(4):
            loop.hit(hat, b + i + 0.5, 0.5, 0.1)
    for i, m in enumerate(hook):
        loop.note(bell, m, i, 0.95, 0.13)
        loop.note(pluck, m - 12, i + 0.5, 0.5, 0.05)
    return loop.ring


def shop_music(length):
    """Relaxed shop loop: 4 bars of 4/4 in F major, about 97 bpm; seventh chords and a slow tune."""
    loop = Loop(length, 16, seed=55)
    chords = [(53, [0, 4, 7, 11]), (50, [0, 3, 7, 10]), (46, [0, 4, 7, 11]), (48, [0, 4, 7, 10])]
    for bar, (root, shape) in enumerate(chords):
        b = bar * 4
        for t in shape:
            loop.note(pad, root + 12 + t, b, 4.2, 0.045)
        loop.note(bass, root - 12, b, 1.5, 0.28)
        loop.note(bass, root - 5, b + 2, 1.5, 0.22)
        for i in range(4):
            loop.note(pluck, root + 12 + shape[(i + 1) % 4], b + i + 0.5, 0.5, 0.05)
        loop.hit(hat, b + 1, 0.5, 0.07)
        loop.hit(hat, b + 3, 0.5, 0.07)
    melody(loop, scale_notes(53, MAJOR), [(r, s[1] == 3) for r, s in chords], 4, 0, bell, 0.14,
           np.random.default_rng(7), octave=77, step=1.0)
    return loop.ring


# --- effects


def shot(length):
    """Loud from the first sample, dying away over about 1.8 s: a crack, a boom and a darkening tail."""
    rng = np.random.default_rng(101)
    t = seconds(length)
    noise = rng.standard_normal(length)
    cutoff = 200 + 7000 * np.exp(-t / 0.08)
    body = lowpass(noise, cutoff) * np.exp(-t / 0.45)
    crack = noise * np.exp(-t / 0.012)
    boom = np.sin(2 * np.pi * np.cumsum(40 + 80 * np.exp(-t / 0.05)) / RATE) * np.exp(-t / 0.3)
    echo = np.zeros(length)
    delay = int(0.16 * RATE)
    echo[delay:] = 0.3 * body[:-delay]
    out = 0.5 * crack + 2.2 * body + 0.9 * boom + echo
    return out * envelope(length, 0.0002, 0.15)


def coo(f0, n, rng):
    """One throaty pigeon coo: a low voice gliding up and back, with a burbling flutter."""
    t = seconds(n)
    glide = f0 * (1 + 0.12 * np.sin(np.pi * t / (n / RATE)))
    flutter = 1 + 0.5 * np.sin(2 * np.pi * 28 * t + rng.random())
    phase = 2 * np.pi * np.cumsum(glide) / RATE
    voice = np.sin(phase) + 0.4 * np.sin(2 * phase) + 0.15 * np.sin(3 * phase)
    return voice * flutter * np.sin(np.pi * t / (n / RATE)) ** 1.5


def pigeon_a(length):
    """Short and quiet: two soft coos within the first 0.7 s."""
    rng = np.random.default_rng(202)
    out = np.zeros(length)
    for start, dur, f in ((0.0, 0.28, 290), (0.34, 0.36, 270)):
        s, n = int(start * RATE), int(dur * RATE)
        out[s:s + n] += coo(f, n, rng)
    return 0.25 * out / np.max(np.abs(out))


def pigeon_b(length):
    """About one second of cooing (a rising 'hoo-hoo-hooo'), then a long near-silent tail."""
    rng = np.random.default_rng(303)
    out = np.zeros(length)
    for start, dur, f in ((0.0, 0.22, 260), (0.27, 0.22, 275), (0.55, 0.45, 300)):
        s, n = int(start * RATE), int(dur * RATE)
        out[s:s + n] += coo(f, n, rng)
    out = 0.6 * out / np.max(np.abs(out))
    tail_from = int(1.05 * RATE)
    # Faint wing rustle far back, well below the coo: the tail is there but hardly heard.
    rustle = lowpass(rng.standard_normal(length - tail_from), 1500)
    out[tail_from:] += 0.004 * rustle * np.exp(-seconds(length - tail_from) / 1.5)
    return out


def closing(length):
    """A short bright fanfare: C, E, G rising to a held high C, all within 1.2 s."""
    out = np.zeros(length)
    for start, midi, gain in ((0.0, 72, 0.7), (0.12, 76, 0.7), (0.24, 79, 0.7), (0.36, 84, 1.0)):
        s = int(start * RATE)
        n = length - s
        out[s:] += gain * bell(hz(midi), n) + 0.3 * gain * pluck(hz(midi - 12), n)
    return out * envelope(length, 0.001, 0.25)


MAKERS = {
    "shot": (shot, 0.95),
    "pigeon-a": (pigeon_a, None),
    "pigeon-b": (pigeon_b, None),
    "music-1": (music_1, 0.6),
    "music-2": (music_2, 0.6),
    "music-3": (music_3, 0.6),
    "music-4": (music_4, 0.6),
    "shop-music": (shop_music, 0.6),
    "closing": (closing, 0.8),
}


def write_ogg(samples, path, serial):
    pcm = (np.clip(samples, -1, 1) * 32767).round().astype("<i2")
    with tempfile.TemporaryDirectory() as tmp:
        wav = Path(tmp) / "in.wav"
        with wave.open(str(wav), "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(pcm.tobytes())
        subprocess.run(["oggenc", "--quiet", "-q", OGG_QUALITY, "--serial", str(serial),
                        "--discard-comments", "-o", str(path), str(wav)], check=True)


def main(out_dir):
    folder = Path(out_dir) / "sound"
    folder.mkdir(parents=True, exist_ok=True)
    for serial, (name, (make, peak)) in enumerate(MAKERS.items(), start=1):
        samples = make(LENGTHS[name])
        assert len(samples) == LENGTHS[name], name
        if peak:
            samples = peak * samples / np.max(np.abs(samples))
        write_ogg(samples, folder / f"{name}.ogg", serial)


if __name__ == "__main__":
    main(sys.argv[1])

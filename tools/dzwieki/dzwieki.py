#!/usr/bin/env python3
"""Synthesises the game's six sound effects as 16-bit mono PCM WAV files at 22050 Hz.

    dzwieki.py DIR      writes DIR/menu1.wav ... DIR/au.wav

No noise and no clock goes in, so every run writes the same bytes.
"""
import math
import os
import struct
import sys
import wave

CZESTOTLIWOSC = 22050
NARASTANIE = 0.003   # seconds of fade-in at the start of every note: no click
WYGASZANIE = 0.008   # seconds of fade-out at the end of every note


def probki(sekundy):
    return round(sekundy * CZESTOTLIWOSC)


def nuta(czestotliwosc, sekundy, harmoniczne=(1.0,), zanik=0.0, koniec=None, vibrato=0.0):
    """One note: a sum of harmonics whose pitch slides from czestotliwosc to koniec (if
    given) over the note, with an exponential decay of zanik per second, an optional
    6 Hz vibrato of the given depth (a fraction of the pitch) and short fades at both
    ends, so that neither the sound nor a note inside it starts or stops with a click."""
    n = probki(sekundy)
    wyg = probki(WYGASZANIE)
    koniec = czestotliwosc if koniec is None else koniec
    faza, wynik = 0.0, []
    for i in range(n):
        t = i / CZESTOTLIWOSC
        f = czestotliwosc * (koniec / czestotliwosc) ** (i / n)
        f *= 1 + vibrato * math.sin(2 * math.pi * 6 * t)
        faza += 2 * math.pi * f / CZESTOTLIWOSC
        fala = sum(a * math.sin(k * faza) for k, a in enumerate(harmoniczne, 1))
        brzeg = min(1.0, t / NARASTANIE, (n - 1 - i) / wyg)
        wynik.append(fala * math.exp(-zanik * t) * brzeg)
    return wynik


def zmiksuj(czesci):
    """Lays (start in seconds, samples) parts over one another."""
    dlugosc = max(probki(start) + len(p) for start, p in czesci)
    wynik = [0.0] * dlugosc
    for start, p in czesci:
        s = probki(start)
        for i, v in enumerate(p):
            wynik[s + i] += v
    return wynik


def wykoncz(probki_, szczyt):
    """Scales the peak to szczyt: the loudness of the effect, below 1 so nothing clips."""
    skala = szczyt / max(abs(v) for v in probki_)
    return [v * skala for v in probki_]


def menu1():
    """Menu click: a bright tick that dies within 60 ms."""
    return wykoncz(nuta(1400, 0.06, (1.0, 0.3), zanik=60), 0.5)


def menu2():
    """Confirm: two notes a fifth apart."""
    barwa = (1.0, 0.25, 0.12)
    return wykoncz(zmiksuj([(0.0, nuta(660, 0.09, barwa, zanik=12)),
                            (0.08, nuta(990, 0.13, barwa, zanik=14))]), 0.6)


def fanfary():
    """Level fanfare: a brassy rising call, then a held chord with vibrato, 1.6 s."""
    mosiadz = (1.0, 0.6, 0.4, 0.25, 0.15)
    czesci = [(0.15 * i, nuta(f, 0.16, mosiadz, zanik=4))
              for i, f in enumerate((523.25, 659.25, 783.99))]
    czesci += [(0.48, nuta(f, 1.12, mosiadz, zanik=1.3, vibrato=0.006))
               for f in (523.25, 659.25, 783.99, 1046.5)]
    return wykoncz(zmiksuj(czesci), 0.75)


def jedz():
    """Eating a pellet: a soft, short upward blip, heard hundreds of times a level."""
    return wykoncz(nuta(620, 0.05, (1.0, 0.1), zanik=35, koniec=930), 0.3)


def bonus():
    """Bonus: a rising bell arpeggio over half a second."""
    dzwon = (1.0, 0.0, 0.35, 0.0, 0.15)
    return wykoncz(zmiksuj([(0.09 * i, nuta(f, 0.5 - 0.09 * i, dzwon, zanik=9))
                            for i, f in enumerate((880.0, 1108.73, 1318.51, 1760.0))]), 0.7)


def au():
    """Caught: a falling, wobbling 'ouch' of 0.4 s."""
    return wykoncz(nuta(640, 0.4, (1.0, 0.5, 0.33, 0.25), zanik=3, koniec=160,
                        vibrato=0.04), 0.7)


DZWIEKI = {'menu1': menu1, 'menu2': menu2, 'fanfary': fanfary, 'jedz': jedz,
           'bonus': bonus, 'au': au}


def zapisz(sciezka, probki_):
    with wave.open(sciezka, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(CZESTOTLIWOSC)
        w.writeframes(b''.join(struct.pack('<h', round(v * 32767)) for v in probki_))


def main(argv):
    if len(argv) != 2:
        print('usage: dzwieki.py DIR', file=sys.stderr)
        return 2
    for nazwa, synteza in DZWIEKI.items():
        zapisz(os.path.join(argv[1], nazwa + '.wav'), synteza())
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))

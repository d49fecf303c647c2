#!/usr/bin/env python3
"""Tests of the sound synthesiser: the shipped WAV files are what it writes, in the
format the sound layer opens, of the right length, loudness and shape."""
import os
import struct
import sys
import unittest
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from odtworz import porownaj_z_danymi  # noqa: E402

ZRODLO = os.environ.get('ZORBIT_ZRODLO',
                        os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
SFX = os.path.join(ZRODLO, 'data', 'sfx')

# name -> (shortest, longest) in seconds, (lowest, highest) peak of full scale
DZWIEKI = {
    'menu1': ((0.04, 0.08), (0.3, 0.9)),
    'menu2': ((0.15, 0.25), (0.3, 0.9)),
    'fanfary': ((1.0, 2.0), (0.5, 0.9)),
    'jedz': ((0.03, 0.06), (0.1, 0.4)),   # soft: heard after every pellet
    'bonus': ((0.4, 0.6), (0.3, 0.9)),
    'au': ((0.3, 0.5), (0.3, 0.9)),
}


def probki(nazwa):
    with wave.open(os.path.join(SFX, nazwa + '.wav')) as w:
        format_ = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getcomptype())
        dane = w.readframes(w.getnframes())
    return format_, [v / 32768 for v in struct.unpack('<%dh' % (len(dane) // 2), dane)]


def przejscia_przez_zero(v):
    return sum(1 for a, b in zip(v, v[1:]) if (a < 0) != (b < 0))


class Dzwieki(unittest.TestCase):
    def test_zsyntezowane_od_nowa_bajt_w_bajt_jak_w_data(self):
        porownaj_z_danymi(self, os.path.join(ZRODLO, 'tools', 'dzwieki', 'dzwieki.py'), SFX,
                          [n + '.wav' for n in DZWIEKI])

    def test_format_dlugosc_glosnosc_i_ciche_brzegi(self):
        for nazwa, ((od, do), (cicho, glosno)) in DZWIEKI.items():
            with self.subTest(nazwa):
                format_, v = probki(nazwa)
                self.assertEqual(format_, (1, 2, 22050, 'NONE'))
                self.assertTrue(od <= len(v) / 22050 <= do, len(v) / 22050)
                szczyt = max(abs(x) for x in v)
                self.assertTrue(cicho <= szczyt <= glosno, szczyt)
                # No click: the first and last millisecond rise from and fall to silence.
                for brzeg in (v[:22], v[-22:]):
                    self.assertLess(max(abs(x) for x in brzeg), 0.4 * szczyt)
                self.assertLess(abs(v[0]) + abs(v[-1]), 0.002)

    def test_premia_wznosi_sie_a_au_opada(self):
        for nazwa, wznosi in (('bonus', True), ('au', False)):
            with self.subTest(nazwa):
                _, v = probki(nazwa)
                cwierc = len(v) // 4
                poczatek, koniec = przejscia_przez_zero(v[:cwierc]), przejscia_przez_zero(v[-cwierc:])
                self.assertEqual(koniec > 1.3 * poczatek, wznosi)
                self.assertEqual(poczatek > 1.3 * koniec, not wznosi)


if __name__ == '__main__':
    unittest.main()

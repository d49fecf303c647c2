#!/usr/bin/env python3
"""Tests of the picture generator: the shipped pictures and icons are what it draws, the
pictures are plain 24-bit BMP files and the icons RGBA PNG files of a round ball, the stone
grain repeats and the font grid is laid out as the game cuts it."""
import os
import struct
import sys
import unittest
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from odtworz import porownaj_z_danymi  # noqa: E402

ZRODLO = os.environ.get('ZORBIT_ZRODLO',
                        os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
GFX = os.path.join(ZRODLO, 'data', 'gfx')
IKONY = os.path.join(ZRODLO, 'packaging', 'ikony')
sys.path.insert(0, os.path.join(ZRODLO, 'tools', 'grafika'))
import grafika  # noqa: E402
NAZWY = ['tekstura0', 'tekstura1', 'tekstura2', 'duch', 'tekstura3', 'zorbit', 'mur', 'font',
         'nowagra', 'wyjscie', 'koniec']
ROZMIARY_IKON = [16, 32, 48, 64, 128, 256]   # what the hicolor theme looks for


def czytaj_bmp(dane):
    """(width, height, rows) of a 24-bit BMP; rows[y][x] is (r, g, b), y = 0 at the bottom.
    Fails the calling test through AssertionError on any header it does not expect."""
    typ, rozmiar, _, _, przes = struct.unpack_from('<2sIHHI', dane)
    (info, szer, wys, plaszczyzny, bity, kompresja, obraz, _, _, kolory, _) = \
        struct.unpack_from('<IiiHHIIiiII', dane, 14)
    wiersz = (3 * szer + 3) // 4 * 4
    assert (typ, rozmiar, przes, info, plaszczyzny, bity, kompresja, kolory) == \
        (b'BM', len(dane), 54, 40, 1, 24, 0, 0), 'not a plain 24-bit BMP'
    assert szer > 0 and wys > 0 and obraz == wiersz * wys == len(dane) - 54
    wiersze = []
    for y in range(wys):
        p = dane[54 + y * wiersz:54 + y * wiersz + 3 * szer]
        wiersze.append([(p[i + 2], p[i + 1], p[i]) for i in range(0, 3 * szer, 3)])
    return szer, wys, wiersze


def czytaj_png(dane):
    """(width, height, rows) of an 8-bit RGBA PNG stored as the generator writes it;
    rows[y][x] is (r, g, b, a), y = 0 at the top. Any other form, a bad CRC or a bad
    length fails through AssertionError."""
    assert dane[:8] == b'\x89PNG\r\n\x1a\n', 'no PNG signature'
    bloki, i = [], 8
    while i < len(dane):
        (dl,) = struct.unpack_from('>I', dane, i)
        typ, tresc = dane[i + 4:i + 8], dane[i + 8:i + 8 + dl]
        (crc,) = struct.unpack_from('>I', dane, i + 8 + dl)
        assert crc == zlib.crc32(typ + tresc) & 0xFFFFFFFF, 'bad CRC in ' + repr(typ)
        bloki.append((typ, tresc))
        i += 12 + dl
    assert [t for t, _ in bloki] == [b'IHDR', b'IDAT', b'IEND'], [t for t, _ in bloki]
    szer, wys, bity, typ_koloru, kompresja, filtr, przeplot = \
        struct.unpack('>IIBBBBB', bloki[0][1])
    assert (bity, typ_koloru, kompresja, filtr, przeplot) == (8, 6, 0, 0, 0), 'not plain RGBA'
    surowe = zlib.decompress(bloki[1][1])
    wiersz = 4 * szer + 1
    assert len(surowe) == wiersz * wys
    wiersze = []
    for y in range(wys):
        p = surowe[y * wiersz:(y + 1) * wiersz]
        assert p[0] == 0, 'filtered row'
        wiersze.append([tuple(p[1 + 4 * x:5 + 4 * x]) for x in range(szer)])
    return szer, wys, wiersze


def wczytaj(nazwa):
    with open(os.path.join(GFX, nazwa + '.bmp'), 'rb') as f:
        return czytaj_bmp(f.read())


class Generator(unittest.TestCase):
    def test_narysowane_od_nowa_bajt_w_bajt_jak_w_data(self):
        porownaj_z_danymi(self, os.path.join(ZRODLO, 'tools', 'grafika', 'grafika.py'), GFX,
                          [n + '.bmp' for n in NAZWY],
                          (IKONY, ['zorbit3d_%d.png' % n for n in ROZMIARY_IKON]))

    def test_naglowki_i_rozmiary(self):
        for nazwa in NAZWY:
            with self.subTest(nazwa):
                szer, wys, _ = wczytaj(nazwa)
                self.assertEqual((szer & (szer - 1), wys & (wys - 1)), (0, 0), 'power of two')
                if nazwa in ('nowagra', 'wyjscie', 'koniec'):
                    self.assertEqual(szer, 4 * wys, 'shown in a 128 by 32 quad')

    def test_czytnik_bmp_odrzuca_obcy_naglowek(self):
        # The checks above are only as good as the reader that makes them.
        with open(os.path.join(GFX, 'tekstura2.bmp'), 'rb') as f:
            dane = bytearray(f.read())
        dane[28] = 32
        with self.assertRaises(AssertionError):
            czytaj_bmp(bytes(dane))


class Ikony(unittest.TestCase):
    def test_okragla_kula_na_przezroczystym_kwadracie(self):
        for n in ROZMIARY_IKON:
            with self.subTest(n), open(os.path.join(IKONY, 'zorbit3d_%d.png' % n), 'rb') as f:
                szer, wys, w = czytaj_png(f.read())
                self.assertEqual((szer, wys), (n, n))
                for x, y in ((0, 0), (n - 1, 0), (0, n - 1), (n - 1, n - 1)):
                    self.assertEqual(w[y][x][3], 0, 'corner %d,%d' % (x, y))
                # Opaque along both middle lines up to the rim: the ball fills the icon.
                for k in range(1, n - 1):
                    self.assertEqual(w[n // 2][k][3], 255, 'row %d' % k)
                    self.assertEqual(w[k][n // 2][3], 255, 'column %d' % k)
                r, g, b, _ = w[n // 2 + n // 8][n // 4]   # the cheek left of the smile
                self.assertTrue(r > g > b, 'the ball is orange, not %r' % ((r, g, b),))

    def test_czytnik_png_odrzuca_zly_crc(self):
        with open(os.path.join(IKONY, 'zorbit3d_16.png'), 'rb') as f:
            dane = bytearray(f.read())
        dane[20] ^= 1   # a byte of the width, under IHDR's CRC
        with self.assertRaises(AssertionError):
            czytaj_png(bytes(dane))


class Kafelki(unittest.TestCase):
    def test_szum_powtarza_sie_co_okres(self):
        # The stone grain comes from this noise; if it did not repeat with the picture,
        # every copy of a floor or wall tile would meet the next one at a visible seam.
        for okres in (32, 64):
            for x, y in ((0, 0), (3, 61), (17.5, 40), (63, 63)):
                with self.subTest(okres=okres, x=x, y=y):
                    tutaj = grafika.szum_wielo(x, y, okres, 7)
                    self.assertAlmostEqual(grafika.szum_wielo(x + okres, y, okres, 7), tutaj)
                    self.assertAlmostEqual(grafika.szum_wielo(x, y + okres, okres, 7), tutaj)


class Czcionka(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.szer, cls.wys, cls.w = wczytaj('font')
        cls.kom = cls.szer // 16

    def tusz(self, g):
        """Ink texels of glyph g as (x, y) inside its cell, y counted from the cell's top."""
        k = self.kom
        x0, gora = k * (g % 16), self.wys - 1 - k * (g // 16)
        return {(x, y) for y in range(k) for x in range(k)
                if max(self.w[gora - y][x0 + x]) > 60}

    def test_znaki_gry_maja_tusz_w_lewej_polowie_komorki(self):
        for zestaw in (0, 1):
            for znak in 'ABCZabcz0123456789:-':
                with self.subTest(zestaw=zestaw, znak=znak):
                    tusz = self.tusz(ord(znak) - 32 + 128 * zestaw)
                    self.assertGreater(len(tusz), 10)
                    self.assertLess(max(x for x, _ in tusz), self.kom // 2)
        self.assertEqual(self.tusz(0), set(), 'space')

    def test_siatka_liczona_od_gory_obrazu(self):
        # '^' inks the top of its cell and '_' the bottom: a picture stored top-down, or
        # glyphs placed from the bottom row, swaps them.
        daszek, podkreslenie = self.tusz(ord('^') - 32), self.tusz(ord('_') - 32)
        self.assertLess(max(y for _, y in daszek), self.kom // 2)
        self.assertGreater(min(y for _, y in podkreslenie), self.kom // 2)

    def test_wiersze_poza_zestawami_sa_czarne(self):
        for g in list(range(96, 128)) + list(range(224, 256)):
            self.assertEqual(self.tusz(g), set(), g)


if __name__ == '__main__':
    unittest.main()

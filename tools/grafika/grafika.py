#!/usr/bin/env python3
"""Draws the game's eleven pictures and writes them as 24-bit BMP files, and the desktop
icon at its six sizes as RGBA PNG files.

    grafika.py GFX IKONY    writes GFX/tekstura0.bmp ... GFX/koniec.bmp
                            and IKONY/zorbit3d_16.png ... IKONY/zorbit3d_256.png

Everything is computed from integer hashes and plain arithmetic, so the bytes are the
same on every run and every machine.
"""
import math
import os
import struct
import sys
import zlib

import glify


class Obraz:
    """An RGB picture; (x, y) with y = 0 the bottom row, which is texture row t = 0."""

    def __init__(self, szer, wys, tlo=(0, 0, 0)):
        self.szer, self.wys = szer, wys
        self.piksele = bytearray(bytes(tlo) * (szer * wys))

    def ustaw(self, x, y, rgb):
        if 0 <= x < self.szer and 0 <= y < self.wys:
            i = 3 * (y * self.szer + x)
            self.piksele[i:i + 3] = bytes(rgb)

    def wypelnij(self, kolor_w):
        """Sets every pixel to kolor_w(x, y)."""
        for y in range(self.wys):
            for x in range(self.szer):
                self.ustaw(x, y, kolor_w(x, y))

    def bmp(self):
        """The picture as a BMP file: 14-byte file header, 40-byte info header, no colour
        table, bottom-up BGR rows padded to 4 bytes."""
        wiersz = 3 * self.szer
        zapas = (-wiersz) % 4
        dane = bytearray()
        for y in range(self.wys):
            p = self.piksele[y * wiersz:(y + 1) * wiersz]
            for i in range(0, wiersz, 3):
                dane += bytes((p[i + 2], p[i + 1], p[i]))
            dane += bytes(zapas)
        naglowek = struct.pack('<2sIHHI', b'BM', 54 + len(dane), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, self.szer, self.wys, 1, 24, 0, len(dane),
                           2835, 2835, 0, 0)
        return naglowek + info + bytes(dane)


# ---- small helpers -------------------------------------------------------------------

def hasz(*liczby):
    """A deterministic hash of integers to [0, 1)."""
    h = 2166136261
    for n in liczby:
        h = ((h ^ (n & 0xFFFFFFFF)) * 16777619) & 0xFFFFFFFF
        h ^= h >> 13
        h = (h * 0x5BD1E995) & 0xFFFFFFFF
        h ^= h >> 15
    return h / 2 ** 32


def szum(x, y, okres, krok, ziarno):
    """Smooth value noise in [0, 1) with a lattice every krok pixels, periodic in okres
    pixels both ways, so a texture made with it tiles without a seam."""
    n = okres // krok
    gx, gy = x / krok, y / krok
    x0, y0 = int(gx), int(gy)
    fx, fy = gx - x0, gy - y0
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)

    def wezel(i, j):
        return hasz(ziarno, i % n, j % n)
    gora = wezel(x0, y0 + 1) * (1 - fx) + wezel(x0 + 1, y0 + 1) * fx
    dol = wezel(x0, y0) * (1 - fx) + wezel(x0 + 1, y0) * fx
    return dol * (1 - fy) + gora * fy


def szum_wielo(x, y, okres, ziarno):
    """Three octaves of szum, in [0, 1)."""
    return (0.5 * szum(x, y, okres, 16, ziarno) + 0.3 * szum(x, y, okres, 8, ziarno + 1)
            + 0.2 * szum(x, y, okres, 4, ziarno + 2))


def kolor(rgb, jasnosc):
    return tuple(max(0, min(255, round(c * jasnosc))) for c in rgb)


def mieszaj(a, b, f):
    f = max(0.0, min(1.0, f))
    return tuple(round(x + (y - x) * f) for x, y in zip(a, b))


def gladko(a, b, v):
    """0 below a, 1 above b, a smooth step between: soft edges without aliasing."""
    f = max(0.0, min(1.0, (v - a) / (b - a)))
    return f * f * (3 - 2 * f)


# ---- maze surfaces -------------------------------------------------------------------

def plyta(lx, ly, bw, bh, fuga, kolor_fugi, kolor_kamienia, miejsce, id_plyty):
    """One pixel of a wall of stone blocks: (lx, ly) is its place inside a block of bw by
    bh, miejsce its (x, y, period) in the picture; mortar along the left and bottom edge,
    noisy stone with a lit top-left and a shaded bottom-right rim inside."""
    if lx < fuga or ly < fuga:
        return kolor_fugi
    ziarnistosc = (0.75 + 0.35 * szum_wielo(*miejsce, id_plyty[0])
                   + 0.15 * (hasz(*id_plyty) - 0.5))
    if lx == fuga or ly == bh - 1:
        ziarnistosc *= 1.18   # lit edge
    elif lx == bw - 1 or ly == fuga:
        ziarnistosc *= 0.8    # shaded edge
    return kolor(kolor_kamienia, ziarnistosc)


def mur_z_cegiel(szer, wys, cegla_w, cegla_h, fuga, kolor_fugi, kolor_kamienia, ziarno):
    """A brick bond: courses cegla_h high, every second one shifted by half a brick.
    Sizes divide the picture, so it repeats seamlessly along s."""
    obraz = Obraz(szer, wys)

    def piksel(x, y):
        rzad = y // cegla_h
        przes = (cegla_w // 2) * (rzad % 2)
        kx = (x + przes) % szer
        nr = kx // cegla_w
        return plyta(kx % cegla_w, y % cegla_h, cegla_w, cegla_h, fuga, kolor_fugi,
                     kolor_kamienia, (x, y, szer), (ziarno, rzad, nr))
    obraz.wypelnij(piksel)
    return obraz


def podloga():
    """Floor slab, once per cell: worn sandstone with a dark joint round its edge."""
    obraz = Obraz(64, 64)

    def piksel(x, y):
        brzeg = min(x, y, 63 - x, 63 - y)
        if brzeg == 0:
            return (70, 60, 52)
        j = 0.78 + 0.3 * szum_wielo(x, y, 64, 11) + 0.06 * (hasz(12, x, y) - 0.5)
        if brzeg <= 2:
            j *= 1.12 if x <= 2 or y >= 61 else 0.86
        return kolor((196, 176, 142), j)
    obraz.wypelnij(piksel)
    return obraz


def sciana():
    return mur_z_cegiel(64, 64, 32, 16, 2, (92, 84, 76), (168, 78, 54), 21)


def mur():
    """Outer wall: big grey-blue ashlar, two courses to the unit height."""
    return mur_z_cegiel(64, 64, 32, 32, 3, (48, 50, 58), (128, 136, 154), 31)


def jedzenie():
    """Pellet: a glowing golden drop; the flat square shows whole, so the corners are
    a dark amber instead of black."""
    obraz = Obraz(32, 32)

    def piksel(x, y):
        d = math.hypot(x - 15.5, y - 15.5) / 15.5
        blask = math.hypot(x - 11.5, y - 19.5) / 6
        baza = mieszaj((255, 244, 150), (230, 140, 20), d / 0.8)
        baza = mieszaj(baza, (255, 255, 235), 1 - gladko(0.2, 1.0, blask))
        return mieszaj(baza, (90, 45, 10), gladko(0.78, 0.92, d))
    obraz.wypelnij(piksel)
    return obraz


def premia():
    """Bonus sphere: spiralling rainbow stripes with white sparkles."""
    obraz = Obraz(64, 64)

    def piksel(x, y):
        s, t = x / 64, y / 64
        odcien = (3 * s + 2 * t) % 1
        r, g, b = (0.5 + 0.5 * math.cos(2 * math.pi * (odcien - k / 3)) for k in range(3))
        baza = kolor((255 * r, 255 * g, 255 * b), 1.0)
        iskra = hasz(41, x // 8, y // 8)
        sx, sy = (x // 8) * 8 + 4, (y // 8) * 8 + 4
        if iskra > 0.7 and abs(x - sx) + abs(y - sy) <= 2:
            return (255, 255, 255)
        return baza
    obraz.wypelnij(piksel)
    return obraz


# ---- actor skins ---------------------------------------------------------------------
# A GLU sphere wraps the picture once round it: s = 0 faces the way the actor heads (the
# drawing turns it by the heading and 180 degrees), t = 0 is the top of the actor, t = 1
# the bottom. dt_na_ds is how much longer a step in t is on the model than a step in s,
# so that round features stay round.

def wyglad(dt_na_ds, tlo_w, cechy):
    """A skin's colour at (s, t): tlo_w(s, t) colours the body, then every feature (a
    function of the distances u across and v down from the front centre line) may paint
    over it."""
    def kolor_w(s, t):
        u = (s + 0.5) % 1 - 0.5       # -0.5..0.5 across, 0 at the front
        c = tlo_w(s, t)
        for cecha in cechy:
            c = cecha(u, t * dt_na_ds, c)
        return c
    return kolor_w


def skora(szer, wys, kolor_w):
    """The skin kolor_w as a picture, one sample at each texel's centre."""
    obraz = Obraz(szer, wys)
    obraz.wypelnij(lambda x, y: kolor_w((x + 0.5) / szer, (y + 0.5) / wys))
    return obraz


def owal(su, sv, ru, rv, wypelnienie):
    """A soft-edged ellipse centred at (su, sv) in (u, v) units."""
    def cecha(u, v, c):
        d = math.hypot((u - su) / ru, (v - sv) / rv)
        return mieszaj(wypelnienie, c, gladko(0.85, 1.0, d))
    return cecha


def oko(su, sv, r, zrenica=(20, 20, 40), kierunek=0.0):
    """An eye: a white ball with a pupil; kierunek shifts the pupil across."""
    bialko, srodek = owal(su, sv, r, r, (250, 250, 250)), owal(
        su + kierunek * r, sv + 0.15 * r, 0.5 * r, 0.5 * r, zrenica)
    return lambda u, v, c: srodek(u, v, bialko(u, v, c))


def luk(su, sv, szer, wys, grubosc, kolor_luku):
    """An arc v = sv + wys * (1 - x^2), x = (u - su) / szer, for |x| <= 1, grubosc thick:
    with wys above 0 its middle hangs below its ends: a smile."""
    def cecha(u, v, c):
        x = (u - su) / szer
        if abs(x) > 1:
            return c
        linia = sv + wys * (1 - x * x)
        return mieszaj(kolor_luku, c, gladko(0.6 * grubosc, grubosc, abs(v - linia)))
    return cecha


def duch():
    """Ghost: a pale, glowing violet body, big eyes and a wavy hem near the floor."""
    def tlo(s, t):
        fala = 0.55 + 0.025 * math.sin(2 * math.pi * 10 * s)
        baza = mieszaj((205, 215, 255), (120, 110, 230), t / 0.6)
        return mieszaj(baza, (60, 40, 120), gladko(fala - 0.01, fala + 0.01, t))
    cechy = [oko(-0.07, 0.28, 0.06), oko(0.07, 0.28, 0.06),
             owal(0.0, 0.42, 0.045, 0.03, (40, 20, 70))]
    return skora(128, 64, wyglad(1.0, tlo, cechy))


def wyglad_zorbita():
    """Player's look: a sunny orange ball with a face in front and a dark band on the back."""
    def tlo(s, t):
        u = (s + 0.5) % 1 - 0.5
        baza = mieszaj((255, 225, 70), (235, 120, 20), t)
        if abs(abs(u) - 0.5) < 0.03:
            return mieszaj(baza, (150, 50, 20), 0.7)
        return baza
    cechy = [oko(-0.065, 0.17, 0.055), oko(0.065, 0.17, 0.055),
             luk(0.0, 0.26, 0.1, 0.05, 0.018, (120, 30, 10))]
    return wyglad(0.5, tlo, cechy)


def zorbit():
    return skora(128, 64, wyglad_zorbita())


# ---- font and words ------------------------------------------------------------------

def rysuj_glif(obraz, znak, x0, y0_gora, sx, sy, kolor_w, pogrub=0):
    """Draws a glyph with its top-left corner at x0 and y0_gora rows below the top of the
    picture, each font pixel sx by sy; kolor_w(row of the glyph, 0..1) colours it."""
    for gy, wiersz in enumerate(glify.glif(znak)):
        for gx, tusz in enumerate(wiersz):
            if not tusz:
                continue
            c = kolor_w((gy + 0.5) / 7)
            for dy in range(sy):
                for dx in range(sx + pogrub):
                    obraz.ustaw(x0 + gx * sx + dx, obraz.wys - 1 - (y0_gora + gy * sy + dy), c)


def czcionka():
    """The 16 by 16 glyph grid: characters 32..127 in rows 0..5 (counted from the top),
    the same in bold in rows 8..13. Ink sits in the left half of each 32-pixel cell,
    because the game advances the pen by half a glyph square."""
    obraz = Obraz(512, 512)
    for zestaw, pogrub in ((0, 0), (1, 1)):
        for kod in range(32, 128):
            g = kod - 32 + 128 * zestaw
            rysuj_glif(obraz, chr(kod), 32 * (g % 16) + 3, 32 * (g // 16) + 2, 2, 3,
                       lambda _w: (255, 255, 255), pogrub)
    return obraz


def napis(tekst, gora, dol, tlo_gora, tlo_dol, ramka):
    """A menu word, 256 by 64: the text centred in a colour running from gora to dol,
    with a drop shadow, on a dark gradient inside a thin frame."""
    obraz = Obraz(256, 64)
    obraz.wypelnij(lambda x, y: ramka if min(x, y, 255 - x, 63 - y) < 2
                   else mieszaj(tlo_dol, tlo_gora, y / 63))
    sx, sy = 5, 5
    szer = (len(tekst) * (glify.SZEROKOSC + 1) - 1) * sx
    x0, y0 = (256 - szer) // 2, 7
    for cien, kolor_w in ((3, lambda _w: (0, 0, 0)), (0, lambda w: mieszaj(gora, dol, w))):
        for i, znak in enumerate(tekst):
            rysuj_glif(obraz, znak, x0 + cien + i * (glify.SZEROKOSC + 1) * sx, y0 + cien,
                       sx, sy, kolor_w)
    return obraz


def menu(tekst):
    return napis(tekst, (255, 255, 230), (255, 190, 60), (30, 40, 90), (8, 10, 30),
                 (140, 150, 200))


# ---- desktop icon --------------------------------------------------------------------

def png(szer, wys, piksele):
    """An RGBA picture as a PNG file; piksele holds the rows top-down, 4 bytes a pixel.
    Every row is stored unfiltered, compressed at zlib's level 9."""
    def blok(typ, dane):
        return (struct.pack('>I', len(dane)) + typ + dane
                + struct.pack('>I', zlib.crc32(typ + dane) & 0xFFFFFFFF))
    wiersz = 4 * szer
    surowe = b''.join(b'\0' + bytes(piksele[y * wiersz:(y + 1) * wiersz]) for y in range(wys))
    return (b'\x89PNG\r\n\x1a\n'
            + blok(b'IHDR', struct.pack('>IIBBBBB', szer, wys, 8, 6, 0, 0, 0))
            + blok(b'IDAT', zlib.compress(surowe, 9)) + blok(b'IEND', b''))


ROZMIARY_IKONY = (16, 32, 48, 64, 128, 256)
SWIATLO = (-0.45, 0.55, 0.70)   # towards the upper left, in front: as the menu sees the ball


def ikona(rozmiar):
    """The ball seen from the front: the player's own skin wrapped on a sphere, lit from
    the upper left with a highlight, on a transparent square. The sphere's edge is
    smoothed by the share of each pixel it covers."""
    skora_w = wyglad_zorbita()
    r = rozmiar / 2 - 0.5
    dl = math.sqrt(sum(c * c for c in SWIATLO))
    lx, ly, lz = (c / dl for c in SWIATLO)
    hx, hy, hz = lx, ly, lz + 1
    hd = math.sqrt(hx * hx + hy * hy + hz * hz)
    piksele = bytearray(4 * rozmiar * rozmiar)
    for y in range(rozmiar):
        for x in range(rozmiar):
            px, py = (x + 0.5 - rozmiar / 2) / r, (rozmiar / 2 - y - 0.5) / r
            d = math.hypot(px, py)
            pokrycie = max(0.0, min(1.0, (1 - d) * r + 0.5))
            if pokrycie == 0:
                continue
            if d > 1:
                px, py, d = px / d, py / d, 1.0
            pz = math.sqrt(max(0.0, 1 - d * d))
            s = (math.atan2(px, pz) / (2 * math.pi)) % 1
            t = math.acos(max(-1.0, min(1.0, py))) / math.pi
            rozproszone = max(0.0, px * lx + py * ly + pz * lz)
            polysk = max(0.0, (px * hx + py * hy + pz * hz) / hd) ** 40
            c = mieszaj(kolor(skora_w(s, t), 0.3 + 0.8 * rozproszone), (255, 255, 255),
                        0.7 * polysk)
            i = 4 * (y * rozmiar + x)
            piksele[i:i + 4] = bytes(c) + bytes((round(255 * pokrycie),))
    return png(rozmiar, rozmiar, piksele)


OBRAZY = {
    'tekstura0': podloga, 'tekstura1': sciana, 'tekstura2': jedzenie, 'duch': duch,
    'tekstura3': premia, 'zorbit': zorbit, 'mur': mur, 'font': czcionka,
    'nowagra': lambda: menu('Nowa gra'), 'wyjscie': lambda: menu('Wyjscie'),
    'koniec': lambda: napis('Koniec', (255, 240, 200), (230, 60, 30), (70, 10, 10),
                            (15, 0, 0), (200, 90, 60)),
}


def main(argv):
    if len(argv) != 3:
        print('usage: grafika.py GFX IKONY', file=sys.stderr)
        return 2
    for nazwa, rysuj in OBRAZY.items():
        with open(os.path.join(argv[1], nazwa + '.bmp'), 'wb') as f:
            f.write(rysuj().bmp())
    for rozmiar in ROZMIARY_IKONY:
        with open(os.path.join(argv[2], 'zorbit3d_%d.png' % rozmiar), 'wb') as f:
            f.write(ikona(rozmiar))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))

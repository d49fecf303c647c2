"""Golden screenshots of the real program: the title, the menu, the level banner, play, the
in-game menu and the end screen, compared with the committed pictures in wzorce/.

The boards are the shipped ones without their ghosts and bonuses (both move or pulse at
random or with the frame time); what still changes between runs is the turn of the pellets.
Pictures are compared as 8x8-pixel block means, which also hides the few-unit differences
between Mesa versions, plus a bound on the mean difference over the whole picture.

    tests/e2e/wzorce/zrob.sh [zorbit3d]    # redraw wzorce/*.png after a wanted change
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from zorbit_e2e import ZRODLO, Gra, czekaj, czytaj_ppm, uruchom  # noqa: E402

WZORCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "wzorce")
BLOK = 8
NAJWIECEJ_W_BLOKU = 28    # per channel, 0..255, of one block's mean
NAJWIECEJ_SREDNIO = 3.0   # per channel, mean over the whole picture
KLATKA = 0.5              # seconds for a key's frame to be drawn

DUCH, BONUS, JEDZENIE, PODLOGA, ZORBIT = 3, 4, 2, 0, 5


def bez_ruchomych(plansza):
    return bytes(PODLOGA if b in (DUCH, BONUS) else b for b in plansza)


def jeden_kasek(plansza):
    """The board with a single pellet, the one just past the player's start along +z."""
    b = bytearray(bez_ruchomych(plansza).replace(bytes([JEDZENIE]), bytes([PODLOGA])))
    b[b.index(ZORBIT) + 1] = JEDZENIE
    return bytes(b)


def dane(katalog, przerob, poziomy):
    """A data/ dir with the shipped pictures and sounds and reworked copies of some boards."""
    os.makedirs(os.path.join(katalog, "mapy"))
    for d in ("gfx", "sfx"):
        os.symlink(os.path.join(ZRODLO, "data", d), os.path.join(katalog, d))
    for nazwa in poziomy:
        with open(os.path.join(ZRODLO, "data", "mapy", nazwa), "rb") as f:
            tresc = f.read()
        with open(os.path.join(katalog, "mapy", nazwa), "wb") as f:
            f.write(przerob(tresc))
    return katalog


def klatki(katalog):
    """Runs through the screens and yields (name, taker) for each: taker(path) saves it."""
    with Gra(odpowiedz="2\n", dane=dane(os.path.join(katalog, "a"), bez_ruchomych, ["intro.map", "1.map"])) as g:
        g.okno()
        # A slow start (a loaded machine, a sanitizer build) maps the window before its first frame.
        czekaj(lambda: len(set(g.piksele()[2][::997])) > 8, 30, "the first drawn frame")
        for nazwa, klawisz in (("tytul", None), ("menu", "Return"), ("plansza", "Return"),
                               ("gra", "Return"), ("menu_gry", "Escape")):
            if klawisz:
                g.klawisz(klawisz)
            time.sleep(KLATKA)
            yield nazwa, g.zrzut
    # Eating the only pellet ends level 1, and there is no level 2: the end screen.
    with Gra(odpowiedz="2\n", dane=dane(os.path.join(katalog, "b"), jeden_kasek, ["intro.map", "1.map"])) as g:
        g.okno()
        g.klawisz("Return", "Return", "Return", "Up")
        time.sleep(1.0 + KLATKA)
        yield "koniec", g.zrzut


def obraz(sciezka):
    ppm = sciezka + ".ppm"
    subprocess.run(["convert", sciezka, "ppm:" + ppm], check=True)
    try:
        return czytaj_ppm(ppm)
    finally:
        os.remove(ppm)


def bloki(w, h, rgb):
    """Mean of each channel over each BLOK x BLOK square."""
    bw, bh = w // BLOK, h // BLOK
    sumy = [0] * (bw * bh * 3)
    for y in range(bh * BLOK):
        wiersz = rgb[y * w * 3:(y + 1) * w * 3]
        baza = (y // BLOK) * bw * 3
        for x in range(bw * BLOK):
            i = baza + (x // BLOK) * 3
            sumy[i] += wiersz[x * 3]
            sumy[i + 1] += wiersz[x * 3 + 1]
            sumy[i + 2] += wiersz[x * 3 + 2]
    return [s / (BLOK * BLOK) for s in sumy]


def roznica(a, b):
    """(largest block difference, mean difference) of two pictures of one size."""
    (wa, ha, pa), (wb, hb, pb) = a, b
    if (wa, ha) != (wb, hb):
        return float("inf"), float("inf")
    srednia = sum(abs(x - y) for x, y in zip(pa, pb)) / len(pa)
    return max(abs(x - y) for x, y in zip(bloki(wa, ha, pa), bloki(wb, hb, pb))), srednia


class Zrzuty(unittest.TestCase):
    def test_ekrany_jak_wzorce(self):
        katalog = tempfile.mkdtemp(prefix="zorbit-zrzuty-")
        try:
            for nazwa, zrob in klatki(katalog):
                with self.subTest(nazwa):
                    teraz = zrob(os.path.join(katalog, nazwa + ".png"))
                    blok, srednio = roznica(obraz(teraz), obraz(os.path.join(WZORCE, nazwa + ".png")))
                    if blok > NAJWIECEJ_W_BLOKU or srednio > NAJWIECEJ_SREDNIO:
                        shutil.copy(teraz, os.path.join(tempfile.gettempdir(), "zorbit-zrzut-" + nazwa + ".png"))
                    self.assertLessEqual(blok, NAJWIECEJ_W_BLOKU, nazwa)
                    self.assertLessEqual(srednio, NAJWIECEJ_SREDNIO, nazwa)
        finally:
            shutil.rmtree(katalog, ignore_errors=True)

    def test_porownanie_widzi_brak_paska(self):
        """The comparison itself: the play picture with its heads-up line painted over fails."""
        w, h, rgb = obraz(os.path.join(WZORCE, "gra.png"))
        zamazany = bytearray(rgb)
        tlo = rgb[(h - 40) * w * 3:(h - 40) * w * 3 + 3]
        for y in range(0, 22):
            for x in range(0, 340):
                zamazany[(y * w + x) * 3:(y * w + x) * 3 + 3] = tlo
        blok, _ = roznica((w, h, rgb), (w, h, bytes(zamazany)))
        self.assertGreater(blok, NAJWIECEJ_W_BLOKU)


def zapisz():
    os.makedirs(WZORCE, exist_ok=True)
    katalog = tempfile.mkdtemp(prefix="zorbit-zrzuty-")
    try:
        for nazwa, zrob in klatki(katalog):
            zrob(os.path.join(WZORCE, nazwa + ".png"))
            print("wrote", os.path.join(WZORCE, nazwa + ".png"))
    finally:
        shutil.rmtree(katalog, ignore_errors=True)


if __name__ == "__main__":
    if "--zapisz" in sys.argv:
        zapisz()
    else:
        uruchom(Zrzuty)

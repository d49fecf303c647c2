"""Bad data on the real program: each start-up in its own data directory reaches the menu
and leaves it by "Wyjscie" with status 0. A bad picture shows one error box, which blocks
the game until it is dismissed (or, where no box can be shown, its text on standard error)."""
import os
import re
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from zorbit_e2e import ZRODLO, Gra, czekaj, uruchom  # noqa: E402


KONWERSJA = "Image file conversion error."


def naglowek_8192(sciezka):
    """A 54-byte picture whose header promises 8192 x 8192 at 24 bits."""
    info = (40).to_bytes(4, "little") + (8192).to_bytes(4, "little") * 2 + (1).to_bytes(2, "little") \
        + (24).to_bytes(2, "little") + bytes(24)
    with open(sciezka, "wb") as f:
        f.write(b"BM" + (54).to_bytes(4, "little") + bytes(4) + (54).to_bytes(4, "little") + info)


def zapisz(sciezka, bajty):
    with open(sciezka, "wb") as f:
        f.write(bajty)


def uciety(sciezka):
    with open(sciezka, "rb") as f:
        bajty = f.read()
    zapisz(sciezka, bajty[:len(bajty) // 2])


def katalog(sciezka):
    os.remove(sciezka)
    os.mkdir(sciezka)


# name: (what is done to a copy of data/ (None: no data/ at all), error boxes expected, answer)
PRZYPADKI = {
    "bez_data": (None, 0, "2\n"),
    "pusta_intro_i_pierwsza": (lambda d: [zapisz(os.path.join(d, "mapy", n), b"") for n in ("intro.map", "1.map")], 0, "2\n"),
    "intro_z_bajtow_ff": (lambda d: zapisz(os.path.join(d, "mapy", "intro.map"), b"\xff" * 700), 0, "2\n"),
    "intro_katalogiem": (lambda d: katalog(os.path.join(d, "mapy", "intro.map")), 0, "2\n"),
    "uciety_obrazek": (lambda d: uciety(os.path.join(d, "gfx", "mur.bmp")), 1, "2\n"),
    "obrazek_8192_w_54_bajtach": (lambda d: naglowek_8192(os.path.join(d, "gfx", "mur.bmp")), 1, "2\n"),
    "pusty_wav_wyjscia": (lambda d: zapisz(os.path.join(d, "sfx", "menu2.wav"), b""), 0, "2\n"),
    "zamkniete_wejscie": (lambda d: None, 0, None),
}


class ZleDane(unittest.TestCase):
    def okna_bledu(self, g):
        drzewo = g._x("xwininfo", "-root", "-tree")
        return re.findall(r"^\s*(0x[0-9a-f]+) \"Error\"", drzewo, re.M)

    def test_kazdy_dochodzi_do_menu_i_wychodzi(self):
        for nazwa, (zmiana, bledow, odpowiedz) in PRZYPADKI.items():
            with self.subTest(nazwa), tempfile.TemporaryDirectory() as tmp:
                dane = os.path.join(tmp, "data")
                if zmiana is not None:
                    shutil.copytree(os.path.join(ZRODLO, "data"), dane)
                    zmiana(dane)
                with Gra(odpowiedz=odpowiedz, dane=dane) as g:
                    for _ in range(bledow):
                        # A box where SDL can show one, else the same text on standard error.
                        czekaj(lambda: self.okna_bledu(g) or KONWERSJA in g.bledy(), 30, "the error")
                        for wid in self.okna_bledu(g):
                            g._x("xdotool", "key", "--window", wid, "Return")
                            czekaj(lambda: wid not in self.okna_bledu(g), 10, "the error box to close")
                    g.okno(30)
                    g.klawisz("Return", "Down", "Return")
                    self.assertEqual(g.czekaj_na_koniec(15), 0, g.bledy())
                    self.assertEqual(self.okna_bledu(g), [])


if __name__ == "__main__":
    uruchom(ZleDane)

"""Demos on the real program: a game recorded under Xvfb replays headlessly to the same dump
twice and with its window to the same end; SIGTERM still leaves a whole demo; a file that
cannot be played is refused in one line with status 2."""
import os
import subprocess
import sys
import tempfile
import time
import unittest
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from zorbit_e2e import BIN, Gra, uruchom  # noqa: E402

BEZ_EKRANU = {k: v for k, v in os.environ.items() if k != "DISPLAY"}


def zrzut(demo, katalog):
    """The headless replay, without any X display: (status, stdout lines, stderr)."""
    wynik = subprocess.run([BIN, "--replay", demo, "--dump"], cwd=katalog, env=BEZ_EKRANU,
                           capture_output=True, text=True, timeout=120)
    return wynik.returncode, wynik.stdout.splitlines(), wynik.stderr


class Demo(unittest.TestCase):
    def test_nagrana_gra_odtwarza_sie_tak_samo(self):
        with Gra(odpowiedz=None, argumenty=["--window", "--record", "gra.demo"]) as g:
            g.okno()
            g.klawisz("Return", "Return", "Up", "Return")   # menu, new game, the wish, play
            time.sleep(3)                                   # a few seconds of play
            g.klawisz("Left", "Escape")
            time.sleep(1)                                   # the in-game menu stays open a while
            g.klawisz("Down", "Return")                     # "Wyjscie"
            self.assertEqual(g.czekaj_na_koniec(20), 0)
            demo = os.path.join(g.katalog, "gra.demo")

            status, pierwszy, bledy = zrzut(demo, g.katalog)
            self.assertEqual(status, 0, bledy)
            self.assertEqual(zrzut(demo, g.katalog)[1], pierwszy)
            self.assertRegex(pierwszy[-1], r"^level 1, score \d+, lives [1-3]$")
            self.assertTrue(any(" Gra level 1 " in l for l in pierwszy), pierwszy)
            self.assertTrue(any(" MenuGra level 1 " in l for l in pierwszy), pierwszy)

            # With the window, at the recorded pace, into the same end.
            okno = subprocess.run([BIN, "--replay", demo], cwd=g.katalog, env=g.env,
                                  capture_output=True, text=True, timeout=120)
            self.assertEqual(okno.returncode, 0, okno.stderr)
            self.assertEqual(okno.stdout.splitlines()[-1:], pierwszy[-1:])

    def test_sigterm_zostawia_cale_demo(self):
        with Gra(odpowiedz=None, argumenty=["--window", "--record", "gra.demo"]) as g:
            g.okno()
            g.klawisz("Return", "Return", "Return")
            time.sleep(1.5)
            g.proces.terminate()
            self.assertEqual(g.czekaj_na_koniec(10), 128 + 15)
            status, linie, bledy = zrzut(os.path.join(g.katalog, "gra.demo"), g.katalog)
            self.assertEqual(status, 0, bledy)
            self.assertRegex(linie[-1], r"^level 1, score 0, lives 3$")

    def test_zle_demo_jedna_linia_i_status_2(self):
        with tempfile.TemporaryDirectory() as katalog:
            os.makedirs(os.path.join(katalog, "data", "mapy"))
            with open(os.path.join(katalog, "data", "mapy", "1.map"), "wb") as f:
                f.write(bytes(625))
            poziomy = "intro.map=- 1.map=%08x" % zlib.crc32(bytes(625))
            przypadki = {
                "smieci.demo": (b"\x00\x01 garbage\n", "smieci.demo:1: not a Zorbit3D demo"),
                "wersja.demo": (b"zorbit3d-demo 7 crc32\nseed 1\nstart 0\n",
                                "wersja.demo: demo format version 7, this game plays version 1"),
                "poziomy.demo": (b"zorbit3d-demo 1 crc32 intro.map=- 1.map=00000000\nseed 1\nstart 0\nd\n",
                                 "poziomy.demo: recorded with other level files (1.map differs)"),
                "zdarzenie.demo": (("zorbit3d-demo 1 crc32 %s\nseed 1\nstart 0\ni 5\nq\n" % poziomy).encode(),
                                   "zdarzenie.demo:5: cannot read the event \"q\""),
                "brak.demo": (None, "brak.demo: cannot be read"),
            }
            for nazwa, (tresc, _) in przypadki.items():
                if tresc is not None:
                    with open(os.path.join(katalog, nazwa), "wb") as f:
                        f.write(tresc)
            for nazwa, (_, blad) in przypadki.items():
                for tryb in (["--dump"], []):   # with a window too: refused before it opens
                    with self.subTest(demo=nazwa, tryb=tryb):
                        wynik = subprocess.run([BIN, "--replay", nazwa] + tryb, cwd=katalog, env=BEZ_EKRANU,
                                               capture_output=True, text=True, timeout=30)
                        self.assertEqual(wynik.returncode, 2)
                        self.assertEqual(wynik.stdout, "")
                        self.assertEqual(wynik.stderr,
                                         "zorbit3d: %s\n" % os.path.join(os.path.realpath(katalog), blad))


if __name__ == "__main__":
    uruchom(Demo)

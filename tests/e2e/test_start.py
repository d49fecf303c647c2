"""Start-up on the real program: the console question and the window it opens."""
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from zorbit_e2e import BIN, Gra, czekaj, uruchom  # noqa: E402

PYTANIE = "[1] Pelen ekran\n[2] Okno 640x480\nTwoj wybor: "


class Start(unittest.TestCase):
    def test_okno_640x480_w_rogu(self):
        with Gra(odpowiedz="2\n") as g:
            self.assertEqual(g.geometria(), (0, 0, 640, 480))
            self.assertEqual(g.nazwa_okna(), "Zorbit3D")
            self.assertTrue(g.konsola().startswith(PYTANIE + "\n"))
            self.assertTrue(g.dziala())

    def test_pelny_ekran(self):
        with Gra(odpowiedz="1\n", ekran="800x600x24") as g:
            # The window maps at 640x480 first and takes the screen a moment later.
            x, y, w, h = czekaj(lambda: (lambda r: r if r[2:] == (800, 600) else None)(g.geometria()),
                                10, "the full-screen size")
            self.assertLessEqual(abs(x) + abs(y), 2)

    def test_zle_odpowiedzi_pytaja_znowu(self):
        with Gra(odpowiedz="3 01\n1a\n2\n") as g:
            g.okno()
            self.assertEqual(g.konsola().count(PYTANIE), 4)
            self.assertEqual(g.geometria()[2:], (640, 480))

    def test_zamkniete_wejscie_otwiera_okno(self):
        with Gra(odpowiedz=None) as g:
            self.assertEqual(g.geometria(), (0, 0, 640, 480))
            self.assertEqual(g.konsola().count(PYTANIE), 1)

    def test_kill_konczy_gre(self):
        with Gra(odpowiedz="2\n", env={"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": os.devnull}) as g:
            g.okno()
            g.proces.terminate()
            self.assertNotEqual(g.czekaj_na_koniec(5), 0)

    def test_bez_danych_gra_dziala(self):
        with tempfile.TemporaryDirectory() as pusty:
            with Gra(odpowiedz="2\n", dane=pusty) as g:
                g.okno()
                g.klawisz("Return", "Down", "Return")   # the menu works on an empty board too
                self.assertEqual(g.czekaj_na_koniec(10), 0)

    def test_bez_ekranu_konczy_z_komunikatem(self):
        env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        wynik = subprocess.run([BIN], input=b"2\n", env=env, capture_output=True, timeout=20)
        self.assertEqual(wynik.returncode, 1)
        self.assertIn(b"failed to open display", wynik.stderr)


if __name__ == "__main__":
    uruchom(Start)

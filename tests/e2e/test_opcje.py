"""The command line and the installed game on the real program: options, and a staged
installation started from a working directory that has no data/."""
import filecmp
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from zorbit_e2e import BIN, ZRODLO, Gra, czekaj, uruchom  # noqa: E402

PYTANIE = "[1] Pelen ekran"
BRAK_DANYCH = "zorbit3d: no data/ in the working directory nor in "


def pliki(korzen):
    """Every file under korzen, relative to it, with its size and modification time."""
    wynik = {}
    for katalog, _, nazwy in os.walk(korzen):
        for nazwa in nazwy:
            s = os.stat(os.path.join(katalog, nazwa))
            wynik[os.path.relpath(os.path.join(katalog, nazwa), korzen)] = (s.st_size, s.st_mtime_ns)
    return wynik


def uruchom_bez_okna(*argumenty):
    return subprocess.run([BIN] + list(argumenty), stdin=subprocess.DEVNULL, capture_output=True, timeout=20)


class Opcje(unittest.TestCase):
    def test_pomoc_wersja_i_zla_opcja(self):
        pomoc = uruchom_bez_okna("--help")
        self.assertEqual((pomoc.returncode, pomoc.stderr), (0, b""))
        self.assertTrue(pomoc.stdout.startswith(b"Usage: zorbit3d [OPTION]..."))
        wersja = uruchom_bez_okna("--version")
        self.assertEqual((wersja.returncode, wersja.stdout, wersja.stderr), (0, b"Zorbit3D 1.0\n", b""))
        zla = uruchom_bez_okna("--okno")
        self.assertEqual((zla.returncode, zla.stdout), (2, b""))
        self.assertTrue(zla.stderr.startswith(b"zorbit3d: unknown option --okno\nUsage: zorbit3d"), zla.stderr)

    def test_okno_bez_pytania(self):
        with Gra(odpowiedz=None, argumenty=["--window"]) as g:
            self.assertEqual(g.geometria(), (0, 0, 640, 480))
            self.assertNotIn(PYTANIE, g.konsola())

    def test_pelny_ekran_bez_pytania(self):
        with Gra(odpowiedz=None, argumenty=["--fullscreen"], ekran="800x600x24") as g:
            x, y, w, h = czekaj(lambda: (lambda r: r if r[2:] == (800, 600) else None)(g.geometria()),
                                10, "the full-screen size")
            self.assertLessEqual(abs(x) + abs(y), 2)
            self.assertNotIn(PYTANIE, g.konsola())

    def test_opcje_glut_przechodza(self):
        # GLUT's own -display reaches glutInit, past our options: it names a display that is not there.
        wynik = uruchom_bez_okna("--window", "-display", ":4097")
        self.assertEqual(wynik.returncode, 1)
        self.assertIn(b"failed to open display ':4097'", wynik.stderr)
        # -geometry is GLUT's too, and wins over the game's own 640x480 at the corner.
        for geometria, okno in (("320x200+10+20", (10, 20, 320, 200)), ("400x300", (0, 0, 400, 300))):
            with self.subTest(geometria), Gra(odpowiedz=None, argumenty=["-geometry", geometria, "--window"]) as g:
                self.assertEqual(g.geometria(), okno)

    def test_bez_danych_nigdzie_mowi_jedna_linie(self):
        with Gra(dane=False, argumenty=["--window"]) as g:
            g.okno()
            g.klawisz("Return", "Down", "Return")
            self.assertEqual(g.czekaj_na_koniec(10), 0)
            self.assertEqual(g.bledy().count(BRAK_DANYCH), 1, g.bledy())


class Instalacja(unittest.TestCase):
    """cmake --install into a DESTDIR, then the installed binary from an unrelated directory."""

    @classmethod
    def setUpClass(cls):
        cls.korzen = tempfile.TemporaryDirectory(prefix="zorbit-instalacja-")
        budowa = os.path.dirname(BIN)
        subprocess.run(["cmake", "--install", budowa, "--prefix", "/usr"], check=True, capture_output=True,
                       env=dict(os.environ, DESTDIR=cls.korzen.name))
        cls.program = os.path.join(cls.korzen.name, "usr", "games", "zorbit3d")

    @classmethod
    def tearDownClass(cls):
        cls.korzen.cleanup()

    def test_uklad_plikow(self):
        # The whole data tree, byte for byte: a folder or a level added to data/ must be installed too.
        dane = os.path.join(self.korzen.name, "usr", "share", "games", "zorbit3d", "data")
        self.assertTrue(os.access(self.program, os.X_OK))
        zrodlo = os.path.join(ZRODLO, "data")
        self.assertEqual(sorted(pliki(dane)), sorted(pliki(zrodlo)))
        for plik in pliki(zrodlo):
            self.assertTrue(filecmp.cmp(os.path.join(zrodlo, plik), os.path.join(dane, plik), shallow=False), plik)

    def test_z_obcego_katalogu_gra_i_wychodzi(self):
        przed = pliki(self.korzen.name)
        with Gra(dane=False, program=self.program, argumenty=["--window"], env={"ZORBIT_DANE": ""}) as g:
            g.okno()
            # The title shows the intro board: the pictures and the maps were found.
            czekaj(lambda: len(set(g.piksele()[2][::4096])) > 8, 10, "a drawn intro board")
            g.klawisz("Return", "Down", "Return")
            self.assertEqual(g.czekaj_na_koniec(10), 0)
            self.assertNotIn(BRAK_DANYCH, g.bledy())
        self.assertEqual(pliki(self.korzen.name), przed, "the game wrote into its installed tree")


if __name__ == "__main__":
    uruchom(Opcje, Instalacja)

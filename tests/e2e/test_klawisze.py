"""The keys on the real program: through the menus to the exit, and the menu sounds as
SDL's disk audio driver writes them (22050 Hz, signed 16-bit little-endian, stereo)."""
import array
import os
import shutil
import sys
import tempfile
import unittest
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from zorbit_e2e import Gra, uruchom  # noqa: E402

CZESTOTLIWOSC = 22050
KLIK = 6000      # amplitude of our menu1.wav
WYBOR = 12000    # amplitude of our menu2.wav
DLUGOSC_WYBORU = 0.4   # seconds
SZUM = 64        # shorter runs of one level are mixing edges, not sounds


def zapisz_ton(sciezka, amplituda, sekundy):
    """A square wave of +-amplituda in the device's own format, so the sound layer copies it unchanged."""
    ramek = int(CZESTOTLIWOSC * sekundy)
    probki = array.array("h")
    for i in range(ramek):
        v = amplituda if (i // 25) % 2 == 0 else -amplituda
        probki.extend((v, v))
    if sys.byteorder == "big":
        probki.byteswap()
    with wave.open(sciezka, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(CZESTOTLIWOSC)
        w.writeframes(probki.tobytes())


def poziomy(sciezka):
    """The written samples as runs [(amplitude, frames)], silence and mixing edges dropped."""
    probki = array.array("h")
    with open(sciezka, "rb") as f:
        probki.frombytes(f.read())
    if sys.byteorder == "big":
        probki.byteswap()
    biegi = []
    for v in probki[0::2]:
        a = abs(v)
        if biegi and biegi[-1][0] == a:
            biegi[-1][1] += 1
        else:
            biegi.append([a, 1])
    wynik = []
    for a, n in biegi:
        if a == 0 or n < SZUM and a not in (KLIK, WYBOR):
            continue
        if wynik and wynik[-1][0] == a:
            wynik[-1][1] += n
        else:
            wynik.append([a, n])
    return [(a, n) for a, n in wynik if n >= SZUM]


class Klawisze(unittest.TestCase):
    def setUp(self):
        self.dane = tempfile.mkdtemp(prefix="zorbit-klawisze-")
        os.makedirs(os.path.join(self.dane, "mapy"))
        os.makedirs(os.path.join(self.dane, "sfx"))
        with open(os.path.join(self.dane, "mapy", "intro.map"), "wb") as f:
            f.write(bytes([1, 3, 5]))
        with open(os.path.join(self.dane, "mapy", "1.map"), "wb") as f:
            f.write(bytes([1, 5, 2, 2, 3]))
        zapisz_ton(os.path.join(self.dane, "sfx", "menu1.wav"), KLIK, 0.1)
        zapisz_ton(os.path.join(self.dane, "sfx", "menu2.wav"), WYBOR, DLUGOSC_WYBORU)
        self.nagranie = os.path.join(self.dane, "nagranie.raw")

    def tearDown(self):
        shutil.rmtree(self.dane, ignore_errors=True)

    def zagraj(self, *klawisze):
        """Runs the game on the disk audio driver, sends the keys, returns the exit status."""
        env = {"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": self.nagranie}
        with Gra(dane=self.dane, env=env) as g:
            g.klawisz(*klawisze)
            return g.czekaj_na_koniec(10)

    def test_dzwieki_menu_i_wyjscie(self):
        # Title: menu2; Down: the click; Down again at the last entry: nothing; Enter: menu2 to its end.
        self.assertEqual(self.zagraj("space", "Down", "Down", "Return"), 0)
        biegi = poziomy(self.nagranie)
        self.assertEqual([a for a, _ in biegi], [WYBOR, KLIK, WYBOR], biegi)
        # The exit waited for the whole sound (the last mixed chunk or two may not reach the file).
        self.assertGreaterEqual(biegi[-1][1], DLUGOSC_WYBORU * CZESTOTLIWOSC - 2 * 1024, biegi)

    def test_m_na_tytule_wycisza(self):
        self.assertEqual(self.zagraj("m", "Down", "Up", "Down", "Return"), 0)
        self.assertEqual(poziomy(self.nagranie), [])
        self.assertGreater(os.path.getsize(self.nagranie), 0)   # the device ran, silent

    def test_wyjscie_z_menu_w_grze(self):
        # Title, new game, banner, play, Esc into the in-game menu, then its exit.
        self.assertEqual(self.zagraj("x", "Return", "x", "Escape", "Down", "Return"), 0)
        self.assertEqual([a for a, _ in poziomy(self.nagranie)], [WYBOR, KLIK, WYBOR])


if __name__ == "__main__":
    uruchom(Klawisze)

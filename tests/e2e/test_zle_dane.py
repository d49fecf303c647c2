"""Bad data on the real program: each start-up in its own data directory reaches the menu,
starts a new game (so that level 1 is read too), comes back to a menu and leaves it by
"Wyjscie" with status 0. A bad picture shows one error box, which blocks
the game until it is dismissed (or, where no box can be shown, its text on standard error)."""
import collections
import os
import random
import re
import atexit
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from zorbit_e2e import BIN, ZRODLO, Gra, czekaj, uruchom  # noqa: E402


BLAD = re.compile(r"^Error: ", re.M)   # an error box's text where no box can be shown
ZAPAS_PAMIECI_KIB = 32 * 1024             # over the normal run's peak: what a bad file may cost
# From the title: the menu, "Nowa gra" (level 1 is read), past its banner, or past the end screen
# back to the title when there is no level 1 to play, a menu again (in-game or main), and
# "Wyjscie" selected; Return then leaves.
KLAWISZE = ("Return", "Return", "space", "Escape", "Down")


def zapisz(sciezka, bajty):
    with open(sciezka, "wb") as f:
        f.write(bajty)


def naglowek_8192(sciezka):
    """A 54-byte picture whose header promises 8192 x 8192 at 24 bits."""
    info = (40).to_bytes(4, "little") + (8192).to_bytes(4, "little") * 2 + (1).to_bytes(2, "little") \
        + (24).to_bytes(2, "little") + bytes(24)
    zapisz(sciezka, b"BM" + (54).to_bytes(4, "little") + bytes(4) + (54).to_bytes(4, "little") + info)


def naglowek_108(sciezka):
    """A 2x2 picture with a 108-byte (version 4) info header, which the reader does not take."""
    info = (108).to_bytes(4, "little") + (2).to_bytes(4, "little") * 2 + (1).to_bytes(2, "little") \
        + (24).to_bytes(2, "little") + bytes(108 - 16)
    zapisz(sciezka, b"BM" + (14 + 108 + 16).to_bytes(4, "little") + bytes(4) + (14 + 108).to_bytes(4, "little")
           + info + bytes(16))


def obraz_1x1(sciezka):
    info = (40).to_bytes(4, "little") + (1).to_bytes(4, "little") * 2 + (1).to_bytes(2, "little") \
        + (24).to_bytes(2, "little") + bytes(24)
    zapisz(sciezka, b"BM" + (58).to_bytes(4, "little") + bytes(4) + (54).to_bytes(4, "little") + info
           + b"\x20\x80\xe0\x00")


def wav(sciezka, czestotliwosc, dane_bajty, zadeklarowane=None):
    """A mono 8-bit PCM WAV; zadeklarowane overrides the size its data chunk claims."""
    fmt = (1).to_bytes(2, "little") + (1).to_bytes(2, "little") + czestotliwosc.to_bytes(4, "little") \
        + czestotliwosc.to_bytes(4, "little") + (1).to_bytes(2, "little") + (8).to_bytes(2, "little")
    rozmiar = len(dane_bajty) if zadeklarowane is None else zadeklarowane
    cialo = b"WAVE" + b"fmt " + (16).to_bytes(4, "little") + fmt + b"data" + rozmiar.to_bytes(4, "little") + dane_bajty
    zapisz(sciezka, b"RIFF" + min(len(cialo), 0xFFFFFFFF).to_bytes(4, "little") + cialo)


def uciety(sciezka):
    with open(sciezka, "rb") as f:
        bajty = f.read()
    zapisz(sciezka, bajty[:len(bajty) // 2])


def katalog(sciezka):
    os.remove(sciezka)
    os.mkdir(sciezka)


def mapa(sciezka, komorki):
    zapisz(sciezka, bytes(komorki))


def plansza(zmien=None):
    """A walled 25x25 board of pellets with the player in a corner, changed by zmien(cells)."""
    k = [1 if r in (0, 24) or c in (0, 24) else 2 for r in range(25) for c in range(25)]
    k[26] = 5
    if zmien:
        zmien(k)
    return k


def duchy_31(k):
    for i in range(31):   # far from the player, who is in play for a moment on level 1
        k[25 * (20 + i // 20) + 2 + i % 20] = 3


def bez_gracza(k):
    k[26] = 2


def bez_brzegu(k):
    k[:] = [2] * 625
    k[26] = 5


def tylko_odczyt(tmp):
    """The working directory read-only for a user that is not root (root would write anyway)."""
    def przygotuj(katalog_roboczy):
        os.chmod(tmp, 0o755)
        for korzen, katalogi, pliki in os.walk(tmp):
            for k in katalogi:
                os.chmod(os.path.join(korzen, k), 0o755)
            for p in pliki:
                os.chmod(os.path.join(korzen, p), 0o644)
        os.chmod(katalog_roboczy, 0o555)
    return przygotuj


def m(nazwa):
    return lambda d: os.path.join(d, "mapy", nazwa)


def obie(zrob):
    """zrob(path) for the intro board and level 1."""
    return lambda d: [zrob(m(n)(d)) for n in ("intro.map", "1.map")]


def g(nazwa):
    return lambda d: os.path.join(d, "gfx", nazwa)


def s(nazwa):
    return lambda d: os.path.join(d, "sfx", nazwa)


def bez_sdl():
    """A folder whose libSDL2-2.0.so.0 is a library without SDL's functions, for LD_LIBRARY_PATH:
    the game finds SDL as if it were not installed."""
    folder = tempfile.mkdtemp(prefix="zorbit-bez-sdl-")
    atexit.register(shutil.rmtree, folder, True)
    subprocess.run(["cc", "-shared", "-x", "c", "/dev/null", "-o", os.path.join(folder, "libSDL2-2.0.so.0")],
                   check=True)
    return folder


# Each case: what is done to a copy of data/ (None: no data/ at all), error messages expected,
# the console answer, extra environment, whether the game runs as an unprivileged user, and
# and whether it starts with no standard input at all (descriptor 0 closed, not an empty file).
Przypadek = collections.namedtuple("Przypadek", "zmiana bledow odpowiedz env nieuprzywilejowany bez_wejscia",
                                   defaults=(0, "2\n", None, False, False))
LOSOWE = bytes(random.Random(7).randrange(256) for _ in range(5000))
PRZYPADKI = {
    "normalny": Przypadek(lambda d: None),
    "bez_data": Przypadek(None),
    "bez_folderu_mapy": Przypadek(lambda d: shutil.rmtree(os.path.join(d, "mapy"))),
    "bez_folderu_gfx": Przypadek(lambda d: shutil.rmtree(os.path.join(d, "gfx"))),
    "bez_folderu_sfx": Przypadek(lambda d: shutil.rmtree(os.path.join(d, "sfx"))),
    "bez_intro": Przypadek(lambda d: os.remove(m("intro.map")(d))),
    "bez_pierwszej": Przypadek(lambda d: os.remove(m("1.map")(d))),
    "pusta_intro_i_pierwsza": Przypadek(obie(lambda p: zapisz(p, b""))),
    "krotka_intro_i_pierwsza": Przypadek(obie(lambda p: mapa(p, [1] * 100))),
    "intro_i_pierwsza_z_bajtow_ff": Przypadek(obie(lambda p: zapisz(p, b"\xff" * 700))),
    "intro_i_pierwsza_bez_brzegu": Przypadek(obie(lambda p: mapa(p, plansza(bez_brzegu)))),
    "intro_i_pierwsza_z_31_duchami": Przypadek(obie(lambda p: mapa(p, plansza(duchy_31)))),
    "intro_i_pierwsza_bez_gracza": Przypadek(obie(lambda p: mapa(p, plansza(bez_gracza)))),
    "intro_i_pierwsza_katalogiem": Przypadek(obie(katalog)),
    "losowy_obrazek": Przypadek(lambda d: zapisz(g("mur.bmp")(d), LOSOWE), 1),
    "uciety_obrazek": Przypadek(lambda d: uciety(g("mur.bmp")(d)), 1),
    "pusty_obrazek": Przypadek(lambda d: zapisz(g("mur.bmp")(d), b""), 1),
    "obrazek_z_naglowkiem_108": Przypadek(lambda d: naglowek_108(g("mur.bmp")(d)), 1),
    "obrazek_1x1": Przypadek(lambda d: obraz_1x1(g("mur.bmp")(d))),
    "obrazek_8192_w_54_bajtach": Przypadek(lambda d: naglowek_8192(g("mur.bmp")(d)), 1),
    "obrazek_katalogiem": Przypadek(lambda d: katalog(g("mur.bmp")(d)), 1),
    "bez_wav_wyjscia": Przypadek(lambda d: os.remove(s("menu2.wav")(d))),
    "zepsuty_wav_wyjscia": Przypadek(lambda d: zapisz(s("menu2.wav")(d), b"RIFF" + LOSOWE[:600])),
    "pusty_wav_wyjscia": Przypadek(lambda d: zapisz(s("menu2.wav")(d), b"")),
    "wav_obiecuje_4_gib": Przypadek(lambda d: wav(s("menu2.wav")(d), 22050, bytes(600), 0xFFFFFF00)),
    # Ten minutes would be 53 MB at the device's rate: only the start is kept, within the common margin.
    "wav_na_dziesiec_minut": Przypadek(lambda d: wav(s("menu2.wav")(d), 1, bytes([128, 255] * 300))),
    "bez_urzadzenia_dzwieku": Przypadek(lambda d: None, env={"SDL_AUDIODRIVER": "zaden"}),
    # No SDL at all: silent, and the broken picture's error on standard error instead of a box.
    "bez_sdl": Przypadek(lambda d: uciety(g("mur.bmp")(d)), 1, env={"LD_LIBRARY_PATH": bez_sdl()}),
    "zamkniete_wejscie": Przypadek(lambda d: None, odpowiedz=None),
    "bez_deskryptora_wejscia": Przypadek(lambda d: None, odpowiedz=None, bez_wejscia=True),
    "smieci_na_wejsciu": Przypadek(lambda d: None, odpowiedz="\x01\x7f zzz 12 3\n\xff"),
    "katalog_tylko_do_odczytu": Przypadek(lambda d: None, nieuprzywilejowany=True),
}


class ZleDane(unittest.TestCase):
    def okna_bledu(self, g):
        drzewo = g._x("xwininfo", "-root", "-tree")
        return re.findall(r"^\s*(0x[0-9a-f]+) \"Error\"", drzewo, re.M)

    def test_kazdy_dochodzi_do_menu_i_wychodzi(self):
        szczyty = {}
        for nazwa, p in PRZYPADKI.items():
            with self.subTest(nazwa), tempfile.TemporaryDirectory() as tmp:
                dane = os.path.join(tmp, "data")
                if p.zmiana is not None:
                    shutil.copytree(os.path.join(ZRODLO, "data"), dane)
                    p.zmiana(dane)
                opcje = {}
                if p.nieuprzywilejowany:
                    opcje = dict(program="setpriv", przed_startem=tylko_odczyt(tmp),
                                 argumenty=["--reuid=65534", "--regid=65534", "--clear-groups", BIN])
                if p.bez_wejscia:
                    opcje = dict(program="sh", argumenty=["-c", 'exec "$0" <&-', BIN])
                with Gra(odpowiedz=p.odpowiedz, dane=dane, env=p.env, **opcje) as g:
                    for _ in range(p.bledow):
                        # A box where SDL can show one, else the same text on standard error.
                        czekaj(lambda: self.okna_bledu(g) or BLAD.search(g.bledy()), 30, "the error")
                        for wid in self.okna_bledu(g):
                            g._x("xdotool", "key", "--window", wid, "Return")
                            czekaj(lambda: wid not in self.okna_bledu(g), 10, "the error box to close")
                    g.okno(30)
                    g.klawisz(*KLAWISZE, "Return")
                    self.assertEqual(g.czekaj_na_koniec(15), 0, g.bledy())
                    szczyty[nazwa] = g.szczyt_kib   # over the whole run, from the kernel: no race with the keys
                    self.assertEqual(self.okna_bledu(g), [])
                # A sanitizer's quarantine holds freed memory back: peaks say nothing there.
                if nazwa != "normalny" and "ASAN_OPTIONS" not in os.environ:
                    self.assertLessEqual(szczyty[nazwa], szczyty["normalny"] + ZAPAS_PAMIECI_KIB,
                                         "peak memory, KiB, against a normal run's %d" % szczyty["normalny"])


if __name__ == "__main__":
    uruchom(ZleDane)

"""End-to-end harness: the real game on its own Xvfb display.

    with Gra(odpowiedz="2\n") as g:
        wid = g.okno()
        g.klawisz("Return")
        g.zrzut("/tmp/a.png")
        status = g.czekaj_na_koniec(10)

Every Gra starts Xvfb on a free display, runs build/zorbit3d (ZORBIT_BIN, or the program
given) with the arguments given in a fresh working directory whose data/ is the repository's
(or the directory given as dane; none with dane=False), answers the console question, and on
leaving kills whatever is still running.
"""
import os
import shutil
import signal
import subprocess
import tempfile
import time

ZRODLO = os.environ.get("ZORBIT_ZRODLO", os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
BIN = os.path.abspath(os.environ.get("ZORBIT_BIN", os.path.join(ZRODLO, "build", "zorbit3d")))


class BladE2E(Exception):
    pass


def czekaj(warunek, timeout, opis):
    """Polls warunek() until it returns something truthy; raises after timeout seconds."""
    koniec = time.monotonic() + timeout
    while True:
        wynik = warunek()
        if wynik:
            return wynik
        if time.monotonic() > koniec:
            raise BladE2E("timed out waiting for " + opis)
        time.sleep(0.05)


class Xvfb:
    def __init__(self, ekran="1024x768x24"):
        odczyt, zapis = os.pipe()
        self.proces = subprocess.Popen(
            ["Xvfb", "-displayfd", str(zapis), "-noreset", "-nolisten", "tcp", "-screen", "0", ekran],
            pass_fds=(zapis,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(zapis)
        numer = b""
        koniec = time.monotonic() + 15
        while not numer.endswith(b"\n") and time.monotonic() < koniec:
            kawalek = os.read(odczyt, 16)
            if not kawalek:
                break
            numer += kawalek
        os.close(odczyt)
        if not numer.strip():
            self.zamknij()
            raise BladE2E("Xvfb did not start")
        self.display = ":" + numer.decode().strip()

    def zamknij(self):
        zakoncz(self.proces)


def zakoncz(proces):
    if proces.poll() is None:
        proces.send_signal(signal.SIGTERM)
        try:
            proces.wait(3)
        except subprocess.TimeoutExpired:
            proces.kill()
            proces.wait()


class Gra:
    def __init__(self, odpowiedz="2\n", dane=None, env=None, zamknij_wejscie=True, ekran="1024x768x24",
                 argumenty=(), program=None, przed_startem=None):
        self.odpowiedz = odpowiedz
        self.argumenty = list(argumenty)
        self.program = program or BIN
        self.przed_startem = przed_startem   # called with the working directory before the game starts
        self.dane = dane
        self.env_dodatkowe = env or {}
        self.zamknij_wejscie = zamknij_wejscie
        self.ekran = ekran
        self.wid = None
        self.szczyt_kib = None

    # -- lifecycle -------------------------------------------------------
    def __enter__(self):
        self.katalog = tempfile.mkdtemp(prefix="zorbit-e2e-")
        if self.dane is not False:
            os.symlink(os.path.abspath(self.dane or os.path.join(ZRODLO, "data")), os.path.join(self.katalog, "data"))
        self.x = Xvfb(self.ekran)
        self.env = dict(os.environ)
        self.env.update({"DISPLAY": self.x.display, "SDL_AUDIODRIVER": "dummy"})
        self.env.update(self.env_dodatkowe)
        self.wyjscie_plik = open(os.path.join(self.katalog, "stdout.txt"), "w+b")
        self.bledy_plik = open(os.path.join(self.katalog, "stderr.txt"), "w+b")
        if self.przed_startem:
            self.przed_startem(self.katalog)
        try:
            self.proces = subprocess.Popen(
                [self.program] + self.argumenty, cwd=self.katalog, env=self.env,
                stdin=subprocess.PIPE if self.odpowiedz is not None else subprocess.DEVNULL,
                stdout=self.wyjscie_plik, stderr=self.bledy_plik)
        except Exception:
            self.x.zamknij()
            self.wyjscie_plik.close()
            self.bledy_plik.close()
            shutil.rmtree(self.katalog, ignore_errors=True)
            raise
        if self.odpowiedz is not None:
            self.proces.stdin.write(self.odpowiedz.encode())
            self.proces.stdin.flush()
            if self.zamknij_wejscie:
                self.proces.stdin.close()
        return self

    def __exit__(self, *wyjatek):
        try:
            zakoncz(self.proces)
        finally:
            self.x.zamknij()
            self.wyjscie_plik.close()
            self.bledy_plik.close()
            shutil.rmtree(self.katalog, ignore_errors=True)
        return False

    # -- looking at it ---------------------------------------------------
    def _x(self, *polecenie, sprawdz=True):
        wynik = subprocess.run(list(polecenie), env=self.env, capture_output=True, timeout=30)
        if sprawdz and wynik.returncode != 0:
            raise BladE2E("%s failed: %s" % (polecenie[0], wynik.stderr.decode(errors="replace")))
        return wynik.stdout.decode(errors="replace")

    def okno(self, timeout=20):
        """The id of the window titled Zorbit3D, once it is mapped."""
        def znajdz():
            if not self.dziala():
                raise BladE2E("the game ended with %s before its window showed:\n%s" % (self.proces.returncode, self.konsola()))
            ids = self._x("xdotool", "search", "--onlyvisible", "--name", "^Zorbit3D$", sprawdz=False).split()
            return ids[0] if ids else None
        self.wid = czekaj(znajdz, timeout, "the Zorbit3D window")
        return self.wid

    def geometria(self):
        """(x, y, width, height) of the game window on the screen."""
        tekst = self._x("xwininfo", "-id", self.okno())
        pola = {}
        for linia in tekst.splitlines():
            if ":" in linia:
                klucz, _, wartosc = linia.strip().partition(":")
                pola[klucz] = wartosc.strip()
        return (int(pola["Absolute upper-left X"]), int(pola["Absolute upper-left Y"]),
                int(pola["Width"]), int(pola["Height"]))

    def nazwa_okna(self):
        return self._x("xdotool", "getwindowname", self.okno()).strip()

    def klawisz(self, *nazwy, odstep=0.15):
        """Sends keys to the game window, one at a time, giving the game a moment after each.
        A key that ends the game may close the window while xdotool still talks to it: that
        is no fault when the game has ended by itself."""
        for nazwa in nazwy:
            try:
                self._x("xdotool", "key", "--window", self.okno(), nazwa)
            except BladE2E:
                self._odbierz(2)
                if self.dziala():
                    raise
                return
            time.sleep(odstep)

    def zrzut(self, sciezka):
        """A screenshot of the game window (PNG, or any format convert knows by extension)."""
        self._x("import", "-display", self.x.display, "-window", self.okno(), sciezka)
        return sciezka

    def piksele(self):
        """(width, height, rgb bytes, top row first) of the game window."""
        ppm = os.path.join(self.katalog, "zrzut.ppm")
        self._x("import", "-display", self.x.display, "-window", self.okno(), "-depth", "8", ppm)
        return czytaj_ppm(ppm)

    def konsola(self):
        self.wyjscie_plik.flush()
        with open(self.wyjscie_plik.name, "rb") as f:
            return f.read().decode(errors="replace")

    def bledy(self):
        self.bledy_plik.flush()
        with open(self.bledy_plik.name, "rb") as f:
            return f.read().decode(errors="replace")

    def dziala(self):
        return self._odbierz(0) is None

    def czekaj_na_koniec(self, timeout=10):
        """The game's exit status; raises if it is still running after timeout seconds. Once it
        has ended, szczyt_kib holds its peak resident memory over the whole run."""
        status = self._odbierz(timeout)
        if status is None:
            raise BladE2E("the game did not end within %s s" % timeout)
        return status

    def _odbierz(self, timeout):
        """Reaps the game if it ends within timeout seconds, keeping the peak memory that the kernel
        accounted to it (ru_maxrss, KiB); None while it runs."""
        if self.proces.returncode is not None:
            return self.proces.returncode
        koniec = time.monotonic() + timeout
        while True:
            pid, status, zuzycie = os.wait4(self.proces.pid, os.WNOHANG)
            if pid:
                self.proces.returncode = os.waitstatus_to_exitcode(status)
                self.szczyt_kib = zuzycie.ru_maxrss
                return self.proces.returncode
            if time.monotonic() >= koniec:
                return None
            time.sleep(0.02)


def czytaj_ppm(sciezka):
    with open(sciezka, "rb") as f:
        dane = f.read()
    pola = []
    i = 0
    while len(pola) < 4:
        while dane[i:i + 1].isspace():
            i += 1
        if dane[i:i + 1] == b"#":
            while dane[i:i + 1] != b"\n":
                i += 1
            continue
        j = i
        while not dane[j:j + 1].isspace():
            j += 1
        pola.append(dane[i:j])
        i = j
    if pola[0] != b"P6" or pola[3] != b"255":
        raise BladE2E("not an 8-bit binary PPM: " + sciezka)
    return int(pola[1]), int(pola[2]), dane[i + 1:]


def uruchom(*klasy_testow):
    """Runs unittest.TestCase classes and exits with their status (for CTest)."""
    import sys
    import unittest
    if not os.path.exists(BIN):
        print("game binary not found: " + BIN)
        sys.exit(1)
    zestaw = unittest.TestSuite(unittest.defaultTestLoader.loadTestsFromTestCase(k) for k in klasy_testow)
    wynik = unittest.TextTestRunner(verbosity=2).run(zestaw)
    sys.exit(0 if wynik.wasSuccessful() else 1)

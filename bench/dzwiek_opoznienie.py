#!/usr/bin/env python3
"""Sound latency of any SDL program: from a key press to the first non-silent sample that SDL's
disk audio driver writes, in real time, on a display of its own.

    bench/dzwiek_opoznienie.py                     # the game: build/zorbit3d --window, menu Down/Up
    bench/dzwiek_opoznienie.py --ile 40 --klawisz space --okno '^Demo$' -- ./demo --flag

From Python: zmierz(komenda, klawisz, ile, env, przygotuj=None) -> milliseconds per press.

How it is timed:
- The program writes its mix to a FIFO (SDL_DISKAUDIOFILE); a thread reads it and timestamps
  every read. A FIFO, not a polled file: each block is seen the moment it is written, with no
  polling interval to add to the error.
- SDL writes the file through stdio, which hands it over in 4096-byte blocks, each at the write
  that overflows it. The writes are paced in real time, so a sample at byte b of a block that ends
  at byte E and arrived at time A was written (E - b) / rate earlier; the rate is measured from
  the arrivals themselves. So the result does not depend on the block nor on the program's own
  buffer size, and the reference program is measured the same way as the game.
- The keys go through one `xdotool -` that reads its commands from a pipe: it is connected and
  waiting, so it sends a key well under a millisecond after its line is written, and the line's
  time is the press's. A fresh `xdotool key` per press spends 5 to 10 ms connecting and reading
  the keymap first, and when it exits it may already be late by a scheduling slice.
- Before each press the output has been silent for a while, plus a random pause, so that the
  presses do not fall at one phase of the program's audio buffer.
Non-silent means a non-zero byte: the device format must be a signed one (silence is zeros).
"""
import argparse
import os
import random
import statistics
import subprocess
import sys
import tempfile
import threading
import time

BLOK = 4096                 # stdio's buffer for a FIFO: what one read of the mix gets at most
CISZA_PRZED = 0.15          # s of silent output before a press
CZEKANIE_NA_DZWIEK = 2.0    # s after a press with no sound: the press is counted as lost
ZRODLO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


class Wyjscie:
    """The mix as it arrives: (time, first byte, end byte, first non-zero byte or None) per read."""

    def __init__(self, fifo):
        self.fifo = fifo
        self.przyjecia = []
        self.zmiana = threading.Condition()
        self.watek = threading.Thread(target=self._czytaj, daemon=True)
        self.watek.start()

    def _czytaj(self):
        fd = os.open(self.fifo, os.O_RDONLY)   # blocks until the program opens its audio
        koniec = 0
        try:
            while True:
                bajty = os.read(fd, BLOK)
                teraz = time.monotonic()
                if not bajty:
                    break
                niezerowy = next((i for i, b in enumerate(bajty) if b), None)
                with self.zmiana:
                    self.przyjecia.append((teraz, koniec, koniec + len(bajty),
                                           None if niezerowy is None else koniec + niezerowy))
                    self.zmiana.notify_all()
                koniec += len(bajty)
        finally:
            os.close(fd)

    def zamknij(self):
        if self.watek.is_alive():
            try:   # the program never opened its audio: a writer of our own ends the blocked open
                os.close(os.open(self.fifo, os.O_WRONLY | os.O_NONBLOCK))
            except OSError:
                pass
        self.watek.join(5)

    def czekaj(self, warunek, timeout):
        """Waits until warunek(przyjecia) is truthy; returns it, or None after timeout seconds."""
        koniec = time.monotonic() + timeout
        with self.zmiana:
            while True:
                wynik = warunek(self.przyjecia)
                if wynik or time.monotonic() >= koniec:
                    return wynik
                self.zmiana.wait(koniec - time.monotonic())

    def tempo(self):
        """Bytes per second of the written mix, over the steady part of the run."""
        p = self.przyjecia[len(self.przyjecia) // 10:]
        if len(p) < 2 or p[-1][0] <= p[0][0]:
            raise RuntimeError("too little output to measure its rate")
        return (p[-1][2] - p[0][2]) / (p[-1][0] - p[0][0])


def cisza_od(przyjecia, sekund):
    """True when the output has been silent for the last sekund of arrivals."""
    if not przyjecia:
        return False
    ostatni = przyjecia[-1][0]
    for t, _, _, niezerowy in reversed(przyjecia):
        if niezerowy is not None:
            return ostatni - t >= sekund
        if ostatni - t >= sekund:
            return True
    return False


def pierwszy_dzwiek(przyjecia, od):
    """The first arrival at index >= od that holds a non-zero byte."""
    return next((p for p in przyjecia[od:] if p[3] is not None), None)


def xdotool(env, *argumenty):
    return subprocess.run(["xdotool", *argumenty], env=env, capture_output=True, timeout=30,
                          check=True).stdout.decode()


def nacisnij(env, okno, klawisz):
    """Presses and releases one key in the window, for the preparing before the measured presses."""
    xdotool(env, "key", "--delay", "0", "--window", okno, klawisz)


class Klawiatura:
    """One xdotool for every measured press."""

    def __init__(self, env, okno):
        self.okno = okno
        self.proces = subprocess.Popen(["xdotool", "-"], env=env, stdin=subprocess.PIPE,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def nacisnij(self, klawisz):
        """Presses and releases one key; returns the time of the press."""
        linia = ("key --delay 0 --window %s %s\n" % (self.okno, klawisz)).encode()
        teraz = time.monotonic()
        self.proces.stdin.write(linia)
        self.proces.stdin.flush()
        return teraz

    def zamknij(self):
        self.proces.stdin.close()
        try:
            self.proces.wait(5)
        except subprocess.TimeoutExpired:
            self.proces.kill()
            self.proces.wait()


def ekran():
    """Starts Xvfb on a free display: (process, display name)."""
    odczyt, zapis = os.pipe()
    proces = subprocess.Popen(["Xvfb", "-displayfd", str(zapis), "-nolisten", "tcp", "-noreset"],
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
        proces.kill()
        raise RuntimeError("Xvfb did not start")
    return proces, ":" + numer.decode().strip()


def zakoncz(proces):
    if proces.poll() is None:
        proces.terminate()
        try:
            proces.wait(3)
        except subprocess.TimeoutExpired:
            proces.kill()
            proces.wait()


def zmierz(komenda, klawisz, ile, env, przygotuj=None, okno=".", katalog=None):
    """Runs komenda on its own display with SDL's disk audio driver and presses klawisz ile times
    (several keys separated by spaces are pressed in turn), each once the output is silent.
    Returns the latency of each press that was heard, in ms. przygotuj(env, window id), if given,
    runs once the window named okno (a regular expression) is visible, before the first press:
    to bring the program to where the key makes a sound. env is added to the environment."""
    klawisze = klawisz.split()
    with tempfile.TemporaryDirectory(prefix="dzwiek-opoznienie-") as tmp:
        fifo = os.path.join(tmp, "mix.raw")
        os.mkfifo(fifo)
        x, display = ekran()
        srodowisko = dict(os.environ)
        srodowisko.update(env)
        srodowisko.update({"DISPLAY": display, "SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": fifo})
        srodowisko.pop("SDL_DISKAUDIODELAY", None)   # real time
        wyjscie = Wyjscie(fifo)
        program = subprocess.Popen(komenda, env=srodowisko, cwd=katalog,
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        proby = []
        klawiatura = None
        try:
            wid = xdotool(srodowisko, "search", "--sync", "--onlyvisible", "--name", okno).split()[0]
            if przygotuj:
                przygotuj(srodowisko, wid)
            klawiatura = Klawiatura(srodowisko, wid)
            for i in range(ile):
                if not wyjscie.czekaj(lambda p: cisza_od(p, CISZA_PRZED), 10):
                    raise RuntimeError("the program's output never went silent")
                time.sleep(random.uniform(0, 0.05))
                with wyjscie.zmiana:
                    od = len(wyjscie.przyjecia)
                nacisniety = klawiatura.nacisnij(klawisze[i % len(klawisze)])
                przyjecie = wyjscie.czekaj(lambda p: pierwszy_dzwiek(p, od), CZEKANIE_NA_DZWIEK)
                if przyjecie:
                    proby.append((nacisniety, przyjecie))
            tempo = wyjscie.tempo()
        finally:
            if klawiatura:
                klawiatura.zamknij()
            zakoncz(program)
            zakoncz(x)
            wyjscie.zamknij()
    # The arrival's time less the real time of the bytes between the first sound and its end.
    return [(a - (koniec - niezerowy) / tempo - t) * 1000 for t, (a, _, koniec, niezerowy) in proby]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--ile", type=int, default=40, help="presses (default 40)")
    parser.add_argument("--klawisz", help="xdotool key name(s), pressed in turn")
    parser.add_argument("--przed", nargs="*", default=None, help="keys pressed once before measuring")
    parser.add_argument("--okno", help="the window's name, a regular expression")
    parser.add_argument("komenda", nargs="*", help="the program and its arguments (default: the game)")
    a = parser.parse_args()
    if a.komenda:
        komenda, klawisz, przed, okno, katalog = a.komenda, a.klawisz or "space", a.przed or [], a.okno or ".", None
    else:
        # The game's menu: the title opens it with any key, then Down and Up each move and click.
        komenda = [os.path.join(ZRODLO, "build", "zorbit3d"), "--window"]
        klawisz, przed, okno, katalog = a.klawisz or "Down Up", a.przed or ["space"], a.okno or "^Zorbit3D$", ZRODLO
        komenda[0] = os.environ.get("ZORBIT_BIN", komenda[0])

    def przygotuj(env, wid):
        for k in przed:
            nacisnij(env, wid, k)
            time.sleep(0.3)

    ms = zmierz(komenda, klawisz, a.ile, {}, przygotuj, okno=okno, katalog=katalog)
    if not ms:
        sys.exit("no press was heard")
    print("%d of %d presses heard: median %.1f ms, min %.1f, max %.1f" %
          (len(ms), a.ile, statistics.median(ms), min(ms), max(ms)))


if __name__ == "__main__":
    main()

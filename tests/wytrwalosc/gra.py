"""Soak run of the real program: random keys for a given time under Xvfb, resident memory sampled
once a second; afterwards memory must be flat after the warm-up, and SIGTERM must end the game
within a second.

    gra.py [SECONDS] [SEED]        (default 25 s and a fixed seed; SEED "losowe" draws one; it is printed)

The warm-up is the first minute, or the first third of a shorter run. Down is never pressed, so
that the menu's "Wyjscie" is never chosen and the game plays on for the whole run.
"""
import os
import random
import signal
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "e2e"))
from zorbit_e2e import Gra  # noqa: E402

KLAWISZE = ["Left", "Right", "Up", "Prior", "Next", "Return", "Escape", "space", "f", "m", "a"]
ZAPAS_KIB = 8192   # growth allowed after the warm-up: allocator noise and the renderer's caches, not a leak


def rss_kib(pid):
    with open("/proc/%d/status" % pid) as f:
        for wiersz in f:
            if wiersz.startswith("VmRSS:"):
                return int(wiersz.split()[1])
    raise RuntimeError("no VmRSS for %d" % pid)


def main(argv):
    sekundy = float(argv[1]) if len(argv) > 1 else 25.0
    podane = argv[2] if len(argv) > 2 else "20261210"
    ziarno = random.randrange(2 ** 31) if podane == "losowe" else int(podane)
    print("soak: %.0f s, seed %d (gra.py %.0f %d repeats it)" % (sekundy, ziarno, sekundy, ziarno), flush=True)
    los = random.Random(ziarno)
    rozgrzewka = min(60.0, sekundy / 3)
    with Gra(odpowiedz=None, argumenty=["--window"]) as g:
        g.okno()
        start = time.monotonic()
        probki = []   # (seconds since start, RSS in KiB)
        nastepna = 0.0
        while time.monotonic() - start < sekundy:
            g.klawisz(los.choice(KLAWISZE), odstep=los.uniform(0.02, 0.4))
            if not g.dziala():
                print("FAIL: the game ended by itself with status %s\n%s" % (g.proces.returncode, g.bledy()))
                return 1
            teraz = time.monotonic() - start
            if teraz >= nastepna:
                probki.append((teraz, rss_kib(g.proces.pid)))
                nastepna = teraz + 1.0
        po_rozgrzewce = [r for t, r in probki if t >= rozgrzewka]
        odniesienie = po_rozgrzewce[0]
        szczyt = max(po_rozgrzewce)
        print("RSS: %d KiB after the warm-up of %.0f s, at most %d KiB after it (%d samples)"
              % (odniesienie, rozgrzewka, szczyt, len(probki)))
        t0 = time.monotonic()
        g.proces.send_signal(signal.SIGTERM)
        g.proces.wait(5)
        koniec = time.monotonic() - t0
        print("SIGTERM: ended in %.2f s with status %d" % (koniec, g.proces.returncode))
    bledy = []
    if szczyt > odniesienie + ZAPAS_KIB:
        bledy.append("resident memory grew by %d KiB after the warm-up" % (szczyt - odniesienie))
    if koniec > 1.0:
        bledy.append("SIGTERM took %.2f s" % koniec)
    for b in bledy:
        print("FAIL: " + b)
    return 1 if bledy else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

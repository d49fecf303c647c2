"""The performance report: the game's figures side by side with the plain reference scene
(bench/scena_wzorcowa.cpp), measured in the same run, the two interleaved over several rounds
so that whatever else the machine does weighs on both alike. Run it through bench/raport.sh.

    python3 bench/raport.py BUILD_DIR [--rounds N] [--seconds S] [--play S]

Each figure is the median over the rounds; the ratio is game / reference, so above 1 is better
for frames per second and below 1 is better for the rest.
"""
import argparse
import concurrent.futures
import os
import platform
import random
import signal
import statistics
import subprocess
import sys
import tempfile
import time

TU = os.path.dirname(os.path.abspath(__file__))
ZRODLO = os.path.dirname(TU)
sys.path.insert(0, os.path.join(ZRODLO, "tests", "e2e"))
sys.path.insert(0, TU)
from zorbit_e2e import Xvfb, czekaj, zakoncz  # noqa: E402
import dzwiek_opoznienie  # noqa: E402

ROZMIARY = ((640, 480), (1280, 960))
WIDOKI = ("middle", "corner")


class Programy:
    def __init__(self, budowa):
        self.gra = os.path.join(budowa, "zorbit3d")
        self.kadr = os.path.join(budowa, "bench", "kadr_fps")
        self.krok = os.path.join(budowa, "bench", "idle_bench")
        self.wzorzec = os.path.join(budowa, "bench", "scena_wzorcowa")
        self.sonda = os.path.join(budowa, "bench", "libpierwsza_klatka.so")


def srodowisko(display, **dodatkowe):
    env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy")
    env.update(dodatkowe)
    return env


def klatki_na_sekunde(komenda, env):
    """The rate a frame-rate program prints on its last line ("WxH: N fps ...")."""
    wynik = subprocess.run(komenda, env=env, cwd=ZRODLO, capture_output=True, text=True, timeout=600, check=True)
    return float(wynik.stdout.strip().splitlines()[-1].split()[1])


def start_do_klatki(komenda, env):
    """ms from the start of the process to its first frame drawn and swapped."""
    with tempfile.NamedTemporaryFile(prefix="zorbit-klatka-") as plik:
        env = dict(env, LD_PRELOAD=P.sonda, ZORBIT_PIERWSZA_KLATKA=plik.name)
        start = time.monotonic_ns()
        subprocess.run(komenda, env=env, cwd=ZRODLO, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)
        tekst = open(plik.name).read().strip()
    if not tekst:
        raise RuntimeError("no frame was drawn by " + " ".join(komenda))
    return (int(tekst) - start) / 1e6


def pamiec(komenda, env, sekundy, klawisze=None):
    """(peak resident MiB over the whole run, private dirty MiB at its end) of a program run for the
    given seconds; klawisze(window id) is called in a loop meanwhile to play."""
    proces = subprocess.Popen(komenda, env=env, cwd=ZRODLO, stdin=subprocess.DEVNULL,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        nazwa = "^Zorbit3D$" if klawisze else "^Zorbit3D reference$"
        wid = czekaj(lambda: xdotool(env, "search", "--onlyvisible", "--name", nazwa).split(), 20, "the window")[0]
        koniec = time.monotonic() + sekundy
        while time.monotonic() < koniec:
            if klawisze:
                klawisze(wid)
            else:
                time.sleep(0.5)
        prywatna = 0
        with open("/proc/%d/smaps_rollup" % proces.pid) as f:
            for linia in f:
                # Dirty pages only: clean ones of a library are private only while no other
                # process maps it, so they would depend on what else runs.
                if linia.startswith("Private_Dirty:"):
                    prywatna += int(linia.split()[1])
        proces.send_signal(signal.SIGTERM)
        _, _, zuzycie = os.wait4(proces.pid, 0)
        proces.returncode = 0
        return zuzycie.ru_maxrss / 1024, prywatna / 1024
    finally:
        zakoncz(proces)


def xdotool(env, *argumenty):
    return subprocess.run(["xdotool"] + list(argumenty), env=env, capture_output=True, text=True).stdout


def gra_w_ruchu(env):
    """Plays: past the title and the banner into a new game, then turns every half second."""
    los = random.Random(20261210)
    stan = {"start": True}

    def klawisze(wid):
        if stan.pop("start", False):
            for k in ("x", "Return", "x"):
                xdotool(env, "key", "--window", wid, k)
                time.sleep(0.3)
        xdotool(env, "key", "--window", wid, los.choice(["Up", "Down", "Left", "Right"]))
        time.sleep(0.5)
    return klawisze


def dzwiek_gry(ile):
    """Key to sound in the game's menu: the title opens it, then Down and Up each move and click."""
    def do_menu(env, wid):
        dzwiek_opoznienie.nacisnij(env, wid, "space")
        time.sleep(0.3)
    return dzwiek_opoznienie.zmierz([P.gra, "--window"], "Down Up", ile, {}, do_menu,
                                    okno="^Zorbit3D$", katalog=ZRODLO)


def dzwiek_wzorca(ile):
    """Key to sound in the reference scene: any key starts its tone."""
    return dzwiek_opoznienie.zmierz([P.wzorzec, "640", "480", "0"], "space", ile, {},
                                    okno="^Zorbit3D reference$")


def krok_gry():
    """ns of one game step (IdleStep in play, full board, 30 ghosts) from its Google Benchmark."""
    wynik = subprocess.run([P.krok, "--benchmark_format=csv", "--benchmark_min_time=0.3"], cwd=ZRODLO,
                           capture_output=True, text=True, check=True)
    for linia in wynik.stdout.splitlines():
        if linia.startswith('"IdleStepWGrze"'):
            return float(linia.split(",")[2])
    raise RuntimeError("idle_bench printed no figure")


def mediana(wartosci):
    return statistics.median(wartosci) if wartosci else float("nan")


def main():
    global P
    argumenty = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argumenty.add_argument("budowa")
    argumenty.add_argument("--rounds", type=int, default=3)
    argumenty.add_argument("--seconds", type=float, default=3, help="of each frame-rate run")
    argumenty.add_argument("--play", type=float, default=60, help="seconds of play before memory is read")
    argumenty.add_argument("--presses", type=int, default=10, help="key presses per round for key to sound")
    argumenty.add_argument("--launches", type=int, default=10, help="launches per round")
    a = argumenty.parse_args()
    P = Programy(os.path.abspath(a.budowa))

    wyniki = {}   # figure -> (game values, reference values)

    def dodaj(nazwa, gra, wzorzec):
        g, w = wyniki.setdefault(nazwa, ([], []))
        g.extend(gra if isinstance(gra, list) else [gra])
        w.extend(wzorzec if isinstance(wzorzec, list) else [wzorzec])

    x = Xvfb("1600x1200x24")
    try:
        env = srodowisko(x.display)
        for runda in range(a.rounds):
            print("round %d of %d" % (runda + 1, a.rounds), file=sys.stderr)
            for w, h in ROZMIARY:
                wzorzec = klatki_na_sekunde([P.wzorzec, str(w), str(h), str(a.seconds)], env)
                for widok in WIDOKI:
                    gra = klatki_na_sekunde([P.kadr, str(w), str(h), str(a.seconds), widok], env)
                    dodaj("fps %dx%d, %s of the board" % (w, h, widok), gra, wzorzec)
            ramka = 1e6 / mediana(wyniki["fps 640x480, middle of the board"][1])
            dodaj("one game step, us (ref: one reference frame)", krok_gry() / 1000, ramka)
            for _ in range(a.launches):
                dodaj("launch to first frame, ms", start_do_klatki([P.gra, "--window"], env),
                      start_do_klatki([P.wzorzec, "640", "480", "0"], env))
            dodaj("key to first sound sample, ms", dzwiek_gry(a.presses), dzwiek_wzorca(a.presses))
    finally:
        x.zamknij()

    # Memory last, the two side by side on displays of their own: it is not a matter of speed.
    for _ in range(max(1, a.rounds // 2)):
        xg, xw = Xvfb(), Xvfb()
        try:
            envg, envw = srodowisko(xg.display), srodowisko(xw.display)
            with concurrent.futures.ThreadPoolExecutor(2) as pula:
                gra = pula.submit(pamiec, [P.gra, "--window"], envg, a.play, gra_w_ruchu(envg))
                wzorzec = pula.submit(pamiec, [P.wzorzec, "640", "480", "0"], envw, a.play)
                (gs, gp), (ws, wp) = gra.result(), wzorzec.result()
            dodaj("peak resident memory, MiB", gs, ws)
            dodaj("private memory after play, MiB", gp, wp)
        finally:
            xg.zamknij()
            xw.zamknij()

    print("Zorbit3D performance report: %d rounds on %s, %d cores, %s" % (
        a.rounds, platform.node(), os.cpu_count(), procesor()))
    print("%-46s %9s %9s %6s  %s" % ("figure (median)", "game", "reference", "ratio", "target"))
    for nazwa, (gra, wzorzec) in wyniki.items():
        g, w = mediana(gra), mediana(wzorzec)
        print("%-46s %9.1f %9.1f %6.2f  %s" % (nazwa, g, w, g / w if w else float("nan"), cel(nazwa)))


def cel(nazwa):
    """What the figure should reach, as the report states it."""
    if nazwa.startswith("fps"):
        return "ratio >= 1"
    return {"launch to first frame, ms": "<= 80 ms",
            "key to first sound sample, ms": "<= 12 ms",
            "peak resident memory, MiB": "ratio <= 1",
            "private memory after play, MiB": "ratio <= 1.3"}.get(nazwa, "")


def procesor():
    try:
        with open("/proc/cpuinfo") as f:
            for linia in f:
                if linia.startswith("model name"):
                    return linia.split(":", 1)[1].strip()
    except OSError:
        pass
    return platform.machine()


if __name__ == "__main__":
    main()

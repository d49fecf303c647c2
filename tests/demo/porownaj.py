#!/usr/bin/env python3
"""Replays a committed demo headlessly and compares its dump with the expected one.

    porownaj.py ZORBIT3D DEMO            compare DEMO's dump with DEMO's .zrzut, line by line
    porownaj.py ZORBIT3D DEMO --zapisz   write the .zrzut anew (after a wanted change)

The replay runs in dane/ beside this script, whose data/mapy are the demos' own levels.
"""
import os
import subprocess
import sys

DANE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "dane")


def zrzut(program, demo):
    wynik = subprocess.run([os.path.abspath(program), "--replay", os.path.abspath(demo), "--dump"],
                           cwd=DANE, capture_output=True, text=True, timeout=100)
    if wynik.returncode != 0:
        sys.exit("%s: the replay ended with status %d: %s" % (demo, wynik.returncode, wynik.stderr.strip()))
    return wynik.stdout.splitlines()


def main():
    if len(sys.argv) not in (3, 4) or sys.argv[3:] not in ([], ["--zapisz"]):
        sys.exit(__doc__)
    program, demo = sys.argv[1], sys.argv[2]
    wzor = os.path.splitext(demo)[0] + ".zrzut"
    linie = zrzut(program, demo)
    if sys.argv[3:]:
        with open(wzor, "w") as f:
            f.write("".join(l + "\n" for l in linie))
        print("%s: %d lines" % (wzor, len(linie)))
        return
    with open(wzor) as f:
        oczekiwane = f.read().splitlines()
    for nr, (jest, ma_byc) in enumerate(zip(linie, oczekiwane), 1):
        if jest != ma_byc:
            sys.exit("%s:%d: the replay differs\n  expected: %s\n  got:      %s" % (wzor, nr, ma_byc, jest))
    if len(linie) != len(oczekiwane):
        sys.exit("%s: %d lines expected, the replay gave %d" % (wzor, len(oczekiwane), len(linie)))
    print("%s: %d lines agree" % (os.path.basename(demo), len(linie)))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Level checker and compiler: reads text boards (one character a cell, 25 lines of 25)
and writes the game's 625-byte .map files.

    poziomy.py FILE...                 check the boards, report every fault
    poziomy.py --wyjscie DIR FILE...   check them and write DIR/<name>.map for each

Faults are printed as "file:line:col: reason"; the exit status is 1 when any board has
one (and then no .map file is written for that board), 0 when all are clean.
"""
import argparse
import os
import sys
from collections import deque

BOK = 25          # side of the board, in cells
MAX_DUCHOW = 30   # the game places no more ghosts than this

# Text character -> cell code stored in the .map file.
KODY = {' ': 0, '#': 1, '.': 2, 'G': 3, 'B': 4, 'P': 5}
NAZWY = {'.': 'pellet', 'B': 'bonus'}


class Blad(Exception):
    """One fault of a board, at a 1-based line and column."""

    def __init__(self, wiersz, kolumna, powod):
        super().__init__(powod)
        self.wiersz, self.kolumna, self.powod = wiersz, kolumna, powod


def wczytaj_wiersze(tekst):
    """Splits the text into its rows; a final line break and CR line ends are allowed."""
    wiersze = tekst.split('\n')
    if wiersze and wiersze[-1] == '':
        wiersze.pop()
    return [w[:-1] if w.endswith('\r') else w for w in wiersze]


def bledy_rozmiaru(wiersze):
    bledy = []
    for nr, wiersz in enumerate(wiersze[:BOK], 1):
        if len(wiersz) != BOK:
            bledy.append(Blad(nr, min(len(wiersz), BOK) + 1,
                              f'row has {len(wiersz)} cells, expected {BOK}'))
    if len(wiersze) != BOK:
        nr = min(len(wiersze), BOK) + 1
        bledy.append(Blad(nr, 1, f'board has {len(wiersze)} rows, expected {BOK}'))
    return bledy


def bledy_znakow(wiersze):
    return [Blad(r + 1, c + 1, f'unknown character {z!r}')
            for r, wiersz in enumerate(wiersze) for c, z in enumerate(wiersz)
            if z not in KODY]


def bledy_ramki(siatka):
    return [Blad(r + 1, c + 1, "border cell is not a wall '#'")
            for r in range(BOK) for c in range(BOK)
            if (r in (0, BOK - 1) or c in (0, BOK - 1)) and siatka[r][c] != '#']


def komorki(siatka, znak):
    return [(r, c) for r in range(BOK) for c in range(BOK) if siatka[r][c] == znak]


def bledy_startow(siatka):
    bledy = []
    gracze = komorki(siatka, 'P')
    if not gracze:
        bledy.append(Blad(1, 1, "no player start 'P'"))
    for r, c in gracze[1:]:
        pr, pc = gracze[0]
        bledy.append(Blad(r + 1, c + 1,
                          f"another player start 'P' (the first is at {pr + 1}:{pc + 1})"))
    for r, c in komorki(siatka, 'G')[MAX_DUCHOW:]:
        bledy.append(Blad(r + 1, c + 1, f"more than {MAX_DUCHOW} ghost starts 'G'"))
    if not komorki(siatka, '.'):
        bledy.append(Blad(1, 1, "no pellet '.'"))
    return bledy


def osiagalne(siatka, start):
    """Cells the player can walk to from start: every code but a wall lets it pass."""
    widziane = {start}
    kolejka = deque([start])
    while kolejka:
        r, c = kolejka.popleft()
        for nr, nc in ((r + 1, c), (r - 1, c), (r, c + 1), (r, c - 1)):
            if (0 <= nr < BOK and 0 <= nc < BOK and (nr, nc) not in widziane
                    and siatka[nr][nc] != '#'):
                widziane.add((nr, nc))
                kolejka.append((nr, nc))
    return widziane


def bledy_zasiegu(siatka):
    gracze = komorki(siatka, 'P')
    if len(gracze) != 1:
        return []
    zasieg = osiagalne(siatka, gracze[0])
    return [Blad(r + 1, c + 1, f'{NAZWY[z]} cannot be reached from the player start')
            for z in '.B' for r, c in komorki(siatka, z) if (r, c) not in zasieg]


def sprawdz(tekst):
    """All faults of one board text, sorted by place; an empty list means a clean board."""
    wiersze = wczytaj_wiersze(tekst)
    bledy = bledy_rozmiaru(wiersze) + bledy_znakow(wiersze)
    if not bledy:
        bledy = bledy_ramki(wiersze) + bledy_startow(wiersze) + bledy_zasiegu(wiersze)
    return sorted(bledy, key=lambda b: (b.wiersz, b.kolumna))


def skompiluj(tekst):
    """The .map bytes of a clean board: 625 cell codes, row after row, no line breaks."""
    return bytes(KODY[z] for wiersz in wczytaj_wiersze(tekst) for z in wiersz)


def main(argv=None):
    parser = argparse.ArgumentParser(description='Check Zorbit3D boards and compile them.')
    parser.add_argument('--wyjscie', metavar='DIR',
                        help='write DIR/<name>.map for every clean board')
    parser.add_argument('pliki', nargs='+', metavar='FILE')
    args = parser.parse_args(argv)
    zle = False
    for plik in args.pliki:
        try:
            with open(plik, encoding='ascii', errors='replace', newline='') as f:
                tekst = f.read()
        except OSError as e:
            print(f'{plik}:1:1: cannot read the file ({e.strerror})')
            zle = True
            continue
        bledy = sprawdz(tekst)
        for b in bledy:
            print(f'{plik}:{b.wiersz}:{b.kolumna}: {b.powod}')
        zle = zle or bool(bledy)
        if args.wyjscie and not bledy:
            nazwa = os.path.splitext(os.path.basename(plik))[0] + '.map'
            with open(os.path.join(args.wyjscie, nazwa), 'wb') as f:
                f.write(skompiluj(tekst))
    return 1 if zle else 0


if __name__ == '__main__':
    sys.exit(main())

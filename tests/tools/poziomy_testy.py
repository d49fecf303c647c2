#!/usr/bin/env python3
"""Tests of the level checker and compiler, and of the boards we ship with it."""
import glob
import os
import subprocess
import sys
import tempfile
import unittest

ZRODLO = os.environ.get('ZORBIT_ZRODLO',
                        os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
NARZEDZIE = os.path.join(ZRODLO, 'tools', 'poziomy', 'poziomy.py')
sys.path.insert(0, os.path.dirname(NARZEDZIE))
import poziomy  # noqa: E402


def uruchom(*argumenty):
    wynik = subprocess.run([sys.executable, NARZEDZIE, *argumenty],
                           capture_output=True, text=True, check=False)
    return wynik.returncode, wynik.stdout


def plansza(*zmiany):
    """A small clean board (player top left, a pellet corridor, one ghost, one bonus),
    with (row, col, char) changes applied, 0-based."""
    w = [['#'] * 25] + [['#'] + [' '] * 23 + ['#'] for _ in range(23)] + [['#'] * 25]
    w[1][1], w[1][2], w[1][3], w[5][5], w[9][9] = 'P', '.', '.', 'G', 'B'
    for r, c, z in zmiany:
        w[r][c] = z
    return '\n'.join(''.join(r) for r in w) + '\n'


def zamknij(r, c):
    """Changes that wall in the cell (r, c) on all four sides."""
    return [(r - 1, c, '#'), (r + 1, c, '#'), (r, c - 1, '#'), (r, c + 1, '#')]


class Bledne(unittest.TestCase):
    # board text -> the first fault reported, as "line:col: reason"
    PRZYPADKI = [
        ('border gap', plansza((0, 7, ' ')), "1:8: border cell is not a wall '#'"),
        ('border pellet', plansza((12, 24, '.')), "13:25: border cell is not a wall '#'"),
        ('no player', plansza((1, 1, ' ')), "1:1: no player start 'P'"),
        ('two players', plansza((7, 3, 'P')),
         "8:4: another player start 'P' (the first is at 2:2)"),
        # 30 more ghosts in rows 3 and 4 make the board's own ghost at 6:6 the 31st.
        ('31 ghosts', plansza(*[(3 + i // 20, 2 + i % 20, 'G') for i in range(30)]),
         "6:6: more than 30 ghost starts 'G'"),
        ('unknown character', plansza((4, 6, 'x')), "5:7: unknown character 'x'"),
        ('digit in place of a code', plansza((4, 6, '2')), "5:7: unknown character '2'"),
        ('tab', plansza((2, 2, '\t')), "3:3: unknown character '\\t'"),
        ('no pellet', plansza((1, 2, ' '), (1, 3, ' ')), "1:1: no pellet '.'"),
        ('walled-in pellet', plansza((6, 6, '.'), *zamknij(6, 6)),
         '7:7: pellet cannot be reached from the player start'),
        ('walled-in bonus', plansza(*zamknij(9, 9)),
         '10:10: bonus cannot be reached from the player start'),
        ('short row', plansza().replace('#' * 25, '#' * 24, 1), '1:25: row has 24 cells, expected 25'),
        ('long row', plansza((3, 24, ' ')).replace(' \n', '##\n', 1),
         '4:26: row has 26 cells, expected 25'),
        ('24 rows', plansza().split('\n', 1)[1], '25:1: board has 24 rows, expected 25'),
        ('26 rows', plansza() + '#' * 25 + '\n', '26:1: board has 26 rows, expected 25'),
        ('empty file', '', '1:1: board has 0 rows, expected 25'),
    ]

    def test_kazdy_blad_ma_miejsce_i_powod_a_wyjscie_jest_niezerowe(self):
        with tempfile.TemporaryDirectory() as tmp:
            for nazwa, tekst, oczekiwany in self.PRZYPADKI:
                with self.subTest(nazwa):
                    plik = os.path.join(tmp, 'zly.txt')
                    with open(plik, 'w', newline='') as f:
                        f.write(tekst)
                    kod, wyjscie = uruchom('--wyjscie', tmp, plik)
                    self.assertEqual(kod, 1)
                    self.assertEqual(wyjscie.splitlines()[0], f'{plik}:{oczekiwany}')
                    self.assertFalse(os.path.exists(os.path.join(tmp, 'zly.map')),
                                     'a broken board must not be compiled')

    def test_wszystkie_bledy_naraz(self):
        # Every fault is listed, in place order, not just the first.
        bledy = poziomy.sprawdz(plansza((0, 3, '.'), (24, 3, ' '), (8, 8, '.'), *zamknij(8, 8)))
        self.assertEqual([(b.wiersz, b.kolumna) for b in bledy], [(1, 4), (9, 9), (25, 4)])

    def test_brak_pliku(self):
        kod, wyjscie = uruchom('/nie/ma/takiego.txt')
        self.assertEqual(kod, 1)
        self.assertTrue(wyjscie.startswith('/nie/ma/takiego.txt:1:1: cannot read the file'))


class Kompilacja(unittest.TestCase):
    def test_bajty_to_kody_komorek_wiersz_po_wierszu(self):
        dane = poziomy.skompiluj(plansza())
        self.assertEqual(len(dane), 625)
        self.assertEqual(dane[:25], bytes([1] * 25))
        self.assertEqual(dane[25:30], bytes([1, 5, 2, 2, 0]))
        self.assertEqual(dane[5 * 25 + 5], 3)
        self.assertEqual(dane[9 * 25 + 9], 4)

    def test_konce_wierszy_crlf_i_brak_ostatniego(self):
        tekst = plansza()
        for wariant in (tekst.replace('\n', '\r\n'), tekst.rstrip('\n')):
            self.assertEqual(poziomy.sprawdz(wariant), [])
            self.assertEqual(poziomy.skompiluj(wariant), poziomy.skompiluj(tekst))

    def test_czysta_plansza_daje_zero_i_plik_map(self):
        with tempfile.TemporaryDirectory() as tmp:
            plik = os.path.join(tmp, '7.txt')
            with open(plik, 'w') as f:
                f.write(plansza())
            self.assertEqual(uruchom('--wyjscie', tmp, plik), (0, ''))
            with open(os.path.join(tmp, '7.map'), 'rb') as f:
                self.assertEqual(f.read(), poziomy.skompiluj(plansza()))


def promien(siatka, r, c, dr, dc):
    """Cells the player passes holding one arrow key from (r, c) until a wall stops it."""
    while siatka[r + dr][c + dc] != '#':
        r, c = r + dr, c + dc
        yield r, c


class Dostarczone(unittest.TestCase):
    def setUp(self):
        self.zrodla = {os.path.splitext(os.path.basename(p))[0]: p
                       for p in glob.glob(os.path.join(ZRODLO, 'poziomy', '*.txt'))}

    def wiersze(self, nazwa):
        with open(self.zrodla[nazwa]) as f:
            return poziomy.wczytaj_wiersze(f.read())

    def test_kazda_mapa_zgadza_sie_ze_zrodlem_i_przechodzi_kontrole(self):
        mapy = {os.path.splitext(os.path.basename(p))[0]
                for p in glob.glob(os.path.join(ZRODLO, 'data', 'mapy', '*.map'))}
        self.assertEqual(mapy, set(self.zrodla))
        kod, wyjscie = uruchom(*sorted(self.zrodla.values()))
        self.assertEqual((kod, wyjscie), (0, ''))
        for nazwa, plik in self.zrodla.items():
            with self.subTest(nazwa), open(plik) as f, \
                    open(os.path.join(ZRODLO, 'data', 'mapy', nazwa + '.map'), 'rb') as m:
                self.assertEqual(m.read(), poziomy.skompiluj(f.read()))

    def test_poziomy_od_1_bez_luk_z_rosnaca_liczba_duchow(self):
        numery = sorted(int(n) for n in self.zrodla if n != 'intro')
        self.assertGreaterEqual(len(numery), 10)
        self.assertEqual(numery, list(range(1, len(numery) + 1)))
        duchy = [sum(w.count('G') for w in self.wiersze(str(n))) for n in numery]
        self.assertLessEqual(duchy[0], 3)
        self.assertEqual(duchy[-1], 30)
        self.assertEqual(duchy, sorted(duchy))
        self.assertGreater(sum(w.count('G') for w in self.wiersze('intro')), 0)

    def test_premie_i_zadnej_planszy_nie_wyczysci_jeden_klawisz(self):
        for n in (n for n in self.zrodla if n != 'intro'):
            with self.subTest(n):
                s = self.wiersze(n)
                self.assertGreaterEqual(sum(w.count('B') for w in s), 2)
                (pr, pc), = poziomy.komorki(s, 'P')
                jedzenie = set(poziomy.komorki(s, '.'))
                for dr, dc in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    self.assertFalse(jedzenie <= set(promien(s, pr, pc, dr, dc)))


if __name__ == '__main__':
    unittest.main()

#!/usr/bin/env python3
"""What the Debian package holds: the game, its data and the desktop files at the
places the system looks for them, the shipped files as they stand in the sources, and
dependencies computed from the binary.

    zawartosc_testy.py PACKAGE.deb
"""
import gzip
import io
import os
import subprocess
import sys
import tarfile
import unittest

PAKIET = None
PACKAGING = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ZRODLO = os.path.dirname(PACKAGING)
ID = 'io.github.zorbit3d'

# The package's file and the source it must carry unchanged (None: made by the build).
KLUCZOWE = {
    'usr/games/zorbit3d': None,
    'usr/share/games/zorbit3d/data/mapy/intro.map': 'data/mapy/intro.map',
    'usr/share/games/zorbit3d/data/mapy/1.map': 'data/mapy/1.map',
    'usr/share/games/zorbit3d/data/gfx/zorbit.bmp': 'data/gfx/zorbit.bmp',
    'usr/share/games/zorbit3d/data/sfx/jedz.wav': 'data/sfx/jedz.wav',
    'usr/share/applications/%s.desktop' % ID: 'packaging/%s.desktop' % ID,
    'usr/share/metainfo/%s.metainfo.xml' % ID: 'packaging/%s.metainfo.xml' % ID,
    'usr/share/doc/zorbit3d/copyright': 'packaging/copyright',
}
for n in (16, 32, 48, 64, 128, 256):
    KLUCZOWE['usr/share/icons/hicolor/%dx%d/apps/zorbit3d.png' % (n, n)] = \
        'packaging/ikony/zorbit3d_%d.png' % n
# Gzipped by the build: the source they unpack to.
SPAKOWANE = {
    'usr/share/man/man6/zorbit3d.6.gz': 'packaging/zorbit3d.6',
    'usr/share/doc/zorbit3d/changelog.Debian.gz': 'packaging/changelog.Debian',
}


def zrodlo(sciezka):
    with open(os.path.join(ZRODLO, sciezka), 'rb') as f:
        return f.read()


class Pakiet(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        tar = subprocess.run(['dpkg-deb', '--fsys-tarfile', PAKIET], check=True,
                             capture_output=True).stdout
        cls.tar = tarfile.open(fileobj=io.BytesIO(tar))
        cls.pliki = {m.name[2:] if m.name.startswith('./') else m.name: m
                     for m in cls.tar.getmembers()}

    def tresc(self, sciezka):
        return self.tar.extractfile(self.pliki[sciezka]).read()

    def test_pliki_na_swoich_miejscach_jak_w_zrodlach(self):
        for sciezka, skad in KLUCZOWE.items():
            with self.subTest(sciezka):
                self.assertIn(sciezka, self.pliki)
                if skad:
                    self.assertEqual(self.tresc(sciezka), zrodlo(skad))
        for sciezka, skad in SPAKOWANE.items():
            with self.subTest(sciezka):
                dane = self.tresc(sciezka)
                self.assertEqual(gzip.decompress(dane), zrodlo(skad))
                self.assertEqual(dane[4:8], bytes(4), 'gzip -n: no time stamp')

    def test_wszystko_pod_usr_nalezy_do_roota(self):
        for nazwa, m in self.pliki.items():
            with self.subTest(nazwa):
                self.assertTrue(nazwa in ('', '.', 'usr') or nazwa.startswith('usr/'), nazwa)
                self.assertEqual((m.uid, m.gid), (0, 0))
                oczekiwane = 0o755 if m.isdir() or nazwa == 'usr/games/zorbit3d' else 0o644
                self.assertEqual(m.mode & 0o7777, oczekiwane, oct(m.mode))

    def test_program_bez_symboli_do_debugowania(self):
        program = self.tresc('usr/games/zorbit3d')
        self.assertEqual(program[:4], b'\x7fELF')
        self.assertFalse(b'.debug_info' in program, 'the binary keeps its debug sections')

    def test_pole_kontrolne(self):
        def pole(nazwa):
            return subprocess.run(['dpkg-deb', '-f', PAKIET, nazwa], check=True,
                                  capture_output=True, text=True).stdout.strip()
        luk = subprocess.run(['dpkg', '--print-architecture'], check=True,
                             capture_output=True, text=True).stdout.strip()
        self.assertEqual(pole('Package'), 'zorbit3d')
        self.assertEqual(pole('Architecture'), luk)
        self.assertEqual(pole('Section'), 'games')
        self.assertEqual(os.path.basename(PAKIET),
                         'zorbit3d_%s_%s.deb' % (pole('Version'), luk))
        # Computed from the binary's libraries, not written by hand.
        zaleznosci = pole('Depends')
        for biblioteka in ('libc6', 'libglut3.12', 'libsdl2-2.0-0'):
            self.assertIn(biblioteka, zaleznosci)


if __name__ == '__main__':
    if len(sys.argv) < 2:
        sys.exit('usage: zawartosc_testy.py PACKAGE.deb')
    PAKIET = sys.argv.pop(1)
    unittest.main()

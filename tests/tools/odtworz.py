"""Shared by the content tests: run a generator into a fresh folder and compare with data/."""
import os
import subprocess
import sys
import tempfile


def porownaj_z_danymi(test, skrypt, dane, pliki, *dalsze):
    """Runs skrypt with an empty folder as its output; every file of pliki (and nothing
    else) must come out, byte for byte as it stands in dane. A generator that writes into
    more folders takes one more empty folder for each further pair (dane, pliki)."""
    zestawy = [(dane, pliki)] + list(dalsze)
    with tempfile.TemporaryDirectory() as tmp:
        wyjscia = [os.path.join(tmp, str(i)) for i in range(len(zestawy))]
        for wyjscie in wyjscia:
            os.mkdir(wyjscie)
        subprocess.run([sys.executable, skrypt] + wyjscia, check=True)
        for wyjscie, (dane, pliki) in zip(wyjscia, zestawy):
            test.assertEqual(sorted(os.listdir(wyjscie)), sorted(pliki))
            for plik in pliki:
                with test.subTest(plik), open(os.path.join(wyjscie, plik), 'rb') as nowy, \
                        open(os.path.join(dane, plik), 'rb') as stary:
                    test.assertEqual(nowy.read(), stary.read())

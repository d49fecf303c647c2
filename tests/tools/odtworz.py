"""Shared by the content tests: run a generator into a fresh folder and compare with data/."""
import os
import subprocess
import sys
import tempfile


def porownaj_z_danymi(test, skrypt, dane, pliki):
    """Runs skrypt with an empty folder as its output; every file of pliki (and nothing
    else) must come out, byte for byte as it stands in dane."""
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run([sys.executable, skrypt, tmp], check=True)
        test.assertEqual(sorted(os.listdir(tmp)), sorted(pliki))
        for plik in pliki:
            with test.subTest(plik), open(os.path.join(tmp, plik), 'rb') as nowy, \
                    open(os.path.join(dane, plik), 'rb') as stary:
                test.assertEqual(nowy.read(), stary.read())

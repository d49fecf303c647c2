"""Runs one end-to-end test file on the sanitizer build and fails on any report from our code.

    sprawdz.py TEST_FILE

ZORBIT_BIN names the sanitizer build of the game. Every report goes to a log file of its own
(log_path); afterwards each is read: an AddressSanitizer error or an UndefinedBehaviorSanitizer
runtime error fails the run, and so does a leak with a frame in the game. Leaks left after the
suppressions whose frames are all in libraries, or in a library already unloaded at exit (Mesa's
driver is: "<unknown module>"), are the libraries' own.
"""
import os
import re
import subprocess
import sys
import tempfile

TUTAJ = os.path.dirname(os.path.abspath(__file__))
RAMKA = re.compile(r"^\s+#\d+ 0x[0-9a-f]+ (?:in (\S+) )?(.*)$")


ZRODLA = os.path.join(os.environ.get("ZORBIT_ZRODLO", os.path.dirname(os.path.dirname(TUTAJ))), "src") + os.sep


def nasza_ramka(linia, program):
    m = RAMKA.match(linia)
    return bool(m) and (ZRODLA in m.group(2) or "/" + program + "+" in m.group(2))


def bledy_w_logu(tresc, program):
    bledy = []
    if "ERROR: AddressSanitizer" in tresc or "runtime error:" in tresc:
        bledy.append(tresc)
    for wyciek in re.split(r"\n(?=(?:Direct|Indirect) leak)", tresc):
        if wyciek.startswith(("Direct leak", "Indirect leak")) and any(
                nasza_ramka(l, program) for l in wyciek.splitlines()):
            bledy.append(wyciek)
    return bledy


def main(plik_testu):
    program = os.path.basename(os.environ["ZORBIT_BIN"])
    with tempfile.TemporaryDirectory(prefix="zorbit-asan-") as logi:
        env = dict(os.environ)
        env["ASAN_OPTIONS"] = "log_path=%s/asan:detect_leaks=1:abort_on_error=0" % logi
        env["LSAN_OPTIONS"] = "suppressions=%s/lsan.supp:exitcode=0:print_suppressions=0" % TUTAJ
        env["UBSAN_OPTIONS"] = "log_path=%s/ubsan:print_stacktrace=1:halt_on_error=1" % logi
        status = subprocess.run([sys.executable, plik_testu], env=env).returncode
        znalezione = []
        for nazwa in sorted(os.listdir(logi)):
            with open(os.path.join(logi, nazwa), errors="replace") as f:
                znalezione += bledy_w_logu(f.read(), program)
    for b in znalezione:
        print(b)
    if znalezione:
        print("%d report(s) from our code" % len(znalezione))
    return 1 if status or znalezione else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

// The command line: our own long options, taken out of argv before GLUT sees the rest.
#pragma once
#include <iosfwd>
#include <string>

enum class TrybOkna { Zapytaj, Okno, PelnyEkran };

struct Opcje {
    TrybOkna Tryb = TrybOkna::Zapytaj;  // --window / --fullscreen answer the console question
    bool Pomoc = false;                 // --help
    bool Wersja = false;                // --version
    std::string Nagraj;                 // --record FILE: the demo to write
    std::string Odtworz;                // --replay FILE: the demo to play back
    bool Zrzut = false;                 // --dump (with --replay): no window, the state once a game second
    std::string Blad;                   // set when the line cannot be used: what is wrong, in one line
};

// Start-up: reads our options (those starting with "--") and removes them from argv, leaving
// GLUT's own X options (-display, -geometry, ...) in place for glutInit.
Opcje CzytajOpcje(int& argc, char** argv);

// Start-up, before anything may change the working directory: the demo files as absolute
// paths, so that they still name the same files afterwards.
void UstalSciezkiDema(Opcje& o);

// --help on standard output, or after a wrong option on standard error.
void DrukujUzycie(std::ostream& wy);

// --version: the name and the version, one line.
void DrukujWersje(std::ostream& wy);

// The demo file: everything a game's course depends on, one event a line, so that the game
// can be played again exactly. The first three lines:
//   zorbit3d-demo 1 crc32 intro.map=5d1c03aa 1.map=0e2f44b1 ...   format version, level files
//   seed 1712345678                                               ZasiejLosowanie's seed
//   start 231                                                     CzasStary before the main loop
// then the callbacks in the order they ran:
//   k 13   Klawisze with this character code        s 101  KlawiszeSpec with this key
//   t 4    timer number 4 fired (see UstawTimer)     d      the frame was drawn (Wyswietlaj)
//   i 17   IdleStep, 17 ms after the previous one (after start for the first)
// and a run of one event as one line: "i 0 x250" (an unseen window is not drawn, and its idle
// steps then come thousands a second).
#pragma once
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

constexpr int WERSJA_DEMA = 1;
// The longest run one line holds: more than an unseen window's idle steps within a
// millisecond, and a bound on the work a short file can ask of a replay.
constexpr uint32_t NAJDLUZSZY_CIAG = 100000;

// A level file the game may read, by its name in data/mapy, with the CRC-32 of its bytes
// (the checksum of zlib and PNG). Only the intro board may be missing.
struct PlikPoziomu {
    std::string Nazwa;
    bool Jest = false;
    uint32_t Suma = 0;
    bool operator==(const PlikPoziomu& o) const
    {
        return Nazwa == o.Nazwa && Jest == o.Jest && Suma == o.Suma;
    }
};

struct NaglowekDema {
    int Wersja = WERSJA_DEMA;
    std::vector<PlikPoziomu> Poziomy;
    unsigned Ziarno = 0;
    uint32_t Start = 0;
};

enum class RodzajZdarzenia : char {
    Klawisz = 'k',
    Specjalny = 's',
    Timer = 't',
    Obraz = 'd',
    Krok = 'i',
};

struct Zdarzenie {
    RodzajZdarzenia Rodzaj;
    uint32_t Wartosc = 0;   // the key, the timer's number or the frame time; 0 for Obraz
    bool operator==(const Zdarzenie& o) const { return Rodzaj == o.Rodzaj && Wartosc == o.Wartosc; }
};

uint32_t Crc32(const char* dane, std::size_t ile, uint32_t crc = 0);

// The level files under the working directory that the game can read: intro.map, then
// 1.map, 2.map, ... up to the first number without a file, where the game ends.
std::vector<PlikPoziomu> PoziomyGry();

// "" when the files agree, else which one differs first ("3.map differs", "4.map is missing").
std::string RoznicaPoziomow(const std::vector<PlikPoziomu>& demo, const std::vector<PlikPoziomu>& tutaj);

void ZapiszNaglowek(std::ostream& wy, const NaglowekDema& n);

// Writes the events; the run in hand goes out when another event comes, or at Dokoncz.
class ZapisDema {
public:
    explicit ZapisDema(std::ostream& wy) : wy_(wy) {}
    void Dopisz(const Zdarzenie& z);
    void Dokoncz();

private:
    std::ostream& wy_;
    Zdarzenie ostatnie_{};
    uint32_t ile_ = 0;
};

// Reads a demo's text line by line. After a false result Blad() says what is wrong in one
// line that starts with the file's name (and the line's number when one line is at fault).
class CzytnikDema {
public:
    CzytnikDema(std::string_view tekst, std::string nazwa);
    bool Naglowek(NaglowekDema& n);
    bool Nastepne(Zdarzenie& z);   // false at the end of the text (Blad() empty) or at a bad line;
                                   // a run comes out one event at a time
    const std::string& Blad() const { return blad_; }
    int NumerLinii() const { return nr_; }

private:
    bool Linia(std::string_view& linia);
    bool Zle(const std::string& co);
    bool Pole(std::string_view linia, const char* slowo, uint32_t& wartosc);

    std::string_view reszta_;
    std::string nazwa_;
    std::string blad_;
    int nr_ = 0;
    Zdarzenie biezace_{};
    uint32_t zostalo_ = 0;   // repeats of biezace_ still to give
};

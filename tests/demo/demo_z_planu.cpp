// The demo maker: plays a plan (keys, waits, and waits for a situation to come) on the fake
// platform and writes the game as a demo. Run it in the demo's data directory:
//     demo_z_planu PLAN DEMO [ZRZUT]
// ZRZUT gets the dump of the game as played here, which the real program's replay must match.
// A plan has one command a line; '#' starts a comment:
//     ziarno N       the game's seed; before any other command (default 1)
//     klatka MS      the frame time of the passes from here on (default 20)
//     klawisz NAME   Enter, Esc, Lewo, Gora, Prawo, Dol, PgUp, PgDn, or a single character
//     czekaj MS      passes for MS milliseconds of game time
//     az WARUNEK     passes until it holds, at most two minutes of game time: a state's name
//                    (Gra, KoniecTemp, ...), "zycia N", "plansza N", "bonus" (one runs),
//                    "zlapany", or "przenika" (a ghost in the player's cell under a bonus, in play)
// A plan that cannot be played (an unknown line, a situation that never comes) writes nothing
// and exits with status 1.
#include "actors/duch.h"
#include "actors/zorbit.h"
#include "board/mapa.h"
#include "shell/demo_zrzut.h"
#include "shell/klawisze.h"
#include "shell/stale.h"
#include "support/demo_gracz.h"
#include "support/platform_fake.h"

#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace {

constexpr unsigned NAJDLUZEJ_MS = 120000;

const char* const STANY[] = {"Intro", "Menu", "MenuGra", "Gra", "Restart", "NextPlansza",
                             "NextPlanszaTemp", "Reset", "ResetTemp", "Koniec", "KoniecTemp"};

struct Klawisz {
    bool specjalny;
    int kod;
};

const std::map<std::string, Klawisz> KLAWISZE = {
    {"Enter", {false, 13}},           {"Esc", {false, 27}},
    {"Lewo", {true, KLAWISZ_LEWO}},   {"Gora", {true, KLAWISZ_GORA}},
    {"Prawo", {true, KLAWISZ_PRAWO}}, {"Dol", {true, KLAWISZ_DOL}},
    {"PgUp", {true, KLAWISZ_PGUP}},   {"PgDn", {true, KLAWISZ_PGDN}},
};

struct BladPlanu {
    std::string co;
};

bool DuchWGraczu()
{
    for (uint32_t i = 0; i < IleDuchow; ++i)
        if (static_cast<int>(Duch[i].PozX) == static_cast<int>(Zorbit.PozX)
            && static_cast<int>(Duch[i].PozZ) == static_cast<int>(Zorbit.PozZ))
            return true;
    return false;
}

bool Spelniony(const std::string& warunek, int liczba)
{
    for (int s = 0; s < static_cast<int>(std::size(STANY)); ++s)
        if (warunek == STANY[s])
            return Stan == s;
    if (warunek == "zycia")
        return Zorbit.Zycia == liczba;
    if (warunek == "plansza")
        return Mapa.LicznikPliku == liczba;
    if (warunek == "bonus")
        return Przezroczysty;
    if (warunek == "zlapany")
        return Zorbit.Zlapany;
    if (warunek == "przenika")
        return Stan == Gra && Przezroczysty && DuchWGraczu();
    throw BladPlanu{"unknown condition " + warunek};
}

class Plan {
public:
    void Wykonaj(const std::string& polecenie, std::istringstream& reszta)
    {
        if (polecenie == "ziarno") {
            if (gra_)
                throw BladPlanu{"ziarno must come first"};
            ziarno_ = Liczba(reszta);
        } else if (polecenie == "klatka") {
            klatka_ = Liczba(reszta);
        } else if (polecenie == "klawisz") {
            Nacisnij(Slowo(reszta));
        } else if (polecenie == "czekaj") {
            for (unsigned ms = Liczba(reszta), t = 0; t < ms; t += klatka_)
                Gra().Przebieg(klatka_);
        } else if (polecenie == "az") {
            const std::string warunek = Slowo(reszta);
            int liczba = 0;
            reszta >> liczba;
            unsigned t = 0;
            for (; !Spelniony(warunek, liczba) && t < NAJDLUZEJ_MS; t += klatka_)
                Gra().Przebieg(klatka_);
            if (t >= NAJDLUZEJ_MS)
                throw BladPlanu{"not reached in " + std::to_string(NAJDLUZEJ_MS / 1000) + " s of play"};
        } else {
            throw BladPlanu{"unknown command " + polecenie};
        }
    }

    explicit Plan(std::ostream* zrzut) : zrzut_(zrzut) {}
    std::string Demo() { return Gra().Zakoncz(); }

private:
    GraczDemo& Gra()
    {
        if (!gra_)
            gra_ = std::make_unique<GraczDemo>(ziarno_, zrzut_);
        return *gra_;
    }

    static std::string Slowo(std::istringstream& we)
    {
        std::string s;
        if (!(we >> s))
            throw BladPlanu{"a word is missing"};
        return s;
    }

    static unsigned Liczba(std::istringstream& we)
    {
        unsigned n = 0;
        if (!(we >> n) || n == 0)
            throw BladPlanu{"a positive number is missing"};
        return n;
    }

    void Nacisnij(const std::string& nazwa)
    {
        const auto it = KLAWISZE.find(nazwa);
        if (it != KLAWISZE.end() && it->second.specjalny)
            Gra().Specjalny(it->second.kod);
        else if (it != KLAWISZE.end())
            Gra().Klawisz(static_cast<unsigned char>(it->second.kod));
        else if (nazwa.size() == 1)
            Gra().Klawisz(static_cast<unsigned char>(nazwa[0]));
        else
            throw BladPlanu{"unknown key " + nazwa};
    }

    std::ostream* zrzut_;
    std::unique_ptr<GraczDemo> gra_;
    unsigned ziarno_ = 1;
    unsigned klatka_ = 20;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: demo_z_planu PLAN DEMO [ZRZUT]   (in the demo's data directory)\n";
        return 2;
    }
    std::ifstream we(argv[1]);
    if (!we) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::ostringstream zrzut;
    Plan plan(&zrzut);
    std::string linia;
    int nr = 0;
    bool koniecGry = false;
    try {
        while (std::getline(we, linia)) {
            ++nr;
            std::istringstream slowa(linia.substr(0, linia.find('#')));
            std::string polecenie;
            if (!(slowa >> polecenie))
                continue;
            if (koniecGry)
                throw BladPlanu{"the game has already ended"};
            try {
                plan.Wykonaj(polecenie, slowa);
            } catch (const fake::Wyjscie&) {
                koniecGry = true;   // the menu's exit: the demo ends here, as the game does
            }
        }
    } catch (const BladPlanu& b) {
        std::cerr << argv[1] << ":" << nr << ": " << b.co << "\n";
        return 1;
    }
    std::ofstream(argv[2]) << plan.Demo();
    if (argc == 4)
        std::ofstream(argv[3]) << zrzut.str() << Podsumowanie() << "\n";
    return 0;
}

// Playing and recording a game on the fake platform.
#include "support/demo_gracz.h"

#include "board/mapa.h"
#include "platform/losowanie.h"
#include "shell/demo_nagrywanie.h"
#include "shell/przebieg.h"
#include "shell/stale.h"
#include "support/platform_fake.h"

#include <cstring>
#include <fstream>

namespace fs = std::filesystem;

void JakNowyProces()
{
    fake::Wyczysc();
    std::memset(Tablica, 0, sizeof Tablica);
    Czas = CzasStary = Opoznienie = LiczbaKlatek = CzasStaryFPS = fps = 0;
    Mapa.KatObrotu = 0;
    Mapa.FazaBonusu = 0.0f;
    SoundOn = true;
    Klatki = false;
    KamY = 9;
}

GraczDemo::GraczDemo(unsigned ziarno, std::ostream* zrzut) : zrzut_(zrzut)
{
    JakNowyProces();
    ZasiejLosowanie(ziarno);
    NagrywajDo(&demo_);
    Inicjalizuj();
    UruchomZegary();
    ZapiszPoczatek(ziarno);
    sekundy_.Start = CzasStary;
}

GraczDemo::~GraczDemo()
{
    Zakoncz();
}

void GraczDemo::Klawisz(unsigned char c)
{
    NagrywajKlawisze(c, 0, 0);
}

void GraczDemo::Specjalny(int key)
{
    NagrywajKlawiszeSpec(key, 0, 0);
}

void GraczDemo::Przebieg(unsigned ms)
{
    fake::PrzesunCzas(ms);
    NagrywajKlatke();
    NagrywajIdleStep();
    if (zrzut_)
        sekundy_.PoKroku(*zrzut_);
}

std::string GraczDemo::Zakoncz()
{
    if (nagrywa_)
        NagrywajDo(nullptr);
    nagrywa_ = false;
    return demo_.str();
}

fs::path ZachowajGre(const std::string& demo, const fs::path& katalog)
{
    fs::create_directories(katalog / "data" / "mapy");
    for (const auto& plik : fs::directory_iterator(fs::path("data") / "mapy"))
        fs::copy_file(plik.path(), katalog / "data" / "mapy" / plik.path().filename(),
                      fs::copy_options::overwrite_existing);
    const fs::path sciezka = katalog / "gra.demo";
    std::ofstream(sciezka) << demo;
    return sciezka;
}

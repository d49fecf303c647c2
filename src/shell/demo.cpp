// The demo file: checksums of the level files, writing the header and the events, reading them back.
#include "shell/demo.h"

#include "board/mapa.h"

#include <charconv>
#include <climits>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <utility>

namespace {

constexpr const char* ZNAK_DEMA = "zorbit3d-demo";
constexpr const char* RODZAJ_SUMY = "crc32";
constexpr std::size_t NAJDLUZSZY_CYTAT = 40;

bool SumaPliku(const std::string& sciezka, uint32_t& suma)
{
    std::ifstream plik(sciezka, std::ios::binary);
    if (!plik)
        return false;
    char bufor[4096];
    suma = 0;
    while (plik.read(bufor, sizeof bufor) || plik.gcount() > 0)
        suma = Crc32(bufor, static_cast<std::size_t>(plik.gcount()), suma);
    return !plik.bad();
}

std::string BezKatalogu(const std::string& sciezka)
{
    return sciezka.substr(sciezka.rfind('/') + 1);
}

std::vector<std::string_view> Slowa(std::string_view linia)
{
    std::vector<std::string_view> slowa;
    while (!linia.empty()) {
        const std::size_t spacja = linia.find(' ');
        if (spacja != 0)
            slowa.push_back(linia.substr(0, spacja));
        if (spacja == std::string_view::npos)
            break;
        linia.remove_prefix(spacja + 1);
    }
    return slowa;
}

// The whole word, as a number of at most `najwiecej`.
bool Liczba(std::string_view slowo, uint32_t najwiecej, uint32_t& wartosc, int podstawa = 10)
{
    const char* koniec = slowo.data() + slowo.size();
    uint32_t v = 0;
    const auto [gdzie, ec] = std::from_chars(slowo.data(), koniec, v, podstawa);
    if (slowo.empty() || ec != std::errc() || gdzie != koniec || v > najwiecej)
        return false;
    wartosc = v;
    return true;
}

// A bad line, quoted short and printable, so that the message stays one line.
std::string Cytat(std::string_view linia)
{
    std::string c;
    for (char z : linia.substr(0, NAJDLUZSZY_CYTAT))
        c += (z >= ' ' && z <= '~') ? z : '?';
    return "\"" + c + (linia.size() > NAJDLUZSZY_CYTAT ? "...\"" : "\"");
}

// "k 13", "d", "i 0 x250": the kind, its value unless it is a drawn frame, and a count of at least 2.
bool CzytajZdarzenie(std::string_view linia, Zdarzenie& z, uint32_t& ile)
{
    const std::vector<std::string_view> s = Slowa(linia);
    if (s.empty() || s[0].size() != 1)
        return false;
    z.Rodzaj = static_cast<RodzajZdarzenia>(s[0][0]);
    z.Wartosc = 0;
    uint32_t najwiecej = INT_MAX;
    switch (z.Rodzaj) {
    case RodzajZdarzenia::Obraz: najwiecej = 0; break;
    case RodzajZdarzenia::Klawisz: najwiecej = UCHAR_MAX; break;
    case RodzajZdarzenia::Krok:
    case RodzajZdarzenia::Specjalny: najwiecej = UINT32_MAX; break;   // GLUT's int key, as it was written
    case RodzajZdarzenia::Timer: break;
    default: return false;
    }
    const std::size_t ileSlow = najwiecej == 0 ? 1 : 2;   // a drawn frame has no value
    if (s.size() < ileSlow || s.size() > ileSlow + 1)
        return false;
    if (ileSlow == 2 && !Liczba(s[1], najwiecej, z.Wartosc))
        return false;
    ile = 1;
    if (s.size() == ileSlow)
        return true;
    const std::string_view razy = s[ileSlow];
    return razy.size() > 1 && razy[0] == 'x' && Liczba(razy.substr(1), NAJDLUZSZY_CIAG, ile) && ile >= 2;
}

bool CzytajPoziom(std::string_view slowo, PlikPoziomu& p)
{
    const std::size_t rowna = slowo.find('=');
    if (rowna == 0 || rowna == std::string_view::npos)
        return false;
    p.Nazwa = std::string(slowo.substr(0, rowna));
    const std::string_view suma = slowo.substr(rowna + 1);
    p.Jest = suma != "-";
    return !p.Jest || (suma.size() == 8 && Liczba(suma, UINT32_MAX, p.Suma, 16));
}

} // namespace

uint32_t Crc32(const char* dane, std::size_t ile, uint32_t crc)
{
    crc = ~crc;
    for (std::size_t i = 0; i < ile; ++i) {
        crc ^= static_cast<unsigned char>(dane[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::vector<PlikPoziomu> PoziomyGry()
{
    std::vector<PlikPoziomu> poziomy;
    for (int32_t numer = 0;; ++numer) {
        const std::string sciezka = NazwaPlikuPoziomu(numer);
        PlikPoziomu p{BezKatalogu(sciezka)};
        p.Jest = SumaPliku(sciezka, p.Suma);
        if (!p.Jest && numer > 0)
            return poziomy;   // the game ends here, whatever higher numbers there are
        poziomy.push_back(p);
    }
}

std::string RoznicaPoziomow(const std::vector<PlikPoziomu>& demo, const std::vector<PlikPoziomu>& tutaj)
{
    for (std::size_t i = 0; i < demo.size() || i < tutaj.size(); ++i) {
        if (i >= tutaj.size() || (demo[i].Jest && !tutaj[i].Jest))
            return demo[i].Nazwa + " is missing";
        if (i >= demo.size() || (!demo[i].Jest && tutaj[i].Jest))
            return tutaj[i].Nazwa + " is new";
        if (!(demo[i] == tutaj[i]))
            return demo[i].Nazwa + " differs";
    }
    return "";
}

void ZapiszNaglowek(std::ostream& wy, const NaglowekDema& n)
{
    wy << ZNAK_DEMA << ' ' << n.Wersja << ' ' << RODZAJ_SUMY;
    for (const PlikPoziomu& p : n.Poziomy) {
        char suma[9] = "-";
        if (p.Jest)
            std::snprintf(suma, sizeof suma, "%08x", static_cast<unsigned>(p.Suma));
        wy << ' ' << p.Nazwa << '=' << suma;
    }
    wy << "\nseed " << n.Ziarno << "\nstart " << n.Start << '\n';
}

void ZapisDema::Dopisz(const Zdarzenie& z)
{
    if (ile_ > 0 && ile_ < NAJDLUZSZY_CIAG && z == ostatnie_) {
        ++ile_;
        return;
    }
    Dokoncz();
    ostatnie_ = z;
    ile_ = 1;
}

void ZapisDema::Dokoncz()
{
    if (ile_ == 0)
        return;
    wy_ << static_cast<char>(ostatnie_.Rodzaj);
    if (ostatnie_.Rodzaj != RodzajZdarzenia::Obraz)
        wy_ << ' ' << ostatnie_.Wartosc;
    if (ile_ > 1)
        wy_ << " x" << ile_;
    wy_ << '\n';
    ile_ = 0;
}

CzytnikDema::CzytnikDema(std::string_view tekst, std::string nazwa) : reszta_(tekst), nazwa_(std::move(nazwa))
{
}

bool CzytnikDema::Linia(std::string_view& linia)
{
    if (reszta_.empty())
        return false;
    const std::size_t koniec = reszta_.find('\n');
    linia = reszta_.substr(0, koniec);
    reszta_.remove_prefix(koniec == std::string_view::npos ? reszta_.size() : koniec + 1);
    if (!linia.empty() && linia.back() == '\r')
        linia.remove_suffix(1);   // a demo that went through a Windows editor
    ++nr_;
    return true;
}

bool CzytnikDema::Zle(const std::string& co)
{
    blad_ = nazwa_ + ":" + std::to_string(nr_) + ": " + co;
    return false;
}

bool CzytnikDema::Pole(std::string_view linia, const char* slowo, uint32_t& wartosc)
{
    const std::vector<std::string_view> s = Slowa(linia);
    if (s.size() != 2 || s[0] != slowo || !Liczba(s[1], UINT32_MAX, wartosc))
        return Zle(std::string("\"") + slowo + " NUMBER\" expected, not " + Cytat(linia));
    return true;
}

bool CzytnikDema::Naglowek(NaglowekDema& n)
{
    std::string_view linia;
    if (!Linia(linia)) {
        blad_ = nazwa_ + ": empty, not a Zorbit3D demo";
        return false;
    }
    const std::vector<std::string_view> s = Slowa(linia);
    uint32_t wersja = 0;
    if (s.size() < 2 || s[0] != ZNAK_DEMA || !Liczba(s[1], INT_MAX, wersja))
        return Zle("not a Zorbit3D demo");
    n.Wersja = static_cast<int>(wersja);
    if (n.Wersja != WERSJA_DEMA) {
        blad_ = nazwa_ + ": demo format version " + std::to_string(n.Wersja) + ", this game plays version "
            + std::to_string(WERSJA_DEMA);
        return false;
    }
    if (s.size() < 3 || s[2] != RODZAJ_SUMY)
        return Zle(std::string("level checksums \"") + RODZAJ_SUMY + "\" expected");
    n.Poziomy.clear();
    for (std::size_t i = 3; i < s.size(); ++i) {
        n.Poziomy.emplace_back();
        if (!CzytajPoziom(s[i], n.Poziomy.back()))
            return Zle("cannot read the level file " + Cytat(s[i]));
    }
    uint32_t ziarno = 0;
    if (!Linia(linia) || !Pole(linia, "seed", ziarno) || !Linia(linia) || !Pole(linia, "start", n.Start))
        return blad_.empty() ? Zle("the header ends early") : false;
    n.Ziarno = ziarno;
    return true;
}

bool CzytnikDema::Nastepne(Zdarzenie& z)
{
    if (zostalo_ == 0) {
        std::string_view linia;
        if (!Linia(linia))
            return false;
        if (!CzytajZdarzenie(linia, biezace_, zostalo_))
            return Zle("cannot read the event " + Cytat(linia));
    }
    --zostalo_;
    z = biezace_;
    return true;
}

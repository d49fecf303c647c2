// Temporary game directories for tests.
#include "support/katalog_gry.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

KatalogGry::KatalogGry() : poprzedni_(fs::current_path())
{
    std::string wzor = (fs::temp_directory_path() / "zorbit-test-XXXXXX").string();
    if (mkdtemp(wzor.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    sciezka_ = wzor;
    fs::create_directories(sciezka_ / "data" / "mapy");
    fs::create_directories(sciezka_ / "data" / "sfx");
    fs::current_path(sciezka_);
}

KatalogGry::~KatalogGry()
{
    std::error_code ec;
    fs::current_path(poprzedni_, ec);
    fs::remove_all(sciezka_, ec);
}

void KatalogGry::ZapiszMape(const std::string& nazwa, const std::string& bajty) const
{
    std::ofstream plik(sciezka_ / "data" / "mapy" / nazwa, std::ios::binary);
    plik << bajty;
}

std::string KatalogGry::Plansza(const char* const wiersze[25])
{
    std::string bajty;
    for (int r = 0; r < 25; ++r) {
        for (int c = 0; c < 25 && wiersze[r][c] != '\0'; ++c) {
            switch (wiersze[r][c]) {
            case '#': bajty += '\x01'; break;
            case '.': bajty += '\x02'; break;
            case 'G': bajty += '\x03'; break;
            case 'B': bajty += '\x04'; break;
            case 'P': bajty += '\x05'; break;
            default: bajty += '\x00'; break;
            }
        }
        bajty += '\n';
    }
    return bajty;
}

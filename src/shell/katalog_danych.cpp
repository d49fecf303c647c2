// Finding data/: the working directory first, then the installed root, found from the binary's own
// place so that a staged or relocated installation works as well as the packaged one.
#include "shell/katalog_danych.h"

#include <cstdlib>
#include <ostream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool MaDane(const fs::path& katalog)
{
    std::error_code blad;
    return fs::is_directory(katalog / "data", blad);
}

// The installed root: the binary's folder plus the path from the binary folder to the data root
// that the build compiled in (with the default layout "../share/games/zorbit3d").
fs::path ZainstalowanyKatalog()
{
    std::error_code blad;
    const fs::path program = fs::read_symlink("/proc/self/exe", blad);
    if (blad)
        return ZORBIT_DANE_BEZWZGLEDNE;
    return (program.parent_path() / ZORBIT_DANE_WZGLEDNE).lexically_normal();
}

// Where to look when the working directory has no data/: the override when set, else the installed root.
fs::path Zapasowy(const char* nadpisanie, const fs::path& zainstalowany)
{
    return nadpisanie && *nadpisanie ? fs::path(nadpisanie) : zainstalowany;
}

} // namespace

fs::path WybierzKatalogDanych(const char* nadpisanie, const fs::path& zainstalowany)
{
    if (MaDane("."))
        return ".";
    const fs::path inny = Zapasowy(nadpisanie, zainstalowany);
    return MaDane(inny) ? inny : fs::path();
}

void WejdzDoKatalogDanych(std::ostream& bledy)
{
    const fs::path zainstalowany = ZainstalowanyKatalog();
    const char* nadpisanie = std::getenv("ZORBIT_DANE");
    const fs::path katalog = WybierzKatalogDanych(nadpisanie, zainstalowany);
    std::error_code blad;
    if (!katalog.empty() && katalog != ".")
        fs::current_path(katalog, blad);
    if (katalog.empty() || blad) {
        bledy << "zorbit3d: no data/ in the working directory nor in " << Zapasowy(nadpisanie, zainstalowany).string()
              << "; playing without it" << std::endl;
    }
}

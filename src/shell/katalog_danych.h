// Where the game's data/ tree is: the working directory, or the installed data root.
#pragma once
#include <filesystem>
#include <iosfwd>

// The folder that holds data/: the working directory when data/ is there; otherwise ZORBIT_DANE
// (nadpisanie, when set) or the installed root beside the binary (zainstalowany). Empty when
// none of them holds a data/ folder.
std::filesystem::path WybierzKatalogDanych(const char* nadpisanie, const std::filesystem::path& zainstalowany);

// Start-up, before anything is read: changes into the folder WybierzKatalogDanych picks, so that the
// relative names "data/..." work from any working directory; when there is none, says so in one
// line on bledy and stays (the game then runs without its files, as it always could).
void WejdzDoKatalogDanych(std::ostream& bledy);

// A throw-away working directory with its own data/mapy, for tests that read level files.
#pragma once
#include <filesystem>
#include <string>

class KatalogGry {
public:
    KatalogGry();    // makes the directory with data/mapy and data/sfx and changes into it
    ~KatalogGry();   // changes back and removes it

    // Writes data/mapy/<nazwa> with exactly these bytes.
    void ZapiszMape(const std::string& nazwa, const std::string& bajty) const;
    // 25 rows of 25 characters ('#' wall, '.' pellet, 'G' ghost, 'B' bonus, 'P' player,
    // ' ' floor) turned into the raw cell bytes of a level file, a line feed after each row.
    static std::string Plansza(const char* const wiersze[25]);

    const std::filesystem::path& Sciezka() const { return sciezka_; }

private:
    std::filesystem::path sciezka_;
    std::filesystem::path poprzedni_;
};

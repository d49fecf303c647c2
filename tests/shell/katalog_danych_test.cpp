// Where data/ is looked for: the working directory first, then the override or the installed root.
#include "shell/katalog_danych.h"

#include "support/katalog_gry.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A working directory with or without data/, and two candidate roots beside it.
class KatalogDanych : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(zainstalowany_ / "data");
        fs::create_directories(nadpisany_ / "data");
        fs::create_directories(pusty_);
    }
    void BezDanychTutaj() { fs::remove_all("data"); }

    KatalogGry katalog_;   // changes into a fresh directory that holds data/
    fs::path zainstalowany_ = katalog_.Sciezka() / "zainstalowany";
    fs::path nadpisany_ = katalog_.Sciezka() / "nadpisany";
    fs::path pusty_ = katalog_.Sciezka() / "pusty";
};

TEST_F(KatalogDanych, RoboczyZDanymiWygrywaZawsze)
{
    EXPECT_EQ(WybierzKatalogDanych(nullptr, zainstalowany_), fs::path("."));
    EXPECT_EQ(WybierzKatalogDanych(nadpisany_.c_str(), zainstalowany_), fs::path("."));
}

TEST_F(KatalogDanych, BezDanychTutajNadpisanieAlboZainstalowany)
{
    BezDanychTutaj();
    EXPECT_EQ(WybierzKatalogDanych(nullptr, zainstalowany_), zainstalowany_);
    EXPECT_EQ(WybierzKatalogDanych("", zainstalowany_), zainstalowany_);
    EXPECT_EQ(WybierzKatalogDanych(nadpisany_.c_str(), zainstalowany_), nadpisany_);
}

TEST_F(KatalogDanych, NigdzieDanychToPusto)
{
    BezDanychTutaj();
    EXPECT_TRUE(WybierzKatalogDanych(nullptr, pusty_).empty());
    // An override without data/ does not fall back: the player asked for that folder.
    EXPECT_TRUE(WybierzKatalogDanych(pusty_.c_str(), zainstalowany_).empty());
}

} // namespace

// The display-mode question as a table of console inputs.
#include "shell/dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

namespace {

const std::string PYTANIE = "[1] Pelen ekran\n[2] Okno 640x480\nTwoj wybor: ";

struct Odpowiedz {
    const char* wejscie;
    const char* tryb;     // what is accepted
    int pytan;            // how many times the three lines were printed
    const char* reszta;   // what is left unread on the input
};

class Dialog : public ::testing::TestWithParam<Odpowiedz> {};

TEST_P(Dialog, PrzyjmujeTylkoCaleSlowo)
{
    const auto p = GetParam();
    std::istringstream we(p.wejscie);
    std::ostringstream wy;
    EXPECT_EQ(p.tryb, ZapytajOTryb(we, wy));
    std::string tekst = wy.str();
    int pytan = 0;
    for (size_t i = tekst.find(PYTANIE); i != std::string::npos; i = tekst.find(PYTANIE, i + 1))
        ++pytan;
    EXPECT_EQ(p.pytan, pytan);
    std::string reszta((std::istreambuf_iterator<char>(we)), std::istreambuf_iterator<char>());
    EXPECT_EQ(p.reszta, reszta);
}

INSTANTIATE_TEST_SUITE_P(Wejscia, Dialog, ::testing::Values(
    Odpowiedz{"1\n", "1", 1, "\n"},
    Odpowiedz{"2\n", "2", 1, "\n"},
    Odpowiedz{"   1\n", "1", 1, "\n"},
    Odpowiedz{"1 2\n", "1", 1, " 2\n"},
    Odpowiedz{"3 1\n", "1", 2, "\n"},
    Odpowiedz{"01\n2\n", "2", 2, "\n"},
    Odpowiedz{"1a\n1.\n1\n", "1", 3, "\n"},
    Odpowiedz{"", "2", 1, ""},
    Odpowiedz{"3\n", "2", 2, ""}));

TEST(DialogKoniecWejscia, MowiCoRobiWJednejLinii)
{
    std::istringstream we("");
    std::ostringstream wy;
    ZapytajOTryb(we, wy);
    const std::string po = wy.str().substr(PYTANIE.size());
    EXPECT_EQ(1, std::count(po.begin(), po.end(), '\n') - 1) << po;   // a line end, then one line
}

TEST(DialogOdpowiedz, PustaLiniaPoOdpowiedzi)
{
    std::istringstream we("2\n");
    std::ostringstream wy;
    ZapytajOTryb(we, wy);
    EXPECT_EQ(PYTANIE + "\n", wy.str());
}

} // namespace

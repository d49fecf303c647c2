// The real sound layer on SDL's disk audio driver: what was played is read back from the
// samples the mixer actually wrote, in real time.
#include "platform/dzwiek.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int HZ = 22050;

// A mono 16-bit WAV holding one constant level: the level tells the sounds apart in the mix.
void ZapiszWav(const fs::path& sciezka, int16_t poziom, int ms, uint32_t hz = HZ)
{
    const uint32_t probek = static_cast<uint32_t>(uint64_t{hz} * ms / 1000);
    const uint32_t danych = probek * 2;
    std::ofstream f(sciezka, std::ios::binary);
    auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f << "RIFF";
    u32(36 + danych);
    f << "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(hz);
    u32(hz * 2);
    u16(2);
    u16(16);
    f << "data";
    u32(danych);
    for (uint32_t i = 0; i < probek; ++i)
        u16(static_cast<uint16_t>(poziom));
}

class DzwiekNaDysku : public ::testing::Test {
protected:
    void SetUp() override
    {
        katalog = fs::temp_directory_path() / ("zorbit-dzwiek-" + std::to_string(getpid()));
        fs::create_directories(katalog);
        plikAudio = (katalog / "wyjscie.raw").string();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", plikAudio.c_str(), 1);
        dlugi = (katalog / "dlugi.wav").string();
        krotki = (katalog / "krotki.wav").string();
        ZapiszWav(dlugi, 8000, 400);
        ZapiszWav(krotki, -8000, 100);
    }
    void TearDown() override
    {
        ZamknijDzwiek();
        fs::remove_all(katalog);
    }
    // Milliseconds of the written mix at the positive and at the negative level.
    std::pair<int, int> Zagrane()
    {
        ZamknijDzwiek();   // flushes the file
        int dodatnich = 0, ujemnych = 0;
        int16_t lewy = 0, prawy = 0;
        std::ifstream g(plikAudio, std::ios::binary);
        while (g.read(reinterpret_cast<char*>(&lewy), 2) && g.read(reinterpret_cast<char*>(&prawy), 2)) {
            dodatnich += lewy > 4000;
            ujemnych += lewy < -4000;
        }
        return {dodatnich * 1000 / HZ, ujemnych * 1000 / HZ};
    }
    fs::path katalog;
    std::string plikAudio, dlugi, krotki;
};

TEST_F(DzwiekNaDysku, AsynchronicznyUcinaGrajacy)
{
    ASSERT_TRUE(PlaySoundA(dlugi.c_str(), nullptr, SND_ASYNC));
    SDL_Delay(100);
    ASSERT_TRUE(PlaySoundA(krotki.c_str(), nullptr, SND_ASYNC));
    SDL_Delay(600);
    auto [dlugiMs, krotkiMs] = Zagrane();
    EXPECT_NEAR(100, dlugiMs, 60);   // the long one stopped when the short one began
    EXPECT_NEAR(100, krotkiMs, 15);
}

TEST_F(DzwiekNaDysku, NieprzerywajacyCzekaNaCisze)
{
    ASSERT_TRUE(PlaySoundA(dlugi.c_str(), nullptr, SND_ASYNC));
    SDL_Delay(100);
    EXPECT_FALSE(PlaySoundA(krotki.c_str(), nullptr, SND_ASYNC | SND_NOSTOP));
    SDL_Delay(500);
    EXPECT_TRUE(PlaySoundA(krotki.c_str(), nullptr, SND_ASYNC | SND_NOSTOP));
    SDL_Delay(250);
    auto [dlugiMs, krotkiMs] = Zagrane();
    EXPECT_NEAR(400, dlugiMs, 15);   // played to its end
    EXPECT_NEAR(100, krotkiMs, 15);  // only the second, once it was quiet
}

TEST_F(DzwiekNaDysku, SynchronicznyWracaPoKoncu)
{
    ASSERT_TRUE(PlaySoundA(dlugi.c_str(), nullptr, SND_SYNC));
    auto [dlugiMs, krotkiMs] = Zagrane();   // closed right at the return
    EXPECT_NEAR(400, dlugiMs, 15);
    EXPECT_EQ(0, krotkiMs);
}

// A valid WAV at 1 Hz: 600 samples, ten minutes. The wait ends at the bound and the sound with it.
TEST_F(DzwiekNaDysku, SynchronicznyCzekaNajwyzejDoGranicy)
{
    const std::string wolny = (katalog / "wolny.wav").string();
    ZapiszWav(wolny, 8000, 600 * 1000, 1);
    // Loaded (and converted to the device's rate, which takes a while) by a first play, cut at once.
    ASSERT_TRUE(PlaySoundA(wolny.c_str(), nullptr, SND_ASYNC));
    const Uint32 poczatek = SDL_GetTicks();
    ASSERT_TRUE(PlaySoundA(wolny.c_str(), nullptr, SND_SYNC));
    const Uint32 trwalo = SDL_GetTicks() - poczatek;
    EXPECT_LT(trwalo, NAJDLUZSZE_CZEKANIE_MS + 5000);   // a loaded machine's slack, not ten minutes
    SDL_Delay(200);
    auto [dlugiMs, krotkiMs] = Zagrane();
    EXPECT_LT(dlugiMs, static_cast<int>(NAJDLUZSZE_CZEKANIE_MS) + 200);   // cut off at the return
    EXPECT_GT(dlugiMs, static_cast<int>(NAJDLUZSZE_CZEKANIE_MS) / 2);
    EXPECT_EQ(0, krotkiMs);
}

TEST_F(DzwiekNaDysku, BrakPlikuToCisza)
{
    EXPECT_FALSE(PlaySoundA((katalog / "nie-ma.wav").c_str(), nullptr, SND_ASYNC));
    EXPECT_FALSE(PlaySoundA((katalog / "nie-ma.wav").c_str(), nullptr, SND_SYNC));
    EXPECT_FALSE(PlaySoundA(nullptr, nullptr, SND_ASYNC));
}

TEST(DzwiekBezUrzadzenia, CiszaBezCzekania)
{
    setenv("SDL_AUDIODRIVER", "brak-takiego-sterownika", 1);
    const auto wav = fs::temp_directory_path() / ("zorbit-cisza-" + std::to_string(getpid()) + ".wav");
    ZapiszWav(wav, 8000, 2000);
    EXPECT_FALSE(PlaySoundA(wav.c_str(), nullptr, SND_ASYNC));
    EXPECT_FALSE(PlaySoundA(wav.c_str(), nullptr, SND_SYNC));   // returns at once, no device to wait on
    fs::remove(wav);
}

} // namespace

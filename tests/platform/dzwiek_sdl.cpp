// The real sound layer on SDL's disk audio driver: what was played is read back from the
// samples the device actually wrote, in real time.
#include "platform/dzwiek.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int HZ = 22050;

// A PCM WAV holding one constant level per channel: the level tells the sounds apart in the
// mix. 8-bit samples are unsigned: the level is taken in 16-bit units and scaled down.
void ZapiszWav(const fs::path& sciezka, std::vector<int16_t> poziomy, int ms, uint32_t hz = HZ, uint16_t bity = 16)
{
    const uint16_t kanaly = static_cast<uint16_t>(poziomy.size());
    const uint16_t ramka = static_cast<uint16_t>(kanaly * bity / 8);
    const uint32_t probek = static_cast<uint32_t>(uint64_t{hz} * ms / 1000);
    const uint32_t danych = probek * ramka;
    std::ofstream f(sciezka, std::ios::binary);
    auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f << "RIFF";
    u32(36 + danych);
    f << "WAVEfmt ";
    u32(16);
    u16(1);
    u16(kanaly);
    u32(hz);
    u32(hz * ramka);
    u16(ramka);
    u16(bity);
    f << "data";
    u32(danych);
    for (uint32_t i = 0; i < probek; ++i)
        for (int16_t poziom : poziomy) {
            if (bity == 8)
                f.put(static_cast<char>(128 + poziom / 256));
            else
                u16(static_cast<uint16_t>(poziom));
        }
}

void ZapiszWav(const fs::path& sciezka, int16_t poziom, int ms, uint32_t hz = HZ)
{
    ZapiszWav(sciezka, std::vector<int16_t>{poziom}, ms, hz);
}

// Of one channel of the written mix: how long it was loud (ms) and its median level meanwhile.
struct Kanal {
    int ms = 0;
    int poziom = 0;
};

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
        unsetenv("SDL_DISKAUDIODELAY");
        fs::remove_all(katalog);
    }
    // The written mix, left and right interleaved.
    std::vector<int16_t> Wyjscie()
    {
        ZamknijDzwiek();   // flushes the file
        std::vector<int16_t> probki(fs::file_size(plikAudio) / 2);
        std::ifstream g(plikAudio, std::ios::binary);
        g.read(reinterpret_cast<char*>(probki.data()), static_cast<std::streamsize>(probki.size() * 2));
        return probki;
    }
    // Milliseconds of the written mix at the positive and at the negative level.
    std::pair<int, int> Zagrane()
    {
        int dodatnich = 0, ujemnych = 0;
        const auto probki = Wyjscie();
        for (size_t i = 0; i < probki.size(); i += 2) {
            dodatnich += probki[i] > 4000;
            ujemnych += probki[i] < -4000;
        }
        return {dodatnich * 1000 / HZ, ujemnych * 1000 / HZ};
    }
    // Left and right channels of the written mix.
    std::pair<Kanal, Kanal> Kanaly()
    {
        const auto probki = Wyjscie();
        std::vector<int16_t> glosne[2];
        for (size_t i = 0; i < probki.size(); ++i)
            if (std::abs(probki[i]) > 1000)
                glosne[i % 2].push_back(probki[i]);
        Kanal k[2];
        for (int c = 0; c < 2; ++c) {
            k[c].ms = static_cast<int>(glosne[c].size() * 1000 / HZ);
            if (!glosne[c].empty()) {
                std::nth_element(glosne[c].begin(), glosne[c].begin() + glosne[c].size() / 2, glosne[c].end());
                k[c].poziom = glosne[c][glosne[c].size() / 2];
            }
        }
        return {k[0], k[1]};
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
    // Loaded (and the start converted to the device's rate) by a first play, cut at once.
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

// Files in other formats are converted to the device's on loading: heard for their length, at
// their level, mono on both channels and stereo on the right ones.
TEST_F(DzwiekNaDysku, InnyFormatGraPrzerobiony)
{
    struct Przypadek {
        const char* nazwa;
        uint32_t hz;
        uint16_t bity;
        std::vector<int16_t> poziomy;
        int lewy, prawy;   // the levels expected in the mix
    };
    const Przypadek przypadki[] = {
        {"8 bitow mono 11025 Hz", 11025, 8, {10240}, 10239, 10239},
        {"16 bitow stereo 44100 Hz", 44100, 16, {8000, -6000}, 7999, -6000},
        {"16 bitow mono 8000 Hz", 8000, 16, {-5000}, -5000, -5000},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        const std::string wav = (katalog / (std::string(p.nazwa) + ".wav")).string();
        ZapiszWav(wav, p.poziomy, 200, p.hz, p.bity);
        ASSERT_TRUE(PlaySoundA(wav.c_str(), nullptr, SND_SYNC));
        auto [lewy, prawy] = Kanaly();
        EXPECT_NEAR(200, lewy.ms, 15);
        EXPECT_NEAR(200, prawy.ms, 15);
        EXPECT_NEAR(p.lewy, lewy.poziom, 80);
        EXPECT_NEAR(p.prawy, prawy.poziom, 80);
    }
}

// Only a long file's first 30 s are kept: the ten minutes at 1 Hz play for 30 s and end. The
// disk driver runs about ten times faster than real time here.
TEST_F(DzwiekNaDysku, DlugiPlikGraTylkoPoczatek)
{
    setenv("SDL_DISKAUDIODELAY", "1", 1);
    const std::string wolny = (katalog / "wolny.wav").string();
    ZapiszWav(wolny, 8000, 600 * 1000, 1);
    ASSERT_TRUE(PlaySoundA(wolny.c_str(), nullptr, SND_ASYNC));
    const Uint32 poczatek = SDL_GetTicks();
    // The short one can start only once the long one has ended.
    while (!PlaySoundA(krotki.c_str(), nullptr, SND_ASYNC | SND_NOSTOP) && SDL_GetTicks() - poczatek < 30000)
        SDL_Delay(5);
    SDL_Delay(50);
    auto [dlugiMs, krotkiMs] = Zagrane();
    EXPECT_NEAR(30000, dlugiMs, 700);   // a quarter second of resampled edge at each end, not ten minutes
    EXPECT_NEAR(100, krotkiMs, 15);
}

// No file, an empty or a broken one: silent and false, at once. A failed load is kept: the file
// is not read again even once it is good.
TEST_F(DzwiekNaDysku, BrakPlikuToCisza)
{
    EXPECT_FALSE(PlaySoundA((katalog / "nie-ma.wav").c_str(), nullptr, SND_ASYNC));
    EXPECT_FALSE(PlaySoundA((katalog / "nie-ma.wav").c_str(), nullptr, SND_SYNC));
    EXPECT_FALSE(PlaySoundA(nullptr, nullptr, SND_ASYNC));
    const std::string pusty = (katalog / "pusty.wav").string();
    std::ofstream(pusty).close();
    EXPECT_FALSE(PlaySoundA(pusty.c_str(), nullptr, SND_SYNC));
    const std::string zly = (katalog / "zly.wav").string();
    ZapiszWav(zly, 8000, 100);
    fs::resize_file(zly, 30);   // the format chunk cut in half
    EXPECT_FALSE(PlaySoundA(zly.c_str(), nullptr, SND_SYNC));
    ZapiszWav(zly, 8000, 100);
    EXPECT_FALSE(PlaySoundA(zly.c_str(), nullptr, SND_ASYNC));
    EXPECT_EQ(0, Zagrane().first);
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

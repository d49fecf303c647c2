// Sound on SDL2's own audio: one device and one voice. Each WAV is loaded once by name,
// converted once to the device's format and kept for the whole run.
#include "platform/dzwiek.h"

#include "platform/sdl_biblioteka.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

// The device's format, the one the game's sounds are made in: 22050 Hz, signed 16-bit, stereo.
constexpr int CZESTOTLIWOSC = 22050;
constexpr SDL_AudioFormat FORMAT = AUDIO_S16LSB;
constexpr Uint8 KANALY = 2;
constexpr size_t BAJTOW_RAMKI = 2 * KANALY;
// A sound starts at the next callback, so on average half a buffer after its key: 256 frames
// are 11.6 ms, 5.8 ms on average. 128 would halve that again but give the callback only 5.8 ms
// to come round on a real card, which a busy machine does not always grant (a gap is a click).
constexpr Uint16 RAMEK_BUFORA = 256;
// What is kept of a long file. A SND_SYNC sound is cut off at NAJDLUZSZE_CZEKANIE_MS anyway;
// a SND_ASYNC effect is cut by the next one long before 30 s, and past them it would be music,
// which the game never plays. 30 s are 2.6 MB in the device's format; ten minutes would be 53.
constexpr Uint32 NAJDLUZSZY_DZWIEK_MS = 30000;

using Probki = std::vector<Uint8>;   // in the device's format

SDL_AudioDeviceID Urzadzenie = 0;
bool Probowano = false;
std::map<std::string, std::optional<Probki>> Wczytane;   // a failed load is kept as nullopt, not retried

// The one voice, shared with the audio thread: touched only under the device's lock.
const Probki* Grany = nullptr;
size_t Pozycja = 0;

void SDLCALL Miksuj(void*, Uint8* strumien, int dlugosc)
{
    size_t zagrane = 0;
    if (Grany != nullptr) {
        zagrane = std::min(static_cast<size_t>(dlugosc), Grany->size() - Pozycja);
        std::memcpy(strumien, Grany->data() + Pozycja, zagrane);
        Pozycja += zagrane;
        if (Pozycja == Grany->size())
            Grany = nullptr;   // ended: the last samples are mixed, about to be heard
    }
    std::memset(strumien + zagrane, 0, static_cast<size_t>(dlugosc) - zagrane);   // signed: silence is 0
}

void Graj(const Probki* probki)
{
    Sdl()->LockAudioDevice(Urzadzenie);
    Grany = probki;
    Pozycja = 0;
    Sdl()->UnlockAudioDevice(Urzadzenie);
}

bool Gra()
{
    Sdl()->LockAudioDevice(Urzadzenie);
    const bool gra = Grany != nullptr;
    Sdl()->UnlockAudioDevice(Urzadzenie);
    return gra;
}

bool Otworz()
{
    if (Probowano)
        return Urzadzenie != 0;
    Probowano = true;
    if (Sdl() == nullptr)
        return false;
    // Without this SDL takes over SIGINT and SIGTERM, and Ctrl-C or kill no longer end the game.
    Sdl()->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (Sdl()->InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec chce{};
    chce.freq = CZESTOTLIWOSC;
    chce.format = FORMAT;
    chce.channels = KANALY;
    chce.samples = RAMEK_BUFORA;
    chce.callback = Miksuj;
    // No changes allowed: whatever the card takes, SDL converts to it and the callback sees ours.
    Urzadzenie = Sdl()->OpenAudioDevice(nullptr, 0, &chce, nullptr, 0);
    if (Urzadzenie == 0) {
        Sdl()->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Sdl()->PauseAudioDevice(Urzadzenie, 0);
    return true;
}

// The file's first NAJDLUZSZY_DZWIEK_MS in the device's format, converted in one piece so that
// a sound that fits is converted exactly as a whole.
std::optional<Probki> Wczytaj(const char* nazwa)
{
    SDL_AudioSpec plik;
    Uint8* dane = nullptr;
    Uint32 dlugosc = 0;
    if (Sdl()->LoadWAV_RW(Sdl()->RWFromFile(nazwa, "rb"), 1, &plik, &dane, &dlugosc) == nullptr)
        return std::nullopt;
    std::optional<Probki> wynik;
    SDL_AudioCVT cvt;
    const int potrzebna = Sdl()->BuildAudioCVT(&cvt, plik.format, plik.channels, plik.freq, FORMAT, KANALY, CZESTOTLIWOSC);
    const uint64_t ramka = SDL_AUDIO_BITSIZE(plik.format) / 8 * plik.channels;
    const uint64_t poczatek = std::min<uint64_t>(dlugosc / ramka, static_cast<uint64_t>(plik.freq) * NAJDLUZSZY_DZWIEK_MS / 1000) * ramka;
    if (potrzebna >= 0 && poczatek * static_cast<uint64_t>(cvt.len_mult) <= INT_MAX) {
        Probki bufor(dane, dane + poczatek);
        bufor.resize(poczatek * static_cast<uint64_t>(cvt.len_mult));
        cvt.buf = bufor.data();
        cvt.len = static_cast<int>(poczatek);
        const bool jakJest = potrzebna == 0 || poczatek == 0;
        if (jakJest || Sdl()->ConvertAudio(&cvt) == 0) {
            const size_t przerobione = jakJest ? poczatek : static_cast<size_t>(cvt.len_cvt);
            const size_t granica = size_t{CZESTOTLIWOSC} * NAJDLUZSZY_DZWIEK_MS / 1000 * BAJTOW_RAMKI;
            wynik.emplace(bufor.begin(), bufor.begin() + std::min(przerobione, granica));   // not the conversion's room
        }
    }
    Sdl()->FreeWAV(dane);
    return wynik;
}

const Probki* Dzwiek(const char* nazwa)
{
    auto it = Wczytane.find(nazwa);
    if (it == Wczytane.end())
        it = Wczytane.emplace(nazwa, Wczytaj(nazwa)).first;
    return it->second ? &*it->second : nullptr;
}

} // namespace

void UruchomDzwiek()
{
    // Every way out (menu, window close, signal) passes std::exit: the device and the sounds go with it.
    std::atexit(ZamknijDzwiek);
    Otworz();
}

void ZamknijDzwiek()
{
    if (Urzadzenie != 0) {
        Sdl()->CloseAudioDevice(Urzadzenie);   // the audio thread is gone after this: the voice is ours
        Sdl()->QuitSubSystem(SDL_INIT_AUDIO);
    }
    Urzadzenie = 0;
    Grany = nullptr;
    Wczytane.clear();
    Probowano = false;
}

void BezDzwieku()
{
    ZamknijDzwiek();
    Probowano = true;   // as if opening had failed: PlaySoundA returns at once
}

bool PlaySoundA(const char* nazwa, void*, unsigned flagi)
{
    if (nazwa == nullptr || !Otworz())
        return false;
    const Probki* probki = Dzwiek(nazwa);
    if (probki == nullptr)
        return false;
    if ((flagi & SND_ASYNC) && (flagi & SND_NOSTOP) && Gra())
        return false;
    Graj(probki);
    if (!(flagi & SND_ASYNC)) {
        const Uint32 poczatek = Sdl()->GetTicks();
        while (Gra() && Sdl()->GetTicks() - poczatek < NAJDLUZSZE_CZEKANIE_MS)
            Sdl()->Delay(2);
        Graj(nullptr);
    }
    return true;
}

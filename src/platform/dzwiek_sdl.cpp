// Sound on SDL2_mixer: each WAV is loaded once by name and kept for the whole run.
#include "platform/dzwiek.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <map>
#include <string>

namespace {

bool Probowano = false;
bool Otwarte = false;
std::map<std::string, Mix_Chunk*> Wczytane;   // a failed load is kept as nullptr, not retried

bool Otworz()
{
    if (Probowano)
        return Otwarte;
    Probowano = true;
    // Without this SDL takes over SIGINT and SIGTERM, and Ctrl-C or kill no longer end the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // A small chunk keeps the eating blip close to the pellet it belongs to.
    if (Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Otwarte = true;
    return true;
}

Mix_Chunk* Dzwiek(const char* nazwa)
{
    auto it = Wczytane.find(nazwa);
    if (it != Wczytane.end())
        return it->second;
    Mix_Chunk* chunk = Mix_LoadWAV(nazwa);
    Wczytane.emplace(nazwa, chunk);
    return chunk;
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
    if (Otwarte) {
        Mix_HaltChannel(-1);
        for (auto& [nazwa, chunk] : Wczytane)
            Mix_FreeChunk(chunk);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    Wczytane.clear();
    Probowano = Otwarte = false;
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
    Mix_Chunk* chunk = Dzwiek(nazwa);
    if (chunk == nullptr)
        return false;
    if ((flagi & SND_ASYNC) && (flagi & SND_NOSTOP) && Mix_Playing(-1) > 0)
        return false;
    Mix_HaltChannel(-1);
    int kanal = Mix_PlayChannel(-1, chunk, 0);
    if (kanal < 0)
        return false;
    if (!(flagi & SND_ASYNC)) {
        const Uint32 poczatek = SDL_GetTicks();
        while (Mix_Playing(kanal) > 0 && SDL_GetTicks() - poczatek < NAJDLUZSZE_CZEKANIE_MS)
            SDL_Delay(2);
        Mix_HaltChannel(kanal);
    }
    return true;
}

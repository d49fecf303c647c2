// SDL2 loaded at its first use instead of with the program: the audio libraries it brings
// (PulseAudio, ALSA, sndfile and their codecs) would cost the launch several milliseconds
// before the first frame. Without the library the game is silent and errors go to stderr.
#pragma once

#include <SDL.h>

#define ZORBIT_FUNKCJE_SDL(X)                                                                   \
    X(SetHint) X(InitSubSystem) X(QuitSubSystem) X(OpenAudioDevice) X(CloseAudioDevice)         \
    X(PauseAudioDevice) X(LockAudioDevice) X(UnlockAudioDevice) X(RWFromFile) X(LoadWAV_RW)     \
    X(FreeWAV) X(BuildAudioCVT) X(ConvertAudio) X(GetTicks) X(Delay) X(ShowSimpleMessageBox)

// The functions the game calls, each under its name without the SDL_ prefix.
struct BibliotekaSdl {
#define ZORBIT_WSKAZNIK_SDL(f) decltype(&SDL_##f) f;
    ZORBIT_FUNKCJE_SDL(ZORBIT_WSKAZNIK_SDL)
#undef ZORBIT_WSKAZNIK_SDL
};

// Loaded on the first call and kept; nullptr when the library or one of its functions is missing.
const BibliotekaSdl* Sdl();

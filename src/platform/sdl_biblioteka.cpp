// Opening libSDL2 by hand, once, with every function looked up before any is used.
#include "platform/sdl_biblioteka.h"

#include <dlfcn.h>

namespace {

bool Zaladuj(BibliotekaSdl& sdl)
{
    // The runtime's soname: the one that the distribution's libsdl2-2.0-0 provides.
    void* biblioteka = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (biblioteka == nullptr)
        return false;
    bool wszystkie = true;
#define ZORBIT_ZNAJDZ_SDL(f)                                                              \
    sdl.f = reinterpret_cast<decltype(sdl.f)>(dlsym(biblioteka, "SDL_" #f));            \
    wszystkie = wszystkie && sdl.f != nullptr;
    ZORBIT_FUNKCJE_SDL(ZORBIT_ZNAJDZ_SDL)
#undef ZORBIT_ZNAJDZ_SDL
    return wszystkie;   // the library stays loaded to the end: the audio thread runs in it
}

} // namespace

const BibliotekaSdl* Sdl()
{
    static BibliotekaSdl sdl{};
    static const bool jest = Zaladuj(sdl);
    return jest ? &sdl : nullptr;
}

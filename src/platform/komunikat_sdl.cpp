// Error boxes through SDL; where no box can be shown the message goes to standard error.
#include "platform/komunikat.h"

#include "platform/sdl_biblioteka.h"

#include <cstdio>

void PokazBlad(const char* tekst)
{
    const BibliotekaSdl* sdl = Sdl();
    if (sdl == nullptr || sdl->ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", tekst, nullptr) != 0)
        std::fprintf(stderr, "Error: %s\n", tekst);
}

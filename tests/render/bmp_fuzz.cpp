// libFuzzer target for the BMP reader: any bytes give a well-formed picture and no
// message, or no picture and exactly one of the reader's messages.
#include <cstdlib>
#include <cstring>

#include "platform/komunikat.h"
#include "render/obraz.h"

namespace {

int komunikaty = 0;
bool znany = true;

bool Znany(const char* tekst)
{
    for (const char* t : {"Unknown DIB file format.", "Image file conversion error.", "Out of memory."})
        if (std::strcmp(tekst, t) == 0)
            return true;
    return false;
}

} // namespace

void PokazBlad(const char* tekst)
{
    ++komunikaty;
    znany = znany && Znany(tekst);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar)
{
    komunikaty = 0;
    znany = true;
    const auto obraz = ReadDIBMemory(dane, rozmiar);
    const bool dobrze = obraz ? komunikaty == 0 && obraz->width > 0 && obraz->height > 0 &&
                                    obraz->pixels.size() == size_t(obraz->width) * size_t(obraz->height) * 3
                              : komunikaty == 1 && znany;
    if (!dobrze)
        std::abort();
    return 0;
}

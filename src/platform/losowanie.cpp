// The random source: one standard generator, seeded once.
#include "platform/losowanie.h"

namespace {

GeneratorLosow Generator;

} // namespace

int Losuj()
{
    return LosZ(Generator);
}

void ZasiejLosowanie(unsigned ziarno)
{
    Generator.seed(ziarno);
}

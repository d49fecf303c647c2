// Zorbit3D's entry point: everything else lives in the game and platform libraries.
#include "shell/start.h"

int main(int argc, char** argv)
{
    return UruchomGre(argc, argv);
}

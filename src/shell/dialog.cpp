// The display-mode question: asked until the whole word is "1" or "2".
#include "shell/dialog.h"

#include <istream>
#include <ostream>

std::string ZapytajOTryb(std::istream& we, std::ostream& wy)
{
    std::string odpowiedz;
    for (;;) {
        wy << "[1] Pelen ekran" << std::endl;
        wy << "[2] Okno 640x480" << std::endl;
        wy << "Twoj wybor: " << std::flush;
        if (!(we >> odpowiedz)) {
            // Asking again would loop forever on a closed input: take the window.
            wy << std::endl << "Brak odpowiedzi, otwieram okno 640x480." << std::endl;
            return "2";
        }
        wy << std::endl;
        if (odpowiedz == "1" || odpowiedz == "2")
            return odpowiedz;
    }
}

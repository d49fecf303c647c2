// A game played on the fake platform pass by pass, as GLUT runs it (the keys, the timers that
// are due, a drawn frame, an idle step), and recorded as a demo that the real program replays
// the same: the soak run and the demo maker play this way.
#pragma once
#include "shell/demo_zrzut.h"

#include <filesystem>
#include <iosfwd>
#include <sstream>
#include <string>

// The globals a fresh process starts with, where the game's course reads them before it sets
// them: a second game in one test process must begin as a replay of it does.
void JakNowyProces();

class GraczDemo {
public:
    // Start-up as the game makes it, on the level files under the working directory, after
    // JakNowyProces. zrzut: where the dump of the replay goes, as the game is played.
    explicit GraczDemo(unsigned ziarno, std::ostream* zrzut = nullptr);
    ~GraczDemo();

    void Klawisz(unsigned char c);
    void Specjalny(int key);
    void Przebieg(unsigned ms);   // the timers due within ms, a drawn frame, then an idle step ms later

    // Stops recording; the demo as written.
    std::string Zakoncz();

private:
    std::ostringstream demo_;
    std::ostream* zrzut_;
    ZrzutSekund sekundy_;
    bool nagrywa_ = true;
};

// Keeps a game for later: the working directory's data/mapy and the demo, into katalog.
// Returns the demo's path.
std::filesystem::path ZachowajGre(const std::string& demo, const std::filesystem::path& katalog);

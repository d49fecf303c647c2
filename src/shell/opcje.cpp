// The command line: our long options, their checks and the usage text.
#include "shell/opcje.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace {

// An option with a value takes the next argument; "--record=FILE" works too.
bool Wartosc(const std::string& arg, const char* nazwa, int& i, int argc, char** argv, std::string& cel,
             std::string& blad)
{
    const std::string przedrostek = std::string(nazwa) + "=";
    if (arg.compare(0, przedrostek.size(), przedrostek) == 0) {
        cel = arg.substr(przedrostek.size());
    } else if (arg == nazwa) {
        cel = i + 1 < argc ? argv[++i] : "";
    } else {
        return false;
    }
    if (cel.empty())
        blad = std::string("option ") + nazwa + " needs a file name";
    return true;
}

void Sprawdz(Opcje& o)
{
    if (!o.Blad.empty())
        return;
    if (!o.Nagraj.empty() && !o.Odtworz.empty())
        o.Blad = "--record and --replay cannot go together";
    else if (o.Zrzut && o.Odtworz.empty())
        o.Blad = "--dump goes with --replay";
}

} // namespace

Opcje CzytajOpcje(int& argc, char** argv)
{
    Opcje o;
    int zostaje = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.compare(0, 2, "--") != 0) {
            argv[zostaje++] = argv[i];   // GLUT's, or a stray word GLUT will ignore
            continue;
        }
        if (!o.Blad.empty())
            continue;
        if (arg == "--window")
            o.Tryb = TrybOkna::Okno;
        else if (arg == "--fullscreen")
            o.Tryb = TrybOkna::PelnyEkran;
        else if (arg == "--help")
            o.Pomoc = true;
        else if (arg == "--version")
            o.Wersja = true;
        else if (arg == "--dump")
            o.Zrzut = true;
        else if (!Wartosc(arg, "--record", i, argc, argv, o.Nagraj, o.Blad)
                 && !Wartosc(arg, "--replay", i, argc, argv, o.Odtworz, o.Blad))
            o.Blad = "unknown option " + arg;
    }
    argv[zostaje] = nullptr;
    argc = zostaje;
    Sprawdz(o);
    return o;
}

void UstalSciezkiDema(Opcje& o)
{
    for (std::string* sciezka : {&o.Nagraj, &o.Odtworz}) {
        std::error_code ec;   // without a working directory the name is kept as given
        if (!sciezka->empty()) {
            const std::filesystem::path pelna = std::filesystem::absolute(*sciezka, ec);
            if (!ec)
                *sciezka = pelna.string();
        }
    }
}

void DrukujUzycie(std::ostream& wy)
{
    wy << "Usage: zorbit3d [OPTION]... [GLUT OPTION]...\n"
          "Steer a ball through a 3D maze, eat every pellet and keep clear of the ghosts.\n"
          "\n"
          "  --window         play in a 640x480 window, without the console question\n"
          "  --fullscreen     play full screen, without the console question\n"
          "  --record FILE    write a demo of this game to FILE\n"
          "  --replay FILE    play the demo in FILE back\n"
          "  --dump           with --replay: no window; print the game's state once a game second\n"
          "  --help           show this help and exit\n"
          "  --version        show the version and exit\n"
          "\n"
          "Without --window or --fullscreen the game asks on the console. GLUT's own X options\n"
          "(-display DISPLAY, -geometry WxH+X+Y, ...) are passed on.\n";
}

void DrukujWersje(std::ostream& wy)
{
    wy << "Zorbit3D " << ZORBIT_WERSJA << "\n";
}

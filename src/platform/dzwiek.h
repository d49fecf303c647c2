// Sound effects by file name, in the three ways the game plays them.
#pragma once

constexpr unsigned SND_SYNC = 0x0000;    // play, return when the sound has ended
constexpr unsigned SND_ASYNC = 0x0001;   // return at once, cutting off any sound playing
constexpr unsigned SND_NOSTOP = 0x0010;  // with SND_ASYNC: do not start while another plays

// Longest wait of a SND_SYNC sound, ms: the game is frozen meanwhile (the exit sound), so a
// long or very slow file is cut off here rather than hold the window for its whole length.
constexpr unsigned NAJDLUZSZE_CZEKANIE_MS = 3000;

// Keys, transitions, player and ghosts: plays a WAV file by relative path. Files are
// loaded once and kept. With no audio device or no file it is silent and returns false.
bool PlaySoundA(const char* nazwa, void* modul, unsigned flagi);

// Start-up: opens the audio device (leaves the process's signal handling alone) and
// registers ZamknijDzwiek to run at exit.
void UruchomDzwiek();

// Exit and tests: closes the audio device and frees the loaded sounds; the next play opens it again.
void ZamknijDzwiek();

// Headless replay, before the game starts: every sound is silent and the device is never opened.
void BezDzwieku();

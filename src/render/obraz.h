// The BMP reader: a bitmap file (Windows device-independent bitmap) turned into packed RGB.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// A picture as the texture builder takes it.
struct RgbImage {
    int32_t width;                // pixels per row
    int32_t height;               // rows (positive, also for a top-down file)
    std::vector<uint8_t> pixels;  // width*height*3: red, green, blue; rows packed, bottom row first
};

// Null path, or a file that cannot be opened for reading: none, and no message.
// Otherwise whatever ReadDIBFile gives for the same path.
std::unique_ptr<RgbImage> LoadBMP(const char* filename);

// Reads and decodes the bitmap at path (not null); on failure shows one message through PokazBlad
// ("Failed to open DIB file <path>.\n", "Unknown DIB file format.",
// "Image file conversion error." or "Out of memory.") and returns none.
std::unique_ptr<RgbImage> ReadDIBFile(const char* path);

// The same decoding and messages for a file already in memory (the fuzzer's entry).
std::unique_ptr<RgbImage> ReadDIBMemory(const uint8_t* dane, size_t rozmiar);

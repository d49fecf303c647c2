# The BMP reader's fuzzer (bmp_fuzz in the fuzzers' build), seeded with the reader's fixtures.
zorbit_fuzzer(bmp ${CMAKE_CURRENT_LIST_DIR}/bmp bmp 45 4096)

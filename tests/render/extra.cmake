# The BMP reader's fuzzer (bmp_fuzz in the fuzzers' build), seeded with the reader's fixtures.
zorbit_fuzzer(bmp ${CMAKE_CURRENT_LIST_DIR}/bmp bmp 45 4096)
# The fill savings are compared on the benchmarks' full board.
target_sources(wypelnienie_rtest PRIVATE ${PROJECT_SOURCE_DIR}/bench/plansza_pelna.cpp)
target_include_directories(wypelnienie_rtest PRIVATE ${PROJECT_SOURCE_DIR}/bench)

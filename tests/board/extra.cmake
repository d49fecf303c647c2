# The map loader's fuzzer (mapa_fuzz in the fuzzers' build), seeded with the shipped levels.
zorbit_fuzzer(mapa ${PROJECT_SOURCE_DIR}/data/mapy map 30 2048)

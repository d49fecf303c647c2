# The map loader's fuzzer (mapa_fuzz in the fuzzers' build), seeded with the shipped levels.
zorbit_fuzzer(mapa ${CMAKE_CURRENT_LIST_DIR}/mapa/fuzz.sh ${PROJECT_SOURCE_DIR}/data/mapy)

# The map loader's fuzzer, from the loader alone and stand-ins for the state and actors it touches.
zorbit_fuzzer(mapa ${PROJECT_SOURCE_DIR}/data/mapy map 30 2048
  ZRODLA
    ${CMAKE_CURRENT_LIST_DIR}/mapa_fuzz.cpp
    ${PROJECT_SOURCE_DIR}/src/board/mapa.cpp
  NAGLOWKI
    ${PROJECT_SOURCE_DIR}/src/board/mapa.h ${PROJECT_SOURCE_DIR}/src/actors/duch.h
    ${PROJECT_SOURCE_DIR}/src/actors/zorbit.h ${PROJECT_SOURCE_DIR}/src/shell/stale.h)

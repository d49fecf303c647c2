# The BMP reader's fuzzer, from the reader's sources and a stub of PokazBlad.
zorbit_fuzzer(bmp ${CMAKE_CURRENT_LIST_DIR}/bmp bmp 45 4096
  ZRODLA
    ${CMAKE_CURRENT_LIST_DIR}/bmp_fuzz.cpp
    ${PROJECT_SOURCE_DIR}/src/render/bmp.cpp
    ${PROJECT_SOURCE_DIR}/src/render/bmp_naglowek.cpp
    ${PROJECT_SOURCE_DIR}/src/render/bmp_piksele.cpp
  NAGLOWKI
    ${PROJECT_SOURCE_DIR}/src/render/obraz.h ${PROJECT_SOURCE_DIR}/src/render/bmp_dekoder.h)

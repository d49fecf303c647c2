# The BMP reader's fuzzer: built with clang++ straight from the reader's sources and a
# stub of PokazBlad (the main build is g++), built and run for a bounded time by
# `ctest -L fuzz`. Without clang++ the test is skipped.
find_program(ZORBIT_CLANGXX NAMES clang++ clang++-14)
if(ZORBIT_CLANGXX)
  set(bmp_fuzz_zrodla
    ${CMAKE_CURRENT_LIST_DIR}/bmp_fuzz.cpp
    ${PROJECT_SOURCE_DIR}/src/render/bmp.cpp
    ${PROJECT_SOURCE_DIR}/src/render/bmp_naglowek.cpp
    ${PROJECT_SOURCE_DIR}/src/render/bmp_piksele.cpp)
  set(bmp_fuzz_program ${CMAKE_CURRENT_BINARY_DIR}/bmp_fuzz)
  add_custom_command(OUTPUT ${bmp_fuzz_program}
    COMMAND ${ZORBIT_CLANGXX} -std=c++17 -g -O1 -Wall -Wextra
            -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
            -I${PROJECT_SOURCE_DIR}/src ${bmp_fuzz_zrodla} -o ${bmp_fuzz_program}
    DEPENDS ${bmp_fuzz_zrodla}
            ${PROJECT_SOURCE_DIR}/src/render/obraz.h ${PROJECT_SOURCE_DIR}/src/render/bmp_dekoder.h
    COMMENT "libFuzzer target for the BMP reader")
  add_custom_target(bmp_fuzz DEPENDS ${bmp_fuzz_program})

  add_test(NAME fuzz_bmp_budowa
    COMMAND ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR} --target bmp_fuzz)
  set_tests_properties(fuzz_bmp_budowa PROPERTIES LABELS fuzz FIXTURES_SETUP bmp_fuzz TIMEOUT 300)
  add_test(NAME fuzz_bmp
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/bmp/fuzz.sh ${bmp_fuzz_program} ${CMAKE_CURRENT_LIST_DIR}/bmp)
  set_tests_properties(fuzz_bmp PROPERTIES LABELS fuzz FIXTURES_REQUIRED bmp_fuzz TIMEOUT 120)
else()
  add_test(NAME fuzz_bmp COMMAND sh -c "echo 'clang++ not found: the BMP fuzzer is skipped'; exit 77")
  set_tests_properties(fuzz_bmp PROPERTIES LABELS fuzz SKIP_RETURN_CODE 77)
endif()

# The end-to-end tests again on a build with AddressSanitizer and UndefinedBehaviorSanitizer
# (leak checking on), label asan: the build goes to build/asan, then every tests/e2e/test_*.py
# runs on it under sprawdz.py, which fails on any report from our code.
set(ZORBIT_BUDOWA_ASAN ${PROJECT_BINARY_DIR}/asan)
set(ZORBIT_FLAGI_ASAN "-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer")
add_test(NAME asan_budowa
  COMMAND sh -c "\"$0\" -S \"$1\" -B \"$2\" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORBIT_TESTS=OFF -DZORBIT_BENCH=OFF \"-DCMAKE_CXX_FLAGS=$3\" \"-DCMAKE_EXE_LINKER_FLAGS=$3\" >/dev/null && \"$0\" --build \"$2\" -j2"
          ${CMAKE_COMMAND} ${PROJECT_SOURCE_DIR} ${ZORBIT_BUDOWA_ASAN} ${ZORBIT_FLAGI_ASAN})
set_tests_properties(asan_budowa PROPERTIES LABELS asan FIXTURES_SETUP asan TIMEOUT 900)
foreach(plik IN LISTS ZORBIT_E2E)
  get_filename_component(nazwa "${plik}" NAME_WE)
  add_test(NAME asan_${nazwa} COMMAND ${PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/sprawdz.py "${plik}"
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(asan_${nazwa} PROPERTIES LABELS asan FIXTURES_REQUIRED asan TIMEOUT 600
    ENVIRONMENT "ZORBIT_BIN=${ZORBIT_BUDOWA_ASAN}/zorbit3d;ZORBIT_ZRODLO=${PROJECT_SOURCE_DIR}")
endforeach()

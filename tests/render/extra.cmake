# The BMP reader's fuzzer: built by clang++ in a build of its own (ZORBIT_FUZZ, under
# build/fuzz) from the reader's library target, then run for a bounded time by `ctest -L fuzz`.
# Without clang++ the test is skipped.
find_program(ZORBIT_CLANGXX NAMES clang++ clang++-14)
if(ZORBIT_CLANGXX)
  set(ZORBIT_BUDOWA_FUZZ ${PROJECT_BINARY_DIR}/fuzz)
  add_test(NAME fuzz_budowa
    COMMAND sh -c "\"$0\" -S \"$1\" -B \"$2\" -DCMAKE_CXX_COMPILER=\"$3\" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORBIT_FUZZ=ON -DZORBIT_TESTS=OFF -DZORBIT_BENCH=OFF >/dev/null && \"$0\" --build \"$2\" -j2 --target bmp_fuzz"
            ${CMAKE_COMMAND} ${PROJECT_SOURCE_DIR} ${ZORBIT_BUDOWA_FUZZ} ${ZORBIT_CLANGXX})
  set_tests_properties(fuzz_budowa PROPERTIES LABELS fuzz FIXTURES_SETUP fuzz TIMEOUT 600)
  add_test(NAME fuzz_bmp
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/bmp/fuzz.sh ${ZORBIT_BUDOWA_FUZZ}/bmp_fuzz ${CMAKE_CURRENT_LIST_DIR}/bmp)
  set_tests_properties(fuzz_bmp PROPERTIES LABELS fuzz FIXTURES_REQUIRED fuzz TIMEOUT 120)
else()
  add_test(NAME fuzz_bmp COMMAND sh -c "echo 'clang++ not found: the BMP fuzzer is skipped'; exit 77")
  set_tests_properties(fuzz_bmp PROPERTIES LABELS fuzz SKIP_RETURN_CODE 77)
endif()

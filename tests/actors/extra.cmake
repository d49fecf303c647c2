# The actors' soak run: long, so a program of its own under the label long. The levels it
# plays are found when it runs, so new ones are picked up without a rebuild.
add_executable(aktorzy_wytrwalosc ${CMAKE_CURRENT_LIST_DIR}/wytrwalosc.cpp)
target_link_libraries(aktorzy_wytrwalosc PRIVATE zorbit_gra zorbit_fake GTest::gtest_main)
target_compile_definitions(aktorzy_wytrwalosc PRIVATE ${ZORBIT_ZRODLO_DEF})
add_test(NAME aktorzy_wytrwalosc COMMAND aktorzy_wytrwalosc WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
set_tests_properties(aktorzy_wytrwalosc PROPERTIES LABELS long TIMEOUT 120)

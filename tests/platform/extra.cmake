# The real sound layer needs the real platform library, not the fake, so it is a program of its own.
add_executable(dzwiek_sdl ${CMAKE_CURRENT_LIST_DIR}/dzwiek_sdl.cpp)
target_link_libraries(dzwiek_sdl PRIVATE zorbit_platforma PkgConfig::SDL2 GTest::gtest_main)
gtest_discover_tests(dzwiek_sdl PROPERTIES LABELS unit TIMEOUT 60 DISCOVERY_TIMEOUT 60)
# The real clock, timers, random source and switches of a replay, without a window.
add_executable(zegar_dema ${CMAKE_CURRENT_LIST_DIR}/zegar_dema.cpp)
target_link_libraries(zegar_dema PRIVATE zorbit_platforma GTest::gtest_main)
target_compile_definitions(zegar_dema PRIVATE ${ZORBIT_ZRODLO_DEF})
gtest_discover_tests(zegar_dema PROPERTIES LABELS unit TIMEOUT 60 DISCOVERY_TIMEOUT 60)

# The real sound layer needs the real platform library, not the fake, so it is a program of its own.
add_executable(dzwiek_sdl ${CMAKE_CURRENT_LIST_DIR}/dzwiek_sdl.cpp)
target_link_libraries(dzwiek_sdl PRIVATE zorbit_platforma GTest::gtest_main)
gtest_discover_tests(dzwiek_sdl PROPERTIES LABELS unit TIMEOUT 60 DISCOVERY_TIMEOUT 60)

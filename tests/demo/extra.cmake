# Replays of committed demos. Each tests/demo/<name>.demo is played headlessly by the real
# program in tests/demo/dane (its own level files) and its dump is compared line by line with
# <name>.zrzut. The demos are made from <name>.plan by demo_z_planu; zrob.sh remakes both.
add_executable(demo_z_planu ${CMAKE_CURRENT_LIST_DIR}/demo_z_planu.cpp)
target_link_libraries(demo_z_planu PRIVATE zorbit_gra zorbit_fake)

file(GLOB ZORBIT_DEMA CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.demo)
foreach(demo IN LISTS ZORBIT_DEMA)
  get_filename_component(nazwa "${demo}" NAME_WE)
  add_test(NAME demo_${nazwa}
    COMMAND ${PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/porownaj.py $<TARGET_FILE:zorbit3d> "${demo}")
  set_tests_properties(demo_${nazwa} PROPERTIES LABELS demo TIMEOUT 120)
endforeach()

# The real program's soak run (label long): random keys for 25 s, memory flat, SIGTERM within a second.
# By hand, for longer: python3 tests/wytrwalosc/gra.py SECONDS [SEED]
add_test(NAME wytrwalosc_gry COMMAND ${PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/gra.py 25
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
set_tests_properties(wytrwalosc_gry PROPERTIES LABELS long TIMEOUT 180
  ENVIRONMENT "ZORBIT_BIN=$<TARGET_FILE:zorbit3d>;ZORBIT_ZRODLO=${PROJECT_SOURCE_DIR}")

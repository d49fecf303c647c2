# The content tools: level checker and compiler, picture and sound generators. Each test
# rebuilds what we ship from its source and compares it byte for byte with data/.
foreach(zorbit_narzedzie poziomy grafika dzwieki)
  add_test(NAME narzedzia_${zorbit_narzedzie}
    COMMAND ${PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/${zorbit_narzedzie}_testy.py
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(narzedzia_${zorbit_narzedzie} PROPERTIES LABELS unit TIMEOUT 120
    ENVIRONMENT "ZORBIT_ZRODLO=${PROJECT_SOURCE_DIR}")
endforeach()

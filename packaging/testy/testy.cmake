# The release checks (label wydanie): the desktop entry, the metainfo and the manual
# page through their validators, then the Debian package built from the finished build
# tree, through lintian and a look at what it holds.
find_program(ZORBIT_DPKG dpkg)
if(ZORBIT_DPKG)
  execute_process(COMMAND ${ZORBIT_DPKG} --print-architecture
    OUTPUT_VARIABLE ZORBIT_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
set(ZORBIT_PAKIETY ${CMAKE_CURRENT_BINARY_DIR}/pakiet)
set(ZORBIT_DEB
  ${ZORBIT_PAKIETY}/${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}_${ZORBIT_ARCH}.deb)
set(ZORBIT_BEZ_UWAG sh ${CMAKE_CURRENT_LIST_DIR}/bez_uwag.sh)

add_test(NAME wydanie_desktop
  COMMAND ${ZORBIT_BEZ_UWAG} desktop-file-validate ${CMAKE_CURRENT_SOURCE_DIR}/${ZORBIT_ID}.desktop)
# --strict fails on warnings and infos too; only the pedantic hints pass.
add_test(NAME wydanie_metainfo
  COMMAND appstreamcli validate --no-net --strict ${CMAKE_CURRENT_SOURCE_DIR}/${ZORBIT_ID}.metainfo.xml)
add_test(NAME wydanie_man
  COMMAND ${ZORBIT_BEZ_UWAG} groff -man -ww -z ${CMAKE_CURRENT_SOURCE_DIR}/zorbit3d.6)

# The package is made of the build: build first, as the fuzzers' tests do.
add_test(NAME wydanie_budowa COMMAND ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR})
set_tests_properties(wydanie_budowa PROPERTIES FIXTURES_SETUP wydanie_program TIMEOUT 600)
add_test(NAME wydanie_cpack
  COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${ZORBIT_PAKIETY} --config ${PROJECT_BINARY_DIR}/CPackConfig.cmake
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
set_tests_properties(wydanie_cpack PROPERTIES
  FIXTURES_REQUIRED wydanie_program FIXTURES_SETUP wydanie_deb TIMEOUT 300)
add_test(NAME wydanie_lintian COMMAND lintian --fail-on error --tag-display-limit 0 ${ZORBIT_DEB})
add_test(NAME wydanie_zawartosc
  COMMAND ${PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/zawartosc_testy.py ${ZORBIT_DEB})
set_tests_properties(wydanie_lintian wydanie_zawartosc PROPERTIES FIXTURES_REQUIRED wydanie_deb)

set_tests_properties(wydanie_desktop wydanie_metainfo wydanie_man wydanie_budowa wydanie_cpack
  wydanie_lintian wydanie_zawartosc PROPERTIES LABELS wydanie)
set_tests_properties(wydanie_desktop wydanie_metainfo wydanie_man wydanie_lintian wydanie_zawartosc
  PROPERTIES TIMEOUT 120)

# The host test program: a 32-bit process that loads zandrel.mfx and checks it,
# run under Wine with its own prefix in the build tree. A new file of check groups
# only needs adding to the list below.
add_executable(zandrel_wine_host
  ${CMAKE_SOURCE_DIR}/tests/wine/wine_host.cpp
  ${CMAKE_SOURCE_DIR}/tests/wine/entry_checks.cpp
  ${CMAKE_SOURCE_DIR}/tests/wine/runtime_checks.cpp
  ${CMAKE_SOURCE_DIR}/tests/wine/catalogue_checks.cpp
  ${CMAKE_SOURCE_DIR}/tests/wine/resource_checks.cpp
  ${CMAKE_SOURCE_DIR}/tests/wine/settings_checks.cpp
)
# The linked-in core serves the check that reads the device inventory directly.
target_link_libraries(zandrel_wine_host PRIVATE zandrel_core version gdi32)
target_link_options(zandrel_wine_host PRIVATE -static -static-libgcc -static-libstdc++)
add_dependencies(zandrel_wine_host zandrel_mfx)

find_program(ZANDREL_WINE wine)
if(ZANDREL_WINE)
  add_test(NAME wine_host_checks
    COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all
      ${ZANDREL_WINE} $<TARGET_FILE:zandrel_wine_host> $<TARGET_FILE:zandrel_mfx>)
  set_tests_properties(wine_host_checks PROPERTIES TIMEOUT 900 FAIL_REGULAR_EXPRESSION "[1-9][0-9]* failed")
endif()

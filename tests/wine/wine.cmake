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
  ${CMAKE_SOURCE_DIR}/tests/wine/inventory_checks.cpp
  # The reference host's simulated inventory, checked under the real scan.
  ${CMAKE_SOURCE_DIR}/tools/host/world_hooks_win32.cpp
  ${CMAKE_SOURCE_DIR}/tools/host/import_table_win32.cpp
  ${CMAKE_SOURCE_DIR}/platform/sim_world.cpp
)
# The linked-in core serves the checks that scan a device inventory directly.
target_link_libraries(zandrel_wine_host PRIVATE zandrel_core version gdi32)
target_link_options(zandrel_wine_host PRIVATE -static -static-libgcc -static-libstdc++)
add_dependencies(zandrel_wine_host zandrel_mfx)

find_program(ZANDREL_WINE wine)
if(ZANDREL_WINE)
  set(ZANDREL_WINE_ENV ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all)
  # One Wine server for the whole stage, started before the first Wine test and
  # stopped after the last: each test then finds the prefix made and Wine's
  # services running. The tests share the prefix's registry, so they hold the
  # lock "wineprefix" and run one at a time, also under ctest -j.
  add_test(NAME wine_server_start COMMAND ${ZANDREL_WINE_ENV} sh ${CMAKE_SOURCE_DIR}/tests/wine/wine_server.sh start)
  add_test(NAME wine_server_stop COMMAND ${ZANDREL_WINE_ENV} sh ${CMAKE_SOURCE_DIR}/tests/wine/wine_server.sh stop)
  set_tests_properties(wine_server_start PROPERTIES FIXTURES_SETUP wine_server TIMEOUT 900)
  set_tests_properties(wine_server_stop PROPERTIES FIXTURES_CLEANUP wine_server)

  add_test(NAME wine_host_checks COMMAND ${ZANDREL_WINE_ENV} ${ZANDREL_WINE} $<TARGET_FILE:zandrel_wine_host>
                                         $<TARGET_FILE:zandrel_mfx>)
  set_tests_properties(wine_host_checks PROPERTIES TIMEOUT 900 FAIL_REGULAR_EXPRESSION "[1-9][0-9]* failed"
                                                   FIXTURES_REQUIRED wine_server RESOURCE_LOCK wineprefix)

  # The release archive on its own: its host replays the pad checker's recording and
  # runs an example with the shipped library (one Wine process).
  if(ZANDREL_NATIVE_HOST)
    add_test(NAME wine_archive_replay
      COMMAND bash ${CMAKE_SOURCE_DIR}/windows/archive_replay.sh ${CMAKE_COMMAND}
              ${CMAKE_BINARY_DIR}/${ZANDREL_PACKAGE}.zip ${ZANDREL_PACKAGE_FOLDER} ${CMAKE_BINARY_DIR}/script-work/no_pad.zs
              ${ZANDREL_NATIVE_HOST} two_players.zs ${CMAKE_BINARY_DIR}/archive-replay)
    set_tests_properties(wine_archive_replay PROPERTIES
      ENVIRONMENT "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEDEBUG=-all" TIMEOUT 900
      FIXTURES_REQUIRED "wine_server;pad_recording" RESOURCE_LOCK wineprefix)
  endif()
endif()

# The release archive: `cmake --build build/windows --target package` makes
# zandrel-VERSION-win32.zip. Docs and examples go in by pattern, so new ones need no
# change here, only a line in windows/package_contents.txt, which package_contents checks.
install(FILES $<TARGET_FILE:zandrel_mfx> ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/CHANGELOG.md DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/ DESTINATION docs FILES_MATCHING PATTERN "*.md" PATTERN "*.svg")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION examples FILES_MATCHING PATTERN "*.zs")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME zandrel)
set(CPACK_PACKAGE_VENDOR "The zandrel developers")
set(ZANDREL_PACKAGE zandrel-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_FILE_NAME ${ZANDREL_PACKAGE})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
include(CPack)

add_test(NAME package_contents
  COMMAND ${CMAKE_COMMAND} -DARCHIVE=${CMAKE_BINARY_DIR}/${ZANDREL_PACKAGE}.zip
    -DEXPECTED=${CMAKE_SOURCE_DIR}/windows/package_contents.txt -DMFX=$<TARGET_FILE:zandrel_mfx>
    -P ${CMAKE_SOURCE_DIR}/windows/check_package.cmake)

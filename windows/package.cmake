# The release archive: `cmake --build build/windows --target package` makes
# zandrel-VERSION-win32.zip, one folder zandrel-VERSION/ with README.txt first. The
# guide and the event reference go in as HTML pages made by cmark-gfm from their
# Markdown sources; examples go in by pattern, so a new one needs no change here,
# only a line in windows/package_contents.txt, which package_contents checks.
find_program(ZANDREL_CMARK cmark-gfm REQUIRED)
set(ZANDREL_PAGES "")
foreach(page guide events)
  set(html ${CMAKE_BINARY_DIR}/${page}.html)
  add_custom_command(OUTPUT ${html}
    COMMAND ${CMAKE_COMMAND} -DCMARK=${ZANDREL_CMARK} -DSOURCE=${CMAKE_SOURCE_DIR}/docs/${page}.md -DOUTPUT=${html}
            -P ${CMAKE_SOURCE_DIR}/windows/html_page.cmake
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/${page}.md ${CMAKE_SOURCE_DIR}/windows/html_page.cmake
    COMMENT "Making ${page}.html")
  list(APPEND ZANDREL_PAGES ${html})
endforeach()
add_custom_target(zandrel_pages ALL DEPENDS ${ZANDREL_PAGES})

set(ZANDREL_PACKAGE_FOLDER zandrel-${PROJECT_VERSION})
set(ZANDREL_PACKAGE zandrel-${PROJECT_VERSION}-win32)
# The archive's files in their order, README.txt first; then examples/.
set(ZANDREL_PACKAGE_FILES
  ${CMAKE_SOURCE_DIR}/docs/README.txt $<TARGET_FILE:zandrel_mfx> $<TARGET_FILE:zandrel-pads> $<TARGET_FILE:zandrel-host>
  ${ZANDREL_PAGES}
  ${CMAKE_SOURCE_DIR}/docs/pad.svg ${CMAKE_SOURCE_DIR}/CHANGELOG.md ${CMAKE_SOURCE_DIR}/LICENSE)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/package_files.txt CONTENT "$<JOIN:${ZANDREL_PACKAGE_FILES},\n>\n")
add_custom_target(package
  COMMAND ${CMAKE_COMMAND} -DFILES=${CMAKE_BINARY_DIR}/package_files.txt -DEXAMPLES=${CMAKE_SOURCE_DIR}/examples
          -DFOLDER=${ZANDREL_PACKAGE_FOLDER} -DARCHIVE=${CMAKE_BINARY_DIR}/${ZANDREL_PACKAGE}.zip
          -P ${CMAKE_SOURCE_DIR}/windows/make_package.cmake
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Making ${ZANDREL_PACKAGE}.zip")
add_dependencies(package zandrel_mfx zandrel-pads zandrel-host zandrel_pages)

# The built files the archive must hold as they are now, and the pages as their sources
# make them now (an archive left from before fails).
set(ZANDREL_BUILT_FILES $<TARGET_FILE:zandrel_mfx> $<TARGET_FILE:zandrel-pads> $<TARGET_FILE:zandrel-host>)
add_test(NAME package_contents
  COMMAND ${CMAKE_COMMAND} -DARCHIVE=${CMAKE_BINARY_DIR}/${ZANDREL_PACKAGE}.zip -DFOLDER=${ZANDREL_PACKAGE_FOLDER}
    -DEXPECTED=${CMAKE_SOURCE_DIR}/windows/package_contents.txt "-DBUILT=${ZANDREL_BUILT_FILES}"
    -DCMARK=${ZANDREL_CMARK} "-DPAGE_SOURCES=${CMAKE_SOURCE_DIR}/docs/guide.md;${CMAKE_SOURCE_DIR}/docs/events.md"
    -P ${CMAKE_SOURCE_DIR}/windows/check_package.cmake)

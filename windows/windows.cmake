# The Windows artifacts: zandrel.mfx, its export and import check, and the host
# test program that loads it under Wine.
enable_language(RC)

add_library(zandrel_mfx SHARED windows/dll_main.cpp windows/zandrel.def resources/zandrel.rc)
target_link_libraries(zandrel_mfx PRIVATE zandrel_core)
set_target_properties(zandrel_mfx PROPERTIES OUTPUT_NAME zandrel PREFIX "" SUFFIX ".mfx")
# Users have no libstdc++, libgcc or winpthread DLL: link them in.
target_link_options(zandrel_mfx PRIVATE -static -static-libgcc -static-libstdc++)
set_property(SOURCE resources/zandrel.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/texts.inc ${CMAKE_SOURCE_DIR}/resources/menus.inc
  ${CMAKE_SOURCE_DIR}/resources/pad.bmp ${CMAKE_SOURCE_DIR}/resources/pad_grey.bmp
  ${ZANDREL_GENERATED_DIR}/zandrel_version.h)
target_include_directories(zandrel_mfx PRIVATE ${CMAKE_SOURCE_DIR}/resources)

find_program(ZANDREL_OBJDUMP i686-w64-mingw32-objdump REQUIRED)
add_test(NAME mfx_exports_and_imports
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${ZANDREL_OBJDUMP} -DMFX=$<TARGET_FILE:zandrel_mfx>
    -DEXPECTED=${CMAKE_SOURCE_DIR}/windows/expected_exports.txt -P ${CMAKE_SOURCE_DIR}/windows/check_exports.cmake)

include(${CMAKE_SOURCE_DIR}/tests/wine/wine.cmake OPTIONAL)

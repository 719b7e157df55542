# The Windows artifacts: zandrel.mfx, its export and import check, and the host
# test program that loads it under Wine.
enable_language(RC)

add_library(zandrel_mfx SHARED windows/dll_main.cpp windows/zandrel.def resources/zandrel.rc)
target_link_libraries(zandrel_mfx PRIVATE zandrel_core)
set_target_properties(zandrel_mfx PROPERTIES OUTPUT_NAME zandrel PREFIX "" SUFFIX ".mfx")
target_compile_options(zandrel_mfx PRIVATE -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -g)
# Users have no libstdc++, libgcc or winpthread DLL: link in the little of them it uses.
target_link_options(zandrel_mfx PRIVATE -static -static-libgcc -static-libstdc++)
set_property(SOURCE resources/zandrel.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/texts.inc ${CMAKE_SOURCE_DIR}/resources/menus.inc
  ${CMAKE_SOURCE_DIR}/resources/pad.bmp ${CMAKE_SOURCE_DIR}/resources/pad_grey.bmp
  ${ZANDREL_GENERATED_DIR}/zandrel_version.h)
target_include_directories(zandrel_mfx PRIVATE ${CMAKE_SOURCE_DIR}/resources)

# A shipped file is the stripped one, in place, so every test runs against it; its
# debug information moves to NAME.debug beside it, which the debug link names.
find_program(ZANDREL_OBJCOPY i686-w64-mingw32-objcopy REQUIRED)
function(zandrel_strip_to_debug_file target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${ZANDREL_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}> $<TARGET_FILE_NAME:${target}>.debug
    COMMAND ${ZANDREL_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug
            $<TARGET_FILE_NAME:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()
zandrel_strip_to_debug_file(zandrel_mfx)

# The pad checker, shipped beside zandrel.mfx, which it loads from its own folder. Like
# the library it uses no C++ library class, so it stays small.
add_executable(zandrel-pads ${CMAKE_SOURCE_DIR}/tools/pads/pads_win32.cpp ${CMAKE_SOURCE_DIR}/tools/pads/pad_session.cpp
               ${CMAKE_SOURCE_DIR}/tools/pads/pad_window_win32.cpp
               ${CMAKE_SOURCE_DIR}/tools/host/effect_text.cpp ${CMAKE_SOURCE_DIR}/tools/host/import_table_win32.cpp)
target_include_directories(zandrel-pads PRIVATE ${CMAKE_SOURCE_DIR} ${ZANDREL_GENERATED_DIR})
target_compile_definitions(zandrel-pads PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
target_compile_options(zandrel-pads PRIVATE -fno-exceptions -fno-rtti -g)
target_link_libraries(zandrel-pads PRIVATE winmm xinput9_1_0 ole32 wbemuuid shell32 gdi32 user32)
target_link_options(zandrel-pads PRIVATE -static -static-libgcc -static-libstdc++)
set_target_properties(zandrel-pads PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
zandrel_strip_to_debug_file(zandrel-pads)

find_program(ZANDREL_OBJDUMP i686-w64-mingw32-objdump REQUIRED)
find_program(ZANDREL_ADDR2LINE i686-w64-mingw32-addr2line REQUIRED)
add_test(NAME mfx_exports_and_imports
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${ZANDREL_OBJDUMP} -DMFX=$<TARGET_FILE:zandrel_mfx>
    -DEXPECTED=${CMAKE_SOURCE_DIR}/windows/expected_exports.txt -P ${CMAKE_SOURCE_DIR}/windows/check_exports.cmake)
# At most 64 KB, no debug information inside, and an export's address found in the
# source through the debug link.
add_test(NAME mfx_lean
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${ZANDREL_OBJDUMP} -DADDR2LINE=${ZANDREL_ADDR2LINE}
    -DBINARY=$<TARGET_FILE:zandrel_mfx> -DBUDGET=65536 -DEXPORT=HandleRunObject
    -P ${CMAKE_SOURCE_DIR}/windows/check_lean.cmake)
# The pad checker: at most 128 KB, its debug information beside it.
add_test(NAME pads_lean
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${ZANDREL_OBJDUMP} -DBINARY=$<TARGET_FILE:zandrel-pads> -DBUDGET=131072
    -P ${CMAKE_SOURCE_DIR}/windows/check_lean.cmake)

include(${CMAKE_SOURCE_DIR}/windows/package.cmake)
include(${CMAKE_SOURCE_DIR}/tests/wine/wine.cmake OPTIONAL)

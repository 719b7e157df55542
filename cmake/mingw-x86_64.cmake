# Cross build of the parts that carry no 32-bit host record, for the pad stage: 64-bit mingw-w64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

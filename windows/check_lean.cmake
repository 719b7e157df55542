# Fails when the shipped zandrel.mfx grows past its budget, carries debug
# information, or lost the way to it: the debug link must name zandrel.mfx.debug
# and an export's address must resolve to a source line through it, as a crash
# address would.
# cmake -DOBJDUMP=... -DADDR2LINE=... -DMFX=... -DBUDGET=bytes -P check_lean.cmake
cmake_minimum_required(VERSION 3.20)
set(errors "")

file(SIZE ${MFX} size)
if(size GREATER BUDGET)
  string(APPEND errors "size ${size} bytes, over the budget of ${BUDGET}\n")
endif()

execute_process(COMMAND ${OBJDUMP} -h ${MFX} OUTPUT_VARIABLE sections RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} -h ${MFX} failed")
endif()
if(sections MATCHES "[ \t](\\.debug_[a-z_]+)")
  string(APPEND errors "debug section inside: ${CMAKE_MATCH_1}\n")
endif()
get_filename_component(mfx_name ${MFX} NAME)
if(NOT sections MATCHES "\\.gnu_debuglink")
  string(APPEND errors "no .gnu_debuglink section\n")
else()
  file(STRINGS ${MFX} link_names REGEX "^${mfx_name}\\.debug$")
  if(NOT link_names)
    string(APPEND errors "the debug link does not name ${mfx_name}.debug\n")
  endif()
endif()

# HandleRunObject's address: image base + its entry in the export address table.
execute_process(COMMAND ${OBJDUMP} -p ${MFX} OUTPUT_VARIABLE dump)
string(REGEX MATCH "ImageBase[ \t]+([0-9a-f]+)" unused "${dump}")
set(base ${CMAKE_MATCH_1})
string(REGEX MATCH "\\[ *([0-9]+)\\] HandleRunObject\n" unused "${dump}")
set(index ${CMAKE_MATCH_1})
string(REGEX MATCH "\\[ *${index}\\] \\+base\\[ *[0-9]+\\] ([0-9a-f]+) Export RVA" unused "${dump}")
set(rva ${CMAKE_MATCH_1})
if(NOT base OR index STREQUAL "" OR NOT rva)
  string(APPEND errors "HandleRunObject's address not found in the export table\n")
else()
  math(EXPR address "0x${base} + 0x${rva}" OUTPUT_FORMAT HEXADECIMAL)
  execute_process(COMMAND ${ADDR2LINE} -e ${MFX} ${address} OUTPUT_VARIABLE line OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT line MATCHES "\\.cpp:[0-9]+")
    string(APPEND errors "HandleRunObject at ${address} resolves to \"${line}\", not a source line\n")
  endif()
endif()

if(errors)
  message(FATAL_ERROR "${MFX}:\n${errors}")
endif()
message(STATUS "${size} of ${BUDGET} bytes; HandleRunObject at ${address} is ${line}")

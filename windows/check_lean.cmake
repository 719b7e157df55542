# Fails when a shipped file (zandrel.mfx, zandrel-pads.exe, zandrel-host.exe) grows
# past its budget (with BESIDE, one it shares with that file), carries debug
# information, or lost the way to it: the debug link must name NAME.debug, and with
# EXPORT the export's address must resolve to a source line through it, as a crash
# address would.
# cmake -DOBJDUMP=... [-DADDR2LINE=... -DEXPORT=name] [-DBESIDE=file] -DBINARY=... -DBUDGET=bytes
#       -P check_lean.cmake
cmake_minimum_required(VERSION 3.20)
set(errors "")

file(SIZE ${BINARY} size)
if(BESIDE)
  file(SIZE ${BESIDE} beside_size)
  math(EXPR size "${size} + ${beside_size}")
endif()
if(size GREATER BUDGET)
  string(APPEND errors "size ${size} bytes, over the budget of ${BUDGET}\n")
endif()

execute_process(COMMAND ${OBJDUMP} -h ${BINARY} OUTPUT_VARIABLE sections RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} -h ${BINARY} failed")
endif()
if(sections MATCHES "[ \t](\\.debug_[a-z_]+)")
  string(APPEND errors "debug section inside: ${CMAKE_MATCH_1}\n")
endif()
get_filename_component(binary_name ${BINARY} NAME)
if(NOT sections MATCHES "\\.gnu_debuglink")
  string(APPEND errors "no .gnu_debuglink section\n")
else()
  file(STRINGS ${BINARY} link_names REGEX "^${binary_name}\\.debug$")
  if(NOT link_names)
    string(APPEND errors "the debug link does not name ${binary_name}.debug\n")
  endif()
endif()

# The export's address: image base + its entry in the export address table.
if(EXPORT)
  execute_process(COMMAND ${OBJDUMP} -p ${BINARY} OUTPUT_VARIABLE dump)
  string(REGEX MATCH "ImageBase[ \t]+([0-9a-f]+)" unused "${dump}")
  set(base ${CMAKE_MATCH_1})
  string(REGEX MATCH "\\[ *([0-9]+)\\] ${EXPORT}\n" unused "${dump}")
  set(index ${CMAKE_MATCH_1})
  string(REGEX MATCH "\\[ *${index}\\] \\+base\\[ *[0-9]+\\] ([0-9a-f]+) Export RVA" unused "${dump}")
  set(rva ${CMAKE_MATCH_1})
  if(NOT base OR index STREQUAL "" OR NOT rva)
    string(APPEND errors "${EXPORT}'s address not found in the export table\n")
  else()
    math(EXPR address "0x${base} + 0x${rva}" OUTPUT_FORMAT HEXADECIMAL)
    execute_process(COMMAND ${ADDR2LINE} -e ${BINARY} ${address} OUTPUT_VARIABLE line
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT line MATCHES "\\.cpp:[0-9]+")
      string(APPEND errors "${EXPORT} at ${address} resolves to \"${line}\", not a source line\n")
    endif()
  endif()
endif()

if(errors)
  message(FATAL_ERROR "${BINARY}:\n${errors}")
endif()
if(EXPORT)
  message(STATUS "${size} of ${BUDGET} bytes; ${EXPORT} at ${address} is ${line}")
else()
  message(STATUS "${size} of ${BUDGET} bytes")
endif()

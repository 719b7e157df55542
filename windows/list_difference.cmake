# zandrel_list_difference(WHAT EXPECTED ACTUAL ERRORS): appends to the variable
# ERRORS a line for every entry of list EXPECTED missing from list ACTUAL and for
# every entry of ACTUAL not in EXPECTED ("missing WHAT: x", "unexpected WHAT: y").
# The arguments name variables of the caller, so the locals carry a prefix.
function(zandrel_list_difference _zld_what _zld_expected _zld_actual _zld_errors)
  set(_zld_out "${${_zld_errors}}")
  foreach(_zld_name IN LISTS ${_zld_expected})
    if(NOT _zld_name IN_LIST ${_zld_actual})
      string(APPEND _zld_out "missing ${_zld_what}: ${_zld_name}\n")
    endif()
  endforeach()
  foreach(_zld_name IN LISTS ${_zld_actual})
    if(NOT _zld_name IN_LIST ${_zld_expected})
      string(APPEND _zld_out "unexpected ${_zld_what}: ${_zld_name}\n")
    endif()
  endforeach()
  set(${_zld_errors} "${_zld_out}" PARENT_SCOPE)
endfunction()

# Started where no display can be had, the program says so in one line on stderr and exits
# with an error instead of aborting. Run with -DPROGRAM=<path>.
foreach(display "" ":987")
  if(display STREQUAL "")
    set(environment --unset=DISPLAY)
  else()
    set(environment DISPLAY=${display})
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ${environment} --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${PROGRAM}
    RESULT_VARIABLE result ERROR_VARIABLE errors TIMEOUT 30)
  string(STRIP "${errors}" errors)
  string(REGEX MATCHALL "\n" breaks "${errors}")
  list(LENGTH breaks extraLines)
  if(NOT result STREQUAL "1" OR extraLines GREATER 0 OR NOT errors MATCHES "display")
    message(FATAL_ERROR "DISPLAY='${display}': exit '${result}', stderr:\n${errors}")
  endif()
  message(STATUS "DISPLAY='${display}': exit ${result}: ${errors}")
endforeach()

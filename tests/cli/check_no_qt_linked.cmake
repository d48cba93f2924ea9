# A program that must run without Qt: ldd names no Qt library among the
# shared libraries it loads (vantrel-cli's calculating commands; the
# presentation library's tests).
#   cmake -DPROGRAM=<program> -P check_no_qt_linked.cmake

find_program(LDD ldd REQUIRED)
execute_process(COMMAND ${LDD} ${PROGRAM} RESULT_VARIABLE status OUTPUT_VARIABLE libraries
                ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ldd ${PROGRAM} failed: ${errors}")
endif()
string(REGEX MATCHALL "[^\n]*libQt[^\n]*" qt "${libraries}")
if(qt)
  message(FATAL_ERROR "${PROGRAM} loads Qt:\n${qt}")
endif()

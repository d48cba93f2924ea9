# A design whose calculation reports an error gets no report: vantrel-cli
# names the errors, writes no file (nor touches an existing one) and ends
# with status 3.
#   cmake -DCLI=... -DDESIGN=....vtl -DOUT=... -P check_report_failure.cmake

file(WRITE "${OUT}" "earlier report")
execute_process(COMMAND "${CLI}" report "${DESIGN}" -o "${OUT}"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 3)
  message(FATAL_ERROR "expected exit status 3, got ${status}: ${errors}")
endif()
if(NOT errors MATCHES "error 13 \\(Type mismatch\\) in CalculateCutout of Tab1\n.*error 5 \\(Invalid procedure call or argument\\) in CalculateVP of Tab1\n")
  message(FATAL_ERROR "the errors are not named in chain order: ${errors}")
endif()
file(READ "${OUT}" kept)
if(NOT kept STREQUAL "earlier report")
  message(FATAL_ERROR "an errored design changed ${OUT}")
endif()
file(REMOVE "${OUT}")

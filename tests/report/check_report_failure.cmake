# A report whose a-override is not a number (a project file may hold one;
# --set refuses it) is not written: vantrel-cli reports the printing error
# and leaves no file.
#   cmake -DCLI=... -DDESIGN=....vtl -DOUT=... -P check_report_failure.cmake

file(REMOVE "${OUT}")
execute_process(COMMAND "${CLI}" report "${DESIGN}" -o "${OUT}"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 4)
  message(FATAL_ERROR "expected exit status 4, got ${status}: ${errors}")
endif()
if(NOT errors MATCHES "Unable to print report\\. Type mismatch \\(Error: 13\\)")
  message(FATAL_ERROR "no printing error reported: ${errors}")
endif()
if(EXISTS "${OUT}")
  message(FATAL_ERROR "a failed report left ${OUT}")
endif()

# Runs "vantrel /reg" and "vantrel /unreg" with no display and a private
# XDG_DATA_HOME: the association needs no widgets, and the desktop entry names
# the program that registered it.
#   cmake -DVANTREL=<program> -DWORK=<empty folder> -P app_association.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(run ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
        XDG_DATA_HOME=${WORK} ${VANTREL})

execute_process(COMMAND ${run} /reg RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "/reg ended with ${status}")
endif()
file(READ "${WORK}/applications/vantrel.desktop" entry)
if(NOT entry MATCHES "\nExec=${VANTREL} /open %f\n" OR NOT entry MATCHES "\nExec=${VANTREL} /print %f\n")
  message(FATAL_ERROR "the desktop entry does not run this program:\n${entry}")
endif()
file(READ "${WORK}/mime/packages/vantrel.xml" package)
if(NOT package MATCHES "<comment>Vantrel Calculator Files.</comment>")
  message(FATAL_ERROR "the MIME package lacks its comment:\n${package}")
endif()

execute_process(COMMAND ${run} /unreg RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "/unreg ended with ${status}")
endif()
file(GLOB_RECURSE left RELATIVE "${WORK}" "${WORK}/*vantrel*")
if(left)
  message(FATAL_ERROR "/unreg left ${left}")
endif()
file(REMOVE_RECURSE "${WORK}")

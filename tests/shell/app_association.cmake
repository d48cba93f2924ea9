# Runs "vantrel --help", "vantrel /reg" and "vantrel /unreg" with no display
# and a private XDG_DATA_HOME: none of them needs widgets.
#   cmake -DVANTREL=<program> -DWORK=<empty folder> -P app_association.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(run ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
        XDG_DATA_HOME=${WORK} ${VANTREL})

execute_process(COMMAND ${run} --help RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
foreach(form "/open" "/print" "/reg" "/unreg" "--version")
  if(NOT status EQUAL 0 OR NOT out MATCHES "${form}")
    message(FATAL_ERROR "--help ended with ${status} without naming ${form}:\n${out}${err}")
  endif()
endforeach()

execute_process(COMMAND ${run} /reg RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "/reg ended with ${status}")
endif()
# What the files say is association_test's; here only that they are written.
if(NOT EXISTS "${WORK}/applications/vantrel.desktop" OR NOT EXISTS "${WORK}/mime/packages/vantrel.xml")
  message(FATAL_ERROR "/reg did not write the desktop entry and the MIME package")
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

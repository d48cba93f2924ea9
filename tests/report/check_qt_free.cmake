# The report's page model and pages build without Qt: no file of report/
# except the painter canvas and the PDF writer may include a Qt header.
#   cmake -DDIR=<report folder> -P check_qt_free.cmake

file(GLOB files ${DIR}/*.h ${DIR}/*.cpp)
foreach(file ${files})
  get_filename_component(name ${file} NAME_WE)
  if(name STREQUAL "painter_canvas" OR name STREQUAL "report_pdf")
    continue()
  endif()
  file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
  if(includes)
    message(FATAL_ERROR "${file} includes Qt: ${includes}")
  endif()
endforeach()

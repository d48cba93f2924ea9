# Writes a report with vantrel-cli and checks the PDF with poppler's tools:
# three FEMA 350 pages and the current-code pages (page 4 on), every footer
# with the real page count, and the key texts where they belong.
#
#   cmake -DCLI=... -DOUT=... -DNAME=... -DVERSION=x.y.z [-DDESIGN=file.vtl] [-DVALUES=ON]
#         -P check_report_pdf.cmake
#
# NAME is the document name the footers must show; FRAME, if given, the frame
# type in the titles. VALUES=ON also checks the numbers of the W 21x44 beam on
# W 14x90 columns, 30 ft (given with --set); LOADED=ON the loads of
# examples/worked-example-loaded.vtl.

find_program(PDFINFO pdfinfo REQUIRED)
find_program(PDFTOTEXT pdftotext REQUIRED)

function(fail message)
  message(FATAL_ERROR "${message}")
endfunction()

function(expect_match text regex where)
  if(NOT text MATCHES "${regex}")
    fail("${where}: no match for \"${regex}\" in:\n${text}")
  endif()
endfunction()

file(REMOVE "${OUT}")
if(VALUES)
  set(design --set "Beam=W 21x44" --set "Column=W 14x90" --set "Length=30.00")
endif()
execute_process(COMMAND "${CLI}" report ${DESIGN} ${design} -o "${OUT}"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  fail("vantrel-cli report ended with ${status}: ${errors}")
endif()

execute_process(COMMAND "${PDFINFO}" "${OUT}" OUTPUT_VARIABLE info RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  fail("pdfinfo cannot read ${OUT}")
endif()
if(NOT info MATCHES "Pages: +([0-9]+)\n" OR CMAKE_MATCH_1 LESS 4)
  fail("pdfinfo: fewer than four pages in:\n${info}")
endif()
set(pages ${CMAKE_MATCH_1})

if(NOT FRAME)
  set(FRAME "SMRF|OMRF")
endif()
set(date "[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]")
set(text_4 "")
foreach(page RANGE 1 ${pages})
  execute_process(COMMAND "${PDFTOTEXT}" -layout -f ${page} -l ${page} "${OUT}" -
                  OUTPUT_VARIABLE text)
  if(page LESS 4)
    set(text_${page} "${text}")
  else()
    string(APPEND text_4 "${text}")  # the current-code pages as one text
  endif()
  string(REPLACE "." "\\." version "${VERSION}")
  expect_match("${text}" "^ *Vantrel V\\.${version}\n" "page ${page} version line")
  expect_match("${text}" "Reduced Beam Section Connection \\((${FRAME})\\)" "page ${page} title")
  expect_match("${text}" "Based on FEMA 350 \\(July 2000\\)" "page ${page} FEMA line")
  expect_match("${text}" "Page ${page} of ${pages} +${NAME} +${date}[^A-Za-z0-9]*$"
               "page ${page} footer")
endforeach()

expect_match("${text_1}" "Beam Properties of:" "page 1")
expect_match("${text_1}" "RBS Geometry of the Beam:" "page 1")
expect_match("${text_1}" "Beam and column parameters" "page 1")
expect_match("${text_1}" "Calculated Values" "page 1")
expect_match("${text_2}" "Mf\n.*Doubler Plates\n.*Continuity Plates\n.*Beam Flange\n.*Beam Web\n"
             "page 2 groups")
expect_match("${text_2}" "Moment capacity of the beam at RBS" "page 2")
expect_match("${text_3}" "Gravity Loads at Beam\n.*Distributed Loads\n.*Point Loads\n.*Notes and Assumptions"
             "page 3 order")
expect_match("${text_3}" "3- For bracing and other requirements see FEMA 350\\." "page 3 notes")
expect_match("${text_3}" "Weak Beam action is not checked on these pages; page 4 checks it" "page 3 notes")
expect_match("${text_4}" "Current-code checks: AISC 358-16, AISC 341-16, AISC 360-16 \\(LRFD\\)"
             "page 4 heading")
expect_match("${text_4}" "Prequalification limits\n.*Strength\n.*Slenderness\n.*Plates and details\n.*Bracing and detailing\n.*Assumptions\n.*1- LRFD.*Where this differs from FEMA 350"
             "page 4 order")

if(VALUES)
  expect_match("${text_1}" "Beam Properties of: *W 21x44\n" "page 1 beam")
  expect_match("${text_1}" "d: +20\\.7 in\\. +Tf: +0\\.45 in\\. +Sx: +81\\.6 in³" "page 1 beam row")
  expect_match("${text_1}" "Column Properties of: *W 14x90\n" "page 1 column")
  expect_match("${text_1}" "a=Beam Flange x 0\\.60 = +4\\.00 +in\\. +From 3\\.900 +in\\." "page 1 a")
  expect_match("${text_1}" "Beam Length \\(Column C/C\\) +30\\.00 ft\\." "page 1 length")
  expect_match("${text_1}" "Mpr +382\\.8 ft-kip +Probable peak plastic hinge moment at RBS"
               "page 1 Mpr")
  expect_match("${text_3}" "0\\.000 +kip/ft +0\\.000 +kip/ft\n" "page 3 loads")
  expect_match("${text_3}" "0\\.000 +kip +0\\.000 +kip +0\\.00 ft\n" "page 3 point loads")
  expect_match("${text_3}" "L=30 ft\\." "page 3 sketch")
  expect_match("${text_3}" "Clear Span= 28\\.83 ft\\." "page 3 sketch")
  expect_match("${text_3}" "W 14x90 +W 21x44 +W 14x90" "page 3 sketch names")
  expect_match("${text_4}" "LRFD\\), SMF\n" "page 4 system")
  expect_match("${text_4}" "The design does not meet the current code" "page 4 verdict")
  expect_match("${text_4}" "10\\.211 +≤ 7\\.348 +fail +358 5\\.3\\.2\\(6\\)" "page 4 column flange")
  expect_match("${text_4}" "0\\.939 +pass +358 5\\.8-7" "page 4 flexure ratio")
  expect_match("${text_4}" "0\\.710 in +≥ 1\\.083 in +required +341 E3\\.6f\\.1"
               "page 4 continuity plates")
  expect_match("${text_4}" "1\\.531 +> 1\\.000 +exempt +341 E3\\.4a" "page 4 strong column")
  expect_match("${text_4}" "3\\.250 to 4\\.875 in +pass +358 5\\.8-1\n" "page 4 cut a")
  expect_match("${text_4}" "Column bracing at the beam flanges +top and bottom flanges +info"
               "page 4 column bracing")
  expect_match("${text_4}" "12- Point-load locations" "page 4 last assumption")
endif()

if(LOADED)
  expect_match("${text_3}" "1\\.000 +kip/ft +0\\.500 +kip/ft\n" "page 3 distributed loads")
  expect_match("${text_3}" "10\\.000 +kip +0\\.000 +kip +10\\.00 ft\n" "page 3 point loads")
endif()

# Installs the build with "cmake --install --prefix /opt/vantrel" below a
# fresh folder (DESTDIR) and runs the installed programs there: their
# version, a calculation and a report of the installed example (the report
# program found in the libexec folder), the lookup of the sample report, and
# "/reg" and "/unreg" from a prefix that the desktop does not read, and from
# one that it does.
#   cmake -DBUILD=<build dir> -DWORK=<folder> -DVERSION=<x.y.z> -DDOCDIR=<relative>
#         -DBINDIR=<relative> -DLIBEXECDIR=<relative> -DFINDER=<find_companions>
#         -P install_test.cmake
# expect("<condition>" "<message>"): fails the test when the condition is false.
function(expect condition what)
  cmake_language(EVAL CODE "if(NOT (${condition}))\n message(FATAL_ERROR [==[${what}]==])\nendif()")
endfunction()

file(REMOVE_RECURSE "${WORK}")
set(prefix ${WORK}/root/opt/vantrel)
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${WORK}/root
                        ${CMAKE_COMMAND} --install ${BUILD} --prefix /opt/vantrel
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
expect("status EQUAL 0" "cmake --install failed: ${err}")
set(bin ${prefix}/${BINDIR})
set(doc ${prefix}/${DOCDIR})
set(headless ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
             --unset=XDG_DATA_DIRS XDG_DATA_HOME=${WORK}/data)

# The version both programs print is the project's.
foreach(program vantrel vantrel-cli)
  execute_process(COMMAND ${headless} ${bin}/${program} --version
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  expect("status EQUAL 0" "${program} --version ended with ${status}: ${err}")
  expect("out STREQUAL \"${program} ${VERSION}\n\"" "${program} --version printed '${out}'")
endforeach()

# The installed calculator on the installed example: the worked example's
# column, and a summary (its continuity plates fail, so status 1).
execute_process(COMMAND ${bin}/vantrel-cli calc ${doc}/examples/worked-example.vtl
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("status EQUAL 1" "calc of the installed example ended with ${status}: ${err}")
expect("out MATCHES \"W 14x90\" AND out MATCHES \"Summary: \""
       "calc of the installed example printed:\n${out}")

# The installed report command runs the report program of the libexec folder.
set(pdf ${WORK}/installed-report.pdf)
execute_process(COMMAND ${bin}/vantrel-cli report ${doc}/examples/worked-example.vtl -o ${pdf}
                RESULT_VARIABLE status ERROR_VARIABLE err)
expect("status EQUAL 0 AND EXISTS ${pdf}" "the installed report ended with ${status}: ${err}")
expect("EXISTS ${prefix}/${LIBEXECDIR}/vantrel-report AND NOT EXISTS ${bin}/vantrel-report"
       "the report program is not in ${LIBEXECDIR} alone")

# The window's lookup finds the installed sample report and examples.
execute_process(COMMAND ${FINDER} ${bin} OUTPUT_VARIABLE found RESULT_VARIABLE status)
expect("status EQUAL 0" "find_companions failed")
expect("found STREQUAL \"sample=${doc}/Vantrel_Sample.pdf\nexamples=${doc}/examples\ninstalled=1\n\""
       "the installed program finds:\n${found}")
expect("EXISTS ${doc}/Vantrel_Sample.pdf" "no installed sample report")

# Below /opt the desktop reads no association of the installation's: /reg
# writes this user's, naming the program by its absolute path; /unreg
# removes it again.
execute_process(COMMAND ${headless} ${bin}/vantrel /reg
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("status EQUAL 0" "/reg below /opt ended with ${status}: ${err}")
file(READ ${WORK}/data/applications/vantrel.desktop entry)
expect("entry MATCHES \"\nExec=${bin}/vantrel %F\n\"" "/reg below /opt wrote:\n${entry}")
execute_process(COMMAND ${headless} ${bin}/vantrel /unreg RESULT_VARIABLE status)
expect("status EQUAL 0 AND NOT EXISTS ${WORK}/data/applications/vantrel.desktop"
       "/unreg below /opt left the per-user desktop entry")

# Where the desktop reads the installation's association (its share folder
# among XDG_DATA_DIRS, as /usr/share is for the package), /reg writes
# nothing and says so; /unreg still removes what a build-folder copy
# registered for this user.
file(REMOVE_RECURSE ${WORK}/data)
set(seen ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
         XDG_DATA_HOME=${WORK}/data XDG_DATA_DIRS=${prefix}/share:/usr/share)
execute_process(COMMAND ${seen} ${bin}/vantrel /reg
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("status EQUAL 0" "/reg ended with ${status}")
expect("NOT EXISTS ${WORK}/data" "/reg from an installed location wrote the per-user association")
expect("err MATCHES \"installed.*/reg wrote nothing\"" "/reg said nothing about the installation: '${out}${err}'")
file(WRITE ${WORK}/data/applications/vantrel.desktop "[Desktop Entry]\n")
execute_process(COMMAND ${seen} ${bin}/vantrel /unreg
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("status EQUAL 0" "/unreg ended with ${status}")
expect("NOT EXISTS ${WORK}/data/applications/vantrel.desktop"
       "/unreg left the per-user desktop entry")
expect("err MATCHES \"installed\"" "/unreg said nothing about the installation: '${out}${err}'")

# The build folder keeps its own layout for "make run".
execute_process(COMMAND ${FINDER} ${BUILD}/bin OUTPUT_VARIABLE found)
expect("found STREQUAL \"sample=${BUILD}/bin/Vantrel_Sample.pdf\nexamples=${BUILD}/bin/examples\ninstalled=0\n\""
       "the build-folder program finds:\n${found}")
file(REMOVE_RECURSE "${WORK}")

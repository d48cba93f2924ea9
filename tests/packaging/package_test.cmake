# Builds the Debian package of the build folder into a fresh folder with
# CPack and checks what it holds: the programs, the desktop entry (which must
# pass desktop-file-validate), the MIME type, the icons, the AppStream
# metainfo (which must pass appstreamcli validate, offline), the manual
# pages, the sample report and the examples, and its control fields; then
# lintian, where installed, must report no error and no warning.
#   cmake -DBUILD=<build dir> -DWORK=<folder> -DVERSION=<x.y.z> -P package_test.cmake
# Prints "SKIPPED: ..." (which the test reports as skipped) where the Debian
# tools are missing.
function(expect condition what)
  cmake_language(EVAL CODE "if(NOT (${condition}))\n message(FATAL_ERROR [==[${what}]==])\nendif()")
endfunction()

foreach(tool dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli)
  find_program(${tool}_path ${tool})
  if(NOT ${tool}_path)
    message("SKIPPED: ${tool} is not installed (make deps installs it)")
    return()
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
get_filename_component(cpack ${CMAKE_COMMAND} DIRECTORY)
execute_process(COMMAND ${cpack}/cpack -G DEB -B ${WORK} --config ${BUILD}/CPackConfig.cmake
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("status EQUAL 0" "cpack failed:\n${out}${err}")
file(GLOB packages ${WORK}/vantrel_*.deb)
list(LENGTH packages count)
expect("count EQUAL 1" "expected one vantrel_*.deb, found '${packages}'")
get_filename_component(name ${packages} NAME)
expect("name MATCHES \"^vantrel_${VERSION}_[a-z0-9]+\\\\.deb$\"" "package file name ${name}")

execute_process(COMMAND dpkg-deb -c ${packages} OUTPUT_VARIABLE listing RESULT_VARIABLE status)
expect("status EQUAL 0" "dpkg-deb -c failed")
foreach(path
    usr/bin/vantrel
    usr/bin/vantrel-cli
    usr/libexec/vantrel/vantrel-report
    usr/share/applications/vantrel.desktop
    usr/share/mime/packages/vantrel.xml
    usr/share/icons/hicolor/scalable/apps/vantrel.svg
    usr/share/icons/hicolor/scalable/mimetypes/application-x-vantrel.svg
    usr/share/icons/hicolor/16x16/apps/vantrel.png
    usr/share/icons/hicolor/48x48/mimetypes/application-x-vantrel.png
    usr/share/icons/hicolor/256x256/apps/vantrel.png
    usr/share/metainfo/example.vantrel.Vantrel.metainfo.xml
    usr/share/man/man1/vantrel.1.gz
    usr/share/man/man1/vantrel-cli.1.gz
    usr/share/doc/vantrel/Vantrel_Sample.pdf
    usr/share/doc/vantrel/copyright
    usr/share/doc/vantrel/examples/worked-example.vtl
    usr/share/doc/vantrel/examples/worked-example-loaded.vtl
    usr/share/doc/vantrel/examples/omrf-frame.vtl)
  string(FIND "${listing}" " ./${path}\n" at)
  expect("NOT at EQUAL -1" "the package lacks ${path}:\n${listing}")
endforeach()

foreach(field Package Version Section Maintainer Depends Description)
  execute_process(COMMAND dpkg-deb -f ${packages} ${field} OUTPUT_VARIABLE ${field}
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
endforeach()
expect("Package STREQUAL vantrel AND Version STREQUAL ${VERSION} AND Section STREQUAL science"
       "control fields: ${Package} ${Version} ${Section}")
expect("Maintainer MATCHES \"<.+@.+>\"" "maintainer '${Maintainer}'")
# dpkg-shlibdeps found the Qt and C libraries; the run-time plugins are named too.
expect("Depends MATCHES \"libqt6widgets6\" AND Depends MATCHES \"libc6\" AND Depends MATCHES \"libqt6svg6\""
       "dependencies '${Depends}'")
expect("Description MATCHES \"Reduced Beam Section\"" "description '${Description}'")

execute_process(COMMAND dpkg-deb -x ${packages} ${WORK}/root RESULT_VARIABLE status)
expect("status EQUAL 0" "dpkg-deb -x failed")
execute_process(COMMAND desktop-file-validate ${WORK}/root/usr/share/applications/vantrel.desktop
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("status EQUAL 0 AND \"${out}${err}\" STREQUAL \"\"" "desktop-file-validate:\n${out}${err}")
execute_process(COMMAND appstreamcli validate --no-net --no-color
                        ${WORK}/root/usr/share/metainfo/example.vantrel.Vantrel.metainfo.xml
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("status EQUAL 0" "appstreamcli validate:\n${out}${err}")
execute_process(COMMAND file -b ${WORK}/root/usr/share/icons/hicolor/32x32/apps/vantrel.png
                OUTPUT_VARIABLE kind)
expect("kind MATCHES \"PNG image data, 32 x 32\"" "the 32x32 icon is '${kind}'")

# lintian takes a few seconds; a machine without it skips only this part.
find_program(lintian_path lintian)
if(lintian_path)
  execute_process(COMMAND ${lintian_path} --tag-display-limit 0 ${packages}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  expect("NOT out MATCHES \"(^|\n)[EW]: \"" "lintian reports errors or warnings:\n${out}")
  expect("status EQUAL 0" "lintian ended with ${status}:\n${out}${err}")
else()
  message("lintian is not installed (make deps installs it): the package was not linted")
endif()
file(REMOVE_RECURSE "${WORK}")

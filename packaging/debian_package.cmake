# The Debian package of "make package" (cpack -G DEB). Name and version come
# from the project; the shared-library dependencies from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "Vantrel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # vantrel_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantrel maintainers <support@vantrel.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: Qt's SVG plugins for
# the icons, and the fonts the report is measured in (Arial's metric twin).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation")
# Opening the sample report and project files from the desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, shared-mime-info, desktop-file-utils")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Reduced Beam Section moment connection calculator (FEMA 350)")
# CPack puts the summary above it as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vantrel designs a Reduced Beam Section (RBS) beam-to-column moment
connection for a single-bay steel moment frame, following FEMA 350
(July 2000), for special (SMRF) and ordinary (OMRF) moment resisting
frames.
.
From a beam and a column of the built-in table of 267 W-shapes, the steel
grade, the RBS cut, the span, the frame height and the gravity loads, it
calculates the cut geometry, the reduced section moduli, the probable
moments and shears and the drift factor, and checks the prequalification
limits, the moment at the column face, doubler and continuity plates,
slenderness, shear and the allowable moments. Beside FEMA 350 it checks
the same design against AISC 358-16 with AISC 341-16 and AISC 360-16.
Designs are saved as .vtl project files and printed as a report of three
FEMA 350 pages and the current-code pages.
.
The package holds the window program (vantrel) and the command-line
calculator (vantrel-cli) for scripts, which calculates, saves, reports,
runs batches of designs and searches every beam/column pair of the table;
its reports are painted by vantrel-report in /usr/libexec/vantrel.")
include(CPack)

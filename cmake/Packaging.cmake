# The Debian package made by `make package` (CPack): the programs in
# /usr/bin, the menu entry and its icon in the system's places, the manual
# pages and the bash completion, as the install rules put them. The shared
# libraries the programs link give the dependencies; what is loaded at run
# time instead (the SVG icon's plugin, the desktop's opener) is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VANTRO")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cut and batch-process WAV recordings by ear")
set(CPACK_PACKAGE_DESCRIPTION
    "VANTRO cuts long WAV recordings (radio, lessons, rehearsals, tapes) at moments\n\
found by listening, and runs batch jobs over many files: silence before and\n\
after, fades, joining, left/right separation and reversal, header\n\
normalisation, list joins and renaming. Every result is a new file; a source\n\
file is never changed. vantro-wav runs the same jobs from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "VANTRO developers <vantro@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pavucontrol, qt6-translations-l10n, fonts-noto-cjk | fonts-ipafont-gothic")
include(CPack)

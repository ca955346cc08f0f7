# A Debian package and a portable archive built by CPack: `cpack` in the build
# folder makes both, `cpack -G DEB` or `cpack -G TGZ` one of them.
# scripts/check-package.sh builds the Debian package and runs lintian on it.
include(GNUInstallDirs)

# Who maintains the package: given when packaging (-DTARNWICK_MAINTAINER=...),
# else taken from DEBFULLNAME and DEBEMAIL as the Debian tools do. The default
# address is deliberately one that cannot be reached.
if(DEFINED ENV{DEBEMAIL} AND NOT "$ENV{DEBEMAIL}" STREQUAL "")
  if(DEFINED ENV{DEBFULLNAME} AND NOT "$ENV{DEBFULLNAME}" STREQUAL "")
    set(tw_maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
  else()
    set(tw_maintainer "Tarnwick Project <$ENV{DEBEMAIL}>")
  endif()
else()
  set(tw_maintainer "Tarnwick Project <maintainers@tarnwick.invalid>")
endif()
set(TARNWICK_MAINTAINER "${tw_maintainer}" CACHE STRING "Maintainer of the Debian package: Name <address>")

set(CPACK_PACKAGE_NAME "tarnwick")
set(CPACK_PACKAGE_VENDOR "Tarnwick Project")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop front end for an installed Java Development Kit (Japanese UI)")
set(CPACK_PACKAGE_CONTACT "${TARNWICK_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from shlibdeps; the platform plugins, Qt's Japanese texts
# and a Japanese font are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "default-jdk | openjdk-17-jdk, xterm | x-terminal-emulator")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Compile, run and document a Java file with the installed JDK's own tools
 from one small window, and generate Applet and class skeletons, applet pages
 and JAR archives. The user interface is in Japanese.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/portable/CPackOptions.cmake)
set(CPACK_TW_MACHINE ${CMAKE_SYSTEM_PROCESSOR})
include(CPack)

# The copyright file and a changelog in Debian's format, in the package's
# documentation folder (also for `cmake --install`). The entry's date is the
# build's, or SOURCE_DATE_EPOCH's for a reproducible build.
set(tw_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tarnwick)
string(TIMESTAMP tw_package_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/changelog.gz
  COMMAND gzip -9nf -k ${CMAKE_BINARY_DIR}/package/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/package/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
add_custom_target(tarnwick_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/package/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/package/changelog.gz
        DESTINATION ${tw_doc_dir})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides RENAME tarnwick
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

include(${CMAKE_CURRENT_LIST_DIR}/ManualPages.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Portable.cmake)

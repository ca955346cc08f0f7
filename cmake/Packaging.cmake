# A Debian package built by CPack: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME "tarnwick")
set(CPACK_PACKAGE_VENDOR "Tarnwick Project")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop front end for an installed Java Development Kit (Japanese UI)")
set(CPACK_PACKAGE_CONTACT "Tarnwick Project <tarnwick@localhost>")
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
include(CPack)

# The portable archive (`cpack -G TGZ`): one folder that runs wherever it is
# unpacked (a USB stick, a share) on a machine where nothing can be installed.
# It holds the program, its applet viewer and help page beside it, and the Qt
# libraries, plugins and Japanese texts that the program loads:
#   tarnwick  qt.conf  appletviewer/  help/  lib/  plugins/  translations/  licenses/
# The program finds lib/ through its RPATH and Qt finds the rest through
# qt.conf, so nothing of a system Qt is mixed in. The settings stay beside the
# program while that folder is writable (platform::SettingsFolder).
# Everything is in the install component "portable", which neither
# `cmake --install` nor the Debian package installs.

add_executable(tarnwick_portable ${CMAKE_SOURCE_DIR}/app/main.cpp)
target_link_libraries(tarnwick_portable PRIVATE tw_widgets)
# DT_RPATH, not DT_RUNPATH: only DT_RPATH also serves what the bundled
# libraries and the plugins loaded later need (libqxcb.so needs
# libQt6XcbQpa.so.6), so none of it comes from a system Qt of another version.
target_link_options(tarnwick_portable PRIVATE -Wl,--disable-new-dtags)
set_target_properties(tarnwick_portable PROPERTIES
  OUTPUT_NAME tarnwick
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/portable
  BUILD_WITH_INSTALL_RPATH ON
  INSTALL_RPATH "$ORIGIN/lib")

set(tw_portable COMPONENT portable EXCLUDE_FROM_ALL)
install(TARGETS tarnwick_portable RUNTIME DESTINATION . ${tw_portable})
install(FILES ${CMAKE_SOURCE_DIR}/help/index.html DESTINATION help ${tw_portable})
if(TW_APPLETVIEWER_JAR)
  install(FILES ${TW_APPLETVIEWER_JAR} ${TW_APPLET_API_JAR} DESTINATION appletviewer ${tw_portable})
endif()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/portable/qt.conf DESTINATION . ${tw_portable})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/portable/copyright DESTINATION licenses RENAME tarnwick ${tw_portable})
set(tw_qt_japanese ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_ja.qm)
if(EXISTS ${tw_qt_japanese})
  install(FILES ${tw_qt_japanese} DESTINATION translations ${tw_portable})
else()
  message(WARNING "${tw_qt_japanese} not found: the portable archive's standard dialogs speak English")
endif()

# The plugins the program can use: the X11 and offscreen platforms (Wayland
# sessions run X11 programs too) and the input methods that type Japanese.
set(tw_plugins "")
foreach(plugin QXcbIntegrationPlugin QOffscreenIntegrationPlugin QIbusPlatformInputContextPlugin
               QComposePlatformInputContextPlugin)
  find_package(Qt6${plugin} QUIET PATHS ${Qt6Gui_DIR} NO_DEFAULT_PATH)
  if(TARGET Qt6::${plugin})
    get_target_property(type Qt6::${plugin} QT_PLUGIN_TYPE)
    list(APPEND tw_plugins "${type}=$<TARGET_FILE:Qt6::${plugin}>")
  else()
    message(WARNING "Qt's ${plugin} not found: the portable archive goes without it")
  endif()
endforeach()

# The libraries are copied when the component is installed (cpack does that),
# each under its soname as a plain file, since a FAT stick holds no links.
install(CODE "set(TW_PLUGINS \"${tw_plugins}\")
              include(\"${CMAKE_CURRENT_LIST_DIR}/portable/Bundle.cmake\")" ${tw_portable})

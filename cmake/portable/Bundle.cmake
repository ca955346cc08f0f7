# Run when the "portable" component is installed: copies the libraries that
# the program and its plugins load into lib/, the plugins into plugins/, and
# the Debian copyright file of the package of each of them and of Qt's texts
# into licenses/.
# TW_PLUGINS lists "type=path" of each plugin.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# Qt and what Qt needs that a desktop without Qt may lack. The C and C++
# runtimes, X11's core, OpenGL, fontconfig, FreeType, HarfBuzz, GLib and D-Bus
# stay the system's: every desktop has them, and they must match its drivers
# and its configuration.
set(bundled "^libQt6" "^libicu" "^libdouble-conversion\\." "^libpcre2-16\\." "^libmd4c\\." "^libb2\\."
            "^libxkbcommon" "^libxcb-")

set(plugins "")
set(packaged "")
foreach(entry ${TW_PLUGINS})
  string(REPLACE "=" ";" entry "${entry}")
  list(GET entry 0 type)
  list(GET entry 1 plugin)
  file(COPY ${plugin} DESTINATION ${root}/plugins/${type})
  list(APPEND plugins ${plugin})
  list(APPEND packaged ${plugin})
endforeach()

file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${root}/tarnwick
  MODULES ${plugins}
  RESOLVED_DEPENDENCIES_VAR libraries
  UNRESOLVED_DEPENDENCIES_VAR unresolved
  PRE_INCLUDE_REGEXES ${bundled}
  PRE_EXCLUDE_REGEXES ".*")
if(unresolved)
  message(FATAL_ERROR "The portable archive lacks libraries that were not found: ${unresolved}")
endif()
file(MAKE_DIRECTORY ${root}/lib)
foreach(library ${libraries})
  get_filename_component(name ${library} NAME)
  file(COPY_FILE ${library} ${root}/lib/${name})
  list(APPEND packaged ${library})
endforeach()

# The licences of what was copied, as Debian's packages state them.
file(GLOB translations ${root}/translations/*)
list(APPEND packaged ${translations})
find_program(dpkg_query dpkg-query)
if(NOT dpkg_query)
  message(WARNING "dpkg-query not found: the portable archive has no licences of its libraries")
  return()
endif()
foreach(file ${packaged})
  get_filename_component(name ${file} NAME)
  execute_process(COMMAND ${dpkg_query} -S "*/${name}" OUTPUT_VARIABLE owner ERROR_QUIET)
  string(REGEX MATCH "^[^:,]+" package "${owner}")
  if(package AND EXISTS /usr/share/doc/${package}/copyright)
    file(COPY_FILE /usr/share/doc/${package}/copyright ${root}/licenses/${package})
  elseif(NOT package)
    message(WARNING "No package owns ${name}: its licence is not in the portable archive")
  endif()
endforeach()

# The manual page, made at build time by help2man from `tarnwick --help` and
# `--version` (which need no display) and the sections in
# resources/man/tarnwick.h2m. Without help2man the build goes on without it.
find_program(TW_HELP2MAN help2man)
if(NOT TW_HELP2MAN OR CMAKE_CROSSCOMPILING)
  message(WARNING "help2man not found: the manual page is not built")
  return()
endif()
set(tw_man_page ${CMAKE_BINARY_DIR}/man/tarnwick.1)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)
set(tw_man_include ${CMAKE_SOURCE_DIR}/resources/man/tarnwick.h2m)
# The English help (the program answers in Japanese only in a Japanese locale).
add_custom_command(OUTPUT ${tw_man_page}.gz
  COMMAND ${TW_HELP2MAN} --no-info --locale=C.UTF-8 --include=${tw_man_include} --output=${tw_man_page}
          $<TARGET_FILE:tarnwick>
  COMMAND gzip -9nf ${tw_man_page}
  DEPENDS tarnwick ${tw_man_include}
  COMMENT "Writing the manual page"
  VERBATIM)
add_custom_target(tarnwick_man_page ALL DEPENDS ${tw_man_page}.gz)
install(FILES ${tw_man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

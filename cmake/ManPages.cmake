# Manual pages, section 1: man/PROGRAM.1.md (Markdown) for each program this
# tree builds, rendered to roff by go-md2man at build time, compressed the way
# Debian installs manual pages, and installed beside the programs.  The source
# writes the project's version as @PROJECT_VERSION@.  QUINTAVELMOR_PAGED_PROGRAMS
# lists the programs that have a page; the install tests check those.
set(QUINTAVELMOR_PAGED_PROGRAMS)
foreach(program ${QUINTAVELMOR_PROGRAMS})
  if(NOT TARGET ${program})
    continue()
  endif()
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/man/${program}.1.md)
    list(APPEND QUINTAVELMOR_PAGED_PROGRAMS ${program})
  else()
    message(WARNING "${program} has no manual page: write man/${program}.1.md")
  endif()
endforeach()

find_program(GO_MD2MAN go-md2man)
find_program(GZIP gzip REQUIRED)
if(NOT GO_MD2MAN)
  message(WARNING "go-md2man not found (Debian package go-md2man): no manual pages are built")
  return()
endif()

set(MAN_PAGES)
foreach(program ${QUINTAVELMOR_PAGED_PROGRAMS})
  set(page_markdown ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1.md)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
  configure_file(man/${program}.1.md ${page_markdown} @ONLY)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${GO_MD2MAN} -in ${page_markdown} -out ${page}
    COMMAND ${GZIP} -9 -n -f -k ${page}
    DEPENDS ${page_markdown}
    COMMENT "Manual page ${program}(1)"
    VERBATIM)
  list(APPEND MAN_PAGES ${page}.gz)
endforeach()

add_custom_target(manpages ALL DEPENDS ${MAN_PAGES})
add_dependencies(installed manpages)
install(FILES ${MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

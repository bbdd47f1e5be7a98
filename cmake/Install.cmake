# Install rules: every user-facing program this tree builds goes to bin/ (the
# converter as soon as its entry exists), the bundled example to the shared
# data folder, share/quintavelmor/examples.
foreach(program ${QUINTAVELMOR_PROGRAMS})
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The report's screenshot illustrates the README; the rest are input files.
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quintavelmor/examples
  PATTERN "*.png" EXCLUDE)

# What the install rules install, without the tests: `make install` builds
# this target alone.
add_custom_target(installed)
foreach(program ${QUINTAVELMOR_PROGRAMS})
  if(TARGET ${program})
    add_dependencies(installed ${program})
  endif()
endforeach()

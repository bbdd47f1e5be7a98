# The commands the tests call besides the build's own, as debian-packages.txt
# lists them beside their packages.  Each is looked for on the PATH; the test
# packages/test_tools fails on a missing one and names its package, so that a
# machine lacking a tool fails there instead of skipping a check quietly.
file(STRINGS ${PROJECT_SOURCE_DIR}/debian-packages.txt package_lines REGEX "^[^#]")
set(QUINTAVELMOR_MISSING_TOOLS)
foreach(line ${package_lines})
  string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
  list(LENGTH fields field_count)
  if(field_count LESS 3)
    continue()
  endif()
  list(GET fields 0 package)
  list(SUBLIST fields 2 -1 commands)
  foreach(command ${commands})
    string(MAKE_C_IDENTIFIER "QUINTAVELMOR_TOOL_${command}" variable)
    find_program(${variable} ${command})
    if(NOT ${variable})
      list(APPEND QUINTAVELMOR_MISSING_TOOLS "${command} (Debian package ${package})")
    endif()
  endforeach()
endforeach()

add_test(NAME packages/test_tools
  COMMAND ${CMAKE_COMMAND} "-DMISSING=${QUINTAVELMOR_MISSING_TOOLS}"
    -P ${PROJECT_SOURCE_DIR}/cmake/ReportMissingTools.cmake)

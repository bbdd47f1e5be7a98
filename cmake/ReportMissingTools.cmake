# Run by the test packages/test_tools: fails naming each command the tests
# call that the build did not find, with its Debian package.
if(MISSING)
  string(REPLACE ";" ", " missing "${MISSING}")
  message(FATAL_ERROR "not found: ${missing}; `make test` installs them "
    "(debian-packages.txt), then run CMake again")
endif()
message(STATUS "every command the tests call was found")

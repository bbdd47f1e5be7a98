# The layers of the tree: every library and program is registered with
# quintavelmor_layer(), and quintavelmor_check_layers() then writes which layer
# owns each source and header and which layers each one links (itself
# included), and checks every #include "..." of a layer against it: a header
# of a layer it does not link (one above it, or beside it) fails the
# configuration at once, and the test layers/includes after any later edit.

# Registers a library or program as a layer.  A library keeps plain object
# code beside the optimiser's in the Release build.
function(quintavelmor_layer target)
  set_property(GLOBAL APPEND PROPERTY QUINTAVELMOR_LAYERS ${target})
  get_target_property(type ${target} TYPE)
  if(QUINTAVELMOR_LTO AND type STREQUAL "STATIC_LIBRARY")
    target_compile_options(${target} PRIVATE -flto=auto -ffat-lto-objects)
  endif()
endfunction()

# A program from its entry and the library of its layer, registered as a
# layer of its own; it is written to the top of the build folder, where the
# scripts, the benchmarks and the walkthrough run it.
function(quintavelmor_program target entry library)
  add_executable(${target} ${entry})
  target_link_libraries(${target} PRIVATE ${library})
  quintavelmor_layer(${target})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
endfunction()

# The layers `target` links, directly or through another layer.
function(quintavelmor_linked_layers target result)
  get_property(layers GLOBAL PROPERTY QUINTAVELMOR_LAYERS)
  set(linked)
  set(pending ${target})
  while(pending)
    list(POP_FRONT pending current)
    get_target_property(direct ${current} LINK_LIBRARIES)
    foreach(library ${direct})
      if(library IN_LIST layers AND NOT library IN_LIST linked)
        list(APPEND linked ${library})
        list(APPEND pending ${library})
      endif()
    endforeach()
  endwhile()
  set(${result} ${linked} PARENT_SCOPE)
endfunction()

function(quintavelmor_check_layers)
  get_property(layers GLOBAL PROPERTY QUINTAVELMOR_LAYERS)
  set(map "set(QUINTAVELMOR_LAYERS ${layers})\n")
  foreach(layer ${layers})
    get_target_property(sources ${layer} SOURCES)
    get_target_property(folder ${layer} SOURCE_DIR)
    set(files)
    foreach(source ${sources})
      get_filename_component(path ${source} ABSOLUTE BASE_DIR ${folder})
      file(RELATIVE_PATH file ${PROJECT_SOURCE_DIR} ${path})
      list(APPEND files ${file})
      string(APPEND map "set(owner_${file} ${layer})\n")
    endforeach()
    quintavelmor_linked_layers(${layer} linked)
    string(APPEND map "set(files_${layer} ${files})\nset(uses_${layer} ${layer} ${linked})\n")
  endforeach()
  set(map_file ${PROJECT_BINARY_DIR}/LayerMap.cmake)
  file(WRITE ${map_file} "${map}")

  set(check ${CMAKE_COMMAND} -DLAYER_MAP=${map_file} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
      -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)
  execute_process(COMMAND ${check} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "An include crosses the layers (see above)")
  endif()
  add_test(NAME layers/includes COMMAND ${check})
  # The check itself: a header of the listing driver in the base, of the
  # converter in the report and of the converter in the input layer below it
  # must each be refused.
  foreach(crossing "quintavelmor_base:src/Quintavelmorc.h"
                   "quintavelmor_report:rinex/SdReport.h"
                   "quintavelmor_rinex:rinex/TypeMap.h")
    string(REPLACE ":" ";" crossing ${crossing})
    list(GET crossing 0 layer)
    list(GET crossing 1 header)
    add_test(NAME layers/refuses/${layer}/${header}
      COMMAND ${CMAKE_COMMAND} -DLAYER_MAP=${map_file} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        -DEXTRA_LAYER=${layer} -DEXTRA_INCLUDE=${header} -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)
    set_tests_properties(layers/refuses/${layer}/${header} PROPERTIES
      PASS_REGULAR_EXPRESSION "a file of ${layer} includes ${header} of [a-z_]+, which ${layer} does not link")
  endforeach()
endfunction()

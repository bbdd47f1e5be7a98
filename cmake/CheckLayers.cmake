# Run as cmake -DLAYER_MAP=FILE -DSOURCE_DIR=DIR -P CheckLayers.cmake: checks
# every #include "..." of each layer's files against the layers it links, as
# cmake/Layers.cmake wrote them into LAYER_MAP; fails naming each crossing.
# EXTRA_LAYER and EXTRA_INCLUDE add one include to a layer, as if one of its
# files had it, so that a test can show a crossing refused.
cmake_minimum_required(VERSION 3.18)
include(${LAYER_MAP})

set(crossings 0)
function(check_include layer file header)
  set(owner "${owner_${header}}")
  if(owner AND NOT owner IN_LIST uses_${layer})
    message("${file}: a file of ${layer} includes ${header} of ${owner}, which ${layer} does not link")
    math(EXPR count "${crossings} + 1")
    set(crossings ${count} PARENT_SCOPE)
  endif()
endfunction()

foreach(layer ${QUINTAVELMOR_LAYERS})
  foreach(file ${files_${layer}})
    file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
      check_include(${layer} ${file} ${header})
    endforeach()
  endforeach()
endforeach()
if(EXTRA_LAYER)
  check_include(${EXTRA_LAYER} "(added)" ${EXTRA_INCLUDE})
endif()

if(crossings GREATER 0)
  message(FATAL_ERROR "${crossings} include(s) cross the layers")
endif()

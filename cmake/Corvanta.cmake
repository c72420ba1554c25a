# corvanta_layer(NAME BELOW LOWER FOLDERS DIR...): one layer of the game, a
# static library made of the folders' sources that links only the layer
# below it, so a call that points up does not link.
function(corvanta_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "BELOW" "FOLDERS")
  add_library(${name} STATIC)
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${arg_BELOW})
  set(CORVANTA_LAYER ${name})
  foreach(dir IN LISTS arg_FOLDERS)
    add_subdirectory(${dir})
  endforeach()
  corvanta_layer_check(${name})
endfunction()

# corvanta_sources(FILES...): add a folder's sources to its layer.
function(corvanta_sources)
  target_sources(${CORVANTA_LAYER} PRIVATE ${ARGN})
endfunction()

# corvanta_layer_check(LIBRARY): links every object of the library against
# the layers below it alone; the build fails where one calls up.
function(corvanta_layer_check name)
  set(check ${name}_links_alone)
  add_executable(${check} ${CMAKE_SOURCE_DIR}/cmake/LayerCheck.cpp)
  target_link_libraries(${check} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}>")
  set_target_properties(${check} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layer-check)
endfunction()

# corvanta_tests(FILES...): add a folder's tests to the one test program.
function(corvanta_tests)
  target_sources(corvanta_tests PRIVATE ${ARGN})
endfunction()

# corvanta_benchmarks(FILES...): add benchmarks to the one benchmark program.
function(corvanta_benchmarks)
  target_sources(corvanta_bench PRIVATE ${ARGN})
endfunction()

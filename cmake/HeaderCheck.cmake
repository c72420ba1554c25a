# corvanta_header_check: every header of the game's folders compiled on its
# own, in a source file that includes nothing else, so a header that leans on
# what its includer happened to include before it fails here and not in the
# next file that includes it first. Not part of the default build:
# scripts/test.sh builds it.
set(header_check_folders platform world engine squad finance career transfers editor ui screens app)
set(header_check_globs)
foreach(folder IN LISTS header_check_folders)
  list(APPEND header_check_globs ${CMAKE_SOURCE_DIR}/${folder}/*.h)
endforeach()
file(GLOB_RECURSE header_check_headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR} ${header_check_globs})
# The window backend's headers need SDL, which only that backend brings.
if(NOT TARGET corvanta_sdl)
  list(FILTER header_check_headers EXCLUDE REGEX "^platform/sdl/")
endif()

set(header_check_sources)
foreach(header IN LISTS header_check_headers)
  set(source ${CMAKE_BINARY_DIR}/header-check/${header}.cpp)
  # Written only when it changes, so a new configure rebuilds nothing.
  file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${header}\"\n")
  list(APPEND header_check_sources ${source})
endforeach()

add_library(corvanta_header_check OBJECT EXCLUDE_FROM_ALL ${header_check_sources})
target_include_directories(corvanta_header_check PRIVATE ${CMAKE_SOURCE_DIR})
if(TARGET corvanta_sdl)
  target_link_libraries(corvanta_header_check PRIVATE corvanta_sdl)
endif()

# corvanta_sources(FILES...): add a folder's sources to the game library.
function(corvanta_sources)
  target_sources(corvanta_game PRIVATE ${ARGN})
endfunction()

# corvanta_tests(FILES...): add a folder's tests to the one test program.
function(corvanta_tests)
  target_sources(corvanta_tests PRIVATE ${ARGN})
endfunction()

# corvanta_benchmarks(FILES...): add benchmarks to the one benchmark program.
function(corvanta_benchmarks)
  target_sources(corvanta_bench PRIVATE ${ARGN})
endfunction()

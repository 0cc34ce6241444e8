# Builds fuzz_save with clang in a fuzz tree of its own and runs it on its
# seed corpus for SECONDS seconds; skipped when clang or its fuzzer runtime
# is missing.
#   cmake -DSOURCE=<source dir> -DBUILD=<fuzz tree> -DGENERATOR=<generator> -DSECONDS=60
#         -P run_fuzz_save.cmake
find_program(CLANGXX clang++)
find_program(CLANG clang)
if(NOT CLANGXX OR NOT CLANG)
  message("fuzz_save skipped: clang is not installed")
  return()
endif()
file(MAKE_DIRECTORY ${BUILD})
file(WRITE ${BUILD}/probe.cpp
  "#include <cstddef>\n#include <cstdint>\n"
  "extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n")
execute_process(COMMAND ${CLANGXX} -fsanitize=fuzzer ${BUILD}/probe.cpp -o ${BUILD}/probe
  RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
if(failed)
  message("fuzz_save skipped: clang's fuzzer runtime is missing (libclang-rt-14-dev)")
  return()
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BUILD} -G ${GENERATOR} -DMIRUHE_FUZZ=ON
  -DCMAKE_CXX_COMPILER=${CLANGXX} -DCMAKE_C_COMPILER=${CLANG} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the fuzz tree could not be configured")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target fuzz_save RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "fuzz_save could not be built")
endif()

# What the run finds goes to a folder of its own; the seeds stay as built.
file(REMOVE_RECURSE ${BUILD}/found)
file(MAKE_DIRECTORY ${BUILD}/found)
execute_process(COMMAND ${BUILD}/tests/fuzz/fuzz_save -max_total_time=${SECONDS} -print_final_stats=1
  -artifact_prefix=${BUILD}/
  ${BUILD}/found ${BUILD}/seeds/fuzz_save RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "fuzz_save failed: the crashing input is in ${BUILD}")
endif()

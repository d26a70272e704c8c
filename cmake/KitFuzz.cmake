# kit_add_fuzzer(<name> SOURCES <files...> LIBRARIES <targets...> SEEDS <dir>)
#
# A libFuzzer target for one reader of outside input; its sources define
# LLVMFuzzerTestOneInput. In a fuzzing build (KIT_FUZZ=ON, with clang; `./kit fuzz`
# makes one) it is built with libFuzzer and the sanitizers, and `./kit fuzz` runs it
# on a copy of its seed corpus. In every other build the same entry point is
# linked to a driver that replays the seeds once, as a test, so the targets and
# their seeds never go stale.
option(KIT_FUZZ "Build the libFuzzer targets with clang, for ./kit fuzz" OFF)

if(KIT_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "KIT_FUZZ needs clang (configure with CXX=clang++)")
  endif()
  # Everything is instrumented for coverage, so the fuzzers see inside the cores.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g)
  add_link_options(-fsanitize=address,undefined)
endif()

set(KIT_FUZZ_LIST "" CACHE INTERNAL "")

function(kit_add_fuzzer name)
  cmake_parse_arguments(ARG "" "SEEDS" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  kit_sanitizer_defaults(${name})
  if(KIT_FUZZ)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_property(GLOBAL APPEND PROPERTY KIT_FUZZERS "${name} $<TARGET_FILE:${name}> ${ARG_SEEDS}")
  else()
    target_sources(${name} PRIVATE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/fuzz_replay.cpp)
    add_test(NAME ${name}.seeds COMMAND ${name} ${ARG_SEEDS})
    set_tests_properties(${name}.seeds PROPERTIES ENVIRONMENT "${KIT_TEST_ENVIRONMENT}")
  endif()
endfunction()

# Writes build/fuzzers.txt, one "name binary seeds" line per target, for ./kit fuzz.
function(kit_write_fuzzer_list)
  get_property(fuzzers GLOBAL PROPERTY KIT_FUZZERS)
  list(JOIN fuzzers "\n" lines)
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/fuzzers.txt CONTENT "${lines}\n")
endfunction()

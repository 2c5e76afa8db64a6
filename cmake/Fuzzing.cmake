# libFuzzer targets (clang only). With TABLERIX_FUZZ every target of the
# project is compiled with libFuzzer's coverage counters, so a fuzzer is
# guided by all the code it reaches in the libraries it links, not only by
# its own source. Only the fuzzers link libFuzzer itself (it brings main);
# the other programs and tests get the counters' hooks from the address
# sanitizer's runtime.
if(TABLERIX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TABLERIX_FUZZ needs clang (libFuzzer)")
  endif()
  if(NOT TABLERIX_SANITIZE)
    message(FATAL_ERROR "TABLERIX_FUZZ needs TABLERIX_SANITIZE: the fuzzers look for memory errors too")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# tablerix_add_fuzzer(<name> SOURCES ... LIBS ...): a libFuzzer program on the
# real libraries; scripts/fuzz.sh runs it.
function(tablerix_add_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  tablerix_warnings(${name})
endfunction()

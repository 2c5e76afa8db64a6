# Applied per target so that third-party code is not affected.
# -Werror is for CI (TABLERIX_WERROR): a newer compiler's new warning must not
# break a user's build.
function(tablerix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wshadow=local)
  endif()
  if(TABLERIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

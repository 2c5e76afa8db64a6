# Applied per target so that third-party code is not affected.
function(tablerix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local)
  if(TABLERIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

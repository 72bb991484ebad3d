# Warning flags shared by every target of both builds.
function(lumo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(LUMO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

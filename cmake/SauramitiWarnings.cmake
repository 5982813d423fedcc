# The project's warnings, for everything it compiles. SAURAMITI_WERROR makes them errors: CI
# (scripts/test.sh) turns it on; it is off by default so that a newer compiler's new warning does
# not break the build of someone who only consumes the library.
function(sauramiti_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion
                                           -Wshadow)
  if(SAURAMITI_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # GCC 12 reports std::variant and std::string temporaries as possibly uninitialised or
  # overlapping when it inlines them at -O3 or under the sanitizers; both are known false
  # alarms of that compiler, and as errors they would fail correct code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized -Wno-restrict)
  endif()
endfunction()

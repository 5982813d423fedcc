# Warnings are errors for everything this project compiles. Floating-point contraction is off:
# the calendar's first-weekday formulas must give the same bits on every machine, and a fused
# multiply-add would round once where the formulas round twice.
function(sauramiti_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion
                                           -Wshadow -Werror)
  # GCC 12 reports std::variant and std::string temporaries as possibly uninitialised or
  # overlapping when it inlines them at -O3 or under the sanitizers; both are known false
  # alarms of that compiler, and as errors they would fail correct code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized -Wno-restrict)
  endif()
endfunction()
add_compile_options(-ffp-contract=off)

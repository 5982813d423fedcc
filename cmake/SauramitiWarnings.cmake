# Warnings are errors for everything this project compiles. Floating-point contraction is off:
# the calendar's first-weekday formulas must give the same bits on every machine, and a fused
# multiply-add would round once where the formulas round twice.
function(sauramiti_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion
                                           -Wshadow -Werror)
endfunction()
add_compile_options(-ffp-contract=off)

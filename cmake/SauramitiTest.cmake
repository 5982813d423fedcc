# sauramiti_add_test(NAME SOURCE LIBS...): one executable and one CTest per test file.
function(sauramiti_add_test name source)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
  sauramiti_set_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
endfunction()

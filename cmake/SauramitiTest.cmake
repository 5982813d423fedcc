include(GoogleTest)
# sauramiti_add_test(NAME SOURCE LIBS...): one executable per test file; each of its GoogleTest
# cases is a CTest test of its own (so `ctest -R Suite.Case` runs one, and ctest spreads them
# over the cores). The cases are listed when ctest runs rather than after each link, so a build
# never runs a test program (which matters under the sanitizers).
function(sauramiti_add_test name source)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
  sauramiti_set_warnings(${name})
  sauramiti_discover_tests(${name})
endfunction()

# Registers the cases of a GoogleTest program, each name prefixed with the program's, and with
# the given test PROPERTIES.
function(sauramiti_discover_tests name)
  gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_MODE PRE_TEST
                       DISCOVERY_TIMEOUT 120 ${ARGN})
endfunction()

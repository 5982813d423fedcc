# Helpers for the tests that compile code shown in prose: the C++ blocks of the documents
# (tests/docs) and the examples in the headers' comments (tests/header_examples).

# CMake lists split at ";" and pair square brackets: code keeps neither while it is a list.
function(sauramiti_escape_for_list text out)
  string(REPLACE ";" "@semicolon@" text "${text}")
  string(REPLACE "[" "@open@" text "${text}")
  string(REPLACE "]" "@close@" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
function(sauramiti_unescape_from_list text out)
  string(REPLACE "@semicolon@" ";" text "${text}")
  string(REPLACE "@open@" "[" text "${text}")
  string(REPLACE "@close@" "]" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Splits a fragment of code into its `#include` lines (`includes_out`, to go at the top of a
# file) and the rest (`body_out`, to become the body of a function). The include lines stay in
# the body as blank lines, so that after a #line the body's lines keep their numbers.
function(sauramiti_hoist_includes block includes_out body_out)
  set(includes "")
  set(body "")
  sauramiti_escape_for_list("${block}" escaped)
  string(REPLACE "\n" ";" lines "${escaped}")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#[ \t]*include")
      string(APPEND includes "${line}\n")
      string(APPEND body "\n")
    else()
      string(APPEND body "${line}\n")
    endif()
  endforeach()
  sauramiti_unescape_from_list("${includes}" includes)
  sauramiti_unescape_from_list("${body}" body)
  set(${includes_out} "${includes}" PARENT_SCOPE)
  set(${body_out} "${body}" PARENT_SCOPE)
endfunction()

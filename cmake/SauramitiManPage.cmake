# Writes the manual page sauramiti(1): the page template with its COMMANDS section made from the
# built program's own help texts, one subsection per subcommand, in the order `--help` lists
# them. Run as a script:
#   cmake -DPROGRAM=... -DTEMPLATE=... -DOUTPUT=... -P SauramitiManPage.cmake
# (the template is already configured; the sections go where its marker comment is).

# The text as troff shows it literally: backslashes escaped, and a line starting with a dot or
# an apostrophe kept from being read as a request.
function(troff_literal text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(help_of out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help OUTPUT_VARIABLE text RESULT_VARIABLE status
                  ERROR_VARIABLE error)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed (${status}): ${error}")
  endif()
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

help_of(overview)
# The subcommands are the first words of the lines under "Subcommands:".
string(REGEX MATCH "\nSubcommands:\n(  [^\n]*\n)+" listing "${overview}\n")
string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" names "${listing}")
if(NOT names)
  message(FATAL_ERROR "${PROGRAM} --help lists no subcommands")
endif()

set(sections "")
foreach(name ${names})
  string(STRIP "${name}" name)
  help_of(help ${name})
  troff_literal("${help}" help)
  string(APPEND sections ".SS \"sauramiti ${name}\"\n.nf\n${help}\n.fi\n")
endforeach()
string(REGEX REPLACE "\n$" "" sections "${sections}")

file(READ ${TEMPLATE} page)
set(marker ".\\\" (the subcommands' help texts go here)")
string(FIND "${page}" "${marker}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${TEMPLATE} has no place for the subcommands")
endif()
string(REPLACE "${marker}" "${sections}" page "${page}")
file(WRITE ${OUTPUT}.tmp "${page}")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})

#!/bin/sh
# Doxygen input filter: the headers explain themselves in plain // comments, which Doxygen
# does not read. The comment block a header opens with becomes the file's documentation, and
# every other comment on a line of its own becomes the documentation of what follows it.
exec awk '
  BEGIN { opening = 1 }
  opening && /^[ \t]*\/\/ ?/ {
    if (!started) { print "/// \\file"; started = 1 }
    sub(/^[ \t]*\/\//, "///"); print; next
  }
  { if (opening && started) { opening = 0 } else if (opening && !/^[ \t]*$/) { opening = 0 } }
  /^[ \t]*\/\/[^\/]/ || /^[ \t]*\/\/$/ { sub(/\/\//, "///"); print; next }
  { print }
' "$1"

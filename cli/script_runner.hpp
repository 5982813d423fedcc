// `sauramiti script`: driving a control instance on the headless host, one command a line.
//
// The script plays both the host that places the control on a form and the user in front of it:
//
//   clock YYYY-MM-DD      the host's local date from now on (the real clock until then)
//   mode run|design       the host's UserMode (run until then)
//   size W H              the surface size in twips (5535 5220 until then). With an instance,
//                         the host resizes it: both sides change, then Resize fires once. Every
//                         instance is placed on a surface of this size (a new one then sets its
//                         own size to 3000 by 3000).
//   new                   a new instance: Initialize, then InitProperties
//   load FILE             an instance from the document FILE: Initialize, then ReadProperties
//   save FILE             WriteProperties into a new document, saved over FILE atomically
//   get NAME              `TYPE VALUE` of a property (property_table.hpp)
//   let NAME VALUE        sets a property (script_value.hpp for VALUE); prints nothing
//   call METHOD ARG...    one method as `sauramiti call` runs it, one line
//   click-day K           the user clicks day cell K (0 to 34; another K is error 9)
//   choose year|month I   the user chooses entry I of the list (error 5 outside it)
//   dropdown year|month   the user opens the list
//   type year|month CHAR  the user types one character (a JSON string for blanks and quotes)
//   events                the PropertyChanged and Click events since the last `events`
//   inspect CONTROL PROP  one property of a child control
//   show                  the view drawn as text, Nepali shown in Devanagari
//
// `new` replaces an earlier instance (Terminate, then it is gone) with one on a new surface:
// enabled, of the size above. `load` reads the document into a new instance on a surface of its
// own and replaces the earlier one only when that succeeded. `call` needs no instance: without
// one, the methods run as the calendar's procedures, which give the same answers. Every other
// command but `clock`, `mode`, `size` and `events` needs an instance.
//
// Outcomes. A command that the control refuses or that fails inside it prints `error N` and the
// script goes on. A line that is not a command - an unknown command, a wrong number of words, a
// value or name that cannot be read, a command needing an instance before there is one, a
// document that cannot be loaded or saved - prints `script: line L: ...` on the error stream
// and changes nothing; the script still runs to its end and then exits with status 2 (0 when
// every line was a command). When ReadProperties fails on a document's value, `error N` is
// followed by a note on the error stream naming the file, the key whose value the control could
// not take and that value (document/refused_value.hpp); the instance from before the load stays
// as it was, so a later `save` writes what it held. A save whose WriteProperties fails writes
// no file.
#pragma once

#include <istream>
#include <ostream>

namespace sauramiti::cli {

// Runs every line of `in`; returns the exit status. With `flushEachLine` the output is flushed
// after each line, for someone typing commands at a terminal.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err, bool flushEachLine);

}  // namespace sauramiti::cli

// What Help > About tells: the program and its version, the licence, and where the documents
// are. An installed demo points at the installed documents (README.md and docs/ under the
// documentation folder, and `man sauramiti`); a demo run from its build folder points at the
// source tree it was built from.
#pragma once

#include <QString>

namespace sauramiti::qt::demo {

// The README the demo links to: the installed one when it exists, else the source tree's.
QString DocumentationReadme();

// The About box's text, as rich text.
QString AboutText();

}  // namespace sauramiti::qt::demo

// The failure of loading or saving a document.
//
// A document that cannot be read, is not JSON, or holds a value of the wrong shape, and a save
// that cannot be completed, end in a DocumentError whose message names the file and, where one
// is at fault, the key ("doc.json: key \"MinYear\": an Integer value must be a whole number from
// -32768 to 32767"). Nothing on disk changes when a load fails or a save fails.
#pragma once

#include <stdexcept>

namespace sauramiti::document {

class DocumentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace sauramiti::document

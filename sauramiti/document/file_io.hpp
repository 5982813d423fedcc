// Reading a whole file, and replacing a file so that a failure loses nothing.
//
// A replacement is written to a new temporary file in the same directory as the target, flushed
// to the disk, given the old file's permissions and then renamed over the target. A rename within
// one directory is atomic: at every moment the target is either the complete old file or the
// complete new one. When any step fails, the temporary file is removed and the target is left as
// it was. Both functions raise DocumentError with the file's name and the system's reason.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sauramiti::document {

std::string ReadWholeFile(const std::filesystem::path& file);

void ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents);

}  // namespace sauramiti::document

// Reading a document file within the limits, and replacing one so that a failure loses nothing.
//
// Reading takes regular files only: the file is opened without waiting (a FIFO cannot block the
// reader), checked with fstat, and refused unread when it is not a regular file or is larger
// than the limit given (document_limits.hpp), so /dev/zero or a FIFO fails at once.
//
// Replacing. A symbolic link is followed to the file it names (through any chain of links), and
// that file is replaced while the link stays. A path that exists and is not a regular file (a
// folder, a FIFO, a device, a socket) is refused and left alone. The new contents go into a
// temporary file in the target's folder that only its owner can read from its first byte: an
// unnamed one (O_TMPFILE) where the file system allows it, else a named one. It is written,
// given its final permissions (the old file's, or 0644 less the umask for a new file), flushed
// to the disk, then linked under a temporary name and renamed over the target; the folder is
// flushed after the rename. A rename within one folder is atomic: at every moment the target is
// the complete old file or the complete new one. When a step fails the temporary file is
// removed and the target left as it was; SIGINT and SIGTERM remove a named temporary file too
// (temporary_name_cleanup.hpp). Both functions raise DocumentError naming the file and the
// reason.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace sauramiti::document {

std::string ReadRegularFile(const std::filesystem::path& file, std::size_t maxBytes);

void ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents);

}  // namespace sauramiti::document

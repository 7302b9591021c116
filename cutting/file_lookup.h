// Looking an image up by path, as the source browse and the cut both do before anything is
// opened: one rule for what counts as an existing source, and one error when there is none.
#pragma once

#include <cstdint>
#include <string>

namespace cutting {

// The length in bytes of the regular file at `path`. Raises qdct::NumberedError 53 ("File not
// found:
// '...'") when the path names no regular file (a folder, nothing, a name with a NUL) or its
// length cannot be read.
std::uintmax_t lookUpFileSize(const std::string& path);

} // namespace cutting

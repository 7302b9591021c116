// The lookup over std::filesystem; see file_lookup.h.
#include "cutting/file_lookup.h"

#include "cutting/cut_messages.h"
#include "cutting/file_error.h"

#include <filesystem>

namespace cutting {

std::uintmax_t lookUpFileSize(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path file(path);
    std::uintmax_t size = 0;
    // A C path would end at the NUL and name some other file.
    if (path.find('\0') == std::string::npos && std::filesystem::is_regular_file(file, ec))
        size = std::filesystem::file_size(file, ec);
    else
        ec = std::make_error_code(std::errc::no_such_file_or_directory);
    if (ec)
        throw qdct::NumberedError(errnum::kFileNotFound, kJobErrorSource, sourceNotFoundText(path));
    return size;
}

} // namespace cutting

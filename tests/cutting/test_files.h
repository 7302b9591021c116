// Helpers for the cutting tests: whole-file reads and writes, recognisable byte patterns, and
// the raised error as one comparable text, on top of the shared scratch folder and size limit.
#pragma once

#include "common/temp_files.h"
#include "cutting/file_error.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace cutting::test {

using qdct::test::FileSizeLimit;
using qdct::test::TempDir;
using Bytes = std::vector<std::uint8_t>;

inline const std::string CRLF = "\r\n";

// n bytes that differ from their neighbours and from zero, so that shifts and padding show.
inline Bytes pattern(std::size_t n) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>((i * 7 + 1) % 251 + 1);
    return bytes;
}

inline void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}

inline Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// "number source: description" of the NumberedError that `action` raises, or "none".
template <class Action>
std::string raised(Action action) try {
    action();
    return "none";
} catch (const qdct::NumberedError& e) {
    return std::to_string(e.number()) + " " + e.source() + ": " + e.description();
}

} // namespace cutting::test

// The source image's sector count as the window shows it in Label2: the file's length looked
// up by path, divided by 2048, written as a whole number without a point or with up to 15
// significant digits and the user's decimal separator.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace form1 {

// The length in bytes of the regular file at `path`. Raises cutting::FileError 53 ("File not
// found: '...'") when the path names no regular file or its length cannot be read.
std::uintmax_t lookUpFileSize(const std::string& path);

// `bytes` / 2048 as Label2 shows it: "2297888", "488.28125", "2048,5" with a comma separator.
QString sectorCountText(std::uintmax_t bytes, const QString& decimalPoint);

} // namespace form1

// The source image's sector count as the window shows it in Label2: the file's length
// (cutting::lookUpFileSize) divided by 2048, written as a whole number without a point or with up
// to 15 significant digits and the user's decimal separator.
#pragma once

#include <QString>
#include <cstdint>

namespace form1 {

// `bytes` / 2048 as Label2 shows it: "2297888", "488.28125", "2048,5" with a comma separator.
QString sectorCountText(std::uintmax_t bytes, const QString& decimalPoint);

} // namespace form1

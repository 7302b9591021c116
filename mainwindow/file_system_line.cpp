// The file-system line's wording. Sizes lost are in MB of 10^6 bytes, to one decimal below
// 10 MB and never shown as 0, so that a loss of a single sector still reads as a loss.
#include "mainwindow/file_system_line.h"

#include "cutting/number_text.h"
#include "cutting/presets.h"
#include "mainwindow/form1.h"

#include <algorithm>
#include <cmath>

namespace form1 {

namespace {
constexpr double kBytesPerMB = 1e6;
constexpr double kWholeMBFrom = 10;                    // below this, one decimal
constexpr double kSmallestMB = 0.1;                    // the least loss shown
constexpr double kMaxOutputBytes = 9007199254740992.0; // 2^53, the cut's own limit
} // namespace

FileSystemLine fileSystemLine(const std::optional<cutting::DiscFileSystem>& fs,
                              std::optional<std::int64_t> outputBytes, const QLocale& locale) {
    if (!fs) return {};
    if (fs->kind == cutting::FileSystemKind::None)
        return {Form1::tr("No ISO 9660 or UDF file system found")};
    const QString sectors = locale.toString(static_cast<qlonglong>(fs->sectors));
    if (!outputBytes) return {Form1::tr("File system: %1 sectors").arg(sectors)};
    const std::int64_t lost = cutting::bytesLostByCut(*fs, *outputBytes);
    if (lost == 0) return {Form1::tr("File system: %1 sectors · fits").arg(sectors)};
    const double mb = std::max(static_cast<double>(lost) / kBytesPerMB, kSmallestMB);
    const QString size = locale.toString(mb, 'f', mb < kWholeMBFrom ? 1 : 0);
    return {Form1::tr("File system: %1 sectors · cut loses %2 MB").arg(sectors, size), true};
}

std::optional<std::int64_t> cutOutputBytes(int option, const QString& addedSectors,
                                           const QString& decimalPoint) {
    const auto added = cutting::parseNumber(addedSectors.toStdString(), decimalPoint.toStdString());
    if (!added) return std::nullopt;
    const double bytes =
        cutting::presetFor(option).bytes() + *added * static_cast<double>(cutting::kSectorBytes);
    if (!(bytes > 0) || bytes > kMaxOutputBytes || std::floor(bytes) != bytes) return std::nullopt;
    return static_cast<std::int64_t>(bytes);
}

} // namespace form1

// Source lookup and sector-count text for the source browse. Digits are always ASCII and no
// group separators are written, so the job can read the count back with the same separator.
#include "mainwindow/sector_count.h"

#include "cutting/cut_messages.h"
#include "cutting/file_error.h"
#include "cutting/presets.h"

#include <QLocale>
#include <filesystem>

namespace form1 {

namespace {
constexpr int kSignificantDigits = 15;
} // namespace

std::uintmax_t lookUpFileSize(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path file(path);
    std::uintmax_t size = 0;
    if (path.find('\0') == std::string::npos && std::filesystem::is_regular_file(file, ec))
        size = std::filesystem::file_size(file, ec);
    else
        ec = std::make_error_code(std::errc::no_such_file_or_directory);
    if (ec)
        throw cutting::FileError(cutting::errnum::kFileNotFound, cutting::kJobErrorSource,
                                 cutting::sourceNotFoundText(path));
    return size;
}

QString sectorCountText(std::uintmax_t bytes, const QString& decimalPoint) {
    const double sectors = static_cast<double>(bytes) / static_cast<double>(cutting::kSectorBytes);
    QString text = QLocale::c().toString(sectors, 'g', kSignificantDigits);
    text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

} // namespace form1

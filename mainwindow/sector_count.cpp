// The sector-count text for the source browse. Digits are always ASCII and no
// group separators are written, so the job can read the count back with the same separator.
#include "mainwindow/sector_count.h"

#include "cutting/presets.h"

#include <QLocale>

namespace form1 {

namespace {
constexpr int kSignificantDigits = 15;
} // namespace

QString sectorCountText(std::uintmax_t bytes, const QString& decimalPoint) {
    const double sectors = static_cast<double>(bytes) / static_cast<double>(cutting::kSectorBytes);
    QString text = QLocale::c().toString(sectors, 'g', kSignificantDigits);
    text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

} // namespace form1

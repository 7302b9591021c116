// Caption text through Qt's text layout. Measuring is cached per (text, font, device
// resolution, wrap width) because every resize and property change lays the caption out
// again with the same values.
#include "button/caption_text.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

namespace chameleon {

namespace {

constexpr int MeasureFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr int DrawFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

// Line ends as the platform's text call reads them: CR LF, CR and LF each break a line.
QString normalisedLineEnds(const QString& text) {
    if (!text.contains(QLatin1Char('\r'))) return text;
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

struct MeasureKey {
    QString text;
    QString font;
    int dpiX;
    int dpiY;
    std::int32_t width;
    friend bool operator==(const MeasureKey&, const MeasureKey&) = default;
};

size_t qHash(const MeasureKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.text, k.font, k.dpiX, k.dpiY, k.width);
}

// Bounded: a program shows few captions, but a caption typed letter by letter in a designer
// must not grow the cache without end.
constexpr qsizetype MeasureCacheLimit = 256;

QHash<MeasureKey, QSize>& measureCache() {
    static QHash<MeasureKey, QSize> cache;
    return cache;
}

} // namespace

QSize MeasureCaptionText(const QFont& font, const QImage& surface, const QString& text,
                         std::int32_t wrapWidth) {
    if (text.isEmpty()) return {0, 0};
    const int dpiX = surface.isNull() ? 96 : surface.logicalDpiX();
    const int dpiY = surface.isNull() ? 96 : surface.logicalDpiY();
    MeasureKey key{text, font.key(), dpiX, dpiY, wrapWidth};
    auto& cache = measureCache();
    if (auto it = cache.constFind(key); it != cache.constEnd()) return it.value();

    const QFontMetrics fm = surface.isNull() ? QFontMetrics(font) : QFontMetrics(font, &surface);
    const QRect box(0, 0, std::max<std::int32_t>(wrapWidth, 0), 0);
    const QRect br = fm.boundingRect(box, MeasureFlags, normalisedLineEnds(text));
    const QSize size(br.width(), br.height());
    if (cache.size() >= MeasureCacheLimit) cache.clear();
    cache.insert(std::move(key), size);
    return size;
}

void DrawCaptionTextAt(QImage& surface, const QFont& font, const Rect& rect, const QString& text,
                       Rgb color) {
    if (text.isEmpty() || surface.isNull()) return;
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    QPainter p(&surface);
    p.setFont(font);
    p.setPen(QColor(redOf(color), greenOf(color), blueOf(color)));
    p.drawText(QRect(rect.left, rect.top, rect.width(), rect.height()), DrawFlags,
               normalisedLineEnds(text));
}

} // namespace chameleon

// Caption text through Qt's text layout. Measuring is cached per (text, font, device
// resolution, wrap width) because every resize and property change lays the caption out
// again with the same values. Drawing is cached too: Qt lays out and shapes the text anew on
// every drawText, which costs more than the rest of a whole button's redraw, so the text is
// drawn once per (text, font, resolution, box size) into a coverage mask, and each drawing
// blends its colour through that mask. A caption is drawn two or three times per redraw (effect
// copies, embossing), always from the same mask. On a high-density surface the mask is made at
// device resolution (Qt lays the text out for the device pixels, as it does for a label), and
// placed on the device edges of the caption's logical box. A long caption is measured, and a
// box too large for a mask drawn, through caption_lines: laid out once in pieces, and on every
// drawing only the lines that reach the surface.
#include "button/paint/caption_text.h"

#include "button/paint/caption_lines.h"
#include "button/paint/device_grid.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <cmath>

namespace chameleon {

namespace {

constexpr int kMeasureFlags =
    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr int kDrawFlags =
    Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

// Line ends as the platform's text call reads them: CR LF, CR and LF each break a line.
QString normalisedLineEnds(const QString& text) {
    if (!text.contains(QLatin1Char('\r'))) return text;
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

// Qt's text layout splits its items at every underlined access-key letter, and each split moves
// every later item, of which each line break makes one: a caption of many lines and many "&"
// costs lines times ampersands. So a caption of many lines is drawn in runs of at most
// kLinesPerRun lines, each run placed where the one layout of the whole caption puts its first
// line.
constexpr qsizetype kLinesPerRun = 64;

// Draws text as drawText(box, kDrawFlags, text) does, in time linear in its length.
void drawCaptionLines(QPainter& p, const QRectF& box, const QString& text) {
    const QChar lineEnd = QLatin1Char('\n');
    // U+009C separates length variants, which only the one layout can choose between.
    if (text.count(lineEnd) <= kLinesPerRun || text.contains(QChar(0x9C))) {
        p.drawText(box, kDrawFlags, text);
        return;
    }
    const qreal emptyLineHeight = QFontMetricsF(p.font(), p.device()).height();
    // Runs that start below the box or the device draw nothing.
    const QPaintDevice& device = *p.device();
    const qreal bottom = std::min(box.bottom(), device.height() / device.devicePixelRatioF());
    p.save();
    p.setClipRect(box, Qt::IntersectClip);
    qreal top = box.top();
    for (qsizetype start = 0; start < text.size() && top < bottom;) {
        // A run keeps its closing line break, so that its lines are laid out as in the whole
        // text (an "&" before the break underlines the break, not the next run's first letter).
        qsizetype end = start;
        for (qsizetype lines = 0; end < text.size() && lines < kLinesPerRun; ++end) {
            if (text[end] == lineEnd) ++lines;
        }
        QRectF drawn;
        p.drawText(QRectF(box.left(), top, box.width(), box.bottom() - top),
                   kDrawFlags | Qt::TextDontClip, text.mid(start, end - start), &drawn);
        // The break opens an empty last line, placed on the whole pixel where the next line of
        // the one layout starts. (Measuring instead of drawing would not do: without the
        // underlines Qt may wrap a line differently.)
        top += qreal(std::llround(drawn.height() - emptyLineHeight));
        start = end;
    }
    p.restore();
}

// Up to this length a caption is measured by Qt's one layout; a longer one in pieces of lines.
constexpr qsizetype kWholeLayoutChars = 4096;

// U+009C separates length variants, which only Qt's one layout can choose between.
bool inPieces(const QString& text) {
    return text.size() > kWholeLayoutChars && !text.contains(QChar(0x9C));
}

// Text, font and resolution, with the wrap width (measuring) or the box size (masks).
struct TextKey {
    QString text;
    QFont font;
    int dpiX;
    int dpiY;
    std::int64_t width;
    std::int64_t height;
    double ratio = 1.0; // masks: the device pixel ratio they are drawn for
    friend bool operator==(const TextKey&, const TextKey&) = default;
};

size_t qHash(const TextKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.text, k.font, k.dpiX, k.dpiY, k.width, k.height, k.ratio);
}

// Bounded: a program shows few captions, but a caption typed letter by letter in a designer
// must not grow the cache without end, nor huge captions fill the memory.
constexpr qsizetype kMeasureCacheLimit = 256;
constexpr qsizetype kMeasureCacheChars = 1 << 24;
// Laid-out lines of long captions, per box width: the last few.
constexpr qsizetype kLinesCacheLimit = 4;

QHash<TextKey, QSize>& measureCache();
QHash<TextKey, QImage>& maskCache();
QHash<TextKey, std::shared_ptr<const CaptionLines>>& linesCache();

// The caches hold fonts, whose engines must be released while the application object still
// exists; Qt runs post routines from its destructor.
void clearCaches() {
    measureCache().clear();
    maskCache().clear();
    linesCache().clear();
}

void registerCleanupOnce() {
    static const bool registered = [] {
        qAddPostRoutine(clearCaches);
        return true;
    }();
    (void)registered;
}

QHash<TextKey, QSize>& measureCache() {
    static QHash<TextKey, QSize> cache;
    return cache;
}

qsizetype& measureCacheChars() {
    static qsizetype chars = 0;
    return chars;
}

QHash<TextKey, std::shared_ptr<const CaptionLines>>& linesCache() {
    static QHash<TextKey, std::shared_ptr<const CaptionLines>> cache;
    return cache;
}

// Masks are small (the caption's own box) but a designer may try many sizes: keep a few.
constexpr qsizetype kMaskCacheLimit = 64;
// Boxes larger than this are drawn directly rather than cached.
constexpr qint64 kMaskPixelLimit = 1 << 20;

QHash<TextKey, QImage>& maskCache() {
    static QHash<TextKey, QImage> cache;
    return cache;
}

// The text's coverage in a w by h device-pixel box at ratio: Alpha8, 0 where the surface shows
// through.
QImage renderMask(const QFont& font, const QImage& surface, const QString& text, int w, int h,
                  double ratio) {
    QImage m(w, h, QImage::Format_ARGB32_Premultiplied);
    m.setDotsPerMeterX(surface.dotsPerMeterX());
    m.setDotsPerMeterY(surface.dotsPerMeterY());
    m.setDevicePixelRatio(ratio);
    m.fill(Qt::transparent);
    {
        QPainter p(&m);
        p.setFont(font);
        p.setPen(Qt::black);
        drawCaptionLines(p, QRectF(0, 0, w / ratio, h / ratio), normalisedLineEnds(text));
    }
    return m.convertToFormat(QImage::Format_Alpha8);
}

// Blends color into surface through mask placed at (left, top), clipped to the surface.
void blendMask(QImage& surface, const QImage& mask, int left, int top, Rgb color) {
    const int x0 = std::max(left, 0), x1 = std::min(left + mask.width(), surface.width());
    const int y0 = std::max(top, 0), y1 = std::min(top + mask.height(), surface.height());
    if (x0 >= x1 || y0 >= y1) return;
    const int cr = redOf(color), cg = greenOf(color), cb = blueOf(color);
    const QRgb solid = qRgb(cr, cg, cb);
    for (int y = y0; y < y1; ++y) {
        const uchar* a = mask.constScanLine(y - top);
        auto* d = reinterpret_cast<QRgb*>(surface.scanLine(y));
        for (int x = x0; x < x1; ++x) {
            const int cov = a[x - left];
            if (cov == 0) continue;
            if (cov == 255) {
                d[x] = solid;
                continue;
            }
            const QRgb o = d[x];
            auto mix = [cov](int c, int b) { return (c * cov + b * (255 - cov) + 127) / 255; };
            d[x] = qRgb(mix(cr, qRed(o)), mix(cg, qGreen(o)), mix(cb, qBlue(o)));
        }
    }
}

// The lines of text laid out for p's font and device at width, from the cache when it has them.
std::shared_ptr<const CaptionLines> linesFor(const QPainter& p, const QString& text, int width) {
    const QPaintDevice& device = *p.device();
    TextKey key{text, p.font(), device.logicalDpiX(), device.logicalDpiY(), width, 0};
    registerCleanupOnce();
    auto& cache = linesCache();
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        if (cache.size() >= kLinesCacheLimit) cache.clear();
        auto lines = std::make_shared<const CaptionLines>(
            layoutCaptionLines(normalisedLineEnds(text), p.font(), &device, width));
        it = cache.insert(std::move(key), std::move(lines));
    }
    return it.value();
}

} // namespace

QSize measureCaptionText(const QFont& font, const QImage& surface, const QString& text,
                         std::int32_t wrapWidth) {
    if (text.isEmpty()) return {0, 0};
    const int dpiX = surface.isNull() ? 96 : surface.logicalDpiX();
    const int dpiY = surface.isNull() ? 96 : surface.logicalDpiY();
    TextKey key{text, font, dpiX, dpiY, wrapWidth, 0};
    registerCleanupOnce();
    auto& cache = measureCache();
    if (auto it = cache.constFind(key); it != cache.constEnd()) return it.value();

    QSize size;
    if (inPieces(text)) {
        const CaptionLines lines = layoutCaptionLines(normalisedLineEnds(text), font,
                                                      surface.isNull() ? nullptr : &surface,
                                                      std::max<std::int32_t>(wrapWidth, 0));
        // As boundingRect rounds the extent out to whole pixels.
        size = QSize(int(std::ceil(lines.width)), int(std::ceil(lines.height)));
    } else {
        const QFontMetrics fm =
            surface.isNull() ? QFontMetrics(font) : QFontMetrics(font, &surface);
        const QRect box(0, 0, std::max<std::int32_t>(wrapWidth, 0), 0);
        const QRect br = fm.boundingRect(box, kMeasureFlags, normalisedLineEnds(text));
        size = QSize(br.width(), br.height());
    }
    qsizetype& chars = measureCacheChars();
    if (cache.size() >= kMeasureCacheLimit || chars + text.size() > kMeasureCacheChars) {
        cache.clear();
        chars = 0;
    }
    chars += text.size();
    cache.insert(std::move(key), size);
    return size;
}

void drawCaptionTextAt(QImage& surface, const QFont& font, const Rect& rect, const QString& text,
                       Rgb color) {
    if (text.isEmpty() || surface.isNull()) return;
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    if (surface.depth() != 32) surface = surface.convertToFormat(QImage::Format_RGB32);
    const DeviceGrid grid(surface);
    const std::int64_t left = grid.edge(rect.left), top = grid.edge(rect.top);
    const std::int64_t dw = grid.edge(rect.right) - left, dh = grid.edge(rect.bottom) - top;
    if (dw <= 0 || dh <= 0 || left >= surface.width() || top >= surface.height() ||
        left + dw <= 0 || top + dh <= 0) {
        return; // nothing of it on the surface
    }
    if (dw * dh > kMaskPixelLimit) {
        QPainter p(&surface);
        p.setFont(font);
        p.setPen(QColor(redOf(color), greenOf(color), blueOf(color)));
        const auto w = static_cast<int>(std::int64_t(rect.right) - rect.left);
        const auto h = static_cast<int>(std::int64_t(rect.bottom) - rect.top);
        const QRect box(rect.left, rect.top, w, h);
        if (!inPieces(text)) {
            drawCaptionLines(p, box, normalisedLineEnds(text));
            return;
        }
        // Only what meets the surface is laid out and drawn.
        const QRectF visible(0, 0, grid.logicalWidth(), grid.logicalHeight());
        drawVisibleCaptionLines(p, box, *linesFor(p, text, w), visible);
        return;
    }
    TextKey key{text, font, surface.logicalDpiX(), surface.logicalDpiY(), dw, dh, grid.ratio()};
    registerCleanupOnce();
    auto& cache = maskCache();
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        if (cache.size() >= kMaskCacheLimit) cache.clear();
        it = cache.insert(key, renderMask(font, surface, text, int(dw), int(dh), grid.ratio()));
    }
    blendMask(surface, it.value(), int(left), int(top), color);
}

} // namespace chameleon

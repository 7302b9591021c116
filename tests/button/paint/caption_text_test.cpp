// A long caption is laid out in pieces and only the parts on the surface are drawn, each where
// Qt's one layout of the whole caption puts it: held here to Qt's own measuring and drawing of the
// whole text, pixel for pixel, and for 400,000 ampersands to linear work (Qt alone needs lines
// times ampersands, several times the time limit these tests run under).
#include "button/paint/caption_text.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <tuple>

namespace chameleon {
namespace {

constexpr int kMeasureFlags =
    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr int kFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

QFont captionFont() {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(8.25);
    return f;
}

// A white surface of size, and a copy with text drawn in black by Qt's own drawText.
std::pair<QImage, QImage> surfaceAndQtDrawn(QSize size, const QRect& box, const QString& text) {
    QImage surface(size, QImage::Format_RGB32);
    surface.fill(Qt::white);
    QImage expected = surface.copy();
    QPainter p(&expected);
    p.setFont(captionFont());
    p.setPen(Qt::black);
    p.drawText(box, kFlags, text);
    return {surface, expected};
}

// Lines of varied width wrapping at 60 px, with access keys, "&&", a last "&" and empty lines.
QString manyLines(int lines) {
    static const char* const kLines[] = {"&Start Cutting", "", "Wo&&AV &x ij", "AVAV&", "&a\t&b"};
    QString text;
    for (int i = 0; i < lines; ++i) text += QLatin1String(kLines[i % 5]) + QLatin1Char('\n');
    return text;
}

TEST(CaptionTextTest, LongCaptionsMeasureAndDrawAsQtDoesTheWholeText) {
    QString words;
    while (words.size() < 20000) words += QStringLiteral("Cut the &disc image to  size. ");
    const QString word = QStringLiteral("&a").repeated(12000) + QStringLiteral("AV&&ij");
    // Many lines in boxes of more than a million pixels, drawn straight onto the surface as Qt's
    // own drawText on a copy of it does, the box's top putting a later run in view; then, each
    // in its measured box (given without a height), a wrapped paragraph, wider, one word of
    // 12,000 letters, and lines before a paragraph. Each case: the text, the wrap width, the box.
    const std::tuple<QString, int, QRect> cases[] = {
        {manyLines(1000), 60, {4, 0, 60, 26000}},
        {manyLines(1000), 60, {4, -6000, 60, 26000}},
        {manyLines(1000), 60, {4, -12957, 60, 26000}},
        {manyLines(700), 60, {4, 7, 60, 26000}},
        {words, 60, {4, -9000, 0, 0}},
        {words, 133, {2, -1500, 0, 0}},
        {word, 60, {-40000, 3, 0, 0}},
        {manyLines(900) + words, 60, {4, -16000, 0, 0}}};
    for (const auto& [text, wrap, given] : cases) {
        SCOPED_TRACE(testing::Message() << text.size() << " characters at " << wrap);
        const QImage device(75, 40, QImage::Format_RGB32);
        const QSize size = measureCaptionText(captionFont(), device, text, wrap);
        EXPECT_EQ(size, QFontMetrics(captionFont(), &device)
                            .boundingRect(QRect(0, 0, wrap, 0), kMeasureFlags, text)
                            .size());
        const QRect box = given.height() ? given : QRect(given.topLeft(), size);
        auto [surface, expected] = surfaceAndQtDrawn({75, 40}, box, text);
        drawCaptionTextAt(surface, captionFont(),
                          Rect{box.left(), box.top(), box.right() + 1, box.bottom() + 1}, text, 0);
        EXPECT_EQ(surface, expected);
    }
}

TEST(CaptionTextTest, FourHundredThousandAmpersandsOnTwoHundredThousandLines) {
    QString text;
    for (int i = 0; i < 200000; ++i) text += QStringLiteral("&o&k\n");
    auto [surface, expected] = surfaceAndQtDrawn({75, 23}, QRect(8, 2, 59, 200), text.left(5 * 20));
    drawCaptionTextAt(surface, captionFont(), Rect{8, 2, 67, 2 + 13 * 200000}, text, 0);
    EXPECT_EQ(surface, expected);
}

} // namespace
} // namespace chameleon

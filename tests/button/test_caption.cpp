// Caption layout, access key and caption drawing. Text geometry is compared with the font
// metrics of the same font rather than with glyph widths, so the tests hold for any font the
// machine picks; the text itself is drawn without antialiasing here so that every text pixel
// has exactly the colour the mode prescribes.
#include "button/caption.h"
#include "button/colors.h"
#include "test_host.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace chameleon {
namespace {

using testing::TestHost;
using PixelSet = std::set<std::pair<int, int>>;

constexpr int WideWrap = 10000;

PicturePtr square16() {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(Qt::red);
    return MakePicture(img, Picture::Bitmap);
}

struct CaptionTest : ::testing::Test {
    TestHost host{75, 23};
    Control c{host};

    CaptionTest() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        font.setStyleStrategy(QFont::NoAntialias);
        host.surfaceFont = font;
        setSize(75, 23);
        c.r.ColorScheme = SchemeSystem;
        ApplyColorScheme(c);
    }

    void setSize(int w, int h) {
        host.resize(w, h);
        c.r.ClientWidth = w;
        c.r.ClientHeight = h;
    }

    void usePicture() {
        c.r.PictureNormal = square16();
        c.r.PictureWidth = 16;
        c.r.PictureHeight = 16;
    }

    // Size of text as Qt lays it out without any "&" handling, for expectations.
    QSize plainSize(const QString& text, int wrap = WideWrap) const {
        const QFontMetrics fm(host.surfaceFont, &host.image);
        return fm.boundingRect(QRect(0, 0, wrap, 0), Qt::TextWordWrap, text).size();
    }

    int lineHeight() const { return QFontMetrics(host.surfaceFont, &host.image).height(); }

    // Fills the surface with the face colour, draws in mode, and returns the surface.
    QImage drawMode(std::uint8_t mode) {
        host.image.fill(
            QColor(redOf(c.r.FaceColor), greenOf(c.r.FaceColor), blueOf(c.r.FaceColor)));
        DrawCaption(c, mode);
        return host.image;
    }

    PixelSet pixelsOf(Rgb color) const {
        PixelSet s;
        for (int y = 0; y < host.image.height(); ++y)
            for (int x = 0; x < host.image.width(); ++x)
                if (host.pixel(x, y) == color) s.insert({x, y});
        return s;
    }

    std::set<Rgb> colours() const {
        std::set<Rgb> s;
        for (int y = 0; y < host.image.height(); ++y)
            for (int x = 0; x < host.image.width(); ++x) s.insert(host.pixel(x, y));
        return s;
    }

    // The caption's own pixels at CaptionRect: drawn alone in a colour no mode uses.
    PixelSet textMask() {
        constexpr Rgb Probe = 0x010203;
        host.image.fill(Qt::black);
        DrawCaptionText(c, c.r.CaptionRect, Probe);
        return pixelsOf(Probe);
    }
};

PixelSet shifted(const PixelSet& s, int dx, int dy) {
    PixelSet out;
    for (auto [x, y] : s) out.insert({x + dx, y + dy});
    return out;
}

PixelSet minus(PixelSet a, const PixelSet& b) {
    for (const auto& p : b) a.erase(p);
    return a;
}

TEST_F(CaptionTest, OneLineCaptionIsMeasuredFromOneOneAndCentred) {
    c.r.PicturePosition = PictureBehind;
    c.r.Caption = QStringLiteral("OK");
    LayoutCaption(c);
    const QSize text = plainSize(QStringLiteral("OK"));
    EXPECT_EQ(c.r.CaptionWidth, text.width());
    EXPECT_EQ(c.r.CaptionHeight, lineHeight());
    const int right = 1 + text.width(), bottom = 1 + lineHeight();
    const Rect expected = Rect{1, 1, right, bottom}.offset((75 - right) / 2, (23 - bottom) / 2);
    EXPECT_EQ(c.r.CaptionRect, expected);
    EXPECT_EQ(c.r.CaptionDownRect, expected.offset(1, 1));
}

TEST_F(CaptionTest, AmpersandPrefixesAreMeasuredAsShown) {
    c.r.PicturePosition = PictureBehind;
    c.r.Caption = QStringLiteral("&Save");
    LayoutCaption(c);
    EXPECT_EQ(c.r.CaptionWidth, plainSize(QStringLiteral("Save")).width());
    c.r.Caption = QStringLiteral("A && B");
    LayoutCaption(c);
    EXPECT_EQ(c.r.CaptionWidth, plainSize(QStringLiteral("A & B")).width());
}

TEST_F(CaptionTest, LongCaptionWrapsAndAWideWordWidensTheBox) {
    c.r.PicturePosition = PictureBehind;
    setSize(60, 80);
    c.r.Caption = QStringLiteral("one two three four five");
    LayoutCaption(c);
    EXPECT_LE(c.r.CaptionWidth, 60 - 3);
    EXPECT_GE(c.r.CaptionHeight, 2 * lineHeight());
    EXPECT_EQ(c.r.CaptionHeight % lineHeight(), 0);

    setSize(30, 40);
    c.r.Caption = QStringLiteral("Supercalifragilistic");
    LayoutCaption(c);
    EXPECT_EQ(c.r.CaptionWidth, plainSize(QStringLiteral("Supercalifragilistic")).width());
    EXPECT_GT(c.r.CaptionWidth, 27);
    EXPECT_EQ(c.r.CaptionHeight, lineHeight());
    // Wider than the button: centring moves it left of the client area.
    EXPECT_EQ(c.r.CaptionRect.left, 1 + (30 - (1 + c.r.CaptionWidth)) / 2);
    EXPECT_LT(c.r.CaptionRect.left, 0);
}

TEST_F(CaptionTest, EmptyCaptionMeasuresAsAPointAtTheStartCorner) {
    c.r.PicturePosition = PictureBehind;
    LayoutCaption(c);
    EXPECT_EQ(c.r.CaptionWidth, 0);
    EXPECT_EQ(c.r.CaptionHeight, 0);
    EXPECT_EQ(c.r.CaptionRect, (Rect{38, 12, 38, 12})); // (1,1) moved by (74\2, 22\2)
}

TEST_F(CaptionTest, PictureLeftCentresTheCaptionBesideThePicture) {
    usePicture();
    c.r.PicturePosition = PictureLeft;
    c.r.Caption = QStringLiteral("OK");
    LayoutCaption(c);
    const int w = plainSize(QStringLiteral("OK")).width(), h = lineHeight();
    // Measured from x = 17, then centred in the band from 17 to the right edge.
    const int left = 17 + (75 - (17 + w)) / 2, top = 1 + (23 - (1 + h)) / 2;
    EXPECT_EQ(c.r.CaptionRect, (Rect{left, top, left + w, top + h}));
    EXPECT_EQ(c.r.PictureX, left - 16 - 4);
    EXPECT_EQ(c.r.PictureY, 3);
}

TEST_F(CaptionTest, PictureRightTakesItsRoomOffTheFreeSpace) {
    usePicture();
    c.r.PicturePosition = PictureRight;
    c.r.Caption = QStringLiteral("OK");
    LayoutCaption(c);
    const int w = plainSize(QStringLiteral("OK")).width(), h = lineHeight();
    const int left = 1 + (75 - (1 + w) - 16 - 4) / 2, top = 1 + (23 - (1 + h)) / 2;
    EXPECT_EQ(c.r.CaptionRect, (Rect{left, top, left + w, top + h}));
    EXPECT_EQ(c.r.PictureX, left + w + 4);
    EXPECT_EQ(c.r.PictureY, 3);
}

TEST_F(CaptionTest, PictureTopAndBottom) {
    setSize(75, 50);
    usePicture();
    c.r.Caption = QStringLiteral("OK");
    const int w = plainSize(QStringLiteral("OK")).width(), h = lineHeight();
    const int left = 1 + (75 - (1 + w)) / 2;

    c.r.PicturePosition = PictureTop;
    LayoutCaption(c);
    int top = 17 + (50 - (17 + h)) / 2;
    EXPECT_EQ(c.r.CaptionRect, (Rect{left, top, left + w, top + h}));
    EXPECT_EQ(c.r.PictureX, (75 - 16) / 2);
    EXPECT_EQ(c.r.PictureY, top - 16 - 2);

    c.r.PicturePosition = PictureBottom;
    LayoutCaption(c);
    top = 1 + (50 - (1 + h) - 16 - 4) / 2;
    EXPECT_EQ(c.r.CaptionRect, (Rect{left, top, left + w, top + h}));
    EXPECT_EQ(c.r.PictureX, 29);
    EXPECT_EQ(c.r.PictureY, top + h + 2);
}

TEST_F(CaptionTest, PictureBehindAndBlankCaptionsCentreThePicture) {
    usePicture();
    c.r.PicturePosition = PictureBehind;
    c.r.Caption = QStringLiteral("OK");
    LayoutCaption(c);
    EXPECT_EQ(c.r.PictureX, 29);
    EXPECT_EQ(c.r.PictureY, 3);
    c.r.PicturePosition = PictureLeft;
    c.r.Caption = QStringLiteral("   ");
    LayoutCaption(c);
    EXPECT_EQ(c.r.PictureX, 29);
    EXPECT_EQ(c.r.PictureY, 3);
}

TEST_F(CaptionTest, PictureGeometryIsKeptWithoutAPicture) {
    c.r.PictureX = 5;
    c.r.PictureY = 6;
    c.r.Caption = QStringLiteral("OK");
    LayoutCaption(c);
    EXPECT_EQ(c.r.PictureX, 5);
    EXPECT_EQ(c.r.PictureY, 6);
    // PictureOver alone is enough to place it.
    c.r.PictureOver = square16();
    c.r.PicturePosition = PictureBehind;
    LayoutCaption(c);
    EXPECT_EQ(c.r.PictureX, 37);
    EXPECT_EQ(c.r.PictureY, 11);
}

TEST_F(CaptionTest, UnknownPicturePositionMeasuresFromThePressedRectangle) {
    c.r.Caption = QStringLiteral("OK");
    c.r.PicturePosition = 7;
    LayoutCaption(c);
    const int w = plainSize(QStringLiteral("OK")).width(), h = lineHeight();
    // From an all-zero pressed rectangle: wrap width 0, no centring.
    EXPECT_EQ(c.r.CaptionRect, (Rect{0, 0, w, h}));
    LayoutCaption(c);
    EXPECT_EQ(c.r.CaptionRect, (Rect{1, 1, 1 + w, 1 + h}));
    LayoutCaption(c);
    EXPECT_EQ(c.r.CaptionRect, (Rect{2, 2, 2 + w, 2 + h}));
    EXPECT_EQ(c.r.CaptionDownRect, (Rect{3, 3, 3 + w, 3 + h}));
}

TEST_F(CaptionTest, AccessKeyRules) {
    const std::pair<const char*, const char*> cases[] = {
        {"&Save", "s"},      {"Save && E&xit", "x"},
        {"A && B", ""},      {"&&", ""},
        {"S&", ""},          {"&", ""},
        {"x", ""},           {"", ""},
        {"Plain", ""},       {"&&&X", "x"},
        {"a&&b&&c&d", ""},   {"a&&b&", ""},
        {"Open &File", "f"}, {"&&a&&b", ""},
        {"&1", "1"},
    };
    for (auto [caption, key] : cases) {
        EXPECT_EQ(AccessKeyOf(QString::fromUtf8(caption)), QString::fromUtf8(key)) << caption;
    }
    c.r.Caption = QStringLiteral("E&xit");
    SetAccessKey(c);
    EXPECT_EQ(host.accessKeys, QStringLiteral("x"));
    c.r.Caption = QStringLiteral("None");
    SetAccessKey(c);
    EXPECT_EQ(host.accessKeys, QString());
}

TEST_F(CaptionTest, UpAndOverModesDrawInTheirColourOnlyInsideCaptionRect) {
    c.r.PicturePosition = PictureBehind;
    c.r.Caption = QStringLiteral("WM#");
    c.r.TextColor = 0x0000FF;
    c.r.TextOverColor = 0x00FF00;
    LayoutCaption(c);
    const PixelSet mask = textMask();
    ASSERT_FALSE(mask.empty());
    for (auto [x, y] : mask) {
        ASSERT_TRUE(x >= c.r.CaptionRect.left && x < c.r.CaptionRect.right &&
                    y >= c.r.CaptionRect.top && y < c.r.CaptionRect.bottom);
    }
    drawMode(CaptionUp);
    EXPECT_EQ(pixelsOf(0x0000FF), mask);
    EXPECT_EQ(colours(), (std::set<Rgb>{c.r.FaceColor, 0x0000FF})); // background untouched
    EXPECT_EQ(c.r.LastCaptionMode, CaptionUp);
    EXPECT_EQ(host.currentTextColor, 0x0000FF);
    drawMode(CaptionOver);
    EXPECT_EQ(pixelsOf(0x00FF00), mask);
    EXPECT_EQ(c.r.LastCaptionMode, CaptionOver);
}

TEST_F(CaptionTest, DownModeIsTheCaptionMovedOnePixel) {
    c.r.PicturePosition = PictureBehind;
    c.r.Caption = QStringLiteral("WM#");
    c.r.TextOverColor = 0x00FF00;
    c.r.LightColor = 0xFF0000;
    LayoutCaption(c);
    const PixelSet mask = textMask();
    drawMode(CaptionDown);
    EXPECT_EQ(pixelsOf(0x00FF00), shifted(mask, 1, 1));
    c.r.ButtonType = RoundedBevel; // pressed caption in the light colour
    drawMode(CaptionDown);
    EXPECT_EQ(pixelsOf(0xFF0000), shifted(mask, 1, 1));
}

TEST_F(CaptionTest, ShadedModesUseTheirColourPairs) {
    c.r.PicturePosition = PictureBehind;
    c.r.Caption = QStringLiteral("WM#");
    c.r.SpecialEffect = EffectEmbossed; // never drawn by these modes
    c.r.ColorScheme = SchemeClassic;
    ApplyColorScheme(c);
    LayoutCaption(c);
    const ButtonRecord& r = c.r;
    const PixelSet mask = textMask();
    const PixelSet under = minus(shifted(mask, 1, 1), mask);

    drawMode(CaptionEmbossed);
    EXPECT_EQ(pixelsOf(r.ShadowColor), mask);
    EXPECT_EQ(pixelsOf(r.HighlightColor), under);
    EXPECT_EQ(colours().size(), 3u);

    drawMode(CaptionGrey);
    EXPECT_EQ(pixelsOf(r.ShadowColor), mask);
    EXPECT_EQ(colours().size(), 2u);

    drawMode(CaptionShaded);
    const Rgb shaded = OffsetColor(c, r.GradientBase, -104, true);
    EXPECT_EQ(shaded, rgb(136, 136, 110)); // 240 - 104; blue 240 + (240 * -104) \ 192
    EXPECT_EQ(pixelsOf(shaded), mask);
    EXPECT_EQ(colours().size(), 2u);

    drawMode(CaptionLightEmbossed);
    EXPECT_EQ(pixelsOf(r.HighlightColor), mask);
    EXPECT_EQ(pixelsOf(OffsetColor(c, r.ShadowColor, -50)), under);
    EXPECT_EQ(colours().size(), 3u);

    // Face-embossed: the caption in the face colour itself, so only the highlight shows.
    drawMode(CaptionFaceEmbossed);
    EXPECT_EQ(pixelsOf(r.HighlightColor), under);
    EXPECT_EQ(colours().size(), 2u);

    // Any other mode: the text colour the surface already has.
    host.currentTextColor = 0x00FF00;
    drawMode(9);
    EXPECT_EQ(pixelsOf(0x00FF00), mask);
    EXPECT_EQ(c.r.LastCaptionMode, 9);
}

TEST_F(CaptionTest, SpecialEffectCopies) {
    c.r.PicturePosition = PictureBehind;
    c.r.Caption = QStringLiteral("WM#");
    c.r.TextColor = 0x0000FF;
    LayoutCaption(c);
    const PixelSet mask = textMask();
    const Rgb lighter = OffsetColor(c, c.r.FaceColor, 40);
    const Rgb darker = OffsetColor(c, c.r.FaceColor, -40);
    ASSERT_EQ(lighter, 0xF0F8FC);
    ASSERT_EQ(darker, 0xA0A8AC);
    const PixelSet below = minus(shifted(mask, 1, 1), mask);
    const PixelSet above = minus(shifted(mask, -1, -1), mask);

    for (int effect : {0, -1}) {
        c.r.SpecialEffect = effect;
        drawMode(CaptionUp);
        EXPECT_EQ(colours().size(), 2u) << effect;
    }
    for (int effect : {3, 5}) {
        c.r.SpecialEffect = effect;
        drawMode(CaptionUp);
        EXPECT_EQ(pixelsOf(darker), below) << effect;
        EXPECT_EQ(pixelsOf(0x0000FF), mask);
        EXPECT_EQ(colours().size(), 3u);
    }
    c.r.SpecialEffect = EffectEmbossed;
    drawMode(CaptionUp);
    EXPECT_EQ(pixelsOf(lighter), above);
    EXPECT_EQ(pixelsOf(darker), minus(below, above));
    c.r.SpecialEffect = EffectEngraved;
    drawMode(CaptionUp);
    EXPECT_EQ(pixelsOf(darker), above);
    EXPECT_EQ(pixelsOf(lighter), minus(below, above));

    // The pressed caption takes its copies from the pressed rectangle.
    c.r.SpecialEffect = EffectShadow;
    drawMode(CaptionDown);
    EXPECT_EQ(pixelsOf(darker), minus(shifted(mask, 2, 2), shifted(mask, 1, 1)));
}

TEST_F(CaptionTest, EffectBaseColourFollowsTheStyle) {
    c.r.PicturePosition = PictureBehind;
    c.r.Caption = QStringLiteral("WM#");
    c.r.SpecialEffect = EffectShadow;
    c.r.GradientBase = 0x808080;
    c.r.HotFillColor = 0x404040;
    LayoutCaption(c);
    const PixelSet below = minus(shifted(textMask(), 1, 1), textMask());
    for (int type : {RoundedGradient, RoundedBevel, GradientFramed}) {
        c.r.ButtonType = type;
        drawMode(CaptionUp);
        EXPECT_EQ(pixelsOf(0x585858), below) << type;
    }
    c.r.ButtonType = FlatHighlight;
    c.r.IsOver = true;
    c.r.LastState = StateUp;
    drawMode(CaptionOver);
    EXPECT_EQ(pixelsOf(0x181818), below);
    c.r.LastState = StateDown; // pressed: the face again
    drawMode(CaptionDown);
    EXPECT_EQ(pixelsOf(OffsetColor(c, c.r.FaceColor, -40)).size(), below.size());
    c.r.LastState = StateUp;
    c.r.ColorScheme = SchemeCustom; // custom scheme: the face again
    drawMode(CaptionOver);
    EXPECT_EQ(pixelsOf(0x181818).size(), 0u);
}

TEST_F(CaptionTest, AccessKeyLetterIsUnderlinedAndLinesAreCentred) {
    c.r.PicturePosition = PictureBehind;
    c.r.Caption = QStringLiteral("Save");
    LayoutCaption(c);
    const PixelSet plain = textMask();
    c.r.Caption = QStringLiteral("&Save");
    const PixelSet marked = textMask();
    EXPECT_EQ(minus(plain, marked), PixelSet{});
    EXPECT_GT(marked.size(), plain.size());

    // Two lines of different width: the short one is centred over the long one.
    setSize(60, 60);
    c.r.Caption = QStringLiteral("I WWWWWW");
    LayoutCaption(c);
    ASSERT_EQ(c.r.CaptionHeight, 2 * lineHeight());
    const PixelSet mask = textMask();
    int minX = 1000, maxX = -1;
    for (auto [x, y] : mask)
        if (y < c.r.CaptionRect.top + lineHeight()) {
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
        }
    const int centre2 = c.r.CaptionRect.left + c.r.CaptionRect.right; // doubled centre
    EXPECT_LE(std::abs(minX + maxX + 1 - centre2), 3);
}

} // namespace
} // namespace chameleon

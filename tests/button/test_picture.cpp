// Pictures: loading and measuring, and every kind of pixel DrawMaskedPicture writes (mask
// transparency, icons on the mask colour, greyscale, the two-thirds blend, silhouettes with
// and without DarkOnly, odd widths and clipping), then the choices DrawPicture makes per state.
#include "button/caption.h"
#include "button/colors.h"
#include "button/picture.h"
#include "test_host.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace chameleon {
namespace {

using testing::TestHost;

constexpr Rgb Silver = 0xC0C0C0;
constexpr Rgb Face = 0x336699;

QColor qc(Rgb c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

// A bitmap filled with `back`, with `core` in the square [1, size - 1).
PicturePtr framedBitmap(int size, Rgb back, Rgb core) {
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(qc(back));
    for (int y = 1; y < size - 1; ++y)
        for (int x = 1; x < size - 1; ++x) img.setPixel(x, y, qc(core).rgb());
    return MakePicture(img, Picture::Bitmap);
}

struct PictureTest : ::testing::Test {
    TestHost host{40, 30};
    Control c{host};

    PictureTest() {
        host.image.fill(qc(Face));
        c.r.ClientWidth = 40;
        c.r.ClientHeight = 30;
        c.r.UseMaskColor = true;
        c.r.MaskColor = Silver;
        c.r.ColorScheme = SchemeClassic;
        c.r.ButtonType = ClassicBevel;
        ApplyColorScheme(c);
    }

    void setPicture(PicturePtr p, int x = 10, int y = 10) {
        c.r.PictureNormal = std::move(p);
        MeasurePicture(c);
        c.r.PictureX = x;
        c.r.PictureY = y;
    }

    void clear() { host.image.fill(qc(Face)); }
};

// Scale conversion of one HIMETRIC hundred to a pixel, to reach exact halves.
struct HundredthsHost : TestHost {
    double himetricToPixelsX(double h) const override { return h / 100.0; }
    double himetricToPixelsY(double h) const override { return h / 100.0; }
};

TEST_F(PictureTest, MeasureConvertsHimetricRoundingHalvesToEven) {
    setPicture(framedBitmap(16, Silver, 0));
    EXPECT_EQ(c.r.PictureNormal->himetricWidth, 423); // 16 px at 96 dpi
    EXPECT_EQ(c.r.PictureWidth, 16);
    EXPECT_EQ(c.r.PictureHeight, 16);
    c.r.PictureNormal = nullptr;
    MeasurePicture(c);
    EXPECT_EQ(c.r.PictureWidth, 0);
    EXPECT_EQ(c.r.PictureHeight, 0);

    HundredthsHost h;
    Control hc(h);
    auto p = std::make_shared<Picture>();
    p->image = QImage(1, 1, QImage::Format_RGB32);
    p->himetricWidth = 250;
    p->himetricHeight = 350;
    hc.r.PictureNormal = p;
    MeasurePicture(hc);
    EXPECT_EQ(hc.r.PictureWidth, 2);
    EXPECT_EQ(hc.r.PictureHeight, 4);
}

TEST_F(PictureTest, LoadsBmpPngAndIcoFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage img(15, 9, QImage::Format_ARGB32);
    img.fill(QColor(10, 20, 30, 255));
    img.setPixelColor(0, 0, QColor(0, 0, 0, 0));
    ASSERT_TRUE(img.save(dir.filePath("a.bmp")));
    ASSERT_TRUE(img.save(dir.filePath("a.png")));
    ASSERT_TRUE(img.save(dir.filePath("a.ico")));

    for (const char* name : {"a.bmp", "a.png"}) {
        const PicturePtr p = LoadPicture(dir.filePath(name));
        ASSERT_TRUE(p) << name;
        EXPECT_EQ(p->kind, Picture::Bitmap);
        EXPECT_EQ(p->image.size(), QSize(15, 9));
        EXPECT_FALSE(p->image.hasAlphaChannel());
        EXPECT_EQ(p->himetricWidth, 397); // 15 * 2540 / 96 = 396.9
        EXPECT_EQ(p->himetricHeight, 238);
    }
    const PicturePtr icon = LoadPicture(dir.filePath("a.ico"));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->kind, Picture::Icon);
    EXPECT_EQ(qAlpha(icon->image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon->image.pixel(1, 0)), 255);

    QFile junk(dir.filePath("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not an image");
    junk.close();
    EXPECT_FALSE(LoadPicture(dir.filePath("junk.bmp")));
    EXPECT_FALSE(LoadPicture(dir.filePath("missing.png")));
    EXPECT_FALSE(MakePicture(QImage(), Picture::Bitmap));
}

TEST_F(PictureTest, MaskColourIsTransparentOnlyWithUseMaskColor) {
    const PicturePtr p = framedBitmap(16, Silver, 0x0000FF);
    DrawMaskedPicture(host.image, 10, 10, 16, 16, *p, Silver, -1, false, false, false, true);
    EXPECT_EQ(host.pixel(10, 10), Face);
    EXPECT_EQ(host.pixel(25, 25), Face);
    EXPECT_EQ(host.pixel(11, 11), 0x0000FF);
    EXPECT_EQ(host.pixel(24, 24), 0x0000FF);
    EXPECT_EQ(host.pixel(26, 26), Face);
    clear();
    DrawMaskedPicture(host.image, 10, 10, 16, 16, *p, Silver, -1, false, false, false, false);
    EXPECT_EQ(host.pixel(10, 10), Silver);
    EXPECT_EQ(host.pixel(25, 25), Silver);
    EXPECT_EQ(host.pixel(11, 11), 0x0000FF);
    // Zero width or height draws nothing; a negative one takes the picture's own size.
    clear();
    DrawMaskedPicture(host.image, 10, 10, 0, 16, *p, Silver, -1, false, false, false, false);
    DrawMaskedPicture(host.image, 10, 10, 16, 0, *p, Silver, -1, false, false, false, false);
    EXPECT_EQ(host.pixel(10, 10), Face);
    DrawMaskedPicture(host.image, 0, 0, -1, -1, *p, Silver, -1, false, false, false, false);
    EXPECT_EQ(host.pixel(15, 15), Silver);
    EXPECT_EQ(host.pixel(16, 16), Face);
}

TEST_F(PictureTest, OddWidthBitmapIsDrawnWithEveryPixelInPlace) {
    QImage img(15, 7, QImage::Format_RGB32);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 15; ++x) img.setPixel(x, y, qRgb(x * 16, y * 30, 200));
    const PicturePtr p = MakePicture(img, Picture::Bitmap);
    DrawMaskedPicture(host.image, 3, 2, 15, 7, *p, Silver, -1, false, false, false, true);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool in = x >= 3 && x < 18 && y >= 2 && y < 9;
            const Rgb expected = in ? rgb((x - 3) * 16, (y - 2) * 30, 200) : Face;
            ASSERT_EQ(host.pixel(x, y), expected) << x << "," << y;
        }
    // Partly off the surface: the visible part keeps its place.
    clear();
    DrawMaskedPicture(host.image, -2, -1, 15, 7, *p, Silver, -1, false, false, false, true);
    EXPECT_EQ(host.pixel(0, 0), rgb(32, 30, 200));
    EXPECT_EQ(host.pixel(12, 5), rgb(14 * 16, 180, 200));
    EXPECT_EQ(host.pixel(13, 5), Face);
    clear();
    DrawMaskedPicture(host.image, 30, 25, 15, 7, *p, Silver, -1, false, false, false, true);
    EXPECT_EQ(host.pixel(39, 29), rgb(9 * 16, 4 * 30, 200));
    // Asked for more than the bitmap has: only the bitmap's own pixels are drawn.
    clear();
    DrawMaskedPicture(host.image, 0, 0, 20, 10, *p, Silver, -1, false, false, false, true);
    EXPECT_EQ(host.pixel(14, 6), rgb(14 * 16, 180, 200));
    EXPECT_EQ(host.pixel(15, 6), Face);
    EXPECT_EQ(host.pixel(14, 7), Face);
}

TEST_F(PictureTest, GreyscaleRoundsLikeTheRuntime) {
    EXPECT_EQ(GreyOf(255, 255, 255), 254);
    EXPECT_EQ(GreyOf(0, 0, 0), 0);
    EXPECT_EQ(GreyOf(255, 0, 0), 76); // round(76.5) = 76, halves to even
    EXPECT_EQ(GreyOf(0, 255, 0), 150);
    EXPECT_EQ(GreyOf(0, 0, 255), 28);
    EXPECT_EQ(GreyOf(5, 0, 0), 2); // round(1.5) = 2

    QImage img(4, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(255, 255, 255));
    img.setPixel(1, 0, qRgb(255, 0, 0));
    img.setPixel(2, 0, qRgb(0, 255, 0));
    img.setPixel(3, 0, qRgb(0, 0, 255));
    const PicturePtr p = MakePicture(img, Picture::Bitmap);
    // Greyscale takes precedence over blend.
    DrawMaskedPicture(host.image, 0, 0, 4, 1, *p, Silver, -1, false, true, true, true);
    EXPECT_EQ(host.pixel(0, 0), 0xFEFEFE);
    EXPECT_EQ(host.pixel(1, 0), 0x4C4C4C);
    EXPECT_EQ(host.pixel(2, 0), 0x969696);
    EXPECT_EQ(host.pixel(3, 0), 0x1C1C1C);
}

TEST_F(PictureTest, BlendIsTwoThirdsPictureOneThirdDestination) {
    QImage img(2, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(0, 0, 0));
    img.setPixel(1, 0, qRgb(255, 100, 10));
    const PicturePtr p = MakePicture(img, Picture::Bitmap);
    DrawMaskedPicture(host.image, 0, 0, 2, 1, *p, Silver, -1, false, false, true, true);
    // Face is red 0x99, green 0x66, blue 0x33.
    EXPECT_EQ(host.pixel(0, 0), rgb(0x99 / 3, 0x66 / 3, 0x33 / 3));
    EXPECT_EQ(host.pixel(1, 0), rgb((510 + 0x99) / 3, (200 + 0x66) / 3, (20 + 0x33) / 3));
}

TEST_F(PictureTest, SilhouettesAndDarkOnly) {
    QImage img(4, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(128, 128, 128));    // 384: dark enough
    img.setPixel(1, 0, qRgb(128, 128, 129));    // 385: too light
    img.setPixel(2, 0, qRgb(0xC0, 0xC0, 0xC0)); // the mask colour: transparent
    img.setPixel(3, 0, qRgb(255, 255, 255));
    const PicturePtr p = MakePicture(img, Picture::Bitmap);
    DrawMaskedPicture(host.image, 0, 0, 4, 1, *p, Silver, 0x00FF00, true, true, true, true);
    EXPECT_EQ(host.pixel(0, 0), 0x00FF00);
    EXPECT_EQ(host.pixel(1, 0), Face);
    EXPECT_EQ(host.pixel(2, 0), Face);
    EXPECT_EQ(host.pixel(3, 0), Face);
    DrawMaskedPicture(host.image, 0, 1, 4, 1, *p, Silver, 0, false, false, false, true);
    EXPECT_EQ(host.pixel(0, 1), 0);
    EXPECT_EQ(host.pixel(1, 1), 0);
    EXPECT_EQ(host.pixel(2, 1), Face);
    EXPECT_EQ(host.pixel(3, 1), 0);
}

TEST_F(PictureTest, IconsAreComposedOnTheMaskColour) {
    QImage img(3, 1, QImage::Format_ARGB32);
    img.setPixelColor(0, 0, QColor(0, 0, 255, 255));
    img.setPixelColor(1, 0, QColor(0, 0, 0, 0));
    img.setPixelColor(2, 0, QColor(255, 255, 255, 128));
    const PicturePtr icon = MakePicture(img, Picture::Icon);
    DrawMaskedPicture(host.image, 0, 0, 4, 1, *icon, Silver, -1, false, false, false, false);
    EXPECT_EQ(host.pixel(0, 0), 0xFF0000);
    EXPECT_EQ(host.pixel(1, 0), Silver);
    EXPECT_EQ(host.pixel(2, 0), rgb(224, 224, 224)); // (255*128 + 192*127 + 127) / 255
    EXPECT_EQ(host.pixel(3, 0), Silver);             // beyond the icon: the canvas
    clear();
    DrawMaskedPicture(host.image, 0, 0, 4, 1, *icon, Silver, -1, false, false, false, true);
    EXPECT_EQ(host.pixel(0, 0), 0xFF0000);
    EXPECT_EQ(host.pixel(1, 0), Face);
    EXPECT_EQ(host.pixel(3, 0), Face);
}

TEST_F(PictureTest, UpPictureGreyOnlyWhenNotHovered) {
    setPicture(framedBitmap(4, Silver, 0x0000FF));
    c.r.UseGreyscale = true;
    DrawPicture(c, PictureModeUp);
    EXPECT_EQ(host.pixel(11, 11), 0x4C4C4C);
    EXPECT_EQ(host.pixel(10, 10), Face);
    c.r.IsOver = true;
    DrawPicture(c, PictureModeUp);
    EXPECT_EQ(host.pixel(11, 11), 0x0000FF);
    clear();
    DrawPicture(c, PictureModeDown); // one pixel right and down
    EXPECT_EQ(host.pixel(11, 11), Face);
    EXPECT_EQ(host.pixel(13, 13), 0x0000FF);
    EXPECT_EQ(host.pixel(14, 14), Face);
    clear();
    DrawPicture(c, 3); // not a mode: nothing
    EXPECT_EQ(host.pixel(11, 11), Face);
}

TEST_F(PictureTest, PictureOverReplacesItWhileHoveredAndPressed) {
    setPicture(framedBitmap(4, Silver, 0x0000FF));
    c.r.PictureOver = framedBitmap(4, Silver, 0x00FF00);
    DrawPicture(c, PictureModeUp);
    EXPECT_EQ(host.pixel(11, 11), 0x0000FF);
    c.r.IsOver = true;
    DrawPicture(c, PictureModeUp);
    EXPECT_EQ(host.pixel(11, 11), 0x00FF00);
    clear();
    DrawPicture(c, PictureModeDown);
    EXPECT_EQ(host.pixel(12, 12), 0x00FF00);
    EXPECT_EQ(host.pixel(11, 11), Face);
    clear();
    c.r.ButtonType = DoubleFrame; // pressed in place
    DrawPicture(c, PictureModeDown);
    EXPECT_EQ(host.pixel(11, 11), 0x00FF00);
    // Without PictureNormal nothing at all is drawn.
    clear();
    c.r.PictureNormal = nullptr;
    DrawPicture(c, PictureModeUp);
    DrawPicture(c, PictureModeDown);
    EXPECT_EQ(host.pixel(11, 11), Face);
}

TEST_F(PictureTest, FlatHighlightWashedOutAtRestAndLiftedWhenHovered) {
    c.r.ButtonType = FlatHighlight;
    c.r.PictureOver = framedBitmap(4, Silver, 0x00FF00); // never used by this style
    setPicture(framedBitmap(4, Silver, 0x0000FF));
    DrawPicture(c, PictureModeUp);
    EXPECT_EQ(host.pixel(11, 11), rgb((510 + 0x99) / 3, 0x66 / 3, 0x33 / 3));
    clear();
    c.r.IsOver = true;
    DrawPicture(c, PictureModeUp);
    //  row 9: . . .      own colours at (-1, -1): core at 10..11
    //  row 10: . B B .   shadow silhouette at (+1, +1): core at 12..13
    EXPECT_EQ(host.pixel(10, 10), 0x0000FF);
    EXPECT_EQ(host.pixel(11, 11), 0x0000FF);
    EXPECT_EQ(host.pixel(12, 12), c.r.ShadowColor);
    EXPECT_EQ(host.pixel(9, 9), Face);
    clear();
    DrawPicture(c, PictureModeDown); // in place, PictureOver ignored
    EXPECT_EQ(host.pixel(11, 11), 0x0000FF);
    EXPECT_EQ(host.pixel(12, 12), 0x0000FF);
}

TEST_F(PictureTest, DisabledPictures) {
    // Dark core, light ring, mask background.
    QImage img(6, 6, QImage::Format_RGB32);
    img.fill(qc(Silver));
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 5; ++x) img.setPixel(x, y, qRgb(250, 250, 250));
    for (int y = 2; y < 4; ++y)
        for (int x = 2; x < 4; ++x) img.setPixel(x, y, qRgb(10, 10, 10));
    setPicture(MakePicture(img, Picture::Bitmap));

    // ClassicBevel: highlight copy one pixel right and down under a shadow copy.
    DrawPicture(c, PictureModeDisabled);
    EXPECT_EQ(host.pixel(12, 12), c.r.ShadowColor);
    EXPECT_EQ(host.pixel(13, 13), c.r.ShadowColor);
    EXPECT_EQ(host.pixel(14, 14), c.r.HighlightColor);
    EXPECT_EQ(host.pixel(14, 13), c.r.HighlightColor);
    EXPECT_EQ(host.pixel(11, 11), Face); // light pixels vanish
    EXPECT_EQ(host.pixel(15, 15), Face);

    for (int type : {DoubleFrame, ThickRaised, FlatHighlight}) {
        clear();
        c.r.ButtonType = type;
        DrawPicture(c, PictureModeDisabled);
        const Rgb expected =
            type == FlatHighlight ? OffsetColor(c, c.r.ShadowColor, 13) : c.r.ShadowColor;
        EXPECT_EQ(host.pixel(12, 12), expected) << type;
        EXPECT_EQ(host.pixel(14, 14), Face) << type;
    }
    clear();
    c.r.ButtonType = RoundedGradient;
    DrawPicture(c, PictureModeDisabled);
    EXPECT_EQ(host.pixel(13, 13), 0x0A0A0A);
    EXPECT_EQ(host.pixel(12, 12), 0xFAFAFA); // the light ring in grey, not left out
}

TEST_F(PictureTest, EffectSilhouettesSurroundThePicture) {
    setPicture(framedBitmap(4, Silver, 0x0000FF)); // core 11..12
    const Rgb lighter = OffsetColor(c, c.r.FaceColor, 40);
    const Rgb darker = OffsetColor(c, c.r.FaceColor, -40);
    c.r.SpecialEffect = EffectEmbossed;
    DrawPicture(c, PictureModeUp);
    EXPECT_EQ(host.pixel(10, 10), lighter);
    EXPECT_EQ(host.pixel(13, 13), darker);
    EXPECT_EQ(host.pixel(11, 11), 0x0000FF);
    clear();
    c.r.SpecialEffect = EffectEngraved;
    DrawPicture(c, PictureModeUp);
    EXPECT_EQ(host.pixel(10, 10), darker);
    EXPECT_EQ(host.pixel(13, 13), lighter);
    clear();
    c.r.SpecialEffect = 7; // shadow only
    DrawPicture(c, PictureModeDown);
    EXPECT_EQ(host.pixel(14, 14), darker);
    EXPECT_EQ(host.pixel(11, 11), Face);
    clear();
    // Hovered FlatHighlight takes its base from the hover fill.
    c.r.ButtonType = FlatHighlight;
    c.r.IsOver = true;
    c.r.SpecialEffect = EffectShadow;
    DrawPicture(c, PictureModeUp);
    // Effect core at 11..12 (shift -1), shadow at 12..13, own colours at 10..11.
    EXPECT_EQ(host.pixel(11, 12), OffsetColor(c, c.r.HotFillColor, -40));
    clear();
    c.r.SpecialEffect = 0;
    DrawPicture(c, PictureModeUp);
    EXPECT_EQ(host.pixel(11, 12), Face);
}

TEST_F(PictureTest, PictureBehindRedrawsTheCaptionOnTop) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    host.surfaceFont = font;
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::white);
    c.r.PictureNormal = MakePicture(img, Picture::Bitmap);
    MeasurePicture(c);
    c.r.Caption = QStringLiteral("WM#");
    c.r.PicturePosition = PictureBehind;
    LayoutCaption(c);
    EXPECT_EQ(c.r.PictureX, 0);
    c.r.TextColor = 0x0000FF;
    c.r.LastCaptionMode = CaptionUp;
    DrawPicture(c, PictureModeUp);
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) red += host.pixel(x, y) == 0x0000FF;
    EXPECT_GT(red, 10);
    // FaceOnly shows no caption, picture or not.
    c.r.ButtonType = FaceOnly;
    DrawPicture(c, PictureModeUp);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(host.pixel(x, y), 0xFFFFFF);
}

} // namespace
} // namespace chameleon

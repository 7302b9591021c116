// Caption drawing: the copies each mode and effect draws, in order and colour, the hover fill
// under a flat button's copies, and the caption over a picture behind it. The text is drawn
// without antialiasing so that every text pixel has exactly the colour the mode gives.
#include "button/model/derived.h"
#include "button/model/redraw.h"
#include "button/paint/caption.h"
#include "button/paint/picture.h"
#include "tests/button/model/recording_host.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace chameleon::testing {
namespace {

// One text output: the caption's pixels moved by (d, d) in a colour.
using Draws = std::vector<std::pair<int, Rgb>>;

// The classic palette and its effect shades: face 0xC0C0C0 +-40, gradient base 0xF0F0F0 -40.
constexpr Rgb kFace = 0xC0C0C0, kLight = 0xDFDFDF, kHighlight = 0xFFFFFF, kShadow = 0x808080;
constexpr Rgb kLighter = 0xE8E8E8, kDarker = 0x989898, kGradientDarker = 0xC8C8C8;
constexpr Rgb kText = 0x0000FF, kTextOver = 0x00FF00;

TEST(CaptionTest, EachModeAndEffectDrawsItsCopiesInOrder) {
    TestHost host{75, 23};
    Control c{host, host};
    host.surfaceFont = QFont(QStringLiteral("DejaVu Sans"));
    host.surfaceFont.setPixelSize(12);
    host.surfaceFont.setStyleStrategy(QFont::NoAntialias);
    c.r.ClientWidth = 75;
    c.r.ClientHeight = 23;
    c.r.ColorScheme = SchemeClassic;
    c.r.PicturePosition = PictureBehind;
    ApplyColorScheme(c);
    c.r.colors.TextColor = kText;
    c.r.colors.TextOverColor = kTextOver;
    c.r.Caption = QStringLiteral("WM#");
    LayoutCaption(c);
    // Draws on the surface through a face gathered from the record, in the record's colours.
    const auto paint = [&](auto draw) {
        ButtonFace face = faceFor(c, c.r.LastState);
        static_cast<DerivedColors&>(face) = c.r.colors;
        Drawing d(host.image, face);
        draw(d);
    };
    // The caption's own pixels at CaptionRect: drawn alone in a colour no mode uses.
    constexpr Rgb kProbe = 0x010203;
    host.image.fill(Qt::black);
    paint([&](Drawing& d) { drawCaptionText(d, c.r.CaptionRect, kProbe); });
    std::vector<std::pair<int, int>> mask;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 75; ++x)
            if (host.pixel(x, y) == kProbe) mask.push_back({x, y});
    ASSERT_FALSE(mask.empty());
    // Mode, type, SpecialEffect, the text outputs (offset, colour), hover, state and scheme. The
    // shaded modes (3 to 7) never draw the effect copies; unknown modes draw nothing. A hovered
    // FlatHighlight's copies sit on its hover fill 0x404040 - 40, only when up and not custom.
    // Behind: the picture drawing over a red picture behind the caption, which would hide the
    // caption were it not drawn again on top in the drawing's mode (not by styles without one).
    struct Case {
        std::uint8_t mode;
        std::int32_t type, effect;
        Draws draws;
        bool over = false;
        std::uint8_t state = StateUp;
        std::int32_t scheme = SchemeClassic;
        bool behind = false;
    };
    const Draws customOver = {{1, kDarker}, {0, kTextOver}};
    const Case cases[] = {
        {CaptionUp, ClassicBevel, -1, {{0, kText}}},
        {CaptionDown, RoundedBevel, 0, {{1, kLight}}},
        {CaptionUp, ClassicBevel, EffectShadow, {{1, kDarker}, {0, kText}}},
        {CaptionUp, ClassicBevel, 5, {{1, kDarker}, {0, kText}}},
        {CaptionUp, ClassicBevel, EffectEmbossed, {{1, kDarker}, {-1, kLighter}, {0, kText}}},
        {CaptionOver, ClassicBevel, EffectEngraved, {{1, kLighter}, {-1, kDarker}, {0, kTextOver}}},
        {CaptionDown, ClassicBevel, EffectShadow, {{2, kDarker}, {1, kTextOver}}},
        {CaptionUp, RoundedGradient, EffectShadow, {{1, kGradientDarker}, {0, kText}}},
        {CaptionUp, RoundedBevel, EffectShadow, {{1, kGradientDarker}, {0, kText}}},
        {CaptionUp, GradientFramed, EffectShadow, {{1, kGradientDarker}, {0, kText}}},
        {CaptionEmbossed, ClassicBevel, EffectEmbossed, {{1, kHighlight}, {0, kShadow}}},
        {CaptionGrey, ClassicBevel, EffectEmbossed, {{0, kShadow}}},
        {CaptionShaded, ClassicBevel, EffectEmbossed, {{0, rgb(136, 136, 110)}}},
        {CaptionFaceEmbossed, ClassicBevel, EffectEmbossed, {{1, kHighlight}, {0, kFace}}},
        {CaptionLightEmbossed, ClassicBevel, EffectEmbossed, {{1, 0x4E4E4E}, {0, kHighlight}}},
        {9, ClassicBevel, EffectEmbossed, {}},
        {CaptionOver, FlatHighlight, EffectShadow, {{1, 0x181818}, {0, kTextOver}}, true},
        {CaptionDown, FlatHighlight, EffectShadow, {{2, kDarker}, {1, kTextOver}}, true, StateDown},
        {CaptionOver, FlatHighlight, EffectShadow, customOver, true, StateUp, SchemeCustom},
        {CaptionOver, ClassicBevel, 0, {{0, kTextOver}}, false, StateUp, SchemeClassic, true},
        {CaptionOver, FaceOnly, 0, {}, false, StateUp, SchemeClassic, true}};
    const Rgb hotFill = c.r.colors.HotFillColor;
    QImage red(75, 23, QImage::Format_RGB32);
    red.fill(Qt::red);
    c.r.PictureWidth = 75, c.r.PictureHeight = 23;
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << (&k - cases));
        c.r.colors.HotFillColor = k.over ? 0x404040 : hotFill;
        c.r.ButtonType = k.type;
        c.r.SpecialEffect = k.effect;
        c.r.IsOver = k.over;
        c.r.LastState = k.state;
        c.r.ColorScheme = k.scheme;
        c.r.LastCaptionMode = k.mode;
        c.r.PictureNormal = k.behind ? makePicture(red, Picture::Bitmap) : nullptr;
        // The face (or picture) overdrawn by the text outputs, in order.
        QImage expected = red;
        if (!k.behind) expected.fill(qrgb(kFace));
        for (auto [d, color] : k.draws)
            for (auto [x, y] : mask)
                if (expected.rect().contains(x + d, y + d))
                    expected.setPixel(x + d, y + d, qrgb(color));
        host.image.fill(qrgb(kFace));
        paint([&](Drawing& d) {
            k.behind ? DrawPicture(d, PictureModeUp) : DrawCaption(d, k.mode);
            EXPECT_EQ(d.captionMode, k.mode);
        });
        EXPECT_TRUE(host.image == expected);
    }
}

} // namespace
} // namespace chameleon::testing

// Colour helpers and schemes: the channel arithmetic of OffsetColor and LightenColor with the
// examples the control's look depends on, OLE colour translation through the fixed system
// table, and the derived colours of every scheme.
#include "button/colors.h"
#include "button/system_colors.h"
#include "test_host.h"

#include <gtest/gtest.h>

namespace chameleon {
namespace {

using testing::TestHost;

constexpr OleColor SystemIndex(int index) {
    return 0x80000000u | static_cast<OleColor>(index);
}

struct ColorsTest : ::testing::Test {
    TestHost host;
    Control c{host};
};

TEST_F(ColorsTest, OffsetColorPlainForm) {
    EXPECT_EQ(OffsetColor(c, 0xC8D0D4, 31), 0xE7EFF3);
    EXPECT_EQ(OffsetColor(c, 0xFFFFFF, 47), 0xFFFFFF);
    EXPECT_EQ(OffsetColor(c, 0x000000, -64), 0x000000);
    EXPECT_EQ(OffsetColor(c, 0x808080, 48), 0xB0B0B0);
    EXPECT_EQ(OffsetColor(c, 0x808080, -64), 0x404040);
    for (Rgb color : {0x000000, 0x123456, 0xFFFFFF, 0x0000FF, 0xC8D0D4}) {
        EXPECT_EQ(OffsetColor(c, color, 0), color);
        EXPECT_EQ(OffsetColor(c, color, 0, true), color);
    }
}

TEST_F(ColorsTest, OffsetColorScalesOnlyBlueProportionally) {
    EXPECT_EQ(OffsetColor(c, 0x808080, 48, true), 0xA0B0B0);
    // Blue 0 scales to 0; red takes the plain offset.
    EXPECT_EQ(OffsetColor(c, 0x0000FF, -64, true), 0x0000BF);
    // Blue 200 - (200 * 64) \ 192 = 200 - 66 = 134, truncating.
    EXPECT_EQ(OffsetColor(c, rgb(100, 100, 200), -64, true), rgb(36, 36, 134));
}

TEST_F(ColorsTest, OffsetColorClampsByTheSignOfTheOffset) {
    // A darkening never caps a channel at 255 and a lightening never lifts one to 0: only the
    // direction of the move is clamped. Inputs are plain RGB values, so the other bound is
    // never reached; check both ends of the range.
    EXPECT_EQ(OffsetColor(c, rgb(250, 10, 255), 10), rgb(255, 20, 255));
    EXPECT_EQ(OffsetColor(c, rgb(5, 200, 0), -10), rgb(0, 190, 0));
}

TEST_F(ColorsTest, SoftBevelHalvesTheOffsetTruncating) {
    c.r.SoftBevel = true;
    EXPECT_EQ(OffsetColor(c, 0x808080, -64), 0x606060);
    EXPECT_EQ(OffsetColor(c, 0x000000, 31), 0x0F0F0F);   // 31 \ 2 = 15
    EXPECT_EQ(OffsetColor(c, 0x808080, -1), 0x808080);   // -1 \ 2 = 0
    EXPECT_EQ(OffsetColor(c, 0x808080, 47), 0x979797);   // 23
    EXPECT_EQ(OffsetColor(c, 0xFFFFFF, -104), 0xCBCBCB); // -52
    // The proportional form is halved too: 128 + (128 * 24) \ 192 = 144.
    EXPECT_EQ(OffsetColor(c, 0x808080, 48, true), rgb(152, 152, 144));
}

TEST_F(ColorsTest, LightenColorBlendsTowardWhite) {
    EXPECT_EQ(LightenColor(0x000000, 176), 0xB0B0B0);
    EXPECT_EQ(LightenColor(0xFFFFFF, 176), 0xFFFFFF);
    EXPECT_EQ(LightenColor(0x800000, 176), 0xD7B0B0);
    EXPECT_EQ(LightenColor(0x000000, 128), 0x808080);
    c.r.SoftBevel = true; // no influence
    EXPECT_EQ(LightenColor(0x800000, 176), 0xD7B0B0);
}

TEST_F(ColorsTest, ChannelOverflowRaisesTheRuntimeError) {
    try {
        OffsetColor(c, 0x808080, INT32_MAX);
        FAIL() << "no overflow raised";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number(), OverflowErrorNumber);
    }
    EXPECT_THROW(OffsetColor(c, 0x800000, INT32_MAX / 2, true), ControlError);
}

TEST_F(ColorsTest, SystemColoursComeFromTheFixedClassicTable) {
    EXPECT_EQ(SystemColor(ColorBtnFace), 0xC8D0D4);
    EXPECT_EQ(SystemColor(Color3dLight), 0xC8D0D4);
    EXPECT_EQ(SystemColor(ColorBtnHighlight), 0xFFFFFF);
    EXPECT_EQ(SystemColor(ColorBtnShadow), 0x808080);
    EXPECT_EQ(SystemColor(Color3dDkShadow), 0x404040);
    EXPECT_EQ(SystemColor(ColorBtnText), 0x000000);
    EXPECT_EQ(SystemColor(ColorHighlight), rgb(10, 36, 106));
    for (int i = 0; i < SystemColorCount; ++i) {
        EXPECT_EQ(SystemColor(i) & ~0xFFFFFF, 0) << "index " << i << " is not plain RGB";
    }
    EXPECT_EQ(SystemColor(-1), 0);
    EXPECT_EQ(SystemColor(SystemColorCount), 0);
}

TEST_F(ColorsTest, TranslateOleColor) {
    EXPECT_EQ(TranslateOleColor(0x123456), 0x123456);
    EXPECT_EQ(TranslateOleColor(SystemIndex(ColorBtnFace)), 0xC8D0D4);
    EXPECT_EQ(TranslateOleColor(SystemIndex(ColorBtnText)), 0x000000);
    EXPECT_EQ(TranslateOleColor(SystemIndex(30)), SystemColor(30));
    EXPECT_EQ(TranslateOleColor(0x02123456), 0x123456); // palette-relative RGB
    // Untranslatable values give black.
    EXPECT_EQ(TranslateOleColor(SystemIndex(31)), 0);
    EXPECT_EQ(TranslateOleColor(SystemIndex(0xFFFF)), 0);
    EXPECT_EQ(TranslateOleColor(0x01000005), 0); // palette index without a palette
    EXPECT_EQ(TranslateOleColor(0xFFFFFFFF), 0);
}

TEST_F(ColorsTest, SystemSchemeForStandardSystemAndUnknownValues) {
    c.r.BackColor = 0x0000FF; // ignored by these schemes
    c.r.ForeColor = 0x00FF00;
    for (int scheme : {0, 1, 5, -1}) {
        c.r.ColorScheme = scheme;
        ApplyColorScheme(c);
        EXPECT_EQ(c.r.FaceColor, 0xC8D0D4) << scheme;
        EXPECT_EQ(c.r.LightColor, 0xC8D0D4);
        EXPECT_EQ(c.r.HighlightColor, 0xFFFFFF);
        EXPECT_EQ(c.r.ShadowColor, 0x808080);
        EXPECT_EQ(c.r.DarkShadowColor, 0x404040);
        EXPECT_EQ(c.r.TextColor, 0x000000);
        EXPECT_EQ(c.r.TextOverColor, 0x000000);
        EXPECT_EQ(c.r.HotFrameColor, rgb(10, 36, 106));
        EXPECT_EQ(c.r.HotFillColor, LightenColor(rgb(10, 36, 106), 176));
        EXPECT_EQ(c.r.GradientBase, 0xF8FFFF); // 212+48, 208+48, 200+48 clamped
    }
}

TEST_F(ColorsTest, CustomSchemeDerivesFromTheProperties) {
    c.r.ColorScheme = SchemeCustom;
    c.r.BackColor = 0x808080;
    c.r.ForeColor = 0x0000FF;
    c.r.ForeOver = 0xFF0000;
    ApplyColorScheme(c);
    EXPECT_EQ(c.r.FaceColor, 0x808080);
    EXPECT_EQ(c.r.LightColor, 0x9F9F9F);
    EXPECT_EQ(c.r.HighlightColor, 0xAFAFAF);
    EXPECT_EQ(c.r.ShadowColor, 0x404040);
    EXPECT_EQ(c.r.DarkShadowColor, 0x000000);
    EXPECT_EQ(c.r.TextColor, 0x0000FF);
    EXPECT_EQ(c.r.TextOverColor, 0xFF0000);
    EXPECT_EQ(c.r.HotFrameColor, 0x000000);
    EXPECT_EQ(c.r.HotFillColor, 0x808080);
    EXPECT_EQ(c.r.GradientBase, 0xB0B0B0);

    // SoftBevel softens every face-derived colour.
    c.r.SoftBevel = true;
    ApplyColorScheme(c);
    EXPECT_EQ(c.r.LightColor, 0x8F8F8F);
    EXPECT_EQ(c.r.ShadowColor, 0x606060);
    EXPECT_EQ(c.r.HotFrameColor, 0x404040);
    EXPECT_EQ(c.r.GradientBase, 0x989898);

    // A system colour index as BackColor gives that system colour and offsets from it.
    c.r.SoftBevel = false;
    c.r.BackColor = SystemIndex(ColorBtnFace);
    ApplyColorScheme(c);
    EXPECT_EQ(c.r.FaceColor, 0xC8D0D4);
    EXPECT_EQ(c.r.LightColor, 0xE7EFF3);
}

TEST_F(ColorsTest, ClassicSchemeIgnoresColourPropertiesButTranslatesMask) {
    c.r.ColorScheme = SchemeClassic;
    c.r.BackColor = 0x0000FF;
    c.r.ForeColor = 0x00FF00;
    c.r.ForeOver = 0xFF0000;
    c.r.MaskColor = SystemIndex(ColorBtnShadow);
    c.r.SoftBevel = true;
    ApplyColorScheme(c);
    EXPECT_EQ(c.r.FaceColor, 0xC0C0C0);
    EXPECT_EQ(c.r.LightColor, 0xDFDFDF);
    EXPECT_EQ(c.r.HighlightColor, 0xFFFFFF);
    EXPECT_EQ(c.r.ShadowColor, 0x808080);
    EXPECT_EQ(c.r.DarkShadowColor, 0);
    EXPECT_EQ(c.r.TextColor, 0);
    EXPECT_EQ(c.r.TextOverColor, 0);
    EXPECT_EQ(c.r.HotFrameColor, 0x800000);
    EXPECT_EQ(c.r.HotFillColor, 0xD1ADAD);
    EXPECT_EQ(c.r.MaskColorValue, 0x808080);
    EXPECT_EQ(c.r.GradientBase, 0xD8D8D8); // halved: 192 + 24
}

TEST_F(ColorsTest, ContainerSchemeReadsTheParentContext) {
    host.containerBack = 0x808080;
    host.containerText = 0x00FF00;
    c.r.ColorScheme = SchemeContainer;
    c.r.ForeColor = 0xFF; // ignored
    ApplyColorScheme(c);
    EXPECT_EQ(c.r.FaceColor, 0x808080);
    EXPECT_EQ(c.r.LightColor, 0x9F9F9F);
    EXPECT_EQ(c.r.DarkShadowColor, 0);
    EXPECT_EQ(c.r.TextColor, 0x00FF00);
    EXPECT_EQ(c.r.TextOverColor, 0x00FF00);
    EXPECT_EQ(c.r.HotFrameColor, rgb(10, 36, 106));
    EXPECT_EQ(c.r.HotFillColor, LightenColor(rgb(10, 36, 106), 176));
}

TEST_F(ColorsTest, GradientBaseIsProportionalOnlyForRoundedGradient) {
    c.r.ColorScheme = SchemeCustom;
    c.r.BackColor = 0x808080;
    c.r.ButtonType = RoundedGradient;
    ApplyColorScheme(c);
    EXPECT_EQ(c.r.GradientBase, 0xA0B0B0);
    // Switching the type alone keeps the old form until the next recomputation.
    c.r.ButtonType = ClassicBevel;
    EXPECT_EQ(c.r.GradientBase, 0xA0B0B0);
    ApplyColorScheme(c);
    EXPECT_EQ(c.r.GradientBase, 0xB0B0B0);
}

} // namespace
} // namespace chameleon

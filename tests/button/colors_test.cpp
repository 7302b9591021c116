// Colour helpers and schemes: the channel arithmetic of OffsetColor and LightenColor with the
// examples the control's look depends on, OLE colour translation through the fixed system
// table, and the derived colours of every scheme.
#include "button/colors.h"
#include "button/system_colors.h"
#include "recording_host.h"

#include <array>
#include <gtest/gtest.h>
#include <tuple>

namespace chameleon {
namespace {

using testing::TestHost;

constexpr OleColor SystemIndex(int index) {
    return 0x80000000u | static_cast<OleColor>(index);
}

constexpr Rgb SystemHighlight = rgb(10, 36, 106);
constexpr Rgb SystemHotFill = rgb(179, 187, 208); // LightenColor(SystemHighlight, 176)

struct ColorsTest : ::testing::Test {
    TestHost host;
    Control c{host};
};

TEST_F(ColorsTest, OffsetColor) {
    // Colour, offset, proportional, SoftBevel, result. The proportional form scales only blue
    // (128 + (128 * 48) \ 192 = 160; 200 - (200 * 64) \ 192 = 134); channels are clamped by the
    // direction of the move only; SoftBevel halves the offset truncating toward zero
    // (31 -> 15, -1 -> 0, 47 -> 23, -104 -> -52), in both forms.
    const std::tuple<Rgb, std::int32_t, bool, bool, Rgb> cases[] = {
        {0xC8D0D4, 31, false, false, 0xE7EFF3},  {0xFFFFFF, 47, false, false, 0xFFFFFF},
        {0x000000, -64, false, false, 0x000000}, {0x808080, 48, false, false, 0xB0B0B0},
        {0x808080, -64, false, false, 0x404040}, {0x123456, 0, false, false, 0x123456},
        {0x123456, 0, true, false, 0x123456},    {0x808080, 48, true, false, 0xA0B0B0},
        {0x0000FF, -64, true, false, 0x0000BF},  {0xC86464, -64, true, false, 0x862424},
        {0xFF0AFA, 10, false, false, 0xFF14FF},  {0x00C805, -10, false, false, 0x00BE00},
        {0x808080, -64, false, true, 0x606060},  {0x000000, 31, false, true, 0x0F0F0F},
        {0x808080, -1, false, true, 0x808080},   {0x808080, 47, false, true, 0x979797},
        {0xFFFFFF, -104, false, true, 0xCBCBCB}, {0x808080, 48, true, true, 0x909898},
    };
    for (auto [color, offset, proportional, soft, expected] : cases) {
        c.r.SoftBevel = soft;
        EXPECT_EQ(OffsetColor(c, color, offset, proportional), expected)
            << std::hex << color << std::dec << " " << offset << " " << proportional << soft;
    }
}

TEST_F(ColorsTest, LightenColorBlendsTowardWhite) {
    EXPECT_EQ(LightenColor(0x000000, 176), 0xB0B0B0);
    EXPECT_EQ(LightenColor(0xFFFFFF, 176), 0xFFFFFF);
    EXPECT_EQ(LightenColor(0x800000, 176), 0xD7B0B0);
    EXPECT_EQ(LightenColor(0x000000, 128), 0x808080);
}

TEST_F(ColorsTest, ChannelOverflowRaisesTheRuntimeError) {
    EXPECT_THROW(OffsetColor(c, 0x808080, INT32_MAX), ControlError);
    EXPECT_THROW(OffsetColor(c, 0x800000, INT32_MAX / 2, true), ControlError);
}

TEST_F(ColorsTest, OleColoursResolveThroughTheFixedClassicTable) {
    // Plain and palette-relative RGB; the system colours the schemes read (13 highlight,
    // 15 button face, 16 shadow, 18 text, 20 highlight, 21 dark shadow, 22 light); values that
    // cannot be translated (indexes past the table, a palette index without a palette).
    const std::pair<OleColor, Rgb> cases[] = {
        {0x00123456, 0x123456}, {0x02123456, 0x123456}, {0x8000000D, 0x6A240A},
        {0x8000000F, 0xC8D0D4}, {0x80000010, 0x808080}, {0x80000012, 0x000000},
        {0x80000014, 0xFFFFFF}, {0x80000015, 0x404040}, {0x80000016, 0xC8D0D4},
        {0x8000001F, 0x000000}, {0x8000FFFF, 0x000000}, {0x01000005, 0x000000},
        {0xFFFFFFFF, 0x000000},
    };
    for (auto [ole, rgbValue] : cases)
        EXPECT_EQ(TranslateOleColor(ole), rgbValue) << std::hex << ole;
    for (int i = 0; i < SystemColorCount; ++i) EXPECT_EQ(SystemColor(i) & ~0xFFFFFF, 0) << i;
    EXPECT_EQ(SystemColor(-1), 0);
    EXPECT_EQ(SystemColor(SystemColorCount), 0);
}

// Face, light, highlight, shadow, dark shadow, text, text over, hot frame, hot fill, mask value,
// gradient base.
using Derived = std::array<Rgb, 11>;

struct SchemeTest : ColorsTest {
    SchemeTest() {
        host.containerBack = 0x808080;
        host.containerText = 0x00FF00;
        c.r.ButtonType = ClassicBevel;
        c.r.ForeColor = 0x0000FF;
        c.r.ForeOver = 0xFF0000;
    }

    Derived apply(int scheme, bool soft, OleColor back, OleColor mask) {
        ButtonRecord& r = c.r;
        r.ColorScheme = scheme;
        r.SoftBevel = soft;
        r.BackColor = back;
        r.MaskColor = mask;
        ApplyColorScheme(c);
        return {r.FaceColor,       r.LightColor,     r.HighlightColor, r.ShadowColor,
                r.DarkShadowColor, r.TextColor,      r.TextOverColor,  r.HotFrameColor,
                r.HotFillColor,    r.MaskColorValue, r.GradientBase};
    }
};

TEST_F(SchemeTest, EverySchemeDerivesItsColours) {
    // The system schemes and unknown values ignore the colour properties.
    const Derived system = {0xC8D0D4, 0xC8D0D4,        0xFFFFFF,      0x808080, 0x404040, 0,
                            0,        SystemHighlight, SystemHotFill, 0,        0xF8FFFF};
    for (int scheme : {0, 1, 5, -1}) EXPECT_EQ(apply(scheme, false, 0x0000FF, 0), system) << scheme;
    // Custom derives from BackColor (a system index gives that system colour), softened by
    // SoftBevel; classic ignores the colour properties and SoftBevel but translates the mask;
    // container reads the parent's colours (0x808080 on 0x00FF00).
    EXPECT_EQ(apply(SchemeCustom, false, 0x808080, 0),
              (Derived{0x808080, 0x9F9F9F, 0xAFAFAF, 0x404040, 0, 0x0000FF, 0xFF0000, 0, 0x808080,
                       0, 0xB0B0B0}));
    EXPECT_EQ(apply(SchemeCustom, true, 0x808080, 0),
              (Derived{0x808080, 0x8F8F8F, 0x979797, 0x606060, 0x202020, 0x0000FF, 0xFF0000,
                       0x404040, 0x808080, 0, 0x989898}));
    EXPECT_EQ(apply(SchemeCustom, false, SystemIndex(ColorBtnFace), 0),
              (Derived{0xC8D0D4, 0xE7EFF3, 0xF7FFFF, 0x889094, 0x081014, 0x0000FF, 0xFF0000,
                       0x485054, 0xC8D0D4, 0, 0xF8FFFF}));
    EXPECT_EQ(apply(SchemeClassic, true, 0x0000FF, SystemIndex(ColorBtnShadow)),
              (Derived{0xC0C0C0, 0xDFDFDF, 0xFFFFFF, 0x808080, 0, 0, 0, 0x800000, 0xD1ADAD,
                       0x808080, 0xD8D8D8}));
    EXPECT_EQ(apply(SchemeContainer, false, 0x0000FF, 0x123456),
              (Derived{0x808080, 0x9F9F9F, 0xAFAFAF, 0x404040, 0, 0x00FF00, 0x00FF00,
                       SystemHighlight, SystemHotFill, 0x123456, 0xB0B0B0}));
}

TEST_F(SchemeTest, GradientBaseIsProportionalForRoundedGradientUntilRecomputed) {
    c.r.ButtonType = RoundedGradient;
    EXPECT_EQ(apply(SchemeCustom, false, 0x808080, 0)[10], 0xA0B0B0);
    c.r.ButtonType = ClassicBevel; // switching the type alone keeps the old form
    EXPECT_EQ(c.r.GradientBase, 0xA0B0B0);
    EXPECT_EQ(apply(SchemeCustom, false, 0x808080, 0)[10], 0xB0B0B0);
}

} // namespace
} // namespace chameleon

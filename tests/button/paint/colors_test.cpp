// Colour helpers and schemes: OffsetColor's channel arithmetic with the examples the control's
// look depends on, and the derived colours of every scheme, which read OLE colours through the
// fixed system table and LightenColor.
#include "button/paint/colors.h"
#include "button/paint/system_colors.h"
#include "common/numbered_error.h"

#include <array>
#include <gtest/gtest.h>
#include <tuple>

namespace chameleon {
namespace {

constexpr Rgb SystemHighlight = rgb(10, 36, 106);
constexpr Rgb SystemHotFill = rgb(179, 187, 208); // LightenColor(SystemHighlight, 176)

TEST(ColorsTest, OffsetColor) {
    // Colour, offset, proportional, SoftBevel, result. The proportional form scales only blue;
    // channels clamp by the direction of the move; SoftBevel halves the offset toward zero.
    const std::tuple<Rgb, std::int32_t, bool, bool, Rgb> cases[] = {
        {0xC8D0D4, 31, false, false, 0xE7EFF3},  {0xFFFFFF, 47, false, false, 0xFFFFFF},
        {0x000000, -64, false, false, 0x000000}, {0x808080, 48, false, false, 0xB0B0B0},
        {0x808080, -64, false, false, 0x404040}, {0x123456, 0, false, false, 0x123456},
        {0x123456, 0, true, false, 0x123456},    {0x808080, 48, true, false, 0xA0B0B0},
        {0x0000FF, -64, true, false, 0x0000BF},  {0xC86464, -64, true, false, 0x862424},
        {0xFF0AFA, 10, false, false, 0xFF14FF},  {0x00C805, -10, false, false, 0x00BE00},
        {0x808080, -64, false, true, 0x606060},  {0x000000, 31, false, true, 0x0F0F0F},
        {0x808080, -1, false, true, 0x808080},   {0x808080, 47, false, true, 0x979797},
        {0xFFFFFF, -104, false, true, 0xCBCBCB}, {0x808080, 48, true, true, 0x909898}};
    for (auto [color, offset, proportional, soft, expected] : cases) {
        EXPECT_EQ(OffsetColor(soft, color, offset, proportional), expected)
            << std::hex << color << std::dec << " " << offset << " " << proportional << soft;
    }
    EXPECT_THROW(OffsetColor(false, 0x808080, INT32_MAX), qdct::NumberedError); // overflow
    EXPECT_THROW(OffsetColor(false, 0x800000, INT32_MAX / 2, true), qdct::NumberedError);
}

// Face, light, highlight, shadow, dark shadow, text, over, hot frame, hot fill, mask, base.
using Derived = std::array<Rgb, 11>;

Derived apply(int scheme, bool soft, OleColor back, OleColor mask,
              std::int32_t type = ClassicBevel) {
    SchemeInputs in;
    in.ColorScheme = scheme, in.ButtonType = type, in.SoftBevel = soft, in.BackColor = back;
    in.ForeColor = 0x0000FF, in.ForeOver = 0xFF0000, in.MaskColor = mask;
    in.containerBackColor = 0x808080, in.containerTextColor = 0x00FF00;
    const DerivedColors d = deriveColors(in);
    return {d.FaceColor,       d.LightColor,     d.HighlightColor, d.ShadowColor,
            d.DarkShadowColor, d.TextColor,      d.TextOverColor,  d.HotFrameColor,
            d.HotFillColor,    d.MaskColorValue, d.GradientBase};
}

TEST(ColorsTest, EverySchemeDerivesItsColours) {
    // The system schemes and unknown values ignore the colour properties.
    const Derived system = {0xC8D0D4, 0xC8D0D4,        0xFFFFFF,      0x808080, 0x404040, 0,
                            0,        SystemHighlight, SystemHotFill, 0,        0xF8FFFF};
    for (int scheme : {0, 1, 5, -1}) EXPECT_EQ(apply(scheme, false, 0x0000FF, 0), system) << scheme;
    // Custom derives from BackColor (a system index gives that colour), softened by SoftBevel;
    // classic ignores the colours and SoftBevel but maps the mask; container reads the parent.
    EXPECT_EQ(apply(SchemeCustom, false, 0x808080, 0),
              (Derived{0x808080, 0x9F9F9F, 0xAFAFAF, 0x404040, 0, 0x0000FF, 0xFF0000, 0, 0x808080,
                       0, 0xB0B0B0}));
    EXPECT_EQ(apply(SchemeCustom, true, 0x808080, 0),
              (Derived{0x808080, 0x8F8F8F, 0x979797, 0x606060, 0x202020, 0x0000FF, 0xFF0000,
                       0x404040, 0x808080, 0, 0x989898}));
    EXPECT_EQ(apply(SchemeCustom, false, 0x80000000u | ColorBtnFace, 0),
              (Derived{0xC8D0D4, 0xE7EFF3, 0xF7FFFF, 0x889094, 0x081014, 0x0000FF, 0xFF0000,
                       0x485054, 0xC8D0D4, 0, 0xF8FFFF}));
    EXPECT_EQ(apply(SchemeClassic, true, 0x0000FF, 0x80000000u | ColorBtnShadow),
              (Derived{0xC0C0C0, 0xDFDFDF, 0xFFFFFF, 0x808080, 0, 0, 0, 0x800000, 0xD1ADAD,
                       0x808080, 0xD8D8D8}));
    EXPECT_EQ(apply(SchemeContainer, false, 0x0000FF, 0x123456),
              (Derived{0x808080, 0x9F9F9F, 0xAFAFAF, 0x404040, 0, 0x00FF00, 0x00FF00,
                       SystemHighlight, SystemHotFill, 0x123456, 0xB0B0B0}));
    // The gradient base is proportional for RoundedGradient only.
    EXPECT_EQ(apply(SchemeCustom, false, 0x808080, 0, RoundedGradient)[10], 0xA0B0B0);
}

} // namespace
} // namespace chameleon

// The straight-edged styles at the pixels that tell their looks apart: each bevel's rings, the
// classic bevel's default-button frame and the flat styles' hover edges and fills; and which
// styles and states show the focus marks.
#include "tests/button/paint/style_fixture.h"

#include <tuple>

namespace chameleon::testing {
namespace {

// Type, looks (u up, o up hovered, d down, p down hovered, x disabled, y disabled hovered), the
// default button or not, and the four outer rings in the classic palette: l the thick light
// OffsetColor(Light, 8), h and f the hover frame and fill, w the pressed hover fill
// LightenColor(HotFrame, 128).
constexpr const char* kFaceOnly = "FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF";
constexpr std::tuple<std::int32_t, const char*, bool, const char*> kRingCases[] = {
    {OutlinedBevel, "ux", false, "DDDDDDDD HHSSSSSH HHSSSSSH FFFFFFFF"},
    {OutlinedBevel, "d", false, "DDDDDDDD SSHHHHHS SSHHHHHS FFFFFFFF"},
    {ClassicBevel, "u", false, "HHDDDDDH LLSSSSSL FFFFFFFF FFFFFFFF"},
    {ClassicBevel, "x", true, "HHDDDDDH LLSSSSSL FFFFFFFF FFFFFFFF"},
    {ClassicBevel, "d", false, "DDHHHHHD SSLLLLLS FFFFFFFF FFFFFFFF"},
    // The default button: outlined with the bevel one pixel in; pressed, a flat double frame.
    {ClassicBevel, "u", true, "DDDDDDDD HHDDDDDH LLSSSSSL FFFFFFFF"},
    {ClassicBevel, "d", true, "DDDDDDDD SSSSSSSS FFFFFFFF FFFFFFFF"},
    {ThickRaised, "ux", false, "llSSSSSl llSSSSSl FFFFFFFF FFFFFFFF"},
    {ThickRaised, "d", false, "SSlllllS SSlllllS FFFFFFFF FFFFFFFF"},
    {ThinRaised, "ux", false, "HHSSSSSH FFFFFFFF FFFFFFFF FFFFFFFF"},
    {ThinRaised, "d", false, "SSHHHHHS FFFFFFFF FFFFFFFF FFFFFFFF"},
    {FlatHotThin, "uy", false, kFaceOnly},
    {FlatHotThin, "o", false, "HHSSSSSH FFFFFFFF FFFFFFFF FFFFFFFF"},
    {FlatHotThin, "d", false, "SSHHHHHS FFFFFFFF FFFFFFFF FFFFFFFF"},
    {FlatHotBevel, "uy", false, kFaceOnly},
    {FlatHotBevel, "o", false, "HHDDDDDH LLSSSSSL FFFFFFFF FFFFFFFF"},
    {FlatHotBevel, "d", false, "DDHHHHHD SSLLLLLS FFFFFFFF FFFFFFFF"},
    {FlatHighlight, "uy", false, kFaceOnly},
    {FlatHighlight, "o", false, "hhhhhhhh ffffffff ffffffff ffffffff"},
    {FlatHighlight, "p", false, "hhhhhhhh wwwwwwww wwwwwwww wwwwwwww"},
    // Pressed without hovering: no fill, but the frame all the same.
    {FlatHighlight, "d", false, "hhhhhhhh FFFFFFFF FFFFFFFF FFFFFFFF"}};

TEST(StylesFlatTest, RingsPerLookHoverAndDefault) {
    for (const auto& [type, looks, asDefault, rings] : kRingCases) {
        for (const char look : std::string_view(looks)) {
            SCOPED_TRACE(::testing::Message() << type << look << " default " << asDefault);
            StyleFixture b(type);
            b.useScheme(SchemeClassic);
            b.host.displayAsDefault = asDefault;
            b.r().IsOver = look == 'o' || look == 'p' || look == 'y';
            b.r().Enabled = look != 'x' && look != 'y';
            const ButtonRecord& r = b.r();
            const QImage drawn = b.draw(look == 'd' || look == 'p' ? StateDown : StateUp);
            b.expectRings(rings, "lhfw",
                          {b.off(r.colors.LightColor, 8), r.colors.HotFrameColor,
                           r.colors.HotFillColor, LightenColor(r.colors.HotFrameColor, 128)});
            if (!r.Enabled) {
                EXPECT_EQ(b.draw(StateDown), drawn);
            }
        }
    }
}

TEST(StylesFlatTest, FlatHighlightPressedAndHoveredInACustomScheme) {
    StyleFixture b(FlatHighlight);
    b.useScheme(SchemeCustom, rgb(100, 150, 200), rgb(100, 150, 200));
    b.r().IsOver = true;
    b.draw(StateDown);
    b.expectRings("hhhhhhhh ffffffff", "hf",
                  {b.r().colors.HotFrameColor, b.off(b.r().colors.HotFillColor, -32)});
}

// Redraw's looks. Focus changes nothing of a disabled button (even the default one); an enabled
// one shows it only with ShowFocusRect in the styles that mark it (of ClassicBevel, only the
// default button), never FaceOnly nor the values outside 1 to 14.
TEST(RedrawTest, FocusMarks) {
    for (std::int32_t type = -1; type <= 15; ++type) {
        for (const bool enabled : {true, false}) {
            for (const std::uint8_t state : {StateUp, StateDown}) {
                SCOPED_TRACE(::testing::Message() << type << " " << enabled << int(state));
                StyleFixture b(type, 75, 23, QStringLiteral("Go"));
                b.host.displayAsDefault = type == ClassicBevel || !enabled;
                b.r().Enabled = enabled;
                const QImage unfocused = b.draw(state);
                const bool faceOnly =
                    type < OutlinedBevel || type == FaceOnly || type > GradientFramed;
                b.r().HasFocus = true;
                const bool marks = enabled && !faceOnly && type != RoundedBevel && type != Oval &&
                                   (type != RoundedGradient || state == StateUp);
                EXPECT_EQ(b.draw(state) != unfocused, marks);
                // Without ShowFocusRect no mark shows, nor the default button's frame.
                b.r().ShowFocusRect = false;
                const QImage unmarked = b.draw(state);
                b.host.displayAsDefault = false;
                EXPECT_EQ(b.draw(state), unmarked);
                if (type != ClassicBevel) {
                    EXPECT_EQ(unmarked, unfocused);
                }
            }
        }
    }
}

} // namespace
} // namespace chameleon::testing

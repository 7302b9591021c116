// The straight-edged styles at the pixels that tell their looks apart: each bevel's rings, the
// classic bevel's default-button frame, the flat styles' hover edges and fills, and the
// transparent style's backdrop (buttons 75 x 23 without a caption); and the styles that draw only
// the face and the focus marks a disabled button must never show.
#include "tests/button/paint/style_fixture.h"

namespace chameleon::testing {
namespace {

// Looks (u up, d down, x disabled, the same whatever the state) and their four outer rings in
// the classic palette: l the thick light OffsetColor(Light, 8), h and f the hover frame and
// fill, w the pressed hover fill LightenColor(HotFrame, 128).
struct RingCase {
    std::int32_t type;
    const char* looks;
    bool over, asDefault;
    const char* rings;
};

constexpr const char* kFaceOnly = "FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF";
constexpr RingCase kRingCases[] = {
    {OutlinedBevel, "ux", false, false, "DDDDDDDD HHSSSSSH HHSSSSSH FFFFFFFF"},
    {OutlinedBevel, "d", false, false, "DDDDDDDD SSHHHHHS SSHHHHHS FFFFFFFF"},
    {ClassicBevel, "u", false, false, "HHDDDDDH LLSSSSSL FFFFFFFF FFFFFFFF"},
    {ClassicBevel, "x", false, true, "HHDDDDDH LLSSSSSL FFFFFFFF FFFFFFFF"},
    {ClassicBevel, "d", false, false, "DDHHHHHD SSLLLLLS FFFFFFFF FFFFFFFF"},
    // The default button: outlined with the bevel one pixel in; pressed, a flat double frame.
    {ClassicBevel, "u", false, true, "DDDDDDDD HHDDDDDH LLSSSSSL FFFFFFFF"},
    {ClassicBevel, "d", false, true, "DDDDDDDD SSSSSSSS FFFFFFFF FFFFFFFF"},
    {ThickRaised, "ux", false, false, "llSSSSSl llSSSSSl FFFFFFFF FFFFFFFF"},
    {ThickRaised, "d", false, false, "SSlllllS SSlllllS FFFFFFFF FFFFFFFF"},
    {ThinRaised, "ux", false, false, "HHSSSSSH FFFFFFFF FFFFFFFF FFFFFFFF"},
    {ThinRaised, "d", false, false, "SSHHHHHS FFFFFFFF FFFFFFFF FFFFFFFF"},
    {FlatHotThin, "u", false, false, kFaceOnly},
    {FlatHotThin, "u", true, false, "HHSSSSSH FFFFFFFF FFFFFFFF FFFFFFFF"},
    {FlatHotThin, "d", false, false, "SSHHHHHS FFFFFFFF FFFFFFFF FFFFFFFF"},
    {FlatHotThin, "x", true, false, kFaceOnly},
    {FlatHotBevel, "u", false, false, kFaceOnly},
    {FlatHotBevel, "u", true, false, "HHDDDDDH LLSSSSSL FFFFFFFF FFFFFFFF"},
    {FlatHotBevel, "d", false, false, "DDHHHHHD SSLLLLLS FFFFFFFF FFFFFFFF"},
    {FlatHotBevel, "x", true, false, kFaceOnly},
    {FlatHighlight, "u", false, false, kFaceOnly},
    {FlatHighlight, "u", true, false, "hhhhhhhh ffffffff ffffffff ffffffff"},
    {FlatHighlight, "d", true, false, "hhhhhhhh wwwwwwww wwwwwwww wwwwwwww"},
    // Pressed without hovering: no fill, but the frame all the same.
    {FlatHighlight, "d", false, false, "hhhhhhhh FFFFFFFF FFFFFFFF FFFFFFFF"},
    {FlatHighlight, "x", true, false, kFaceOnly}};

TEST(StylesFlatTest, RingsPerLookHoverAndDefault) {
    for (const RingCase& k : kRingCases) {
        for (const char look : std::string_view(k.looks)) {
            SCOPED_TRACE(::testing::Message() << "case " << (&k - kRingCases) << " look " << look);
            StyleFixture b(k.type);
            b.useScheme(SchemeClassic);
            b.host.displayAsDefault = k.asDefault;
            b.r().IsOver = k.over;
            b.r().Enabled = look != 'x';
            const ButtonRecord& r = b.r();
            const QImage drawn = b.draw(look == 'd' ? StateDown : StateUp);
            b.expectRings(k.rings, "lhfw",
                          {b.off(r.colors.LightColor, 8), r.colors.HotFrameColor,
                           r.colors.HotFillColor, LightenColor(r.colors.HotFrameColor, 128)});
            if (look == 'x') {
                EXPECT_EQ(b.draw(StateDown), drawn);
            }
        }
    }
}

TEST(StylesFlatTest, DefaultClassicBevelWithoutFocusRectAndCustomPressedHoverFill) {
    for (const std::uint8_t state : {StateUp, StateDown}) {
        StyleFixture plain(ClassicBevel, 75, 23, QStringLiteral("OK"));
        StyleFixture asDefault(ClassicBevel, 75, 23, QStringLiteral("OK"));
        asDefault.host.displayAsDefault = true;
        asDefault.r().ShowFocusRect = false;
        EXPECT_EQ(asDefault.draw(state), plain.draw(state));
    }
    StyleFixture b(FlatHighlight);
    b.useScheme(SchemeCustom, rgb(100, 150, 200), rgb(100, 150, 200));
    b.r().IsOver = true;
    b.draw(StateDown);
    b.expectRings("hhhhhhhh ffffffff", "hf",
                  {b.r().colors.HotFrameColor, b.off(b.r().colors.HotFillColor, -32)});
}

// Redraw's looks. Focus changes nothing of a disabled button (even the default one); an enabled
// one shows it only with ShowFocusRect in the styles that mark it (of ClassicBevel, only the
// default button). FaceOnly and values outside 1 to 14 show the bare face in every drawing.
TEST(RedrawTest, FocusMarksAndTheFaceOnlyLooks) {
    for (std::int32_t type = -1; type <= 15; ++type) {
        for (const bool enabled : {true, false}) {
            for (const std::uint8_t state : {StateUp, StateDown}) {
                SCOPED_TRACE(::testing::Message() << "type " << type << " enabled " << enabled
                                                  << " state " << int(state));
                StyleFixture b(type, 75, 23, QStringLiteral("Go"));
                b.host.displayAsDefault = type == ClassicBevel || !enabled;
                b.r().Enabled = enabled;
                const QImage unfocused = b.draw(state);
                const bool faceOnly =
                    type < OutlinedBevel || type == FaceOnly || type > GradientFramed;
                if (faceOnly) {
                    QImage face(75, 23, QImage::Format_RGB32);
                    face.fill(qrgb(b.r().colors.FaceColor));
                    EXPECT_EQ(unfocused, face);
                }
                b.r().HasFocus = true;
                const bool marks = enabled && !faceOnly && type != RoundedBevel && type != Oval &&
                                   (type != RoundedGradient || state == StateUp);
                EXPECT_EQ(b.draw(state) != unfocused, marks);
                b.r().ShowFocusRect = false;
                if (type != ClassicBevel) {
                    EXPECT_EQ(b.draw(state), unfocused);
                }
            }
        }
    }
}

} // namespace
} // namespace chameleon::testing

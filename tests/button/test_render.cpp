// Redraw's entry rules and order of work: when it draws at all, what it remembers, the forced
// down look of a checked check-box button, the hover colours of the custom scheme, the styles
// that draw only the face, and the focus marks a disabled button must never show.
#include "style_fixture.h"

namespace chameleon::testing {
namespace {

TEST(RedrawSkip, DrawsOnlyWhenForcedOrStateOrCaptionChanged) {
    StyledButton b(ClassicBevel);
    Redraw(b.c, StateUp, true);
    EXPECT_EQ(b.host.clears, 1);
    Redraw(b.c, StateUp, false); // nothing changed
    EXPECT_EQ(b.host.clears, 1);
    Redraw(b.c, StateDown, false); // state changed
    EXPECT_EQ(b.host.clears, 2);
    EXPECT_EQ(b.r().LastState, StateDown);
    b.r().Caption = QStringLiteral("New");
    Redraw(b.c, StateDown, false); // caption changed
    EXPECT_EQ(b.host.clears, 3);
    EXPECT_EQ(b.r().LastCaption, QStringLiteral("New"));
    Redraw(b.c, StateDown, false);
    EXPECT_EQ(b.host.clears, 3);
}

TEST(RedrawSkip, NothingWhileHeightIsZeroOrRedrawIsDisallowed) {
    StyledButton b(ClassicBevel);
    b.r().Caption = QStringLiteral("Changed");
    b.r().ClientHeight = 0;
    Redraw(b.c, StateDown, true);
    EXPECT_EQ(b.host.clears, 0);
    EXPECT_EQ(b.r().LastState, StateUp);
    EXPECT_TRUE(b.r().LastCaption.isEmpty());

    b.r().ClientHeight = b.host.image.height();
    b.r().RedrawAllowed = false;
    Redraw(b.c, StateDown, true);
    EXPECT_EQ(b.host.clears, 0);
    EXPECT_EQ(b.r().LastState, StateUp);
}

TEST(RedrawCheckBox, CheckedButtonDrawsDownWhateverIsAsked) {
    StyledButton b(ClassicBevel);
    b.r().CheckBoxBehaviour = true;
    b.r().Value = true;
    b.draw(StateUp);
    EXPECT_EQ(b.r().LastState, StateDown);
    // The sunken bevel: dark shadow top-left, highlight bottom-right.
    b.expectPixels({{0, 0, b.r().DarkShadowColor}, {-1, -1, b.r().HighlightColor}});

    b.r().Value = false;
    b.draw(StateUp);
    EXPECT_EQ(b.r().LastState, StateUp);
    b.expectPixels({{0, 0, b.r().HighlightColor}});
}

TEST(RedrawCustomScheme, HoverFillsWithBackOverAndRestoresBackColor) {
    StyledButton b(FaceOnly);
    b.r().ColorScheme = SchemeCustom;
    b.r().BackColor = rgb(10, 120, 200);
    b.r().BackOver = rgb(250, 200, 20);
    ApplyColorScheme(b.c);
    b.r().IsOver = true;
    b.draw();
    b.expectPixels({{0, 0, rgb(250, 200, 20)}, {-1, -1, rgb(250, 200, 20)}});
    EXPECT_EQ(b.r().BackColor, static_cast<OleColor>(rgb(10, 120, 200)));
    EXPECT_EQ(b.r().FaceColor, rgb(10, 120, 200));

    b.r().IsOver = false;
    b.draw();
    b.expectPixels({{0, 0, rgb(10, 120, 200)}});

    // Other schemes have no hover face.
    b.r().ColorScheme = SchemeClassic;
    ApplyColorScheme(b.c);
    b.r().IsOver = true;
    b.draw();
    b.expectPixels({{5, 5, rgb(192, 192, 192)}});
}

TEST(RedrawFaceOnly, FaceOnlyAndUnknownTypesShowOnlyTheFace) {
    for (const std::int32_t type : {0, 10, 15, -1, 1000}) {
        for (const bool enabled : {true, false}) {
            for (const std::uint8_t state : {StateUp, StateDown}) {
                StyledButton b(type, 75, 23, QStringLiteral("Caption"));
                b.r().Enabled = enabled;
                b.r().HasFocus = true;
                b.r().IsOver = true;
                QImage expected(75, 23, QImage::Format_RGB32);
                expected.fill(QColor(redOf(b.r().FaceColor), greenOf(b.r().FaceColor),
                                     blueOf(b.r().FaceColor)));
                EXPECT_EQ(b.draw(state), expected) << "type " << type;
            }
        }
    }
}

// Focus marks: focused and unfocused drawings of a disabled button are identical in every
// style; enabled, the styles that show focus do show it.
TEST(RedrawFocus, DisabledButtonsNeverShowFocus) {
    for (std::int32_t type = 1; type <= 14; ++type) {
        StyledButton b(type, 75, 23, QStringLiteral("Go"));
        b.host.displayAsDefault = true;
        b.r().Enabled = false;
        const QImage unfocused = b.draw();
        b.r().HasFocus = true;
        EXPECT_EQ(b.draw(), unfocused) << "type " << type;
    }
}

TEST(RedrawFocus, FocusShowsInTheStylesThatMarkIt) {
    for (const std::int32_t type : {1, 2, 3, 5, 6, 7, 8, 9, 11, 12, 14}) {
        for (const std::uint8_t state : {StateUp, StateDown}) {
            if (type == RoundedGradient && state == StateDown) continue;
            StyledButton b(type, 75, 23, QStringLiteral("Go"));
            b.host.displayAsDefault = type == ClassicBevel; // only the default one shows focus
            const QImage unfocused = b.draw(state);
            b.r().HasFocus = true;
            EXPECT_NE(b.draw(state), unfocused) << "type " << type << " state " << int(state);
            b.r().ShowFocusRect = false;
            if (type != ClassicBevel) {
                EXPECT_EQ(b.draw(state), unfocused) << "type " << type;
            }
        }
    }
}

TEST(RedrawFocus, RoundedBevelAndOvalIgnoreFocus) {
    for (const std::int32_t type : {RoundedBevel, Oval}) {
        for (const std::uint8_t state : {StateUp, StateDown}) {
            StyledButton b(type, 75, 23, QStringLiteral("Go"));
            const QImage unfocused = b.draw(state);
            b.r().HasFocus = true;
            EXPECT_EQ(b.draw(state), unfocused) << "type " << type;
        }
    }
}

} // namespace
} // namespace chameleon::testing

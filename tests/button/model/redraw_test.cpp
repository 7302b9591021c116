// Redraw's choices of look: the styles that draw only the face, and the focus marks a disabled
// button must never show. When it draws at all is counted by the setters' and the input rules'
// tests.
#include "tests/button/paint/style_fixture.h"

namespace chameleon::testing {
namespace {

// Focus, drawn or not, changes nothing of a disabled button (even the default one). An enabled
// one shows it only with ShowFocusRect, and only in the styles that mark it; the ClassicBevel
// drawn enabled is the default button, the only one of its style that does. FaceOnly and the
// values outside 1 to 14 show the face alone in every drawing, without even the caption.
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
                    const Rgb f = b.r().FaceColor;
                    face.fill(qRgb(redOf(f), greenOf(f), blueOf(f)));
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

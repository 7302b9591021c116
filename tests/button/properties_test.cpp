// The button's public properties and lifecycle through the recording host: what each setter
// repaints and which change notice it issues, in which order, the designer's differences,
// the pointer properties, DisableRefresh/Refresh and the resize rules. A repaint is counted
// as one clear of the surface, which Redraw does exactly once per real drawing.
#include "button/model/chameleon_button.h"
#include "button/paint/colors.h"
#include "common/numbered_error.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

namespace chameleon {
namespace {

using testing::TestHost;
using Notices = std::vector<std::string>;
using B = chameleonButton;
using Colours = std::array<OleColor, 5>;

constexpr Rgb ClassicButtonFace = 0xC8D0D4;
constexpr int SystemButtonText = 18;

PicturePtr picture(int size = 8) {
    auto p = std::make_shared<Picture>();
    p->image = QImage(size, size, QImage::Format_RGB32);
    p->image.fill(Qt::red);
    p->himetricWidth = p->himetricHeight = size * 2540 / 96;
    return p;
}

// The error f throws; number 0 when it throws none.
qdct::NumberedError thrown(const std::function<void()>& f) {
    try {
        f();
    } catch (const qdct::NumberedError& e) {
        return e;
    }
    return qdct::NumberedError(0, "", "no error");
}

// A new, resized and shown 75 x 23 button with its counters at zero.
struct Shown {
    Shown() {
        host.hand = picture(32);
        button.newInstance();
        button.resize();
        button.show();
        reset();
    }
    void reset() {
        host.clears = 0;
        host.notices.clear();
        host.clearsAtNotice.clear();
    }
    const ButtonRecord& r() const { return button.record(); }

    TestHost host;
    chameleonButton button{host, host};
};

struct ShownButton : ::testing::Test, Shown {};

TEST(ButtonNewInstance, TakesTheContainersValuesAndPlainSystemColours) {
    TestHost host;
    host.displayName = "chameleonButton3";
    host.ambFont = QFont("Arial");
    chameleonButton button(host, host);
    EXPECT_EQ(button.Version(), "2.0.6 B");
    button.newInstance();
    EXPECT_EQ(button.Caption(), "chameleonButton3");
    EXPECT_EQ(host.surfaceFont, host.ambFont);
    EXPECT_EQ(button.ButtonType(), ClassicBevel);
    EXPECT_EQ(button.ColorScheme(), SchemeSystem);
    EXPECT_TRUE(button.Enabled() && button.ShowFocusRect() && button.UseMaskColor());
    // Plain RGB copies, never system colour indices.
    const OleColor face = ClassicButtonFace, text = systemColor(SystemButtonText);
    EXPECT_EQ((Colours{button.BackColor(), button.BackOver(), button.ForeColor(), button.ForeOver(),
                       button.MaskColor()}),
              (Colours{face, face, text, text, 0xC0C0C0}));
    // Nothing is drawn before the first resize, not even by Refresh.
    button.Refresh();
    EXPECT_EQ(host.clears, 0);
    EXPECT_TRUE(host.notices.empty());
}

// One assignment: how often it repaints, the notice it issues (none for nullptr), the state
// it leaves drawn, and whether the notice comes before the repaint. Fields are set directly
// (b.control().r) where a case needs a state that no drawing may reveal.
struct SetterCase {
    const char* name;
    std::function<void(B&)> set;
    int clears;
    const char* notice;
    std::uint8_t state = StateUp;
    bool noticeFirst = false;
};

const SetterCase SetterCases[] = {
    {"BackColor", [](B& b) { b.setBackColor(0xFF); }, 1, "BCOL"},
    {"BackOver", [](B& b) { b.setBackOver(0xFF); }, 1, "BCOLO"},
    {"ForeColor", [](B& b) { b.setForeColor(0xFF00); }, 1, "FCOL"},
    {"ForeOver", [](B& b) { b.setForeOver(0xFF00); }, 1, "FCOLO"},
    {"MaskColor", [](B& b) { b.setMaskColor(0xFF00FF); }, 1, "MCOL"},
    {"ButtonType", [](B& b) { b.setButtonType(RoundedBevel); }, 1, "BTYPE"},
    {"Caption", [](B& b) { b.setCaption("&Go"); }, 1, "TX"},
    {"Enabled", [](B& b) { b.setEnabled(false); }, 1, "ENAB"},
    {"Font", [](B& b) { b.setFont(QFont("Arial")); }, 1, "FONT"},
    {"ColorScheme", [](B& b) { b.setColorScheme(SchemeClassic); }, 1, "COLTYPE"},
    {"ShowFocusRect", [](B& b) { b.setShowFocusRect(false); }, 1, "FOCUSR"},
    {"SoftBevel", [](B& b) { b.setSoftBevel(true); }, 1, "SOFT"},
    {"PictureNormal", [](B& b) { b.setPictureNormal(picture()); }, 1, "PICN"},
    {"SpecialEffect", [](B& b) { b.setSpecialEffect(EffectShadow); }, 1, "FX"},
    {"CheckBoxBehaviour", [](B& b) { b.setCheckBoxBehaviour(true); }, 1, "CHECK"},
    {"PicturePosition", [](B& b) { b.setPicturePosition(PictureTop); }, 1, "PICPOS", 0, true},
    // Not hovered, no PictureNormal, not a check box: nothing shows the change...
    {"PictureOver", [](B& b) { b.setPictureOver(picture()); }, 0, "PICO"},
    {"UseMaskColor", [](B& b) { b.setUseMaskColor(false); }, 0, "UMCOL"},
    {"UseGreyscale", [](B& b) { b.setUseGreyscale(true); }, 0, "NGREY"},
    {"Value", [](B& b) { b.setValue(true); }, 0, "VALUE"},
    // ...until something does.
    {"PictureOver hovered",
     [](B& b) {
         b.control().r.IsOver = true;
         b.setPictureOver({});
     },
     1, "PICO"},
    {"UseMaskColor with a picture",
     [](B& b) { b.control().r.PictureNormal = picture(), b.setUseMaskColor(true); }, 1, "UMCOL"},
    {"UseGreyscale with a picture",
     [](B& b) { b.control().r.PictureNormal = picture(), b.setUseGreyscale(true); }, 1, "NGREY"},
    {"CheckBoxBehaviour after Value",
     [](B& b) { b.control().r.Value = true, b.setCheckBoxBehaviour(true); }, 1, "CHECK", StateDown},
    {"Value on a check box", [](B& b) { b.control().r.CheckBoxBehaviour = true, b.setValue(true); },
     1, "VALUE", StateDown},
    {"MousePointer", [](B& b) { b.setMousePointer(3); }, 0, "MPTR"},
    {"MouseIcon", [](B& b) { b.setMouseIcon(picture()); }, 0, "MICON"},
    {"HandPointer on", [](B& b) { b.setHandPointer(true); }, 0, "HAND"},
    {"HandPointer off", [](B& b) { b.setHandPointer(false); }, 0, "HAND"},
    {"FontBold", [](B& b) { b.setFontBold(true); }, 1, nullptr},
    {"FontItalic", [](B& b) { b.setFontItalic(true); }, 1, nullptr},
    {"FontUnderline", [](B& b) { b.setFontUnderline(true); }, 1, nullptr},
    {"FontSize", [](B& b) { b.setFontSize(9); }, 1, nullptr},
    {"FontName", [](B& b) { b.setFontName("Courier"); }, 1, nullptr},
};

TEST(Setters, RepaintAndNotifyInTheirOrderEvenForTheSameValue) {
    for (const SetterCase& c : SetterCases) {
        SCOPED_TRACE(c.name);
        Shown s;
        for (int round = 0; round < 2; ++round) {
            s.reset();
            c.set(s.button);
            EXPECT_EQ(s.host.clears, c.clears);
            EXPECT_EQ(s.r().LastState, c.state);
            if (!c.notice) {
                EXPECT_TRUE(s.host.notices.empty());
                continue;
            }
            ASSERT_EQ(s.host.notices, Notices{c.notice});
            EXPECT_EQ(s.host.clearsAtNotice[0], c.noticeFirst ? 0 : c.clears);
        }
    }
}

TEST_F(ShownButton, FontSizeReadsWholePointsWithHalvesToEven) {
    for (const auto& [points, read] : {std::pair(8.25, 8), {8.5, 8}, {9.5, 10}}) {
        host.surfaceFont.setPointSizeF(points);
        EXPECT_EQ(button.FontSize(), read) << points;
    }
    button.setFontSize(9);
    EXPECT_EQ(host.surfaceFont.pointSizeF(), 9.0);
}

TEST_F(ShownButton, DesignerCopiesColoursToTheHoverOnesAndMakesDoubleFrameBold) {
    for (const bool designing : {false, true}) {
        host.userMode = !designing;
        button.setBackOver(0x111111);
        button.setForeOver(0x222222);
        button.setBackColor(0x0000FF);
        button.setForeColor(0x00FF00);
        button.setButtonType(DoubleFrame);
        button.setButtonType(ClassicBevel); // another type later keeps the bold font
        EXPECT_EQ(button.BackOver(), designing ? 0x0000FFu : 0x111111u);
        EXPECT_EQ(button.ForeOver(), designing ? 0x00FF00u : 0x222222u);
        EXPECT_EQ(host.surfaceFont.bold(), designing);
    }
}

TEST_F(ShownButton, PointerSettersNarrowAndIgnoreRefusalsAndHandFailsWithoutItsCursor) {
    button.setMousePointer(3);
    const PicturePtr first = picture();
    button.setMouseIcon(first);
    host.refuseIcons = true;
    EXPECT_NO_THROW(button.setMouseIcon(picture()));
    EXPECT_EQ(host.icon, first);
    reset();
    EXPECT_EQ(thrown([&] { button.setMousePointer(40000); }).number(), qdct::errnum::kOverflow);
    host.hand = nullptr;
    const std::string handError = thrown([&] { button.setHandPointer(true); }).what();
    EXPECT_NE(handError.find("101"), std::string::npos) << handError;
    EXPECT_TRUE(button.HandPointer()); // stored before it failed
    EXPECT_EQ(host.pointer, 3);
    EXPECT_EQ(host.icon, first);
    EXPECT_TRUE(host.notices.empty());
}

TEST_F(ShownButton, HideAndDisableRefreshHoldDrawingUntilShowOrRefresh) {
    button.setCheckBoxBehaviour(true);
    button.setValue(true); // drawn down
    reset();
    button.hide();
    button.setCaption("Hidden");
    EXPECT_EQ(host.clears, 0);
    button.show();
    button.DisableRefresh();
    button.setBackColor(0xFF);
    button.setCaption("Later");
    button.setButtonType(RoundedBevel);
    EXPECT_EQ(host.clears, 1); // the showing only
    button.Refresh();
    EXPECT_EQ(host.clears, 2);
    EXPECT_EQ(r().LastState, StateDown);
    EXPECT_EQ(r().LastCaption, "Later");
}

// The focus rectangle inset by style, on a 75 x 23 client: the edges of each band.
TEST_F(ShownButton, ResizeSetsFocusRectInsetsByStyleAndHandsTheShapeToTheWindow) {
    const std::pair<std::int32_t, Rect> cases[] = {
        {0, {4, 4, 71, 19}},    {ThickRaised, {4, 4, 71, 19}},    {ThinRaised, {3, 3, 72, 20}},
        {Oval, {3, 3, 72, 20}}, {GradientFramed, {6, 6, 71, 19}}, {15, {4, 4, 71, 19}},
    };
    for (const auto& [type, focus] : cases) {
        button.setButtonType(type);
        EXPECT_EQ(r().FocusRect, focus) << "ButtonType " << type;
    }
    host.resize(40, 40);
    button.setButtonType(Oval);
    EXPECT_FALSE(host.shape.contains(QPoint(0, 0)));
    button.setButtonType(ClassicBevel);
    EXPECT_EQ(host.shape, QRegion(0, 0, 40, 40));
}

TEST_F(ShownButton, ResizeToZeroHeightDrawsNothingAndDuringCaptureChangesNothing) {
    button.control().r.CapturingBackground = true;
    host.resize(50, 0);
    button.resize();
    EXPECT_EQ(r().FocusRect, (Rect{4, 4, 71, 19}));
    button.control().r.CapturingBackground = false;
    button.resize();
    EXPECT_EQ(r().ClientWidth, 50);
    EXPECT_EQ(r().FocusRect, (Rect{4, 4, 46, -4}));
    EXPECT_EQ(host.clears, 0);
}

TEST_F(ShownButton, TransparentCapturesTheBackgroundWhenShown) {
    host.containerPixels = QImage(75, 23, QImage::Format_RGB32);
    host.containerPixels.fill(QColor(1, 2, 3));
    button.setButtonType(Transparent);
    EXPECT_TRUE(r().Backdrop.isNull()); // no backdrop before it is shown with that type
    button.show();
    ASSERT_EQ(r().Backdrop.size(), QSize(75, 23));
    EXPECT_EQ(QColor(r().Backdrop.pixel(5, 5)), QColor(1, 2, 3));
}

} // namespace
} // namespace chameleon

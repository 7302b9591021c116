// The button's public properties and lifecycle through the recording host: what each setter
// repaints and which change notice it issues, in which order, the designer's differences,
// the pointer properties, DisableRefresh/Refresh and the resize rules. A repaint is counted
// as one clear of the surface, which Redraw does exactly once per real drawing.
#include "button/chameleon_button.h"
#include "button/colors.h"
#include "test_host.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace chameleon {
namespace {

using testing::TestHost;

constexpr Rgb ClassicButtonFace = 0xC8D0D4;

PicturePtr smallPicture(int w = 8, int h = 8) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    auto p = std::make_shared<Picture>();
    p->image = image;
    p->himetricWidth = w * 2540 / 96;
    p->himetricHeight = h * 2540 / 96;
    return p;
}

PicturePtr handImage() {
    auto p = std::make_shared<Picture>();
    p->kind = Picture::Icon;
    p->image = QImage(32, 32, QImage::Format_ARGB32);
    p->image.fill(Qt::transparent);
    return p;
}

// A shown 75 x 23 button with its counters reset.
class ShownButton : public ::testing::Test {
  protected:
    ShownButton() {
        host.hand = handImage();
        button.newInstance();
        button.resize();
        button.show();
        reset();
    }
    void reset() {
        host.clears = 0;
        host.notices.clear();
        host.clearsAtNotice.clear();
        host.events.clear();
    }
    const ButtonRecord& r() const { return button.record(); }

    TestHost host;
    chameleonButton button{host};
};

TEST(ButtonCreation, RecordStartsEmptyExceptRedrawAllowed) {
    TestHost host;
    chameleonButton button(host);
    EXPECT_EQ(button.ButtonType(), 0);
    EXPECT_EQ(button.ColorScheme(), 0);
    EXPECT_TRUE(button.record().RedrawAllowed);
    EXPECT_FALSE(button.Enabled());
    EXPECT_EQ(button.Version(), "2.0.6 B");
    // Nothing can be drawn before the first resize.
    button.Refresh();
    EXPECT_EQ(host.clears, 0);
}

TEST(ButtonNewInstance, TakesTheContainersValuesAndPlainSystemColours) {
    TestHost host;
    host.displayName = "chameleonButton3";
    host.ambFont = QFont("Arial");
    host.ambFont.setPointSizeF(8.25);
    chameleonButton button(host);
    button.newInstance();
    EXPECT_EQ(button.Caption(), "chameleonButton3");
    EXPECT_EQ(button.ButtonType(), ClassicBevel);
    EXPECT_EQ(button.ColorScheme(), SchemeSystem);
    EXPECT_TRUE(button.Enabled());
    EXPECT_TRUE(button.ShowFocusRect());
    EXPECT_TRUE(button.UseMaskColor());
    EXPECT_EQ(button.FontName(), "Arial");
    // Plain RGB copies, never system colour indices.
    EXPECT_EQ(button.BackColor(), OleColor(ClassicButtonFace));
    EXPECT_EQ(button.BackOver(), OleColor(ClassicButtonFace));
    EXPECT_EQ(button.ForeColor(), OleColor(SystemColor(18)));
    EXPECT_EQ(button.ForeOver(), OleColor(SystemColor(18)));
    EXPECT_EQ(button.MaskColor(), 0xC0C0C0u);
    EXPECT_TRUE(host.notices.empty());
    EXPECT_EQ(host.clears, 0);
}

// Setters that repaint once and then issue their notice.
struct SetterCase {
    const char* name;
    const char* notice;
    std::function<void(chameleonButton&)> set;
};

class RepaintingSetter : public ShownButton, public ::testing::WithParamInterface<SetterCase> {};

TEST_P(RepaintingSetter, RepaintsOnceThenNotifiesEvenForTheSameValue) {
    for (int round = 0; round < 2; ++round) {
        reset();
        GetParam().set(button);
        EXPECT_EQ(host.clears, 1) << GetParam().name << " round " << round;
        ASSERT_EQ(host.notices.size(), 1u) << GetParam().name;
        EXPECT_EQ(host.notices[0], GetParam().notice);
        EXPECT_EQ(host.clearsAtNotice[0], 1) << "notice must follow the repaint";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Setters, RepaintingSetter,
    ::testing::Values(
        SetterCase{"BackColor", "BCOL", [](chameleonButton& b) { b.setBackColor(0xFF); }},
        SetterCase{"BackOver", "BCOLO", [](chameleonButton& b) { b.setBackOver(0xFF); }},
        SetterCase{"ForeColor", "FCOL", [](chameleonButton& b) { b.setForeColor(0xFF00); }},
        SetterCase{"ForeOver", "FCOLO", [](chameleonButton& b) { b.setForeOver(0xFF00); }},
        SetterCase{"MaskColor", "MCOL", [](chameleonButton& b) { b.setMaskColor(0xFF00FF); }},
        SetterCase{"ButtonType", "BTYPE", [](chameleonButton& b) { b.setButtonType(4); }},
        SetterCase{"Caption", "TX", [](chameleonButton& b) { b.setCaption("&Go"); }},
        SetterCase{"Enabled", "ENAB", [](chameleonButton& b) { b.setEnabled(false); }},
        SetterCase{"Font", "FONT", [](chameleonButton& b) { b.setFont(QFont("Arial")); }},
        SetterCase{"ColorScheme", "COLTYPE", [](chameleonButton& b) { b.setColorScheme(3); }},
        SetterCase{"ShowFocusRect", "FOCUSR",
                   [](chameleonButton& b) { b.setShowFocusRect(false); }},
        SetterCase{"SoftBevel", "SOFT", [](chameleonButton& b) { b.setSoftBevel(true); }},
        SetterCase{"PictureNormal", "PICN",
                   [](chameleonButton& b) { b.setPictureNormal(smallPicture()); }},
        SetterCase{"SpecialEffect", "FX", [](chameleonButton& b) { b.setSpecialEffect(3); }},
        SetterCase{"CheckBoxBehaviour", "CHECK",
                   [](chameleonButton& b) { b.setCheckBoxBehaviour(true); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShownButton, PicturePositionNotifiesBeforeItRepaints) {
    button.setPicturePosition(PictureTop);
    ASSERT_EQ(host.notices, std::vector<std::string>{"PICPOS"});
    EXPECT_EQ(host.clearsAtNotice[0], 0);
    EXPECT_EQ(host.clears, 1);
}

TEST_F(ShownButton, PictureOverNoticeIsPicoAndRepaintsOnlyWhileHovered) {
    button.setPictureOver(smallPicture());
    EXPECT_EQ(host.notices, std::vector<std::string>{"PICO"});
    EXPECT_EQ(host.clears, 0);
    EXPECT_EQ(button.PictureOver()->image.width(), 8);

    button.control().r.IsOver = true;
    button.setPictureOver(nullptr);
    EXPECT_EQ(host.clears, 1);
    EXPECT_FALSE(button.PictureOver());
}

TEST_F(ShownButton, MaskAndGreyscaleRepaintOnlyWithAPicture) {
    button.setUseMaskColor(false);
    button.setUseGreyscale(true);
    EXPECT_EQ(host.clears, 0);
    EXPECT_EQ(host.notices, (std::vector<std::string>{"UMCOL", "NGREY"}));

    button.setPictureNormal(smallPicture());
    reset();
    button.setUseMaskColor(true);
    button.setUseGreyscale(false);
    EXPECT_EQ(host.clears, 2);
}

TEST_F(ShownButton, ValueShowsOnlyOnACheckBox) {
    button.setValue(true);
    EXPECT_EQ(host.clears, 0);
    EXPECT_EQ(host.notices, std::vector<std::string>{"VALUE"});
    EXPECT_EQ(r().LastState, StateUp);

    button.setCheckBoxBehaviour(true);
    EXPECT_EQ(host.clears, 1);
    EXPECT_EQ(r().LastState, StateDown);
    reset();
    button.setValue(false);
    EXPECT_EQ(host.clears, 1);
    EXPECT_EQ(r().LastState, StateUp);
}

TEST_F(ShownButton, FontAttributesRepaintWithoutNotice) {
    QFont f("Arial");
    f.setPointSizeF(8.25);
    host.surfaceFont = f;
    EXPECT_EQ(button.FontSize(), 8);
    f.setPointSizeF(8.5); // halves go to the even number
    host.surfaceFont = f;
    EXPECT_EQ(button.FontSize(), 8);
    f.setPointSizeF(9.5);
    host.surfaceFont = f;
    EXPECT_EQ(button.FontSize(), 10);

    button.setFontSize(9);
    EXPECT_EQ(host.surfaceFont.pointSizeF(), 9.0);
    button.setFontBold(true);
    button.setFontItalic(true);
    button.setFontUnderline(true);
    button.setFontName("Courier");
    EXPECT_TRUE(button.FontBold());
    EXPECT_TRUE(button.FontItalic());
    EXPECT_TRUE(button.FontUnderline());
    EXPECT_EQ(button.FontName(), "Courier");
    EXPECT_EQ(host.clears, 5);
    EXPECT_TRUE(host.notices.empty());
}

TEST_F(ShownButton, DesignerCopiesColoursToTheHoverOnesAndMakesDoubleFrameBold) {
    host.userMode = true;
    button.setBackOver(0x111111);
    button.setForeOver(0x222222);
    button.setBackColor(0x0000FF);
    button.setForeColor(0x00FF00);
    button.setButtonType(DoubleFrame);
    EXPECT_EQ(button.BackOver(), 0x111111u);
    EXPECT_EQ(button.ForeOver(), 0x222222u);
    EXPECT_FALSE(button.FontBold());

    host.userMode = false;
    button.setBackColor(0x0000FE);
    button.setForeColor(0x00FE00);
    EXPECT_EQ(button.BackOver(), 0x0000FEu);
    EXPECT_EQ(button.ForeOver(), 0x00FE00u);
    button.setButtonType(DoubleFrame);
    EXPECT_TRUE(button.FontBold());
    // Another type later keeps the bold font.
    button.setButtonType(ClassicBevel);
    EXPECT_TRUE(button.FontBold());
}

TEST_F(ShownButton, MousePointerNarrowsTo16BitsWithoutRepaint) {
    button.setMousePointer(3);
    EXPECT_EQ(host.pointer, 3);
    EXPECT_EQ(button.MousePointer(), 3);
    EXPECT_EQ(host.notices, std::vector<std::string>{"MPTR"});
    EXPECT_EQ(host.clears, 0);

    reset();
    try {
        button.setMousePointer(40000);
        FAIL() << "no overflow";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number(), OverflowErrorNumber);
    }
    EXPECT_EQ(host.pointer, 3);
    EXPECT_TRUE(host.notices.empty());
}

TEST_F(ShownButton, MouseIconIgnoresARefusal) {
    const PicturePtr first = smallPicture();
    button.setMouseIcon(first);
    EXPECT_EQ(button.MouseIcon(), first);
    host.refuseIcons = true;
    EXPECT_NO_THROW(button.setMouseIcon(smallPicture()));
    EXPECT_EQ(button.MouseIcon(), first);
    EXPECT_EQ(host.notices, (std::vector<std::string>{"MICON", "MICON"}));
}

TEST_F(ShownButton, HandPointerOverridesPointerAndIconBothWays) {
    button.setMousePointer(2);
    button.setMouseIcon(smallPicture());
    reset();
    button.setHandPointer(true);
    EXPECT_EQ(host.pointer, PointerCustom);
    EXPECT_EQ(host.icon, host.hand);
    button.setHandPointer(false);
    EXPECT_EQ(host.pointer, PointerArrow);
    EXPECT_FALSE(host.icon);
    EXPECT_EQ(host.notices, (std::vector<std::string>{"HAND", "HAND"}));
    EXPECT_EQ(host.clears, 0);
}

TEST_F(ShownButton, HandPointerWithoutTheCursorFailsAfterStoring) {
    host.hand = nullptr;
    button.setMousePointer(2);
    reset();
    try {
        button.setHandPointer(true);
        FAIL() << "no error";
    } catch (const ControlError& e) {
        EXPECT_NE(std::string(e.what()).find("101"), std::string::npos);
    }
    EXPECT_TRUE(button.HandPointer());
    EXPECT_EQ(host.pointer, 2);
    EXPECT_TRUE(host.notices.empty());
}

TEST_F(ShownButton, DisableRefreshBatchesChangesIntoOneDrawingInTheLastState) {
    button.setCheckBoxBehaviour(true);
    button.setValue(true); // drawn down
    reset();
    button.DisableRefresh();
    button.setBackColor(0xFF);
    button.setCaption("Later");
    button.setButtonType(RoundedBevel);
    EXPECT_EQ(host.clears, 0);
    EXPECT_EQ(host.notices.size(), 3u);
    button.Refresh();
    EXPECT_EQ(host.clears, 1);
    EXPECT_EQ(r().LastState, StateDown);
    EXPECT_EQ(r().LastCaption, "Later");
}

TEST_F(ShownButton, HideStopsDrawingAndShowDrawsAgain) {
    button.hide();
    button.setCaption("x");
    EXPECT_EQ(host.clears, 0);
    button.show();
    EXPECT_EQ(host.clears, 1);
    EXPECT_TRUE(r().RedrawAllowed);
}

// The focus rectangle inset by style, on a 75 x 23 client.
TEST_F(ShownButton, ResizeSetsFocusRectInsetsByStyle) {
    struct Case {
        std::int32_t type;
        Rect focus;
    };
    const Case cases[] = {
        {OutlinedBevel, {4, 4, 71, 19}},
        {ClassicBevel, {4, 4, 71, 19}},
        {DoubleFrame, {4, 4, 71, 19}},
        {ThickRaised, {4, 4, 71, 19}},
        {ThinRaised, {3, 3, 72, 20}},
        {Oval, {3, 3, 72, 20}},
        {GradientFramed, {6, 6, 71, 19}},
        {20, {4, 4, 71, 19}},
        {0, {4, 4, 71, 19}},
    };
    for (const Case& c : cases) {
        button.setButtonType(c.type);
        EXPECT_EQ(r().FocusRect, c.focus) << "ButtonType " << c.type;
    }
    EXPECT_EQ(r().ClientWidth, 75);
    EXPECT_EQ(r().ClientHeight, 23);
}

TEST_F(ShownButton, ResizeHandsTheShapeToTheWindowAndTypeChangesRebuildIt) {
    host.resize(40, 40);
    button.setButtonType(Oval);
    EXPECT_FALSE(host.shape.contains(QPoint(0, 0)));
    EXPECT_TRUE(host.shape.contains(QPoint(20, 20)));
    button.setButtonType(ClassicBevel);
    EXPECT_EQ(host.shape, QRegion(0, 0, 40, 40));
}

TEST_F(ShownButton, ResizeToZeroHeightRecordsTheSizeAndDrawsNothing) {
    host.resize(50, 0);
    button.resize();
    EXPECT_EQ(r().ClientWidth, 50);
    EXPECT_EQ(r().ClientHeight, 0);
    EXPECT_EQ(r().FocusRect, (Rect{4, 4, 46, -4}));
    EXPECT_EQ(host.clears, 0);
}

TEST_F(ShownButton, ResizeDuringBackgroundCaptureChangesNothing) {
    button.control().r.CapturingBackground = true;
    host.resize(50, 0);
    button.resize();
    EXPECT_EQ(r().ClientWidth, 75);
    EXPECT_EQ(r().ClientHeight, 23);
    EXPECT_EQ(r().FocusRect, (Rect{4, 4, 71, 19}));
    EXPECT_EQ(host.clears, 0);
}

TEST_F(ShownButton, TransparentCapturesTheBackgroundWhenShownAndWhenChosen) {
    host.containerPixels = QImage(75, 23, QImage::Format_RGB32);
    host.containerPixels.fill(QColor(1, 2, 3));
    button.setButtonType(Transparent);
    // Not shown with that type yet: there is no backdrop to fill.
    EXPECT_TRUE(r().Backdrop.isNull());
    button.show();
    ASSERT_EQ(r().Backdrop.size(), QSize(75, 23));
    EXPECT_EQ(QColor(r().Backdrop.pixel(5, 5)), QColor(1, 2, 3));
    EXPECT_EQ(r().ClientHeight, 23);
    // The capture collapses the control and restores the same height in twips.
    ASSERT_FALSE(host.heightChanges.empty());
    EXPECT_EQ(host.heightChanges.back(), 23 * 15);
}

} // namespace
} // namespace chameleon

// The control object as a new instance has it: RedrawAllowed set, everything else zero, False
// or empty, and a host that records what the control hands it.
#include "button/record.h"
#include "test_host.h"

#include <gtest/gtest.h>

namespace chameleon {
namespace {

TEST(RecordTest, CreationValues) {
    const ButtonRecord r;
    EXPECT_TRUE(r.RedrawAllowed);
    EXPECT_EQ(r.ButtonType, 0);
    EXPECT_EQ(r.ColorScheme, 0);
    EXPECT_EQ(r.PicturePosition, 0);
    EXPECT_EQ(r.SpecialEffect, 0);
    EXPECT_EQ(r.ClientHeight, 0);
    EXPECT_EQ(r.ClientWidth, 0);
    for (OleColor col : {r.BackColor, r.BackOver, r.ForeColor, r.ForeOver, r.MaskColor})
        EXPECT_EQ(col, 0u);
    for (Rgb col : {r.HotFrameColor, r.HotFillColor, r.FaceColor, r.LightColor, r.HighlightColor,
                    r.ShadowColor, r.DarkShadowColor, r.TextColor, r.TextOverColor, r.GradientBase,
                    r.MaskColorValue})
        EXPECT_EQ(col, 0);
    for (bool b :
         {r.UseMaskColor, r.UseGreyscale, r.HandPointer, r.Enabled, r.SoftBevel, r.HasFocus,
          r.ShowFocusRect, r.IsOver, r.CapturingBackground, r.CheckBoxBehaviour, r.Value})
        EXPECT_FALSE(b);
    EXPECT_FALSE(r.PictureNormal);
    EXPECT_FALSE(r.PictureOver);
    EXPECT_TRUE(r.Backdrop.isNull());
    EXPECT_TRUE(r.Caption.isEmpty());
    EXPECT_TRUE(r.LastCaption.isEmpty());
    for (const Rect& rc : {r.CaptionRect, r.CaptionDownRect, r.FocusRect}) EXPECT_EQ(rc, Rect{});
    for (std::int32_t v :
         {r.CaptionWidth, r.CaptionHeight, r.PictureX, r.PictureY, r.PictureWidth, r.PictureHeight})
        EXPECT_EQ(v, 0);
    EXPECT_TRUE(r.ShapeRegion.isEmpty());
    EXPECT_EQ(r.LastButton, 0);
    EXPECT_EQ(r.LastKey, 0);
    EXPECT_EQ(r.LastState, 0);
    EXPECT_EQ(r.LastCaptionMode, 0);
}

TEST(RecordTest, RectangleHelpers) {
    const Rect r{1, 2, 11, 7};
    EXPECT_EQ(r.width(), 10);
    EXPECT_EQ(r.height(), 5);
    EXPECT_EQ(r.offset(1, -1), (Rect{2, 1, 12, 6}));
    EXPECT_EQ(r.inflate(-3, -1), (Rect{4, 3, 8, 6}));
    EXPECT_EQ(rgb(1, 2, 3), 0x030201);
    EXPECT_EQ(redOf(0x030201), 1);
    EXPECT_EQ(greenOf(0x030201), 2);
    EXPECT_EQ(blueOf(0x030201), 3);
}

TEST(RecordTest, TestHostSurfaceAndRecorders) {
    testing::TestHost host(10, 4);
    EXPECT_EQ(host.surface().format(), QImage::Format_RGB32);
    EXPECT_EQ(host.clientSize(), QSize(10, 4));
    EXPECT_EQ(host.heightTwips(), 60);
    host.surface().setPixel(2, 3, qRgb(1, 2, 3));
    EXPECT_EQ(host.pixel(2, 3), 0x030201);
    host.clearSurface();
    EXPECT_EQ(host.pixel(2, 3), 0);
    EXPECT_EQ(host.clears, 1);
    std::int16_t b = 1, s = 0;
    float x = 3, y = 4;
    host.onMouseDown = [](std::int16_t& button, std::int16_t&, float&, float&) { button = 2; };
    host.raiseMouseDown(b, s, x, y);
    EXPECT_EQ(b, 2); // a handler may change by-reference parameters
    host.raiseClick();
    host.propertyChanged("CAPT");
    EXPECT_EQ(host.events, (std::vector<std::string>{"MouseDown 1 0 3 4", "Click"}));
    EXPECT_EQ(host.notices, (std::vector<std::string>{"CAPT"}));
    EXPECT_NEAR(host.himetricToPixelsX(2540), 96.0, 1e-9);
}

} // namespace
} // namespace chameleon

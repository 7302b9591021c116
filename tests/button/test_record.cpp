// The control object as a new instance has it: RedrawAllowed set, everything else zero, False
// or empty.
#include "button/record.h"

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

} // namespace
} // namespace chameleon

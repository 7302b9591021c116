// paintButton alone, from a face built by hand (no record, no model): FaceOnly and the values
// outside 1 to 14 leave the bare face fill, the picture lands on top in the look's mode, and the
// Transparent style shows its backdrop in every look.
#include "button/paint/paint_button.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <tuple>

namespace chameleon {
namespace {

constexpr Rgb kFace = rgb(10, 20, 30), kShadow = rgb(60, 60, 60), kLight = rgb(200, 200, 200);
constexpr Rgb kRed = rgb(255, 0, 0);

TEST(PaintButtonTest, EachLookPutsThePictureOverTheFaceOrTheBackdrop) {
    // The picture rules of each look are the picture drawing's own; here only that the picture
    // comes last, over the face, in the look's mode: moved when pressed, and disabled a shadow
    // silhouette with its light copy one pixel right and down. Type, look, the picture's top-left
    // corner (-1 for no picture) and its colour there.
    const std::tuple<std::int32_t, Look, int, Rgb> cases[] = {
        {-1, Look::Up, -1, 0},
        {0, Look::Disabled, -1, 0},
        {15, Look::Down, -1, 0},
        {FaceOnly, Look::Down, 6, kRed},
        {FaceOnly, Look::Disabled, 5, kShadow},
        {Transparent, Look::Up, -1, 0},
        {Transparent, Look::Down, -1, 0},
        {Transparent, Look::Disabled, -1, 0},
        {Transparent, Look::Up, 5, kRed}};
    QImage backdrop(30, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) backdrop.setPixel(x, y, qRgb(x * 8, y * 12, 77));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const auto q = [](Rgb c) { return QColor(redOf(c), greenOf(c), blueOf(c)); };
    for (const auto& [type, look, at, color] : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << type << " look " << int(look));
        ButtonFace face;
        face.ButtonType = type;
        face.ClientWidth = 30;
        face.ClientHeight = 20;
        face.FaceColor = kFace;
        face.ShadowColor = kShadow;
        face.HighlightColor = kLight;
        face.Backdrop = &backdrop;
        if (at >= 0) face.PictureNormal = makePicture(picture, Picture::Bitmap);
        face.PictureX = face.PictureY = 5;
        face.PictureWidth = face.PictureHeight = 4;
        QImage surface(30, 20, QImage::Format_RGB32);
        surface.fill(Qt::black);
        paintButton(surface, face, look);
        QImage expected = backdrop.copy();
        QPainter p(&expected);
        if (type != Transparent) p.fillRect(expected.rect(), q(kFace));
        if (look == Look::Disabled && at >= 0) p.fillRect(6, 6, 4, 4, q(kLight));
        if (at >= 0) p.fillRect(at, at, 4, 4, q(color));
        p.end();
        EXPECT_EQ(surface, expected);
    }
}

} // namespace
} // namespace chameleon

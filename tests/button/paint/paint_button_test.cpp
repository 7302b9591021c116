// paintButton alone, from a face built by hand (no record, no model): FaceOnly and the values
// outside 1 to 14 leave the bare face fill, the picture lands on top in the look's mode, and the
// Transparent style shows its backdrop in every look.
#include "button/paint/paint_button.h"

#include <gtest/gtest.h>

namespace chameleon {
namespace {

constexpr Rgb kFace = rgb(10, 20, 30), kShadow = rgb(60, 60, 60), kLight = rgb(200, 200, 200);
constexpr Rgb kRed = rgb(255, 0, 0);

TEST(PaintButtonTest, EachLookPutsThePictureOverTheFaceOrTheBackdrop) {
    // The picture rules of each look are the picture drawing's own; here only that the picture
    // comes last, over the face, in the look's mode: moved when pressed, and disabled a shadow
    // silhouette with its light copy one pixel right and down.
    struct Case {
        std::int32_t type;
        Look look;
        int at;    // the picture's top-left corner, -1 for no picture
        Rgb color; // the picture's colour there
    } const cases[] = {{-1, Look::Up, -1, 0},
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
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << (&k - cases));
        ButtonFace face;
        face.ButtonType = k.type;
        face.ClientWidth = 30;
        face.ClientHeight = 20;
        face.FaceColor = kFace;
        face.ShadowColor = kShadow;
        face.HighlightColor = kLight;
        face.Backdrop = &backdrop;
        if (k.at >= 0) face.PictureNormal = makePicture(picture, Picture::Bitmap);
        face.PictureX = face.PictureY = 5;
        face.PictureWidth = face.PictureHeight = 4;
        QImage surface(30, 20, QImage::Format_RGB32);
        surface.fill(Qt::black);
        paintButton(surface, face, k.look);
        const auto q = [](Rgb c) { return qRgb(redOf(c), greenOf(c), blueOf(c)); };
        const auto expected = [&](int x, int y) {
            const auto inside = [](int v, int from) { return v >= from && v < from + 4; };
            if (k.at >= 0 && inside(x, k.at) && inside(y, k.at)) return q(k.color);
            if (k.look == Look::Disabled && k.at >= 0 && inside(x, 6) && inside(y, 6))
                return q(kLight);
            return k.type == Transparent ? backdrop.pixel(x, y) : q(kFace);
        };
        int wrong = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) wrong += surface.pixel(x, y) != expected(x, y);
        EXPECT_EQ(wrong, 0);
    }
}

} // namespace
} // namespace chameleon

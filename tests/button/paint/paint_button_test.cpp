// paintButton alone, from a face built by hand (no record, no model): a style without a drawing
// of its own leaves the face fill in every look, the picture lands on top, and the Transparent
// style shows its backdrop in every look, at 1x and grown block by block on a dense surface.
#include "button/paint/device_grid.h"
#include "button/paint/paint_button.h"

#include <gtest/gtest.h>

#include <functional>

namespace chameleon {
namespace {

constexpr Rgb kFace = rgb(10, 20, 30), kShadow = rgb(60, 60, 60), kLight = rgb(200, 200, 200);
constexpr Rgb kRed = rgb(255, 0, 0), kBlue = rgb(0, 0, 255);

PicturePtr solid(Rgb color) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(QColor(redOf(color), greenOf(color), blueOf(color)));
    return makePicture(image, Picture::Bitmap);
}

struct Case {
    std::int32_t type;
    Look look;
    bool over, withOver;
    double ratio;
    int at;      // the picture's top-left corner, -1 for no picture
    Rgb color;   // the picture's colour there
    Rgb outline; // Disabled: the lighter copy one pixel right and down, else unused
};

TEST(PaintButtonTest, EachLookPutsThePictureOverTheFaceOrTheBackdrop) {
    // The picture rules of each look are the picture drawing's own; here only that the picture
    // comes last, over the face, in the look's mode.
    const Case cases[] = {{FaceOnly, Look::Up, false, false, 1, 5, kRed, 0},
                          {FaceOnly, Look::Up, true, true, 2, 5, kBlue, 0},
                          {FaceOnly, Look::Down, false, false, 1, 6, kRed, 0},
                          {FaceOnly, Look::Disabled, false, false, 1, 5, kShadow, kLight},
                          {0, Look::Up, false, false, 1, -1, 0, 0},
                          {99, Look::Down, false, false, 2, -1, 0, 0},
                          {Transparent, Look::Up, false, false, 1, -1, 0, 0},
                          {Transparent, Look::Down, false, false, 2, -1, 0, 0},
                          {Transparent, Look::Disabled, false, false, 1.5, -1, 0, 0},
                          {Transparent, Look::Up, false, false, 1, 5, kRed, 0}};
    QImage backdrop(30, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) backdrop.setPixel(x, y, qRgb(x * 8, y * 12, 77));
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << (&k - cases));
        ButtonFace face;
        face.ButtonType = k.type;
        face.ClientWidth = 30;
        face.ClientHeight = 20;
        face.FaceColor = kFace;
        face.ShadowColor = kShadow;
        face.HighlightColor = kLight;
        face.IsOver = k.over;
        face.Backdrop = &backdrop;
        if (k.at >= 0) face.PictureNormal = solid(kRed);
        if (k.withOver) face.PictureOver = solid(kBlue);
        face.PictureX = face.PictureY = 5;
        face.PictureWidth = face.PictureHeight = 4;
        QImage surface(deviceSizeFor(QSize(30, 20), k.ratio), QImage::Format_RGB32);
        surface.setDevicePixelRatio(k.ratio);
        surface.fill(Qt::black);
        paintButton(surface, face, k.look);
        const std::function<Rgb(int, int)> expected = [&](int x, int y) {
            const auto inside = [](int v, int from) { return v >= from && v < from + 4; };
            if (k.at >= 0 && inside(x, k.at) && inside(y, k.at)) return k.color;
            if (k.look == Look::Disabled && k.at >= 0 && inside(x, k.at + 1) && inside(y, k.at + 1))
                return k.outline;
            if (k.type == Transparent) {
                const QRgb b = backdrop.pixel(x, y);
                return rgb(qRed(b), qGreen(b), qBlue(b));
            }
            return kFace;
        };
        const DeviceGrid grid(surface);
        int wrong = 0;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x) {
                int lx = 0, ly = 0;
                while (grid.edge(lx + 1) <= x) ++lx;
                while (grid.edge(ly + 1) <= y) ++ly;
                const QRgb p = surface.pixel(x, y);
                wrong += rgb(qRed(p), qGreen(p), qBlue(p)) != expected(lx, ly);
            }
        EXPECT_EQ(wrong, 0);
    }
}

} // namespace
} // namespace chameleon

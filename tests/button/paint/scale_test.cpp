// High-density surfaces: away from the caption, a drawing at any device pixel ratio is the 1x
// drawing with each logical pixel filling its device block (pictures and the backdrop included,
// enlarged by nearest neighbour), so no colour appears that 1x lacks; the caption itself is laid
// out at the device resolution, exactly as a QLabel of the same font and text is.
#include "button/paint/device_grid.h"
#include "tests/button/paint/style_fixture.h"

#include <QLabel>

namespace chameleon::testing {
namespace {

// Caption effect copies reach this far outside the caption's boxes.
constexpr int kEffectReach = 1;

enum class Pose { Up, Over, Down, Disabled, Focused };

// Draws f in pose on a fresh surface of ratio and returns the surface.
QImage drawAt(StyleFixture& f, double ratio, Pose pose) {
    ButtonRecord& r = f.r();
    r.IsOver = pose == Pose::Over || pose == Pose::Down;
    r.Enabled = pose != Pose::Disabled;
    r.HasFocus = pose == Pose::Focused;
    f.host.image =
        QImage(deviceSizeFor(QSize(r.ClientWidth, r.ClientHeight), ratio), QImage::Format_RGB32);
    f.host.image.setDevicePixelRatio(ratio);
    return f.draw(pose == Pose::Down ? StateDown : StateUp);
}

bool inCaption(const ButtonRecord& r, int x, int y) {
    for (const Rect& box : {r.CaptionRect, r.CaptionDownRect}) {
        const Rect near = box.inflate(kEffectReach, kEffectReach);
        if (x >= near.left && x < near.right && y >= near.top && y < near.bottom) return true;
    }
    return false;
}

// An image of varied colours.
QImage patchwork(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(40 * x, 40 * y, 200 - 30 * x));
    return image;
}

TEST(ScaleTest, EveryDevicePixelOffTheCaptionIsItsLogicalPixelAt1x) {
    for (std::int32_t type = OutlinedBevel; type <= GradientFramed; ++type) {
        for (const Pose pose : {Pose::Up, Pose::Over, Pose::Down, Pose::Disabled, Pose::Focused}) {
            StyleFixture f(type, 75, 23, QStringLiteral("Cut"));
            f.r().SpecialEffect = type % 3; // none, embossed, engraved by turns
            QImage picture = patchwork(6, 6);
            picture.setPixel(0, 0, qRgb(192, 192, 192)); // the mask colour
            f.r().PictureNormal = makePicture(picture, Picture::Bitmap);
            f.r().Backdrop = patchwork(75, 23); // what Transparent shows
            f.r().MaskColor = rgb(192, 192, 192);
            f.r().PicturePosition = type % 2 == 0 ? PictureLeft : PictureBehind;
            MeasurePicture(f.c);
            LayoutCaption(f.c);
            const QImage plain = drawAt(f, 1.0, pose);
            for (const double ratio : {1.0, 1.5, 2.0}) {
                const QImage dense = drawAt(f, ratio, pose);
                const DeviceGrid grid(dense);
                ASSERT_EQ(dense.size(), deviceSizeFor(plain.size(), ratio));
                int wrong = 0;
                for (int y = 0, dy = 0; y < plain.height(); ++y) {
                    for (; dy < grid.edge(y + 1); ++dy) {
                        for (int x = 0, dx = 0; x < plain.width(); ++x) {
                            for (; dx < grid.edge(x + 1); ++dx) {
                                wrong += !inCaption(f.r(), x, y) &&
                                         dense.pixel(dx, dy) != plain.pixel(x, y);
                            }
                        }
                    }
                }
                EXPECT_EQ(wrong, 0)
                    << "type " << type << " pose " << int(pose) << " ratio " << ratio;
            }
        }
    }
}

// The device pixels of the caption box that the text touches, as a string of '#' and '.'.
std::string inkOf(const QImage& image, const QRect& box, QRgb background) {
    std::string ink;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ink += image.pixel(x, y) == background ? '.' : '#';
    return ink;
}

TEST(ScaleTest, TheCaptionAt2xHasTheGlyphsOfALabelAt2x) {
    const QString text = QStringLiteral("Start Cutting");
    StyleFixture f(FlatHotThin, 137, 25, text);
    const QImage button = drawAt(f, 2.0, Pose::Up);
    const Rect& caption = f.r().CaptionRect;

    QLabel label(text);
    label.setFont(f.host.surfaceFont);
    label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label.setWordWrap(true);
    label.resize(caption.width(), caption.height());
    QImage peer(2 * caption.width(), 2 * caption.height(), QImage::Format_RGB32);
    peer.setDevicePixelRatio(2.0);
    peer.fill(Qt::white);
    label.render(&peer, {}, {}, QWidget::DrawChildren);

    const QRect box(2 * caption.left, 2 * caption.top, peer.width(), peer.height());
    // The same glyph pixels; the 1x caption doubled would differ wherever a stem is thin.
    EXPECT_EQ(inkOf(button, box, qrgb(f.r().colors.FaceColor)),
              inkOf(peer, peer.rect(), qRgb(255, 255, 255)));
}

} // namespace
} // namespace chameleon::testing

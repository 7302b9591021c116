// The widget on a screen of device pixel ratio 1.5 (the whole program runs at that scale): its
// backing image holds the screen's device pixels, the window shape stays in logical pixels,
// and what the screen shows is the image as drawn, not rescaled.
#include "button/paint/device_grid.h"
#include "button/widget/button_widget.h"

#include <QTest>
#include <gtest/gtest.h>

namespace chameleon {
namespace {

constexpr double kRatio = 1.5;
// Set before the shared main makes the application, which reads it once.
const bool kScaled = qputenv("QT_SCALE_FACTOR", QByteArray::number(kRatio));

TEST(DeviceRatioTest, TheImageHoldsDevicePixelsAndTheShapeStaysLogical) {
    ASSERT_TRUE(kScaled);
    QWidget window;
    window.resize(120, 60);
    auto* button = new ChameleonButtonWidget(&window);
    button->button().setButtonType(RoundedBevel);
    button->setGeometry(10, 10, 75, 23);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    ASSERT_EQ(button->devicePixelRatioF(), kRatio);
    const QImage& image = button->surfaceImage();
    EXPECT_EQ(image.devicePixelRatio(), kRatio);
    EXPECT_EQ(image.size(), deviceSizeFor(QSize(75, 23), kRatio));
    // Rounded corners cut an L of three logical pixels.
    EXPECT_EQ(button->mask().boundingRect(), QRect(0, 0, 75, 23));
    EXPECT_FALSE(button->mask().contains(QPoint(1, 0)));
    EXPECT_TRUE(button->mask().contains(QPoint(2, 0)));
    const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), image.size());
    for (const QPoint at : {QPoint(5, 5), QPoint(56, 17), QPoint(100, 30)}) {
        EXPECT_EQ(shown.pixel(at), image.pixel(at)) << at.x() << ", " << at.y();
    }
}

} // namespace
} // namespace chameleon

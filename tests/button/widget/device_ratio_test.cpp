// The widget on a high-density screen (the whole program runs at one scale: 1.5 unless
// QT_SCALE_FACTOR says otherwise, as the test list runs it again at 2): its backing image holds
// the screen's device pixels, the window shape stays in logical pixels, what the screen shows
// is the image as drawn, not rescaled, and a Transparent button shows its container.
#include "button/paint/device_grid.h"
#include "button/widget/button_widget.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace chameleon {
namespace {

// Set before the shared main makes the application, which reads it once.
const bool kScaled =
    qEnvironmentVariableIsSet("QT_SCALE_FACTOR") || qputenv("QT_SCALE_FACTOR", "1.5");
const double kRatio = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();

// A container painted in cells of 2 x 2 logical pixels, each of its own colour: at 1.5 and 2
// the cells fall on whole device pixels, so every logical pixel has one colour.
struct Checkered : QWidget {
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (int y = 0; y < height(); y += 2)
            for (int x = 0; x < width(); x += 2) p.fillRect(x, y, 2, 2, QColor(x * 2, y * 3, 90));
    }
};

// A Transparent button's backdrop then holds, for each logical pixel, the container's pixel
// under it.
TEST(DeviceRatioTest, TheImageHoldsDevicePixelsTheShapeStaysLogicalAndTransparentShowsThrough) {
    ASSERT_TRUE(kScaled);
    Checkered window;
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
    QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), image.size());
    for (const QPoint at : {QPoint(5, 5), QPoint(56, 17), QPoint(100, 30)}) {
        EXPECT_EQ(shown.pixel(at), image.pixel(at)) << at.x() << ", " << at.y();
    }

    button->hide(); // shown again Transparent, it captures what is under it
    button->button().setCaption(QString());
    button->button().setShowFocusRect(false);
    button->setGeometry(10, 10, 64, 30);
    button->button().setButtonType(Transparent);
    button->show();
    shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    button->hide();
    const QImage container = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const DeviceGrid on(shown), under(container);
    int wrong = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 64; ++x)
            wrong += shown.pixel(int(on.edge(x)), int(on.edge(y))) !=
                     container.pixel(int(under.edge(10 + x)), int(under.edge(10 + y)));
    EXPECT_EQ(wrong, 0) << "of 1920 logical pixels at ratio " << kRatio;
}

} // namespace
} // namespace chameleon

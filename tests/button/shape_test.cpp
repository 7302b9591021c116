// Window shapes per ButtonType (which pixels the window keeps) and the background capture:
// the collapse and restore of the height, the guard flag during it, the copy into the
// backdrop, and that failures of the host change nothing but the copy.
#include "button/model/capture.h"
#include "button/paint/shape.h"
#include "recording_host.h"

#include <gtest/gtest.h>
#include <span>
#include <stdexcept>
#include <utility>

namespace chameleon::testing {
namespace {

// The full 75 x 23 client rectangle without the given pixels.
QRegion without(std::span<const QPoint> pixels) {
    QRegion region(0, 0, 75, 23);
    for (const QPoint p : pixels) region -= QRegion(p.x(), p.y(), 1, 1);
    return region;
}

TEST(ShapeRegion, PixelsEachTypeCutsFromA75By23Button) {
    const QPoint rounded[] = {{0, 0},  {1, 0},  {0, 1},  {73, 0},  {74, 0},  {74, 1},
                              {0, 22}, {1, 22}, {0, 21}, {73, 22}, {74, 22}, {74, 21}};
    const QPoint corners[] = {{0, 0}, {74, 0}, {0, 22}, {74, 22}};
    const QPoint doubleFrame[] = {{74, 0}, {0, 22}};
    const std::pair<std::int32_t, std::span<const QPoint>> cases[] = {{RoundedBevel, rounded},
                                                                      {RoundedGradient, rounded},
                                                                      {OutlinedBevel, corners},
                                                                      {GradientFramed, corners},
                                                                      {DoubleFrame, doubleFrame}};
    for (const auto& [type, cut] : cases)
        EXPECT_EQ(shapeRegionFor(type, 75, 23), without(cut)) << type;
    for (const std::int32_t type : {0, 2, 6, 7, 8, 9, 10, 11, 12, 15, -1}) {
        EXPECT_EQ(shapeRegionFor(type, 75, 23), without({})) << "type " << type;
    }
}

// Centred in its square (symmetric left to right and top to bottom), the corners cut.
TEST(ShapeRegion, OvalIsTheInscribedEllipse) {
    const QRegion circle = shapeRegionFor(Oval, 40, 40);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool in = circle.contains(QPoint(x, y));
            EXPECT_EQ(circle.contains(QPoint(39 - x, y)), in) << x << "," << y;
            EXPECT_EQ(circle.contains(QPoint(x, 39 - y)), in) << x << "," << y;
        }
    }
    for (const QPoint out : {QPoint(0, 0), QPoint(4, 4)}) EXPECT_FALSE(circle.contains(out));
    for (const QPoint in : {QPoint(20, 20), QPoint(1, 20), QPoint(20, 1), QPoint(8, 8)}) {
        EXPECT_TRUE(circle.contains(in)) << in.x() << "," << in.y();
    }
    EXPECT_EQ(circle.boundingRect(), QRect(0, 0, 40, 40));
}

// A host whose container can be made to throw when read.
class FailingHost : public TestHost {
  public:
    using TestHost::TestHost;
    bool failing = false;
    QImage grabContainerBehind(std::int32_t width, std::int32_t height) override {
        if (failing) throw std::runtime_error("no container");
        return TestHost::grabContainerBehind(width, height);
    }
};

// A 20 x 10 Transparent button captures a container of one colour with one marked pixel:
// collapsed to height 0 with the guard up while messages run (a nested capture meanwhile is
// skipped), copied, and restored. Without a backdrop, with an unreadable container, or with a
// container and message loop that throw, the backdrop stays and the height comes back.
TEST(CaptureBackground, CollapsesCopiesAndRestoresWhateverFails) {
    enum Failure { None, NoBackdrop, Unreadable, Throwing };
    for (const Failure failure : {None, NoBackdrop, Unreadable, Throwing}) {
        SCOPED_TRACE(failure);
        FailingHost host(20, 10);
        Control c(host, host);
        c.r.ButtonType = Transparent;
        c.r.ClientWidth = 20;
        c.r.ClientHeight = 10;
        c.r.Backdrop = QImage(20, 10, QImage::Format_RGB32);
        c.r.Backdrop.fill(qRgb(1, 2, 3));
        host.containerPixels = QImage(30, 30, QImage::Format_RGB32);
        host.containerPixels.fill(qRgb(10, 20, 30));
        host.containerPixels.setPixel(19, 9, qRgb(200, 100, 50));
        if (failure == NoBackdrop) c.r.Backdrop = QImage();
        if (failure == Unreadable) host.containerPixels = QImage();
        host.failing = failure == Throwing;
        bool guarded = false;
        host.onProcessMessages = [&] {
            guarded = c.r.CapturingBackground && host.heightChanges == std::vector<std::int32_t>{0};
            if (failure == Throwing) throw std::runtime_error("no loop");
            if (host.messagePumps == 1) CaptureBackground(c);
        };
        const QImage before = c.r.Backdrop;
        EXPECT_NO_THROW(CaptureBackground(c));
        EXPECT_TRUE(guarded);
        EXPECT_EQ(host.messagePumps, 1);
        EXPECT_EQ(host.heightChanges, (std::vector<std::int32_t>{0, 150}));
        EXPECT_FALSE(c.r.CapturingBackground);
        if (failure != None) {
            EXPECT_EQ(c.r.Backdrop, before);
        } else {
            EXPECT_EQ(c.r.Backdrop.size(), QSize(20, 10));
            EXPECT_EQ(c.r.Backdrop.pixel(0, 0), qRgb(10, 20, 30));
            EXPECT_EQ(c.r.Backdrop.pixel(19, 9), qRgb(200, 100, 50));
        }
    }
}

} // namespace
} // namespace chameleon::testing

// Window shapes per ButtonType (which pixels the window keeps) and the background capture:
// the collapse and restore of the height, the guard flag during it, the copy into the
// backdrop, and that failures of the host change nothing but the copy.
#include "button/shape.h"
#include "test_host.h"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <utility>

namespace chameleon::testing {
namespace {

QRegion ShapeOf(std::int32_t type, int w, int h) {
    TestHost host(w, h);
    Control c(host);
    c.r.ButtonType = type;
    c.r.ClientWidth = w;
    c.r.ClientHeight = h;
    BuildShapeRegion(c);
    return c.r.ShapeRegion;
}

// Every pixel of the w x h client rectangle outside region.
std::set<std::pair<int, int>> Missing(const QRegion& region, int w, int h) {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!region.contains(QPoint(x, y))) out.insert({x, y});
        }
    }
    return out;
}

TEST(ShapeRegion, RoundedTypesLoseThreePixelsAtEveryCorner) {
    const std::set<std::pair<int, int>> cut = {{0, 0},  {1, 0},   {0, 1},   {73, 0},
                                               {74, 0}, {74, 1},  {0, 22},  {1, 22},
                                               {0, 21}, {73, 22}, {74, 22}, {74, 21}};
    for (const std::int32_t type : {RoundedBevel, RoundedGradient}) {
        const QRegion shape = ShapeOf(type, 75, 23);
        EXPECT_EQ(Missing(shape, 75, 23), cut);
        EXPECT_EQ(shape.boundingRect(), QRect(0, 0, 75, 23));
    }
}

TEST(ShapeRegion, CornerPixelsPerType) {
    const std::set<std::pair<int, int>> fourCorners = {{0, 0}, {74, 0}, {0, 22}, {74, 22}};
    EXPECT_EQ(Missing(ShapeOf(OutlinedBevel, 75, 23), 75, 23), fourCorners);
    EXPECT_EQ(Missing(ShapeOf(GradientFramed, 75, 23), 75, 23), fourCorners);
    const std::set<std::pair<int, int>> doubleFrame = {{74, 0}, {0, 22}};
    EXPECT_EQ(Missing(ShapeOf(DoubleFrame, 75, 23), 75, 23), doubleFrame);
    for (const std::int32_t type : {0, 2, 6, 7, 8, 9, 10, 11, 12, 15, -1}) {
        EXPECT_EQ(ShapeOf(type, 75, 23), QRegion(0, 0, 75, 23)) << "type " << type;
    }
}

TEST(ShapeRegion, OvalIsTheInscribedEllipse) {
    const QRegion circle = ShapeOf(Oval, 40, 40);
    for (const QPoint corner : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 39), QPoint(39, 39),
                                QPoint(4, 4), QPoint(35, 35)}) {
        EXPECT_FALSE(circle.contains(corner)) << corner.x() << "," << corner.y();
    }
    for (const QPoint inside : {QPoint(20, 20), QPoint(1, 20), QPoint(20, 1), QPoint(38, 20),
                                QPoint(20, 38), QPoint(8, 8)}) {
        EXPECT_TRUE(circle.contains(inside)) << inside.x() << "," << inside.y();
    }
    // Symmetric left to right and top to bottom: centred in the square.
    const auto cut = Missing(circle, 40, 40);
    for (const auto& [x, y] : cut) {
        EXPECT_TRUE(cut.count({39 - x, y}) && cut.count({x, 39 - y})) << x << "," << y;
    }
    // Back to a rectangle when the type changes.
    EXPECT_EQ(ShapeOf(ClassicBevel, 40, 40), QRegion(0, 0, 40, 40));
}

struct CaptureFixture {
    TestHost host{20, 10};
    Control c{host};
    CaptureFixture() {
        c.r.ButtonType = Transparent;
        c.r.ClientWidth = 20;
        c.r.ClientHeight = 10;
        host.containerPixels = QImage(30, 30, QImage::Format_RGB32);
        host.containerPixels.fill(qRgb(10, 20, 30));
        host.containerPixels.setPixel(19, 9, qRgb(200, 100, 50));
    }
};

TEST(CaptureBackground, CollapsesCopiesAndRestoresHeight) {
    CaptureFixture f;
    f.c.r.Backdrop = QImage(20, 10, QImage::Format_RGB32);
    f.c.r.Backdrop.fill(Qt::black);
    bool guardedMeanwhile = false;
    f.host.onProcessMessages = [&] {
        guardedMeanwhile = f.c.r.CapturingBackground && f.host.heightTw == 0;
    };
    CaptureBackground(f.c);
    EXPECT_TRUE(guardedMeanwhile);
    EXPECT_FALSE(f.c.r.CapturingBackground);
    EXPECT_EQ(f.host.heightChanges, (std::vector<std::int32_t>{0, 150}));
    EXPECT_EQ(f.host.messagePumps, 1);
    EXPECT_EQ(f.c.r.Backdrop.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(f.c.r.Backdrop.pixel(19, 9), qRgb(200, 100, 50));
    EXPECT_EQ(f.c.r.Backdrop.size(), QSize(20, 10));
}

TEST(CaptureBackground, WithoutBackdropOrContainerOnlyTheHeightMoves) {
    CaptureFixture f;
    CaptureBackground(f.c); // no backdrop yet
    EXPECT_TRUE(f.c.r.Backdrop.isNull());
    EXPECT_EQ(f.host.heightChanges, (std::vector<std::int32_t>{0, 150}));

    f.c.r.Backdrop = QImage(20, 10, QImage::Format_RGB32);
    f.c.r.Backdrop.fill(qRgb(1, 2, 3));
    f.host.containerPixels = QImage(); // unreadable container
    CaptureBackground(f.c);
    EXPECT_EQ(f.c.r.Backdrop.pixel(5, 5), qRgb(1, 2, 3));
    EXPECT_FALSE(f.c.r.CapturingBackground);
}

class FailingHost : public TestHost {
  public:
    using TestHost::TestHost;
    QImage grabContainerBehind(std::int32_t, std::int32_t) override {
        throw std::runtime_error("no container");
    }
    void processPendingMessages() override { throw std::runtime_error("no loop"); }
};

TEST(CaptureBackground, IgnoresFailuresAndRestoresHeight) {
    FailingHost host(20, 10);
    Control c(host);
    c.r.ClientWidth = 20;
    c.r.ClientHeight = 10;
    c.r.Backdrop = QImage(20, 10, QImage::Format_RGB32);
    c.r.Backdrop.fill(qRgb(1, 2, 3));
    EXPECT_NO_THROW(CaptureBackground(c));
    EXPECT_EQ(host.heightChanges, (std::vector<std::int32_t>{0, 150}));
    EXPECT_FALSE(c.r.CapturingBackground);
    EXPECT_EQ(c.r.Backdrop.pixel(0, 0), qRgb(1, 2, 3));
}

TEST(CaptureBackground, NestedCaptureDuringMessagesIsSkipped) {
    CaptureFixture f;
    int nested = 0;
    f.host.onProcessMessages = [&] {
        if (nested++ == 0) CaptureBackground(f.c);
    };
    CaptureBackground(f.c);
    EXPECT_EQ(f.host.heightChanges, (std::vector<std::int32_t>{0, 150}));
    EXPECT_EQ(f.host.messagePumps, 1);
}

} // namespace
} // namespace chameleon::testing

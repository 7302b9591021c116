// The background capture of a Transparent button: the collapse and restore of the height, the
// guard flag during it, the copy into the backdrop, and that failures of the host change
// nothing but the copy.
#include "button/model/capture.h"
#include "tests/button/model/recording_host.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace chameleon::testing {
namespace {

// A 20 x 10 button captures a marked container: height 0 and the guard up while messages run (a
// nested capture skipped), copied, restored. Whatever fails, backdrop and height stay as they were.
TEST(CaptureTest, CollapsesCopiesAndRestoresWhateverFails) {
    enum Failure { None, NoBackdrop, Unreadable, Throwing };
    for (const Failure failure : {None, NoBackdrop, Unreadable, Throwing}) {
        SCOPED_TRACE(failure);
        TestHost host(20, 10);
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
        host.containerThrows = failure == Throwing;
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

// Background capture. The Transparent style paints the container's own pixels, which
// CaptureBackground takes while the control is briefly collapsed so that the container
// repaints the area the button covered.
#include "button/model/capture.h"

#include <QPainter>

namespace chameleon {

namespace {

// Runs one step of the capture, swallowing whatever it throws: a failing step is skipped and
// the next one runs.
template <typename Step>
void ignoringErrors(Step step) {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

void CaptureBackground(Control& c) {
    ButtonRecord& r = c.r;
    // A capture started from the message processing of another would copy the button itself
    // (the outer one has already put the height back by then): keep to the outer one.
    if (r.CapturingBackground) return;
    r.CapturingBackground = true;
    // Collapsed, the button lets the container repaint the area it covered.
    ignoringErrors([&] { c.host.setHeightTwips(0); });
    ignoringErrors([&] { c.host.processPendingMessages(); });
    ignoringErrors([&] {
        const QImage behind = c.host.grabContainerBehind(r.ClientWidth, r.ClientHeight);
        if (behind.isNull() || r.Backdrop.isNull()) return;
        QPainter painter(&r.Backdrop);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, behind);
    });
    ignoringErrors([&] { c.host.setHeightTwips(c.host.pixelsToTwipsY(r.ClientHeight)); });
    r.CapturingBackground = false;
}

} // namespace chameleon

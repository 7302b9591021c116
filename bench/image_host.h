// A bare surface and host for drawing buttons off screen: an RGB32 image, a font, the ambient
// default-button flag and the container's colours; everything else is the host's default
// (notices, events, timer and keystrokes dropped). The gallery and the redraw benchmark drive
// the control's routines through it without any window. A device pixel ratio above 1 gives
// the image that many device pixels per logical one, as a high-density screen's widget has.
#pragma once

#include "button/model/control.h"
#include "button/paint/device_grid.h"
#include "button/paint/metrics.h"

#include <QFont>
#include <QImage>

namespace chameleon::offscreen {

class ImageHost : public ButtonSurface, public ButtonHost {
  public:
    ImageHost(int width, int height, double ratio = 1.0)
        : image(deviceSizeFor(QSize(width, height), ratio), QImage::Format_RGB32),
          logicalSize(width, height) {
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
    }

    QImage image;
    QSize logicalSize;
    QFont surfaceFont = metrics::standInFont();
    bool displayAsDefault = false;
    Rgb containerBack = rgb(255, 255, 255);
    Rgb containerText = 0;

    QImage& surface() override { return image; }
    void clearSurface() override { image.fill(Qt::black); }
    QSize clientSize() const override { return logicalSize; }
    QFont font() const override { return surfaceFont; }
    void setFont(const QFont& font) override { surfaceFont = font; }
    QString ambientDisplayName() const override { return QStringLiteral("chameleonButton1"); }
    QFont ambientFont() const override { return surfaceFont; }
    bool ambientDisplayAsDefault() const override { return displayAsDefault; }
    Rgb containerBackColor() const override { return containerBack; }
    Rgb containerTextColor() const override { return containerText; }
};

// Sets the client size and the style's focus rectangle as the resize handler leaves them.
inline void sizeButton(Control& c, int width, int height) {
    c.r.ClientWidth = width;
    c.r.ClientHeight = height;
    c.r.FocusRect = metrics::focusRectFor(c.r.ButtonType, Rect{0, 0, width, height});
}

} // namespace chameleon::offscreen

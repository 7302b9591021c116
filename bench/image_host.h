// A bare host for drawing buttons off screen: an RGB32 image as the surface, a font, the
// ambient default-button flag and the container's colours; every notice, event, timer and
// keystroke is dropped. The gallery and the redraw benchmark drive the control's routines
// through it without any window.
#pragma once

#include "button/control.h"

#include <QFont>
#include <QImage>

namespace chameleon::offscreen {

class ImageHost : public ButtonHost {
  public:
    ImageHost(int width, int height) : image(width, height, QImage::Format_RGB32) {
        image.fill(Qt::black);
    }

    QImage image;
    QFont surfaceFont;
    Rgb textColorValue = 0;
    bool displayAsDefault = false;
    Rgb containerBack = rgb(255, 255, 255);
    Rgb containerText = 0;

    QImage& surface() override { return image; }
    void clearSurface() override { image.fill(Qt::black); }
    void repaintNow() override {}
    Rgb textColor() const override { return textColorValue; }
    void setTextColor(Rgb color) override { textColorValue = color; }
    QSize clientSize() const override { return image.size(); }
    void setWindowShape(const QRegion&) override {}
    QFont font() const override { return surfaceFont; }
    void setFont(const QFont& font) override { surfaceFont = font; }
    std::int16_t mousePointer() const override { return 0; }
    void setMousePointer(std::int16_t) override {}
    PicturePtr mouseIcon() const override { return nullptr; }
    bool setMouseIcon(const PicturePtr&) override { return true; }
    PicturePtr handCursor() const override { return nullptr; }
    void setSurfaceEnabled(bool) override {}
    void setAccessKeys(const QString&) override {}
    std::int32_t heightTwips() const override { return image.height() * 15; }
    void setHeightTwips(std::int32_t) override {}
    std::int32_t pixelsToTwipsY(std::int32_t pixels) const override { return pixels * 15; }
    double himetricToPixelsX(double himetric) const override { return himetric * 96.0 / 2540.0; }
    double himetricToPixelsY(double himetric) const override { return himetric * 96.0 / 2540.0; }
    QString ambientDisplayName() const override { return QStringLiteral("chameleonButton1"); }
    QFont ambientFont() const override { return surfaceFont; }
    bool ambientUserMode() const override { return true; }
    bool ambientDisplayAsDefault() const override { return displayAsDefault; }
    Rgb containerBackColor() const override { return containerBack; }
    Rgb containerTextColor() const override { return containerText; }
    QImage grabContainerBehind(std::int32_t, std::int32_t) override { return {}; }
    void propertyChanged(const char*) override {}
    void raiseClick() override {}
    void raiseMouseDown(std::int16_t&, std::int16_t&, float&, float&) override {}
    void raiseMouseMove(std::int16_t&, std::int16_t&, float&, float&) override {}
    void raiseMouseUp(std::int16_t&, std::int16_t&, float&, float&) override {}
    void raiseKeyPress(std::int16_t&) override {}
    void raiseKeyDown(std::int16_t&, std::int16_t&) override {}
    void raiseKeyUp(std::int16_t&, std::int16_t&) override {}
    void raiseMouseOver() override {}
    void raiseMouseOut() override {}
    bool isPointerOverWindow() const override { return false; }
    void captureMouse() override {}
    void startOverTimer() override {}
    void stopOverTimer() override {}
    void sendKeys(const QString&) override {}
    void processPendingMessages() override {}
};

// The font the program's buttons ask for; fontconfig picks the nearest sans face.
inline QFont ButtonFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

// Sets the client size and the style's focus rectangle as the resize handler leaves them.
inline void SizeButton(Control& c, int width, int height) {
    ButtonRecord& r = c.r;
    r.ClientWidth = width;
    r.ClientHeight = height;
    const Rect client{0, 0, width, height};
    if (r.ButtonType >= ThinRaised && r.ButtonType <= Oval) {
        r.FocusRect = client.inflate(-3, -3);
    } else if (r.ButtonType == GradientFramed) {
        r.FocusRect = client.inflate(-5, -5).offset(1, 1);
    } else {
        r.FocusRect = client.inflate(-4, -4);
    }
}

} // namespace chameleon::offscreen

// A host for the model's tests: an RGB32 image as the surface, settable values for what tests
// vary, and counters and recorders for drawings, notices, events and the timer; ButtonHost's
// defaults for the rest. Handlers may change by-reference event parameters as a program's would.
#pragma once

#include "button/model/chameleon_button.h"
#include "button/model/control.h"

#include <QFont>
#include <QImage>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace chameleon::testing {

class TestHost : public ButtonSurface, public ButtonHost {
  public:
    using I = std::int16_t;
    explicit TestHost(int width = 75, int height = 23) { resize(width, height); }
    void resize(int width, int height) {
        client = QSize(width, height);
        image = QImage(width, height, QImage::Format_RGB32);
        image.fill(Qt::black);
    }
    // The surface's pixel at (x, y) as a plain RGB value (0x00BBGGRR).
    Rgb pixel(int x, int y) const {
        const QRgb p = image.pixel(x, y);
        return rgb(qRed(p), qGreen(p), qBlue(p));
    }

    QImage image, containerPixels; // containerPixels: what grabContainerBehind() crops
    QSize client;
    QFont surfaceFont, ambFont;
    std::int16_t pointer = 0;
    PicturePtr icon, hand; // the custom pointer and what handCursor() returns
    bool surfaceEnabled = true, displayAsDefault = false;
    bool pointerOver = false, timerRunning = false, containerThrows = false;
    QString accessKeys, displayName = QStringLiteral("chameleonButton1");
    int clears = 0, repaints = 0, messagePumps = 0, clicks = 0, overs = 0, outs = 0;
    std::vector<std::string> notices;
    std::vector<int> clearsAtNotice; // the clears counter at each notice
    std::vector<std::int32_t> heightChanges;
    std::function<void(I&, I&, float&, float&)> onMouseDown;
    std::function<void(I&, I&)> onKeyDown;
    std::function<void()> onProcessMessages;

    QImage& surface() override { return image; }
    void clearSurface() override { ++clears, image.fill(Qt::black); }
    void repaintNow() override { ++repaints; }
    QSize clientSize() const override { return client; }
    QFont font() const override { return surfaceFont; }
    void setFont(const QFont& font) override { surfaceFont = font; }
    std::int16_t mousePointer() const override { return pointer; }
    void setMousePointer(std::int16_t shape) override { pointer = shape; }
    PicturePtr mouseIcon() const override { return icon; }
    bool setMouseIcon(const PicturePtr& i) override { return icon = i, true; }
    PicturePtr handCursor() const override { return hand; }
    void setSurfaceEnabled(bool enabled) override { surfaceEnabled = enabled; }
    void setAccessKeys(const QString& keys) override { accessKeys = keys; }
    void setHeightTwips(std::int32_t twips) override { heightChanges.push_back(twips); }
    QString ambientDisplayName() const override { return displayName; }
    QFont ambientFont() const override { return ambFont; }
    bool ambientDisplayAsDefault() const override { return displayAsDefault; }
    QImage grabContainerBehind(std::int32_t w, std::int32_t h) override {
        if (containerThrows) throw std::runtime_error("no container");
        return containerPixels.isNull() ? QImage() : containerPixels.copy(0, 0, w, h);
    }
    void propertyChanged(const char* key) override {
        notices.emplace_back(key);
        clearsAtNotice.push_back(clears);
    }
    void raiseClick() override { ++clicks; }
    void raiseMouseDown(I& b, I& s, float& x, float& y) override {
        if (onMouseDown) onMouseDown(b, s, x, y);
    }
    void raiseKeyDown(I& k, I& s) override {
        if (onKeyDown) onKeyDown(k, s);
    }
    void raiseMouseOver() override { ++overs; }
    void raiseMouseOut() override { ++outs; }
    bool isPointerOverWindow() const override { return pointerOver; }
    void startOverTimer() override { timerRunning = true; }
    void stopOverTimer() override { timerRunning = false; }
    void processPendingMessages() override {
        ++messagePumps, onProcessMessages ? onProcessMessages() : void();
    }
};

// A plain RGB value as Qt's pixel value.
inline QRgb qrgb(Rgb c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

// A size x size red bitmap (or icon) with its HIMETRIC size at 96 dpi.
inline PicturePtr picture(int size = 8, Picture::Kind kind = Picture::Bitmap) {
    QImage image(size, size, kind == Picture::Icon ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(qRgba(255, 0, 0, 128));
    return std::make_shared<Picture>(Picture{kind, image, size * 2540 / 96, size * 2540 / 96});
}

// A new, resized and shown 75 x 23 button, its counters at zero, the hand cursor available.
struct ShownButtonFixture {
    ShownButtonFixture() {
        host.hand = picture(32, Picture::Icon);
        button.newInstance();
        button.resize();
        button.show();
        reset();
    }
    void reset() {
        host.clears = host.repaints = host.clicks = host.overs = host.outs = 0;
        host.notices.clear(), host.clearsAtNotice.clear();
    }
    const ButtonRecord& r() const { return button.record(); }

    TestHost host;
    chameleonButton button{host, host};
};

} // namespace chameleon::testing

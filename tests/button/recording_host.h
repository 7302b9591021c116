// A host for tests: a real RGB32 image as the surface, settable ambient values, and recorders
// for every notice, event, timer call and keystroke the control produces. Event handlers can
// be replaced to change by-reference parameters the way a program's handler would.
#pragma once

#include "button/model/control.h"

#include <QFont>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

namespace chameleon::testing {

class TestHost : public ButtonSurface, public ButtonHost {
  public:
    explicit TestHost(int width = 75, int height = 23);

    // Resizes the surface (and the client size the control reads on resize).
    void resize(int width, int height);

    // --- recorders and settable values, public so tests can read and set them ---
    QImage image;
    QSize client;
    QFont surfaceFont;
    std::int16_t pointer = 0;
    PicturePtr icon;
    PicturePtr hand; // what handCursor() returns
    bool surfaceEnabled = true;
    QString accessKeys;
    QString displayName = QStringLiteral("chameleonButton1");
    QFont ambFont;
    bool userMode = true;
    bool displayAsDefault = false;
    Rgb containerBack = 0xFFFFFF;
    Rgb containerText = 0;
    QImage containerPixels; // what grabContainerBehind() returns (cropped to the size)
    bool pointerOver = false;
    bool timerRunning = false;
    int clears = 0;
    int repaints = 0;
    int messagePumps = 0;
    QRegion shape;
    std::vector<std::string> notices; // change notices, in order
    std::vector<int> clearsAtNotice;  // the clears counter when each notice was issued
    bool refuseIcons = false;         // setMouseIcon refuses every picture
    std::vector<std::string> events;  // "Click", "MouseDown 1 0 3 4", ...
    std::vector<QString> keystrokes;  // "{Tab}", "+{Tab}"
    std::vector<std::int32_t> heightChanges;

    // Optional handlers that may change by-reference parameters.
    std::function<void(std::int16_t&, std::int16_t&, float&, float&)> onMouseDown;
    std::function<void(std::int16_t&, std::int16_t&)> onKeyDown;
    std::function<void()> onClick;
    std::function<void()> onProcessMessages;

    // ButtonSurface and ButtonHost
    QImage& surface() override { return image; }
    void clearSurface() override;
    void repaintNow() override { ++repaints; }
    // The size last given to resize(): a zero-height window still has its width.
    QSize clientSize() const override { return client; }
    void setWindowShape(const QRegion& region) override { shape = region; }
    QFont font() const override { return surfaceFont; }
    void setFont(const QFont& font) override { surfaceFont = font; }
    std::int16_t mousePointer() const override { return pointer; }
    void setMousePointer(std::int16_t shape) override { pointer = shape; }
    PicturePtr mouseIcon() const override { return icon; }
    bool setMouseIcon(const PicturePtr& i) override {
        if (refuseIcons) return false;
        icon = i;
        return true;
    }
    PicturePtr handCursor() const override { return hand; }
    void setSurfaceEnabled(bool enabled) override { surfaceEnabled = enabled; }
    void setAccessKeys(const QString& keys) override { accessKeys = keys; }
    void setHeightTwips(std::int32_t twips) override { heightChanges.push_back(twips); }
    QString ambientDisplayName() const override { return displayName; }
    QFont ambientFont() const override { return ambFont; }
    bool ambientUserMode() const override { return userMode; }
    bool ambientDisplayAsDefault() const override { return displayAsDefault; }
    Rgb containerBackColor() const override { return containerBack; }
    Rgb containerTextColor() const override { return containerText; }
    QImage grabContainerBehind(std::int32_t width, std::int32_t height) override;
    void propertyChanged(const char* key) override {
        notices.emplace_back(key);
        clearsAtNotice.push_back(clears);
    }
    void raiseClick() override;
    void raiseMouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) override;
    void raiseMouseMove(std::int16_t& b, std::int16_t& s, float& x, float& y) override;
    void raiseMouseUp(std::int16_t& b, std::int16_t& s, float& x, float& y) override;
    void raiseKeyPress(std::int16_t& keyAscii) override;
    void raiseKeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
    void raiseKeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
    void raiseMouseOver() override { events.emplace_back("MouseOver"); }
    void raiseMouseOut() override { events.emplace_back("MouseOut"); }
    bool isPointerOverWindow() const override { return pointerOver; }
    void startOverTimer() override { timerRunning = true; }
    void stopOverTimer() override { timerRunning = false; }
    void sendKeys(const QString& keys) override { keystrokes.push_back(keys); }
    void processPendingMessages() override;

    // The pixel at (x, y) of the surface as a plain RGB value (0x00BBGGRR).
    Rgb pixel(int x, int y) const;
};

} // namespace chameleon::testing

// What a chameleonButton needs from the program that holds it, in two parts. The surface is
// the little the drawing needs: an image at the client size, a way to clear and show it, the
// window shape and the font. The host is everything else: pointer and enabled state, scale,
// the container's ambient values and colours, the change notice, the nine events, the hover
// timer, keystrokes and message processing. The Qt widget implements both for real; tests
// and image renderers implement the surface and take the host's defaults where they do not
// care. The property store is handed to the load and save handlers directly.
#pragma once

#include "button/paint/metrics.h"
#include "button/paint/picture_object.h"
#include "button/paint/types.h"

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>
#include <cstdint>

namespace chameleon {

// Pointer shapes that the control itself sets.
enum : std::int16_t { PointerDefault = 0, PointerArrow = 1, PointerCustom = 99 };

// The keystrokes the control sends to move the focus forward or back in the tab order.
inline constexpr char kNextControlKeys[] = "{Tab}";
inline constexpr char kPreviousControlKeys[] = "+{Tab}";

class ButtonSurface {
  public:
    virtual ~ButtonSurface() = default;
    // The backing image the control draws into; RGB32, kept at the client size by the host
    // (in device pixels, with the screen's device pixel ratio set on it: device_grid.h) and
    // shown whenever the window needs painting.
    virtual QImage& surface() = 0;
    // Cls: erases the whole surface.
    virtual void clearSurface() = 0;
    // Shows what the surface holds now, without waiting for the event loop.
    virtual void repaintNow() {}
    // The client rectangle's size in pixels (the window's current size).
    virtual QSize clientSize() const = 0;
    // Applies the window shape: the window neither paints nor takes the pointer outside it.
    virtual void setWindowShape(const QRegion&) {}
    // The surface's font, which the caption is measured and drawn in.
    virtual QFont font() const = 0;
    virtual void setFont(const QFont& font) = 0;
};

class ButtonHost {
  public:
    virtual ~ButtonHost() = default;

    // --- pointer and surface state ----------------------------------------------------------
    virtual std::int16_t mousePointer() const { return PointerDefault; }
    virtual void setMousePointer(std::int16_t) {}
    // The custom pointer image; null for none. Returns false when the image is refused.
    virtual PicturePtr mouseIcon() const { return nullptr; }
    virtual bool setMouseIcon(const PicturePtr&) { return true; }
    // The program's hand-shaped pointer image; null when it cannot be loaded.
    virtual PicturePtr handCursor() const { return nullptr; }
    virtual void setSurfaceEnabled(bool) {}
    // The keys the container routes to the control as access keys ("" for none).
    virtual void setAccessKeys(const QString&) {}

    // --- size and scale -----------------------------------------------------------------------
    virtual void setHeightTwips(std::int32_t) {}
    virtual std::int32_t pixelsToTwipsY(std::int32_t pixels) const {
        return pixels * metrics::kTwipsPerPixel;
    }
    virtual double himetricToPixelsX(double himetric) const {
        return metrics::himetricToPixels(himetric);
    }
    virtual double himetricToPixelsY(double himetric) const {
        return metrics::himetricToPixels(himetric);
    }

    // --- container ----------------------------------------------------------------------------
    virtual QString ambientDisplayName() const { return {}; }
    virtual QFont ambientFont() const { return metrics::standInFont(); }
    virtual bool ambientUserMode() const { return true; }
    virtual bool ambientDisplayAsDefault() const { return false; }
    // Background and text colour of the container's drawing context.
    virtual Rgb containerBackColor() const { return 0; }
    virtual Rgb containerTextColor() const { return 0; }
    // The container's client pixels under the control's rectangle, ClientWidth by
    // ClientHeight; a null image when they cannot be read.
    virtual QImage grabContainerBehind(std::int32_t, std::int32_t) { return {}; }

    // --- notices and events -------------------------------------------------------------------
    // A stored property changed; the host saves the instance again.
    virtual void propertyChanged(const char*) {}
    // The nine events. Parameters are by reference: the host's handler may change them and the
    // control acts on what it leaves.
    virtual void raiseClick() {}
    virtual void raiseMouseDown(std::int16_t&, std::int16_t&, float&, float&) {}
    virtual void raiseMouseMove(std::int16_t&, std::int16_t&, float&, float&) {}
    virtual void raiseMouseUp(std::int16_t&, std::int16_t&, float&, float&) {}
    virtual void raiseKeyPress(std::int16_t&) {}
    virtual void raiseKeyDown(std::int16_t&, std::int16_t&) {}
    virtual void raiseKeyUp(std::int16_t&, std::int16_t&) {}
    virtual void raiseMouseOver() {}
    virtual void raiseMouseOut() {}

    // --- pointer, timer, keystrokes, messages -------------------------------------------------
    // True when the window under the pointer's screen position is the control's own window
    // (so a point outside the window shape, or under a covering window, is not over it).
    virtual bool isPointerOverWindow() const { return false; }
    virtual void captureMouse() {}
    // The hover timer: 3 ms ticks delivered to the control's timer handler until stopped.
    virtual void startOverTimer() {}
    virtual void stopOverTimer() {}
    // Keystrokes to the active window, not waited for: kNextControlKeys or
    // kPreviousControlKeys.
    virtual void sendKeys(const QString&) {}
    virtual void processPendingMessages() {}
    // The platform handle of the control's window (the read-only hwnd property); 0 for none.
    virtual quintptr windowHandle() const { return 0; }
};

} // namespace chameleon

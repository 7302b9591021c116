// What a chameleonButton needs from the program that holds it: a surface to draw on and its
// attributes, size and scale, the container's ambient values, the change notice, the nine
// events, the hover timer, keystrokes and message processing. The Qt widget implements it for
// real; tests implement it with a plain image and recorders. The property store is handed to
// the load and save handlers directly (see property_bag.h).
#pragma once

#include "button/picture_object.h"
#include "button/types.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <cstdint>

namespace chameleon {

// Pointer shapes that the control itself sets.
enum : std::int16_t { PointerDefault = 0, PointerArrow = 1, PointerCustom = 99 };

// The keystrokes the control sends to move the focus forward or back in the tab order.
inline constexpr const char* NextControlKeys = "{Tab}";
inline constexpr const char* PreviousControlKeys = "+{Tab}";

class ButtonHost {
  public:
    virtual ~ButtonHost() = default;

    // --- drawing surface --------------------------------------------------------------
    // The backing image the control draws into; RGB32, kept at the client size by the host and
    // shown whenever the window needs painting.
    virtual QImage& surface() = 0;
    // Cls: erases the whole surface.
    virtual void clearSurface() = 0;
    // Shows what the surface holds now, without waiting for the event loop.
    virtual void repaintNow() = 0;
    // The surface's current text colour, as a device context keeps it between drawings.
    virtual Rgb textColor() const = 0;
    virtual void setTextColor(Rgb color) = 0;
    // The client rectangle's size in pixels (the window's current size).
    virtual QSize clientSize() const = 0;
    // Applies the window shape: the window neither paints nor takes the pointer outside it.
    virtual void setWindowShape(const QRegion& region) = 0;

    // --- surface attributes -------------------------------------------------------------
    virtual QFont font() const = 0;
    virtual void setFont(const QFont& font) = 0;
    virtual std::int16_t mousePointer() const = 0;
    virtual void setMousePointer(std::int16_t shape) = 0;
    // The custom pointer image; null for none. Returns false when the image is refused.
    virtual PicturePtr mouseIcon() const = 0;
    virtual bool setMouseIcon(const PicturePtr& icon) = 0;
    // The program's hand-shaped pointer image; null when it cannot be loaded.
    virtual PicturePtr handCursor() const = 0;
    virtual void setSurfaceEnabled(bool enabled) = 0;
    // The keys the container routes to the control as access keys ("" for none).
    virtual void setAccessKeys(const QString& keys) = 0;

    // --- size and scale -------------------------------------------------------------------
    virtual std::int32_t heightTwips() const = 0;
    virtual void setHeightTwips(std::int32_t twips) = 0;
    virtual std::int32_t pixelsToTwipsY(std::int32_t pixels) const = 0;
    virtual double himetricToPixelsX(double himetric) const = 0;
    virtual double himetricToPixelsY(double himetric) const = 0;

    // --- container ----------------------------------------------------------------------
    virtual QString ambientDisplayName() const = 0;
    virtual QFont ambientFont() const = 0;
    virtual bool ambientUserMode() const = 0;
    virtual bool ambientDisplayAsDefault() const = 0;
    // Background and text colour of the container's drawing context.
    virtual Rgb containerBackColor() const = 0;
    virtual Rgb containerTextColor() const = 0;
    // The container's client pixels under the control's rectangle, ClientWidth by
    // ClientHeight; a null image when they cannot be read.
    virtual QImage grabContainerBehind(std::int32_t width, std::int32_t height) = 0;

    // --- notices and events -----------------------------------------------------------------
    // A stored property changed; the host saves the instance again.
    virtual void propertyChanged(const char* key) = 0;
    // The nine events. Parameters are by reference: the host's handler may change them and the
    // control acts on what it leaves.
    virtual void raiseClick() = 0;
    virtual void raiseMouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) = 0;
    virtual void raiseMouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) = 0;
    virtual void raiseMouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) = 0;
    virtual void raiseKeyPress(std::int16_t& keyAscii) = 0;
    virtual void raiseKeyDown(std::int16_t& keyCode, std::int16_t& shift) = 0;
    virtual void raiseKeyUp(std::int16_t& keyCode, std::int16_t& shift) = 0;
    virtual void raiseMouseOver() = 0;
    virtual void raiseMouseOut() = 0;

    // --- pointer, timer, keystrokes, messages ----------------------------------------------
    // True when the window under the pointer's screen position is the control's own window
    // (so a point outside the window shape, or under a covering window, is not over it).
    virtual bool isPointerOverWindow() const = 0;
    virtual void captureMouse() = 0;
    // The hover timer: 3 ms ticks delivered to the control's timer handler until stopped.
    virtual void startOverTimer() = 0;
    virtual void stopOverTimer() = 0;
    // Keystrokes to the active window, not waited for: NextControlKeys or PreviousControlKeys.
    virtual void sendKeys(const QString& keys) = 0;
    virtual void processPendingMessages() = 0;

    // --- window handle ------------------------------------------------------------------------
    // The platform handle of the control's window (the read-only hwnd property); 0 for none.
    virtual quintptr windowHandle() const { return 0; }
};

} // namespace chameleon

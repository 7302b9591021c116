// Input: what the button does with each notification its host reports. Every handler that
// raises an event raises it first and then acts on the parameters as the host's handler left
// them, so a handler can redirect a press or swallow a key. Hover has no notification of its
// own: arrival is seen in a move, departure by polling with OverTimer until a tick finds the
// pointer gone.
#include "button/model/chameleon_button.h"
#include "button/model/derived.h"
#include "button/model/redraw.h"
#include "button/paint/checked_math.h"

namespace chameleon {

namespace {

// LastButton and LastKey hold a byte; a handler may leave a value that does not fit.
std::uint8_t toByte(std::int16_t value, const char* what) {
    if (value < 0 || value > 255) {
        raiseControlError(qdct::errnum::kOverflow, std::string("Overflow: ") + what + " " +
                                                       std::to_string(value) +
                                                       " does not fit a byte");
    }
    return static_cast<std::uint8_t>(value);
}

// The common end of every click source: toggle, draw released, show it, then tell the host,
// so the button looks released while the host's Click handler runs.
void finishClick(Control& c, bool force) {
    if (c.r.CheckBoxBehaviour) c.r.Value = !c.r.Value;
    Redraw(c, StateUp, force);
    c.surface.repaintNow();
    c.host.raiseClick();
}

} // namespace

void chameleonButton::mousePress(std::int16_t button, std::int16_t shift, float x, float y) {
    c_.host.raiseMouseDown(button, shift, x, y);
    c_.r.LastButton = toByte(button, "Button");
    if (button != MouseRight) Redraw(c_, StateDown, false);
}

void chameleonButton::mouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    ButtonRecord& r = c_.r;
    c_.host.raiseMouseMove(button, shift, x, y);
    if (button != 0 && button != MouseLeft) return;
    if (!c_.host.isPointerOverWindow()) {
        Redraw(c_, StateUp, false);
    } else if (button == 0) {
        if (r.IsOver) return;
        c_.host.startOverTimer();
        r.IsOver = true;
        Redraw(c_, StateUp, true);
        c_.host.raiseMouseOver();
    } else {
        // Dragging over the button shows the down look in its hover form for this drawing
        // only; the next plain move then counts as a new arrival.
        r.IsOver = true;
        Redraw(c_, StateDown, false);
        r.IsOver = false;
    }
}

void chameleonButton::mouseRelease(std::int16_t button, std::int16_t shift, float x, float y) {
    c_.host.raiseMouseUp(button, shift, x, y);
    if (button != MouseRight) Redraw(c_, StateUp, false);
}

void chameleonButton::click() {
    if (c_.r.LastButton != MouseLeft || !c_.r.Enabled) return;
    finishClick(c_, true);
}

void chameleonButton::doubleClick() {
    if (c_.r.LastButton != MouseLeft) return;
    mousePress(MouseLeft, 0, 0.0f, 0.0f);
    // The host ends this capture at the next mouse release.
    c_.host.captureMouse();
}

void chameleonButton::keyDown(std::int16_t keyCode, std::int16_t shift) {
    c_.host.raiseKeyDown(keyCode, shift);
    c_.r.LastKey = toByte(keyCode, "KeyCode");
    switch (keyCode) {
    case VkSpace:
        Redraw(c_, StateDown, false);
        break;
    case VkLeft:
    case VkUp:
        c_.host.sendKeys(QString::fromLatin1(kPreviousControlKeys));
        break;
    case VkRight:
    case VkDown:
        c_.host.sendKeys(QString::fromLatin1(kNextControlKeys));
        break;
    default:
        break;
    }
}

void chameleonButton::keyPress(std::int16_t keyAscii) {
    c_.host.raiseKeyPress(keyAscii);
}

void chameleonButton::keyUp(std::int16_t keyCode, std::int16_t shift) {
    c_.host.raiseKeyUp(keyCode, shift);
    // Not forced: a check box that stays down is not drawn again.
    if (c_.r.LastKey == VkSpace && keyCode == VkSpace) finishClick(c_, false);
}

void chameleonButton::accessKey(std::int16_t /*keyAscii*/) {
    c_.r.LastButton = MouseLeft;
    click();
}

void chameleonButton::focusGained() {
    c_.r.HasFocus = true;
    Redraw(c_, c_.r.LastState, true);
}

void chameleonButton::focusLost() {
    c_.r.HasFocus = false;
    Redraw(c_, c_.r.LastState, true);
}

void chameleonButton::ambientChanged(const QString& /*name*/) {
    ApplyColorScheme(c_);
    Redraw(c_, c_.r.LastState, true);
}

void chameleonButton::overTimerTick() {
    if (c_.host.isPointerOverWindow()) return;
    c_.host.stopOverTimer();
    c_.r.IsOver = false;
    Redraw(c_, StateUp, true);
    c_.host.raiseMouseOut();
}

} // namespace chameleon

// Translations between Qt's input and pointer vocabulary and the numbers the control's events
// carry: mouse button numbers (1 left, 2 right, 4 middle), the modifier mask (1 Shift, 2 Ctrl,
// 4 Alt), key codes of the classic desktop's virtual-key table, and the numbered pointer
// shapes of MousePointer.
#pragma once

#include <QCursor>
#include <QKeyEvent>
#include <Qt>
#include <cstdint>
#include <optional>

namespace chameleon {

// 1, 2 or 4 for the left, right and middle buttons; 0 for any other button.
std::int16_t mouseButtonNumber(Qt::MouseButton button);
// The set of held buttons as the sum of their numbers (0 when none is held).
std::int16_t mouseButtonsHeld(Qt::MouseButtons buttons);
// Shift 1, Ctrl 2, Alt 4, summed.
std::int16_t shiftMask(Qt::KeyboardModifiers modifiers);
// The virtual-key code of a key event; nothing for keys that have none.
std::optional<std::int16_t> virtualKeyCode(const QKeyEvent& event);
// The character code of a key event's text (KeyAscii); nothing for keys without text or with
// a character beyond the 16-bit signed range.
std::optional<std::int16_t> keyAsciiOf(const QKeyEvent& event);
// The Qt cursor for a numbered pointer shape 1..15; nothing for 0 (the default), 99 (custom)
// and numbers without a shape.
std::optional<Qt::CursorShape> pointerShapeCursor(std::int16_t shape);

} // namespace chameleon

// Small value types and enumerations shared by every part of the button control: colours,
// rectangles in client pixels, drawing states and the numbered styles, schemes, picture
// positions, effects and caption modes that stored properties carry as plain integers.
#pragma once

#include <cstdint>

namespace chameleon {

// A plain RGB value laid out as 0x00BBGGRR (red in the low byte). Channel arithmetic is signed.
using Rgb = std::int32_t;
// A property colour: a plain RGB value, or with the high bit set a system colour index.
using OleColor = std::uint32_t;

constexpr Rgb rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}
constexpr int redOf(Rgb c) {
    return c & 0xFF;
}
constexpr int greenOf(Rgb c) {
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(Rgb c) {
    return (c >> 16) & 0xFF;
}

// Left, top, right, bottom in client pixels; right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr std::int32_t width() const { return right - left; }
    constexpr std::int32_t height() const { return bottom - top; }
    constexpr Rect offset(std::int32_t dx, std::int32_t dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    // Grows the rectangle by d on every side (shrinks it for negative d).
    constexpr Rect inflate(std::int32_t dx, std::int32_t dy) const {
        return {left - dx, top - dy, right + dx, bottom + dy};
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The state argument of a drawing.
enum : std::uint8_t { StateUp = 0, StateDown = 2 };

// Drawing styles; any value outside 1 to 14 draws like FaceOnly.
enum ButtonTypeValue : std::int32_t {
    OutlinedBevel = 1,
    ClassicBevel = 2,
    RoundedGradient = 3,
    RoundedBevel = 4,
    DoubleFrame = 5,
    ThickRaised = 6,
    ThinRaised = 7,
    FlatHotThin = 8,
    FlatHighlight = 9,
    FaceOnly = 10,
    Transparent = 11,
    FlatHotBevel = 12,
    Oval = 13,
    GradientFramed = 14,
};

// Colour schemes; any other value behaves like SchemeSystem.
enum ColorSchemeValue : std::int32_t {
    SchemeStandard = 0,
    SchemeSystem = 1,
    SchemeCustom = 2,
    SchemeClassic = 3,
    SchemeContainer = 4,
};

enum PicturePositionValue : std::int32_t {
    PictureLeft = 0,
    PictureRight = 1,
    PictureTop = 2,
    PictureBottom = 3,
    PictureBehind = 4,
};

// Values at or below 0 mean no effect; values of 3 and above draw a shadow.
enum SpecialEffectValue : std::int32_t {
    EffectNone = 0,
    EffectEmbossed = 1,
    EffectEngraved = 2,
    EffectShadow = 3,
};

enum CaptionMode : std::uint8_t {
    CaptionUp = 0,
    CaptionOver = 1,
    CaptionDown = 2,
    CaptionEmbossed = 3,
    CaptionGrey = 4,
    CaptionShaded = 5,
    CaptionFaceEmbossed = 6,
    CaptionLightEmbossed = 7,
};

// Mouse button numbers that mouse events carry; a move carries the set of buttons held.
enum MouseButtonValue : std::int16_t { MouseLeft = 1, MouseRight = 2, MouseMiddle = 4 };

// Virtual-key codes the control reacts to.
enum KeyCodeValue : std::int16_t {
    VkSpace = 32,
    VkLeft = 37,
    VkUp = 38,
    VkRight = 39,
    VkDown = 40
};

// Modes of DrawPicture.
enum PictureMode : std::uint8_t { PictureModeUp = 0, PictureModeDown = 1, PictureModeDisabled = 2 };

} // namespace chameleon

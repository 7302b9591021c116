// One whole drawing of a button: the face fill, the style's drawing for the look, then the
// picture on top. Every drawing of the button, whatever caused it, comes through here.
#include "button/paint/paint_button.h"

#include "button/paint/picture.h"
#include "button/paint/primitives.h"

#include <array>

namespace chameleon {

namespace {

// Indexed by ButtonType; FaceOnly (10) has no drawing of its own.
constexpr std::array<StyleDrawing, 15> kStyleTable = {
    nullptr,             // 0: not a style
    drawOutlinedBevel,   // 1
    drawClassicBevel,    // 2
    drawRoundedGradient, // 3
    drawRoundedBevel,    // 4
    drawDoubleFrame,     // 5
    drawThickRaised,     // 6
    drawThinRaised,      // 7
    drawFlatHotThin,     // 8
    drawFlatHighlight,   // 9
    nullptr,             // 10: FaceOnly
    drawTransparent,     // 11
    drawFlatHotBevel,    // 12
    drawOval,            // 13
    drawGradientFramed,  // 14
};

} // namespace

StyleDrawing styleFor(std::int32_t buttonType) {
    if (buttonType < 0 || buttonType >= static_cast<std::int32_t>(kStyleTable.size())) {
        return nullptr;
    }
    return kStyleTable[static_cast<std::size_t>(buttonType)];
}

PaintOutcome paintButton(QImage& surface, const ButtonFace& face, Look look) {
    Drawing d(surface, face);
    fill(surface, 0, 0, face.ClientWidth, face.ClientHeight, face.FaceColor);
    if (const StyleDrawing draw = styleFor(face.ButtonType)) draw(d, look);
    DrawPicture(d, look == Look::Up     ? PictureModeUp
                   : look == Look::Down ? PictureModeDown
                                        : PictureModeDisabled);
    return {d.captionMode, d.gradientBase};
}

} // namespace chameleon

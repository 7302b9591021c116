// Redraw: the one routine that repaints the whole button. The button keeps no image of itself
// apart from the surface, so every change of state, property or size comes through here: the
// record decides whether and in which look to draw, a face is gathered from it, and the
// painting draws that face onto the cleared surface.
#include "button/model/redraw.h"

#include "button/model/derived.h"
#include "button/paint/paint_button.h"

#include <optional>

namespace chameleon {

namespace {

std::optional<Look> lookFor(const ButtonRecord& r, std::uint8_t state) {
    if (!r.Enabled) return Look::Disabled;
    if (state == StateUp) return Look::Up;
    if (state == StateDown) return Look::Down;
    return std::nullopt; // no caller passes another state
}

// While a custom-scheme button is hovered, every derived colour of a drawing comes from
// BackOver in place of BackColor.
bool drawsHoverColors(const ButtonRecord& r) {
    return r.IsOver && r.ColorScheme == SchemeCustom;
}

ButtonFace faceOf(Control& c, std::uint8_t state, bool hoverColors) {
    const ButtonRecord& r = c.r;
    ButtonFace f;
    static_cast<FaceProperties&>(f) = r;
    if (hoverColors) {
        SchemeInputs in = schemeInputsOf(c);
        in.BackColor = r.BackOver;
        static_cast<DerivedColors&>(f) = deriveColors(in);
    } else {
        static_cast<DerivedColors&>(f) = r.colors;
    }
    f.displayAsDefault = c.host.ambientDisplayAsDefault();
    f.LastState = state;
    f.caption = {c.surface.font(),
                 {r.CaptionRect, r.CaptionDownRect, r.CaptionWidth, r.CaptionHeight}};
    f.Backdrop = r.Backdrop.isNull() ? nullptr : &r.Backdrop;
    return f;
}

bool pictureBesideCaption(std::int32_t position) {
    return position >= PictureLeft && position <= PictureBehind;
}

} // namespace

ButtonFace faceFor(Control& c, std::uint8_t state) {
    return faceOf(c, state, drawsHoverColors(c.r));
}

void Redraw(Control& c, std::uint8_t state, bool force) {
    ButtonRecord& r = c.r;
    if (r.CheckBoxBehaviour && r.Value) state = StateDown;
    const bool changed = force || r.Caption != r.LastCaption || state != r.LastState;
    if (!changed || r.ClientHeight == 0 || !r.RedrawAllowed) return;

    r.LastState = state;
    r.LastCaption = r.Caption;
    c.surface.clearSurface();
    const std::optional<Look> look = lookFor(r, state);
    if (!look) return;

    const bool hoverColors = drawsHoverColors(r);
    ButtonFace face = faceOf(c, state, hoverColors);
    // The record keeps the plain scheme, freshly derived, whatever the drawing shows.
    if (hoverColors) ApplyColorScheme(c);
    QImage& surface = c.surface.surface();
    // GradientFramed shows the default button's resting caption in bold.
    const bool bold = *look == Look::Up && r.ButtonType == GradientFramed && face.displayAsDefault;
    if (bold) {
        QFont font = face.caption.font;
        font.setBold(true);
        face.boldCaption = CaptionFace{font, layoutCaptionFor(r, font, surface)};
    }

    const PaintOutcome outcome = paintButton(surface, face, *look);
    r.LastCaptionMode = outcome.LastCaptionMode;
    if (!hoverColors) r.colors.GradientBase = outcome.GradientBase;
    // A caption with no place of its own is laid out from where the last layout left it: the
    // bold layout counts as one, and the plain one is made again from it.
    if (bold && !pictureBesideCaption(r.PicturePosition)) {
        storeCaptionLayout(r, face.boldCaption->layout);
        LayoutCaption(c);
    }
}

} // namespace chameleon

// Redraw: the one routine that repaints the whole button. The button keeps no image of itself
// apart from the host's surface, so every change of state, property or size comes through here:
// clear, face fill, the style's drawing for the look, then the picture on top.
#include "button/render.h"

#include "button/colors.h"
#include "button/picture.h"
#include "button/primitives.h"
#include "button/styles.h"

#include <array>

namespace chameleon {

namespace {

// Indexed by ButtonType; FaceOnly (10) has no drawing of its own.
constexpr std::array<StyleDrawing, 15> StyleTable = {
    nullptr,             // 0: not a style
    DrawOutlinedBevel,   // 1
    DrawClassicBevel,    // 2
    DrawRoundedGradient, // 3
    DrawRoundedBevel,    // 4
    DrawDoubleFrame,     // 5
    DrawThickRaised,     // 6
    DrawThinRaised,      // 7
    DrawFlatHotThin,     // 8
    DrawFlatHighlight,   // 9
    nullptr,             // 10: FaceOnly
    DrawTransparent,     // 11
    DrawFlatHotBevel,    // 12
    DrawOval,            // 13
    DrawGradientFramed,  // 14
};

// While a custom-scheme button is hovered, every derived colour of one drawing comes from
// BackOver. The swap is undone on leaving the drawing, however it is left, and only when it
// was made, so BackColor can never be overwritten with a value it did not hold.
class HoverColorSwap {
  public:
    explicit HoverColorSwap(Control& c) : c_(c) {
        if (!c.r.IsOver || c.r.ColorScheme != SchemeCustom) return;
        saved_ = c.r.BackColor;
        swapped_ = true;
        c.r.BackColor = c.r.BackOver;
        ApplyColorScheme(c);
    }
    ~HoverColorSwap() {
        if (!swapped_) return;
        c_.r.BackColor = saved_;
        ApplyColorScheme(c_);
    }
    HoverColorSwap(const HoverColorSwap&) = delete;
    HoverColorSwap& operator=(const HoverColorSwap&) = delete;

  private:
    Control& c_;
    OleColor saved_ = 0;
    bool swapped_ = false;
};

} // namespace

StyleDrawing StyleFor(std::int32_t buttonType) {
    if (buttonType < 0 || buttonType >= static_cast<std::int32_t>(StyleTable.size())) {
        return nullptr;
    }
    return StyleTable[static_cast<std::size_t>(buttonType)];
}

std::uint8_t OverCaptionMode(const Control& c) {
    return c.r.IsOver ? CaptionOver : CaptionUp;
}

void Redraw(Control& c, std::uint8_t state, bool force) {
    ButtonRecord& r = c.r;
    if (r.CheckBoxBehaviour && r.Value) state = StateDown;
    const bool changed = force || r.Caption != r.LastCaption || state != r.LastState;
    if (!changed || r.ClientHeight == 0 || !r.RedrawAllowed) return;

    r.LastState = state;
    r.LastCaption = r.Caption;
    c.host.clearSurface();

    const HoverColorSwap swap(c);
    Fill(c, 0, 0, r.ClientWidth, r.ClientHeight, r.FaceColor);

    Look look;
    std::uint8_t pictureMode;
    if (!r.Enabled) {
        look = Look::Disabled;
        pictureMode = PictureModeDisabled;
    } else if (state == StateUp) {
        look = Look::Up;
        pictureMode = PictureModeUp;
    } else if (state == StateDown) {
        look = Look::Down;
        pictureMode = PictureModeDown;
    } else {
        return; // no caller passes another state
    }
    if (const StyleDrawing draw = StyleFor(r.ButtonType)) draw(c, look);
    DrawPicture(c, pictureMode);
}

} // namespace chameleon

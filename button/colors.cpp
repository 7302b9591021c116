// Colour helpers and schemes. The drawing code never paints with a colour property directly:
// ApplyColorScheme derives the face, edge, text and hover colours here, and the styles shade
// them further with OffsetColor and LightenColor. All channel arithmetic is checked 32-bit
// integer arithmetic on 0x00BBGGRR values.
#include "button/colors.h"

#include "button/checked_math.h"
#include "button/system_colors.h"

namespace chameleon {

namespace {

// OLE colour layout: the high byte says how the low bytes are read.
constexpr OleColor OleTypeMask = 0xFF000000u;
constexpr OleColor OlePlainRgb = 0x00000000u;
constexpr OleColor OlePaletteRgb = 0x02000000u; // an RGB value with a palette flag
constexpr OleColor OleSystemColor = 0x80000000u;
constexpr OleColor OleSystemIndexMask = 0x0000FFFFu;

// The fixed palette of SchemeClassic.
struct ClassicPalette {
    static constexpr Rgb Face = 0xC0C0C0;
    static constexpr Rgb Light = 0xDFDFDF;
    static constexpr Rgb Highlight = 0xFFFFFF;
    static constexpr Rgb Shadow = 0x808080;
    static constexpr Rgb DarkShadow = 0x000000;
    static constexpr Rgb Text = 0x000000;
    static constexpr Rgb TextOver = 0x000000;
    static constexpr Rgb HotFrame = 0x800000;
    static constexpr Rgb HotFill = 0xD1ADAD;
};

// Offsets that derive the edge colours from the face in the computed schemes.
constexpr std::int32_t LightOffset = 31;
constexpr std::int32_t HighlightOffset = 47;
constexpr std::int32_t ShadowOffset = -64;
constexpr std::int32_t DarkShadowOffset = -192;
constexpr std::int32_t HotFrameOffset = -128;
constexpr std::int32_t HotFillLighten = 176;

// Proportional offsets scale blue by Offset / ProportionalDivisor.
constexpr std::int32_t ProportionalDivisor = 192;

struct Channels {
    std::int32_t red, green, blue;
};

Channels split(Rgb color) {
    return {color & 255, (color / 256) % 256, (color / 65536) % 256};
}

Rgb join(const Channels& ch) {
    using namespace checked;
    return add(add(ch.red, mul(ch.green, 256)), mul(ch.blue, 65536));
}

// Edge colours computed from FaceColor (custom and container schemes).
void deriveEdges(Control& c) {
    ButtonRecord& r = c.r;
    r.LightColor = OffsetColor(c, r.FaceColor, LightOffset);
    r.HighlightColor = OffsetColor(c, r.FaceColor, HighlightOffset);
    r.ShadowColor = OffsetColor(c, r.FaceColor, ShadowOffset);
    r.DarkShadowColor = OffsetColor(c, r.FaceColor, DarkShadowOffset);
}

} // namespace

Rgb SystemColor(int index) {
    if (index < 0 || index >= SystemColorCount) return 0;
    return ClassicSystemColors[static_cast<std::size_t>(index)];
}

// Mirrors the platform translator with no palette: a plain or palette-flagged RGB value gives
// its colour, a system colour index 0..30 gives the table's colour, and anything that cannot
// be translated gives black (the preset result, returned whether or not the call succeeded).
Rgb TranslateOleColor(OleColor color) {
    switch (color & OleTypeMask) {
    case OlePlainRgb:
        return static_cast<Rgb>(color);
    case OlePaletteRgb:
        return static_cast<Rgb>(color & ~OleTypeMask);
    case OleSystemColor: {
        const OleColor index = color & OleSystemIndexMask;
        if (index >= static_cast<OleColor>(SystemColorCount)) return 0;
        return SystemColor(static_cast<int>(index));
    }
    default:
        return 0;
    }
}

Rgb OffsetColor(const Control& c, Rgb color, std::int32_t offset, bool proportional) {
    using namespace checked;
    if (c.r.SoftBevel) offset = offset / 2;
    Channels ch = split(color);
    if (proportional) {
        ch.blue = add(ch.blue, div(mul(ch.blue, offset), ProportionalDivisor));
    } else {
        ch.blue = add(ch.blue, offset);
    }
    ch.green = add(ch.green, offset);
    ch.red = add(ch.red, offset);
    // Clamped by the direction of the move only: a darkening never caps at 255.
    for (std::int32_t* v : {&ch.red, &ch.green, &ch.blue}) {
        if (offset > 0 && *v > 255) *v = 255;
        if (offset < 0 && *v < 0) *v = 0;
    }
    return join(ch);
}

Rgb LightenColor(Rgb color, std::int32_t amount) {
    using namespace checked;
    const std::int32_t k = sub(255, amount);
    Channels ch = split(color);
    for (std::int32_t* v : {&ch.red, &ch.green, &ch.blue}) {
        *v = add(amount, div(mul(k, *v), 255));
        if (*v > 255) *v = 255;
    }
    return join(ch);
}

void ApplyColorScheme(Control& c) {
    ButtonRecord& r = c.r;
    switch (r.ColorScheme) {
    case SchemeCustom:
        r.FaceColor = TranslateOleColor(r.BackColor);
        deriveEdges(c);
        r.TextColor = TranslateOleColor(r.ForeColor);
        r.TextOverColor = TranslateOleColor(r.ForeOver);
        r.HotFrameColor = OffsetColor(c, r.FaceColor, HotFrameOffset);
        r.HotFillColor = r.FaceColor;
        break;
    case SchemeClassic:
        r.FaceColor = ClassicPalette::Face;
        r.LightColor = ClassicPalette::Light;
        r.HighlightColor = ClassicPalette::Highlight;
        r.ShadowColor = ClassicPalette::Shadow;
        r.DarkShadowColor = ClassicPalette::DarkShadow;
        r.TextColor = ClassicPalette::Text;
        r.TextOverColor = ClassicPalette::TextOver;
        r.HotFrameColor = ClassicPalette::HotFrame;
        r.HotFillColor = ClassicPalette::HotFill;
        break;
    case SchemeContainer:
        r.FaceColor = c.host.containerBackColor();
        deriveEdges(c);
        r.TextColor = c.host.containerTextColor();
        r.TextOverColor = r.TextColor;
        r.HotFrameColor = SystemColor(ColorHighlight);
        r.HotFillColor = LightenColor(r.HotFrameColor, HotFillLighten);
        break;
    default: // SchemeStandard, SchemeSystem and every unknown value
        r.FaceColor = SystemColor(ColorBtnFace);
        r.LightColor = SystemColor(Color3dLight);
        r.HighlightColor = SystemColor(ColorBtnHighlight);
        r.ShadowColor = SystemColor(ColorBtnShadow);
        r.DarkShadowColor = SystemColor(Color3dDkShadow);
        r.TextColor = SystemColor(ColorBtnText);
        r.TextOverColor = SystemColor(ColorBtnText);
        r.HotFrameColor = SystemColor(ColorHighlight);
        r.HotFillColor = LightenColor(r.HotFrameColor, HotFillLighten);
        break;
    }
    r.MaskColorValue = TranslateOleColor(r.MaskColor);
    r.GradientBase =
        OffsetColor(c, r.FaceColor, GradientBaseOffset, r.ButtonType == RoundedGradient);
}

} // namespace chameleon

// Colour helpers and schemes. The drawing code never paints with a colour property directly:
// deriveColors computes the face, edge, text and hover colours here, and the styles shade
// them further with OffsetColor and LightenColor. All channel arithmetic is checked 32-bit
// integer arithmetic on 0x00BBGGRR values.
#include "button/paint/colors.h"

#include "button/paint/checked_math.h"
#include "button/paint/system_colors.h"

namespace chameleon {

namespace {

// OLE colour layout: the high byte says how the low bytes are read.
constexpr OleColor kOleTypeMask = 0xFF000000u;
constexpr OleColor kOlePlainRgb = 0x00000000u;
constexpr OleColor kOlePaletteRgb = 0x02000000u; // an RGB value with a palette flag
constexpr OleColor kOleSystemColor = 0x80000000u;
constexpr OleColor kOleSystemIndexMask = 0x0000FFFFu;

// The fixed palette of SchemeClassic.
struct ClassicPalette {
    static constexpr Rgb kFace = 0xC0C0C0;
    static constexpr Rgb kLight = 0xDFDFDF;
    static constexpr Rgb kHighlight = 0xFFFFFF;
    static constexpr Rgb kShadow = 0x808080;
    static constexpr Rgb kDarkShadow = 0x000000;
    static constexpr Rgb kText = 0x000000;
    static constexpr Rgb kTextOver = 0x000000;
    static constexpr Rgb kHotFrame = 0x800000;
    static constexpr Rgb kHotFill = 0xD1ADAD;
};

// Offsets that derive the edge colours from the face in the computed schemes.
constexpr std::int32_t kLightOffset = 31;
constexpr std::int32_t kHighlightOffset = 47;
constexpr std::int32_t kShadowOffset = -64;
constexpr std::int32_t kDarkShadowOffset = -192;
constexpr std::int32_t kHotFrameOffset = -128;
constexpr std::int32_t kHotFillLighten = 176;

// Proportional offsets scale blue by Offset / ProportionalDivisor.
constexpr std::int32_t kProportionalDivisor = 192;

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
void deriveEdges(DerivedColors& d, bool softBevel) {
    d.LightColor = OffsetColor(softBevel, d.FaceColor, kLightOffset);
    d.HighlightColor = OffsetColor(softBevel, d.FaceColor, kHighlightOffset);
    d.ShadowColor = OffsetColor(softBevel, d.FaceColor, kShadowOffset);
    d.DarkShadowColor = OffsetColor(softBevel, d.FaceColor, kDarkShadowOffset);
}

} // namespace

Rgb systemColor(int index) {
    if (index < 0 || index >= kSystemColorCount) return 0;
    return kClassicSystemColors[static_cast<std::size_t>(index)];
}

// Mirrors the platform translator with no palette: a plain or palette-flagged RGB value gives
// its colour, a system colour index 0..30 gives the table's colour, and anything that cannot
// be translated gives black (the preset result, returned whether or not the call succeeded).
Rgb TranslateOleColor(OleColor color) {
    switch (color & kOleTypeMask) {
    case kOlePlainRgb:
        return static_cast<Rgb>(color);
    case kOlePaletteRgb:
        return static_cast<Rgb>(color & ~kOleTypeMask);
    case kOleSystemColor: {
        const OleColor index = color & kOleSystemIndexMask;
        if (index >= static_cast<OleColor>(kSystemColorCount)) return 0;
        return systemColor(static_cast<int>(index));
    }
    default:
        return 0;
    }
}

Rgb OffsetColor(bool softBevel, Rgb color, std::int32_t offset, bool proportional) {
    using namespace checked;
    if (softBevel) offset = offset / 2;
    Channels ch = split(color);
    if (proportional) {
        ch.blue = add(ch.blue, div(mul(ch.blue, offset), kProportionalDivisor));
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

DerivedColors deriveColors(const SchemeInputs& in) {
    DerivedColors d;
    const bool soft = in.SoftBevel;
    switch (in.ColorScheme) {
    case SchemeCustom:
        d.FaceColor = TranslateOleColor(in.BackColor);
        deriveEdges(d, soft);
        d.TextColor = TranslateOleColor(in.ForeColor);
        d.TextOverColor = TranslateOleColor(in.ForeOver);
        d.HotFrameColor = OffsetColor(soft, d.FaceColor, kHotFrameOffset);
        d.HotFillColor = d.FaceColor;
        break;
    case SchemeClassic:
        d.FaceColor = ClassicPalette::kFace;
        d.LightColor = ClassicPalette::kLight;
        d.HighlightColor = ClassicPalette::kHighlight;
        d.ShadowColor = ClassicPalette::kShadow;
        d.DarkShadowColor = ClassicPalette::kDarkShadow;
        d.TextColor = ClassicPalette::kText;
        d.TextOverColor = ClassicPalette::kTextOver;
        d.HotFrameColor = ClassicPalette::kHotFrame;
        d.HotFillColor = ClassicPalette::kHotFill;
        break;
    case SchemeContainer:
        d.FaceColor = in.containerBackColor;
        deriveEdges(d, soft);
        d.TextColor = in.containerTextColor;
        d.TextOverColor = d.TextColor;
        d.HotFrameColor = systemColor(ColorHighlight);
        d.HotFillColor = LightenColor(d.HotFrameColor, kHotFillLighten);
        break;
    default: // SchemeStandard, SchemeSystem and every unknown value
        d.FaceColor = systemColor(ColorBtnFace);
        d.LightColor = systemColor(Color3dLight);
        d.HighlightColor = systemColor(ColorBtnHighlight);
        d.ShadowColor = systemColor(ColorBtnShadow);
        d.DarkShadowColor = systemColor(Color3dDkShadow);
        d.TextColor = systemColor(ColorBtnText);
        d.TextOverColor = systemColor(ColorBtnText);
        d.HotFrameColor = systemColor(ColorHighlight);
        d.HotFillColor = LightenColor(d.HotFrameColor, kHotFillLighten);
        break;
    }
    d.MaskColorValue = TranslateOleColor(in.MaskColor);
    d.GradientBase =
        OffsetColor(soft, d.FaceColor, kGradientBaseOffset, in.ButtonType == RoundedGradient);
    return d;
}

} // namespace chameleon

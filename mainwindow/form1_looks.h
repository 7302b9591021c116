// Form1's common looks: the colours and fonts of the window and its intrinsic controls, kept in
// one table so that the numbers live in one place. Colours are OLE colours (0x00BBGGRR), as
// the window's stored settings give them; olePlainColor turns one into a QColor.
#pragma once

#include "button/paint/metrics.h"

#include <QColor>
#include <QLabel>
#include <QWidget>
#include <array>
#include <cstdint>

namespace form1 {

struct FontLook {
    const char* family;
    double points;
    int weight; // 400 regular, 700 bold
};

// A look: background and text colours (OLE; kDefaultColor keeps the platform's own) and font.
struct Look {
    std::uint32_t back;
    std::uint32_t text;
    FontLook font;
};

inline constexpr std::uint32_t kDefaultColor = 0xFFFFFFFF;

inline constexpr std::uint32_t kBlue = 0x00FF0000;      // window, frames, labels, options
inline constexpr std::uint32_t kWhite = 0x00FFFFFF;     // their text
inline constexpr std::uint32_t kLightCyan = 0x00FFFFC0; // text boxes (RGB #C0FFFF)
// A warning on the blue (RGB #FFFF00): 8.0:1 contrast against it, white's being 8.6:1.
inline constexpr std::uint32_t kYellow = 0x0000FFFF;
// The text boxes' text: the classic default window text, fixed with their light face so that
// a dark desktop palette cannot put light text on it.
inline constexpr std::uint32_t kBlack = 0x00000000;

inline constexpr FontLook kWindowFont{chameleon::metrics::kStandInFontFamily,
                                      chameleon::metrics::kStandInFontPoints, 400};
inline constexpr FontLook kCaptionFont{chameleon::metrics::kStandInFontFamily,
                                       chameleon::metrics::kStandInFontPoints, 700};
inline constexpr FontLook kLargeCaptionFont{chameleon::metrics::kStandInFontFamily, 13.5, 700};

inline constexpr Look kWindowLook{kBlue, kDefaultColor, kWindowFont};
inline constexpr Look kCaptionLook{kBlue, kWhite, kCaptionFont};
inline constexpr Look kLargeCaptionLook{kBlue, kWhite, kLargeCaptionFont};
inline constexpr Look kTextBoxLook{kLightCyan, kBlack, kWindowFont};
// The file-system line: a regular weight, so that its longer text fits beside the count.
inline constexpr Look kInfoLook{kBlue, kWhite, kWindowFont};

struct ControlLook {
    const char* control;
    const Look* look;
};

// Every intrinsic control of Form1 that carries a look of its own. PB1 and the buttons keep
// theirs (the platform's bar, the buttons' stored settings).
inline constexpr std::array<ControlLook, 18> kControlLooks{{
    {"Frame1", &kCaptionLook},
    {"Frame2", &kCaptionLook},
    {"Frame3", &kCaptionLook},
    {"Frame4", &kCaptionLook},
    {"Option1", &kCaptionLook},
    {"Option2", &kCaptionLook},
    {"Option3", &kCaptionLook},
    {"Option4", &kCaptionLook},
    {"Option5", &kCaptionLook},
    {"Label1", &kCaptionLook},
    {"Label2", &kCaptionLook},
    {"Label3", &kLargeCaptionLook},
    {"LabelFs", &kInfoLook},
    {"txtSrc", &kTextBoxLook},
    {"TxtDest", &kTextBoxLook},
    {"Text1", &kTextBoxLook},
    {"Text3", &kTextBoxLook},
    {"Form1", &kWindowLook},
}};

// The plain RGB colour of an OLE colour 0x00BBGGRR.
inline QColor olePlainColor(std::uint32_t ole) {
    return QColor(static_cast<int>(ole & 0xFF), static_cast<int>((ole >> 8) & 0xFF),
                  static_cast<int>((ole >> 16) & 0xFF));
}

// "MS Sans Serif" is not a font Linux desktops have; fontconfig's nearest sans face is much
// wider and would clip the captions in their boxes. The stand-in is a condensed sans of close
// metrics ("Sectors Number :" in bold takes 97 of Label1's 99 pixels).
inline constexpr char kMsSansSerifStandIn[] = "DejaVu Sans Condensed";

// Makes kMsSansSerifStandIn answer requests for the button's stand-in family; call before any font
// of that family is used, since Qt caches what a request resolved to. Idempotent.
void installFontStandIn();

// Gives `form` and each control named in kControlLooks its colours and font.
void applyLooks(QWidget& form);

// A label's automatic size: it takes the size its caption needs, keeping its top-left corner,
// so it grows to the right.
void autoSizeLabel(QLabel& label);
// Sets a label's caption and sizes the label to it.
void setLabelCaption(QLabel& label, const QString& caption);

} // namespace form1

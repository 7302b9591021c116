// Everything one drawing of a button reads, as plain values: the size, the style and its
// flags, the derived colours, the caption with its font and layout, the pictures and the
// backdrop. The model gathers a face from the record for each drawing; the painting reads it
// and never sees the record, so a drawing cannot change a property by accident.
#pragma once

#include "button/paint/colors.h"
#include "button/paint/picture_object.h"
#include "button/paint/types.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <optional>

namespace chameleon {

// Where a caption goes: its box at rest and pressed (one pixel right and down), and its size.
struct CaptionLayout {
    Rect CaptionRect;
    Rect CaptionDownRect;
    std::int32_t CaptionWidth = 0;
    std::int32_t CaptionHeight = 0;
};

// A caption as one drawing shows it.
struct CaptionFace {
    QFont font;
    CaptionLayout layout;
};

// The properties and state a drawing reads as the record keeps them: the record is made of
// these, so a face takes them in one assignment.
struct FaceProperties {
    std::int32_t ButtonType = 0;
    std::int32_t ColorScheme = 0;
    std::int32_t PicturePosition = 0;
    std::int32_t SpecialEffect = 0;
    std::int32_t ClientHeight = 0; // nothing is drawn while this is 0
    std::int32_t ClientWidth = 0;
    bool UseMaskColor = false;
    bool UseGreyscale = false;
    PicturePtr PictureNormal;
    PicturePtr PictureOver;
    QString Caption;
    Rect FocusRect;
    std::int32_t PictureX = 0;
    std::int32_t PictureY = 0;
    std::int32_t PictureWidth = 0;
    std::int32_t PictureHeight = 0;
    bool SoftBevel = false;
    bool HasFocus = false;
    bool ShowFocusRect = false;
    bool IsOver = false;
    std::uint8_t LastCaptionMode = CaptionUp; // the mode the previous drawing left
};

struct ButtonFace : FaceProperties, DerivedColors {
    bool displayAsDefault = false;    // the container shows this button as its default one
    std::uint8_t LastState = StateUp; // the state being drawn
    CaptionFace caption;
    // GradientFramed draws the default button's resting caption bold: its font and layout.
    std::optional<CaptionFace> boldCaption;
    const QImage* Backdrop = nullptr; // the container's pixels behind a Transparent button
};

// What a drawing leaves for the record: the caption mode it drew last and the gradient base
// its last caption was shaded from.
struct PaintOutcome {
    std::uint8_t LastCaptionMode = CaptionUp;
    Rgb GradientBase = 0;
};

} // namespace chameleon

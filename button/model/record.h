// The control object: every field a chameleonButton instance keeps, in one plain struct that
// every part of the control reads and writes. Creation values are the member initialisers
// (all zero, False or empty except RedrawAllowed).
#pragma once

#include "button/paint/colors.h"
#include "button/paint/face.h"

#include <QImage>
#include <QRegion>
#include <QString>
#include <cstdint>

namespace chameleon {

// The fields a drawing reads come first (FaceProperties, in the control's order where it
// can), the derived colours are one DerivedColors, the rest follow.
struct ButtonRecord : FaceProperties {
    OleColor BackColor = 0;
    OleColor BackOver = 0;
    OleColor ForeColor = 0;
    OleColor ForeOver = 0;
    OleColor MaskColor = 0;
    bool HandPointer = false;
    // The container's pixels behind a Transparent button. A null image stands for "no
    // backdrop context yet"; the show handler creates it at the client size.
    QImage Backdrop;
    Rect CaptionRect;
    Rect CaptionDownRect;
    std::int32_t CaptionWidth = 0;
    std::int32_t CaptionHeight = 0;
    QRegion ShapeRegion; // the window shape last built
    std::uint8_t LastButton = 0;
    std::uint8_t LastKey = 0;
    bool Enabled = false;
    // Derived colours, all plain RGB, written by ApplyColorScheme.
    DerivedColors colors;
    std::uint8_t LastState = 0;
    QString LastCaption;
    bool RedrawAllowed = true;
    bool CapturingBackground = false;
    bool CheckBoxBehaviour = false;
    bool Value = false;
};

} // namespace chameleon

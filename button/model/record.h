// The control object: every field a chameleonButton instance keeps, in one plain struct that
// every part of the control reads and writes. Field order follows the order in which the
// control declares them; creation values are the member initialisers (all zero, False or
// empty except RedrawAllowed).
#pragma once

#include "button/paint/picture_object.h"
#include "button/paint/types.h"

#include <QImage>
#include <QRegion>
#include <QString>
#include <cstdint>

namespace chameleon {

struct ButtonRecord {
    std::int32_t ButtonType = 0;
    std::int32_t ColorScheme = 0;
    std::int32_t PicturePosition = 0;
    std::int32_t SpecialEffect = 0;
    std::int32_t ClientHeight = 0; // nothing is drawn while this is 0
    std::int32_t ClientWidth = 0;
    OleColor BackColor = 0;
    OleColor BackOver = 0;
    OleColor ForeColor = 0;
    OleColor ForeOver = 0;
    OleColor MaskColor = 0;
    Rgb HotFrameColor = 0;
    Rgb HotFillColor = 0;
    bool UseMaskColor = false;
    bool UseGreyscale = false;
    bool HandPointer = false;
    PicturePtr PictureNormal;
    PicturePtr PictureOver;
    // The container's pixels behind a Transparent button. A null image stands for "no
    // backdrop context yet"; the show handler creates it at the client size.
    QImage Backdrop;
    QString Caption;
    Rect CaptionRect;
    Rect CaptionDownRect;
    Rect FocusRect;
    std::int32_t CaptionWidth = 0;
    std::int32_t CaptionHeight = 0;
    std::int32_t PictureX = 0;
    std::int32_t PictureY = 0;
    std::int32_t PictureWidth = 0;
    std::int32_t PictureHeight = 0;
    QRegion ShapeRegion; // the window shape last built
    std::uint8_t LastButton = 0;
    std::uint8_t LastKey = 0;
    bool Enabled = false;
    bool SoftBevel = false;
    bool HasFocus = false;
    bool ShowFocusRect = false;
    // Derived colours, all plain RGB, written by ApplyColorScheme.
    Rgb FaceColor = 0;
    Rgb LightColor = 0;
    Rgb HighlightColor = 0;
    Rgb ShadowColor = 0;
    Rgb DarkShadowColor = 0;
    Rgb TextColor = 0;
    Rgb TextOverColor = 0;
    Rgb GradientBase = 0;
    Rgb MaskColorValue = 0;
    std::uint8_t LastState = 0;
    QString LastCaption;
    bool RedrawAllowed = true;
    bool IsOver = false;
    bool CapturingBackground = false;
    std::uint8_t LastCaptionMode = 0;
    bool CheckBoxBehaviour = false;
    bool Value = false;
};

} // namespace chameleon

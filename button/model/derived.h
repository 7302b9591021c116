// What the record derives from its properties and the surface: scheme colours, caption
// layout, access key, picture size and place, window shape.
#pragma once

#include "button/model/control.h"
#include "button/paint/colors.h"
#include "button/paint/face.h"

namespace chameleon {

// The scheme's inputs as the record and the host hold them now.
SchemeInputs schemeInputsOf(const Control& c);
// Recomputes every derived colour of the record from its properties.
void ApplyColorScheme(Control& c);

// The caption's layout for the record's caption, size and picture in font. An out-of-range
// PicturePosition measures from the pressed caption's rectangle, so each layout moves it.
CaptionLayout layoutCaptionFor(const ButtonRecord& r, const QFont& font, const QImage& surface);
void storeCaptionLayout(ButtonRecord& r, const CaptionLayout& layout);
// Recomputes CaptionRect, CaptionDownRect, CaptionWidth, CaptionHeight, then PlacePicture.
void LayoutCaption(Control& c);
// Sets PictureX and PictureY from PicturePosition, CaptionRect and the client size.
void PlacePicture(Control& c);
// The access key of a caption: the letter after its first single ampersand ("" for none).
QString accessKeyOf(const QString& caption);
// Hands the caption's access key to the host.
void SetAccessKey(Control& c);
// A picture's size in pixels through the host's scale (0 by 0 for none); raises error 380 for
// a side beyond metrics::kMaxPicturePixels or below 0.
QSize measuredPictureSize(const Control& c, const PicturePtr& picture);
// Raises error 380 for a picture the store would refuse (pictureWithinLimit); none passes.
void requireStorablePicture(const PicturePtr& picture);
// Raises error 380 for a font size (points) the store would refuse (metrics::fontWithinLimit).
void requireStorableFontSize(double points);
// Sets PictureWidth and PictureHeight from PictureNormal (0 without one).
void MeasurePicture(Control& c);
// Builds ShapeRegion for the current ButtonType and client size.
void BuildShapeRegion(Control& c);

} // namespace chameleon

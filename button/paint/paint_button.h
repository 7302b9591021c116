// paintButton: one whole drawing of a button from its face, onto a cleared surface.
#pragma once

#include "button/paint/face.h"
#include "button/paint/styles.h"

#include <QImage>

namespace chameleon {

// Fills the face, draws the style's drawing for look, then the picture on top.
PaintOutcome paintButton(QImage& surface, const ButtonFace& face, Look look);

} // namespace chameleon

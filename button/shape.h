// Window shape and background capture.
#pragma once

#include "button/control.h"

namespace chameleon {

// Builds ShapeRegion for the current ButtonType and client size.
void BuildShapeRegion(Control& c);
// Refills Backdrop with the container's pixels behind the control; ignores every failure.
void CaptureBackground(Control& c);

} // namespace chameleon

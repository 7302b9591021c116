// Background capture for the Transparent style.
#pragma once

#include "button/model/control.h"

namespace chameleon {

// Refills Backdrop with the container's pixels behind the control; ignores every failure.
void CaptureBackground(Control& c);

} // namespace chameleon

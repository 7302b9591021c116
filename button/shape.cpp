// Window shape and background capture.
#include "button/shape.h"

namespace chameleon {

void BuildShapeRegion(Control& c) {
    (void)c;
}

void CaptureBackground(Control& c) {
    (void)c;
}

} // namespace chameleon

// Window shapes: the region of the client area that a style keeps as its window.
#pragma once

#include <QRegion>
#include <cstdint>

namespace chameleon {

// The window shape of ButtonType buttonType at a client size of w by h pixels.
QRegion shapeRegionFor(std::int32_t buttonType, std::int32_t w, std::int32_t h);

} // namespace chameleon

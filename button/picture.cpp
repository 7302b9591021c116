// Picture measuring and drawing (placeholder bodies while the real ones are written).
#include "button/picture.h"

namespace chameleon {

void MeasurePicture(Control&) {}
void DrawPicture(Control&, std::uint8_t) {}
void DrawPictureEffect(Control&, std::int32_t, const PicturePtr&) {}
void DrawMaskedPicture(QImage&, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                       const Picture&, Rgb, std::int32_t, bool, bool, bool) {}

} // namespace chameleon

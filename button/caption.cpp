// Caption layout, access key and drawing (placeholder bodies while the real ones are written).
#include "button/caption.h"

namespace chameleon {

void LayoutCaption(Control&) {}
void PlacePicture(Control&) {}
void SetAccessKey(Control&) {}
QString AccessKeyOf(const QString&) {
    return {};
}
void DrawCaption(Control& c, std::uint8_t mode) {
    c.r.LastCaptionMode = mode;
}
void DrawCaptionEffect(Control&, const Rect&) {}
void DrawCaptionText(Control&, const Rect&, Rgb) {}

} // namespace chameleon

// Picture values from files or images. Bitmaps are kept opaque in RGB32, icons as ARGB32 with
// their transparency; the HIMETRIC size is the pixel size at 96 dots per inch, so the host's
// scale conversion gives the pixel size back.
#include "button/paint/picture_object.h"

#include "button/paint/metrics.h"

#include <QImageReader>

namespace chameleon {

bool pictureWithinLimit(const Picture& picture) {
    const auto within = [](double side) { return side >= 0 && side <= metrics::kMaxPicturePixels; };
    return within(picture.image.width()) && within(picture.image.height()) &&
           within(metrics::himetricToPixels(picture.himetricWidth)) &&
           within(metrics::himetricToPixels(picture.himetricHeight));
}

PicturePtr makePicture(QImage image, Picture::Kind kind) {
    if (image.isNull()) return nullptr;
    auto p = std::make_shared<Picture>();
    p->kind = kind;
    p->image = kind == Picture::Icon ? image.convertToFormat(QImage::Format_ARGB32)
                                     : image.convertToFormat(QImage::Format_RGB32);
    p->himetricWidth = metrics::pixelsToHimetric(p->image.width());
    p->himetricHeight = metrics::pixelsToHimetric(p->image.height());
    return p;
}

PicturePtr loadPicture(const QString& path) {
    QImageReader reader(path);
    const QByteArray format = reader.format().toLower();
    QImage image = reader.read();
    if (image.isNull()) return nullptr;
    const bool icon = format == "ico" || format == "cur";
    return makePicture(std::move(image), icon ? Picture::Icon : Picture::Bitmap);
}

} // namespace chameleon

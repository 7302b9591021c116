// The picture value that properties hold: a bitmap or an icon with its pixels and its size in
// HIMETRIC units (hundredths of a millimetre), the unit the property store and the host's
// scale conversion work in. Pictures are shared by reference, like the objects they model.
#pragma once

#include <QImage>
#include <QString>
#include <memory>

namespace chameleon {

struct Picture {
    enum Kind : int { Bitmap = 1, Icon = 3 };

    Kind kind = Bitmap;
    QImage image;                   // icons keep their alpha; bitmaps are opaque
    std::int32_t himetricWidth = 0; // width in hundredths of a millimetre
    std::int32_t himetricHeight = 0;
};

using PicturePtr = std::shared_ptr<const Picture>;

// Loads a BMP, ICO or PNG file (ICO becomes an icon, the rest bitmaps) with its HIMETRIC size
// taken at 96 dots per inch; returns null when the file cannot be read as an image.
PicturePtr loadPicture(const QString& path);

// Whether the store keeps the picture: its pixels and its HIMETRIC size at 96 dots per inch
// at most metrics::kMaxPicturePixels on a side, and neither negative.
bool pictureWithinLimit(const Picture& picture);

// Wraps an image as a picture of the given kind, sized at 96 dots per inch.
PicturePtr makePicture(QImage image, Picture::Kind kind);

} // namespace chameleon

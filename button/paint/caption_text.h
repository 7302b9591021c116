// Measuring and drawing caption text with Qt under one set of rules: word wrap at word
// boundaries (a word wider than the box is not broken and widens it), "&" prefixes (the
// access-key letter underlined, "&&" shown as one ampersand), lines centred when drawn. Both
// go through the same font metrics of the surface, so the measured box is the drawn box.
#pragma once

#include "button/paint/types.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace chameleon {

// The extent of text wrapped at wrapWidth (0 or less: every word on its own line); an empty
// text measures 0 by 0.
QSize measureCaptionText(const QFont& font, const QImage& surface, const QString& text,
                         std::int32_t wrapWidth);

// Draws text wrapped within rect's width, each line centred, from rect's top, clipped to rect,
// in color, without filling the background.
void drawCaptionTextAt(QImage& surface, const QFont& font, const Rect& rect, const QString& text,
                       Rgb color);

} // namespace chameleon

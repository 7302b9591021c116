// Where each line of a caption falls, found without one layout of the whole text. Qt's
// drawText lays a text out whole on every call, so a caption of a megabyte or of hundreds of
// thousands of lines costs as much on every redraw as it does once, although a button shows a
// handful of its lines. Here the text is laid out once, in pieces of whole lines that each
// break as the one layout breaks them, and a drawing lays out and draws only the lines (and,
// in a line far wider than the button, only the stretch) that reach the surface.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>
#include <vector>

namespace chameleon {

// The caption as drawText reads it with the caption's flags: "&" prefixes removed (the
// letters they mark, or the line break after a last "&", underlined; "&&" one ampersand),
// line ends as line separators, tabs as spaces.
struct CaptionChars {
    QString text;
    std::vector<qsizetype> underlined; // ascending positions in text
};
CaptionChars readCaption(const QString& caption);

// One line: its characters in CaptionChars::text and its top below the box's top, on a whole
// pixel as Qt places it.
struct CaptionLine {
    qsizetype from = 0;
    qsizetype length = 0;
    int top = 0;
    qreal height = 0;
};

struct LongLineStretches; // a long line's stretches, found when it is first drawn

struct CaptionLines {
    CaptionChars chars;
    std::vector<CaptionLine> lines;
    qreal width = 0;  // the widest line's natural width
    qreal height = 0; // from the box's top to the last line's bottom
    std::shared_ptr<std::vector<std::unique_ptr<LongLineStretches>>> stretches;
};

// The lines of caption (line ends already LF only) wrapped at wrapWidth with font on device,
// placed as drawText and boundingRect place them, in time linear in the caption's length.
CaptionLines layoutCaptionLines(const QString& caption, const QFont& font,
                                const QPaintDevice* device, qreal wrapWidth);

// Draws what of lines (laid out at box's width) meets visible, as p.drawText(box, centred
// word-wrapped flags with "&" prefixes, caption) draws it there.
void drawVisibleCaptionLines(QPainter& p, const QRectF& box, const CaptionLines& lines,
                             const QRectF& visible);

} // namespace chameleon

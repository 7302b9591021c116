// Caption lines laid out in pieces. A piece is at most kPieceChars characters of the caption
// starting at a line's start; it ends after a line break when it holds one, else its last line
// is dropped (the piece may have cut it short) and the next piece starts there. Greedy word
// wrap breaks a line by what follows its start alone, so each kept line is the one layout's
// line; its place follows from the lines above it exactly as drawText places lines. A drawing
// lays out each visible line alone with its underlines, and a line longer than kLongLineChars
// in stretches, drawing only the stretches that meet the surface.
#include "button/paint/caption_lines.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace chameleon {

struct LongLineStretches {
    std::vector<qsizetype> starts; // ascending, in CaptionChars::text; the line's end last
    std::vector<qreal> x;          // each stretch's left from the line's left
    qreal advance = 0;             // the whole line's advance, as centring reads it
};

namespace {

constexpr qsizetype kPieceChars = 1024;
constexpr qsizetype kLongLineChars = 4096;
constexpr qsizetype kStretchChars = 256;
// Wider than any box: a line laid out alone never wraps.
constexpr qreal kUnwrapped = 0x01000000;

QTextOption captionOption() {
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft); // centring is done per line when drawing
    return option;
}

// The underlines of chars within [from, from + length), relative to from.
QList<QTextLayout::FormatRange> underlinesIn(const CaptionChars& chars, qsizetype from,
                                             qsizetype length) {
    QList<QTextLayout::FormatRange> formats;
    auto it = std::lower_bound(chars.underlined.begin(), chars.underlined.end(), from);
    for (; it != chars.underlined.end() && *it < from + length; ++it) {
        QTextLayout::FormatRange range;
        range.start = int(*it - from);
        range.length = 1;
        range.format.setFontUnderline(true);
        formats.append(range);
    }
    return formats;
}

// chars.text[from, from + length) laid out as one line of at most width, with its underlines.
struct LoneLine {
    LoneLine(const CaptionChars& chars, qsizetype from, qsizetype length, const QFont& font,
             const QPaintDevice* device, qreal width)
        : layout(chars.text.mid(from, length), font, device) {
        layout.setTextOption(captionOption());
        layout.setFormats(underlinesIn(chars, from, length));
        layout.beginLayout();
        line = layout.createLine();
        if (line.isValid()) line.setLineWidth(width);
        layout.endLayout();
    }
    QTextLayout layout;
    QTextLine line;
};

// A stretch may not start inside a surrogate pair or on a combining mark.
bool canCut(const QString& text, qsizetype at) {
    const QChar c = text[at];
    return !c.isLowSurrogate() && !c.isMark();
}

std::unique_ptr<LongLineStretches> stretchesOf(const CaptionChars& chars, const CaptionLine& l,
                                               const QFont& font, const QPaintDevice* device) {
    auto s = std::make_unique<LongLineStretches>();
    const qsizetype end = l.from + l.length;
    qreal x = 0;
    for (qsizetype at = l.from; at < end;) {
        qsizetype next = std::min(end, at + kStretchChars);
        while (next < end && !canCut(chars.text, next)) ++next;
        const LoneLine stretch(chars, at, next - at, font, device, kUnwrapped);
        s->starts.push_back(at);
        s->x.push_back(x);
        // Inner stretches count their spaces; the last one's advance is the line's end.
        const bool spaceAfter = chars.text[next - 1].isSpace();
        x += next < end && spaceAfter ? stretch.line.cursorToX(int(next - at))
                                      : stretch.line.horizontalAdvance();
        at = next;
    }
    s->starts.push_back(end);
    s->advance = x;
    return s;
}

void drawLine(QPainter& p, const QRectF& box, const CaptionLines& lines, std::size_t index,
              const QRectF& visible) {
    const CaptionLine& l = lines.lines[index];
    const QPointF top(box.left(), box.top() + l.top);
    if (l.length <= kLongLineChars) {
        // A line that wraps is laid out with the line after it, so that its trailing spaces
        // are left out of its centring as in the one layout.
        qsizetype length = l.length;
        const bool wraps = l.length > 0 && index + 1 < lines.lines.size() &&
                           lines.chars.text[l.from + l.length - 1] != QChar::LineSeparator;
        if (wraps) length += lines.lines[index + 1].length;
        LoneLine lone(lines.chars, l.from, length, p.font(), p.device(), box.width());
        if (!lone.line.isValid()) return;
        const qreal x = (box.width() - lone.line.horizontalAdvance()) / 2;
        lone.line.draw(&p, top + QPointF(x, 0));
        return;
    }
    auto& slot = (*lines.stretches)[index];
    if (!slot) slot = stretchesOf(lines.chars, l, p.font(), p.device());
    const LongLineStretches& s = *slot;
    const qreal left = top.x() + (box.width() - s.advance) / 2;
    // A glyph may reach a little past its stretch's advance.
    const qreal margin = QFontMetricsF(p.font()).height();
    for (std::size_t k = 0; k + 1 < s.starts.size(); ++k) {
        const qreal from = left + s.x[k];
        const qreal to = k + 2 < s.starts.size() ? left + s.x[k + 1] : left + s.advance;
        if (to + margin < visible.left() || from - margin > visible.right()) continue;
        LoneLine stretch(lines.chars, s.starts[k], s.starts[k + 1] - s.starts[k], p.font(),
                         p.device(), kUnwrapped);
        if (stretch.line.isValid()) stretch.line.draw(&p, QPointF(from, top.y()));
    }
}

} // namespace

CaptionChars readCaption(const QString& caption) {
    CaptionChars out;
    out.text.reserve(caption.size());
    const qsizetype n = caption.size();
    for (qsizetype i = 0; i < n; ++i) {
        QChar c = caption[i];
        if (c == QLatin1Char('&')) {
            if (++i == n) break; // a last "&" shows nothing
            c = caption[i];
            if (c != QLatin1Char('&')) out.underlined.push_back(out.text.size());
        }
        if (c == QLatin1Char('\n')) {
            c = QChar::LineSeparator;
        } else if (c == QLatin1Char('\t') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
        out.text.append(c);
    }
    return out;
}

CaptionLines layoutCaptionLines(const QString& caption, const QFont& font,
                                const QPaintDevice* device, qreal wrapWidth) {
    CaptionLines out;
    out.chars = readCaption(caption);
    const QString& text = out.chars.text;
    const QFontMetricsF metrics(font, device);
    if (text.isEmpty()) {
        out.height = metrics.height(); // as drawText measures an empty line
        return out;
    }
    const QTextOption option = captionOption();
    const qreal leading = metrics.leading();
    const qreal width = std::max<qreal>(wrapWidth, 0);
    qreal height = -leading;
    struct Found {
        qsizetype from, length;
        qreal height, width;
    };
    std::vector<Found> found;
    qsizetype piece = kPieceChars;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = std::min(text.size(), start + piece);
        bool closed = end == text.size();
        if (!closed) {
            const qsizetype lineEnd =
                QStringView(text).sliced(start, end - start).lastIndexOf(QChar::LineSeparator);
            if (lineEnd >= 0) {
                end = start + lineEnd + 1;
                closed = true;
            }
        }
        QTextLayout layout(text.mid(start, end - start), font, device);
        layout.setTextOption(option);
        layout.beginLayout();
        found.clear();
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
            l.setLineWidth(width);
            // The empty line after a piece's closing break belongs to the next piece.
            if (l.textStart() >= end - start && end < text.size()) break;
            found.push_back({start + l.textStart(), l.textLength(), l.ascent() + l.descent(),
                             l.naturalTextWidth()});
        }
        layout.endLayout();
        if (!closed) {
            if (found.size() < 2) {
                piece *= 2; // one line longer than the piece: take more of it
                continue;
            }
            found.pop_back();
        }
        for (const Found& f : found) {
            // As drawText stacks lines: each on the first whole pixel after the one above.
            height = std::ceil(height + leading);
            out.lines.push_back({f.from, f.length, int(height), f.height});
            height += f.height;
            out.width = std::max(out.width, f.width);
        }
        start = closed ? end : found.back().from + found.back().length;
        piece = kPieceChars;
    }
    out.height = height;
    out.stretches = std::make_shared<std::vector<std::unique_ptr<LongLineStretches>>>();
    out.stretches->resize(out.lines.size());
    return out;
}

void drawVisibleCaptionLines(QPainter& p, const QRectF& box, const CaptionLines& lines,
                             const QRectF& visible) {
    // drawText clips to its box only when the text's bounds overflow it.
    const QRectF bounds(box.left() + (box.width() - lines.width) / 2, box.top(), lines.width,
                        lines.height);
    const bool clip = !box.contains(bounds);
    if (clip) {
        p.save();
        p.setClipRect(box, Qt::IntersectClip);
    }
    // Lines a little above or below still reach in with their accents and underlines.
    const qreal margin = QFontMetricsF(p.font()).height();
    const qreal top = visible.top() - box.top() - margin;
    const qreal bottom = visible.bottom() - box.top() + margin;
    const auto first =
        std::partition_point(lines.lines.begin(), lines.lines.end(),
                             [top](const CaptionLine& l) { return l.top + l.height < top; });
    for (auto it = first; it != lines.lines.end() && it->top < bottom; ++it) {
        drawLine(p, box, lines, std::size_t(it - lines.lines.begin()), visible);
    }
    if (clip) p.restore();
}

} // namespace chameleon

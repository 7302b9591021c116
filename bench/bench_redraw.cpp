// How long one full repaint of the main window's "Start Cutting" button takes (a 137 x 25
// RoundedGradient button, system colours) against Qt drawing a QPushButton of the same size
// and caption with its Fusion style into an image. The two run alternately in the same
// process, so machine load affects both alike; each side's time is the median over the rounds,
// so that a round disturbed by other work on the machine does not decide the result. The same
// is measured again with both drawn at device pixel ratio 2, as on a high-density screen; the
// last line is the ratio of the two medians at ratio 1. Before it, huge captions (a megabyte of
// words, "&a" 100,000 times, 350,000 short lines): setting one (access key and layout) and a
// redraw, each against Qt's own drawText of the same text in the caption's box with the
// caption's flags, on a surface of the button's size; the worst of these is its own line. Setting
// is also put beside Qt measuring the whole text (boundingRect), which a centred caption needs
// and drawText in a clipped box skips.
#include "bench/image_host.h"
#include "button/model/derived.h"
#include "button/model/redraw.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace chameleon;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 137;
constexpr int kHeight = 25;
constexpr int kRounds = 41;
constexpr int kDrawsPerRound = 400;
// The high-density run: both sides drawn at this device pixel ratio.
constexpr double kHighDensityRatio = 2.0;

template <typename Draw>
double secondsFor(int count, Draw draw) {
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) draw();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Median seconds per round of our redraw and of the peer's render, both at ratio.
struct Timing {
    double ours;
    double theirs;
};

Timing measure(const QString& caption, QStyle* style, double ratio) {
    offscreen::ImageHost host(kWidth, kHeight, ratio);
    Control button(host, host);
    ButtonRecord& r = button.r;
    r.ButtonType = RoundedGradient;
    r.ColorScheme = SchemeSystem;
    r.Enabled = true;
    r.ShowFocusRect = true;
    r.UseMaskColor = true;
    r.Caption = caption;
    offscreen::sizeButton(button, kWidth, kHeight);
    ApplyColorScheme(button);
    LayoutCaption(button);
    const auto redraw = [&] { Redraw(button, StateUp, true); };

    QPushButton peer(caption);
    peer.setStyle(style);
    peer.setFont(metrics::standInFont());
    peer.resize(kWidth, kHeight);
    peer.ensurePolished();
    QImage peerImage(deviceSizeFor(QSize(kWidth, kHeight), ratio),
                     QImage::Format_ARGB32_Premultiplied);
    peerImage.setDevicePixelRatio(ratio);
    const auto render = [&] {
        peerImage.fill(Qt::transparent);
        peer.render(&peerImage);
    };

    // Warm both up: glyph caches, style resources.
    secondsFor(50, redraw);
    secondsFor(50, render);

    std::vector<double> ourRounds, theirRounds;
    for (int round = 0; round < kRounds; ++round) {
        ourRounds.push_back(secondsFor(kDrawsPerRound, redraw));
        theirRounds.push_back(secondsFor(kDrawsPerRound, render));
    }
    return {median(ourRounds), median(theirRounds)};
}

// Huge captions: a few rounds each, as one drawing takes milliseconds to seconds.
constexpr int kHugeRounds = 7;
constexpr qsizetype kMegabyte = 1 << 20;
constexpr int kAmpersandPairs = 100000;
// The width a caption wraps at on this button: its box runs from x 1 to the width less 2.
constexpr int kCaptionWrapWidth = kWidth - 3;
constexpr int kShortLines = 350000;

struct HugeCaption {
    const char* name;
    QString text;
};

std::vector<HugeCaption> hugeCaptions() {
    QString words;
    while (words.size() < kMegabyte) words += QStringLiteral("Cut the disc image to size. ");
    words.truncate(kMegabyte);
    QString lines;
    for (int i = 0; i < kShortLines; ++i) lines += QString::number(i) + QLatin1Char('\n');
    return {{"1 MB of words", words},
            {"\"&a\" x 100,000", QStringLiteral("&a").repeated(kAmpersandPairs)},
            {"350,000 short lines", lines}};
}

// Worst of (set, redraw) against Qt's drawText for one huge caption, each line printed.
double hugeCaptionRatio(const HugeCaption& huge) {
    offscreen::ImageHost host(kWidth, kHeight);
    Control button(host, host);
    ButtonRecord& r = button.r;
    r.ButtonType = RoundedGradient;
    r.ColorScheme = SchemeSystem;
    r.Enabled = true;
    offscreen::sizeButton(button, kWidth, kHeight);
    ApplyColorScheme(button);

    QImage peerImage(kWidth, kHeight, QImage::Format_RGB32);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
    std::vector<double> set, redraw, peer, measure;
    for (int round = 0; round < kHugeRounds; ++round) {
        // A text of its own each round, so that no cache of an earlier round answers.
        const QString text = huge.text + QString::number(round);
        set.push_back(secondsFor(1, [&] {
            r.Caption = text;
            SetAccessKey(button);
            LayoutCaption(button);
        }));
        redraw.push_back(secondsFor(1, [&] { Redraw(button, StateUp, true); }));
        // The part of the caption's box on the button: all that Qt is asked to show.
        const Rect& c = r.CaptionRect;
        const QRect box = QRect(QPoint(c.left, c.top), QPoint(c.right - 1, c.bottom - 1))
                              .intersected(QRect(0, 0, kWidth, kHeight));
        peer.push_back(secondsFor(1, [&] {
            peerImage.fill(Qt::white);
            QPainter p(&peerImage);
            p.setFont(metrics::standInFont());
            p.drawText(box, flags, text);
        }));
        // Qt measuring the whole text at the caption's wrap width, as a centred caption needs:
        // drawText in a clipped box stops laying out at the box's bottom, a measure cannot.
        const QFontMetrics qtMetrics(metrics::standInFont(), &peerImage);
        const QRect wrap(0, 0, kCaptionWrapWidth, 0);
        measure.push_back(secondsFor(1, [&] { qtMetrics.boundingRect(wrap, flags, text); }));
    }
    const double theirs = median(peer);
    const double setRatio = median(set) / theirs, redrawRatio = median(redraw) / theirs;
    std::printf("Huge caption, %s: set %.1f ms, redraw %.1f ms, Qt drawText %.1f ms, Qt "
                "boundingRect %.1f ms (set/drawText %.2f, redraw/drawText %.2f, "
                "set/boundingRect %.2f)\n",
                huge.name, median(set) * 1e3, median(redraw) * 1e3, theirs * 1e3,
                median(measure) * 1e3, setRatio, redrawRatio, median(set) / median(measure));
    return std::max(setRatio, redrawRatio);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString caption = QStringLiteral("Start Cutting");
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    if (!fusion) {
        std::fprintf(stderr, "bench_redraw: the Fusion style is not available\n");
        return 1;
    }
    double hugeWorst = 0;
    for (const HugeCaption& huge : hugeCaptions()) {
        hugeWorst = std::max(hugeWorst, hugeCaptionRatio(huge));
    }
    // The high-density run first, so that the last line stays the 1x ratio.
    const Timing doubled = measure(caption, fusion.get(), kHighDensityRatio);
    const Timing plain = measure(caption, fusion.get(), 1.0);
    const double draws = kDrawsPerRound;
    std::printf("Redraw, 137 x 25 RoundedGradient \"Start Cutting\": %.2f us per drawing\n",
                plain.ours / draws * 1e6);
    std::printf("QPushButton (Fusion) render, same size and caption: %.2f us per drawing\n",
                plain.theirs / draws * 1e6);
    std::printf("Both at device pixel ratio %.0f: %.2f us and %.2f us per drawing\n",
                kHighDensityRatio, doubled.ours / draws * 1e6, doubled.theirs / draws * 1e6);
    std::printf("ratio huge caption/drawText: %.2f\n", hugeWorst);
    std::printf("ratio redraw/qpushbutton at 2x: %.2f\n", doubled.ours / doubled.theirs);
    std::printf("ratio redraw/qpushbutton: %.2f\n", plain.ours / plain.theirs);
    return 0;
}

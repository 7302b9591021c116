// The style gallery: draws every ButtonType in every look (up, hovering, down, disabled,
// focused, default) for each of the five colour schemes into one labelled PNG sheet, with the
// window shape applied so cut corners show the sheet. It is the quickest way to see what a
// change to the drawing code does to all of the control's looks at once.
//
// Usage: gallery OUTPUT.png [SCALE]
// SCALE (default 1) is the device pixel ratio to draw at, e.g. 2 for a high-density screen:
// the sheet then has SCALE device pixels per logical one, labels and captions drawn at that
// resolution.
#include "bench/image_host.h"
#include "button/model/derived.h"
#include "button/model/redraw.h"

#include <QGuiApplication>
#include <QPainter>
#include <array>
#include <cstdio>

namespace {

using namespace chameleon;
using chameleon::offscreen::ImageHost;

constexpr int kButtonWidth = 112;
constexpr int kButtonHeight = 25;
constexpr int kLabelWidth = 130;
constexpr int kColumnPitch = kButtonWidth + 12;
constexpr int kRowPitch = kButtonHeight + 9;
constexpr int kTitleHeight = 26;
constexpr int kHeaderHeight = 18;
constexpr int kBlockMargin = 14;
constexpr int kBlocksPerRow = 2;
// The device pixel ratios the sheet may be drawn at.
constexpr double kMinScale = 1.0;
constexpr double kMaxScale = 4.0;

struct StyleName {
    std::int32_t type;
    const char* name;
};
constexpr std::array<StyleName, 14> kStyles = {{
    {OutlinedBevel, "OutlinedBevel"},
    {ClassicBevel, "ClassicBevel"},
    {RoundedGradient, "RoundedGradient"},
    {RoundedBevel, "RoundedBevel"},
    {DoubleFrame, "DoubleFrame"},
    {ThickRaised, "ThickRaised"},
    {ThinRaised, "ThinRaised"},
    {FlatHotThin, "FlatHotThin"},
    {FlatHighlight, "FlatHighlight"},
    {FaceOnly, "FaceOnly"},
    {Transparent, "Transparent"},
    {FlatHotBevel, "FlatHotBevel"},
    {Oval, "Oval"},
    {GradientFramed, "GradientFramed"},
}};

enum class LookKind { Up, Hovering, Down, Disabled, Focused, Default };
struct LookName {
    LookKind look;
    const char* name;
};
constexpr std::array<LookName, 6> kLooks = {{
    {LookKind::Up, "up"},
    {LookKind::Hovering, "hovering"},
    {LookKind::Down, "down"},
    {LookKind::Disabled, "disabled"},
    {LookKind::Focused, "focused"},
    {LookKind::Default, "default"},
}};

struct SchemeName {
    std::int32_t scheme;
    const char* name;
};
constexpr std::array<SchemeName, 5> kSchemes = {{
    {SchemeStandard, "0 Standard"},
    {SchemeSystem, "1 System"},
    {SchemeCustom, "2 Custom (teal, lighter while hovering)"},
    {SchemeClassic, "3 Classic"},
    {SchemeContainer, "4 Container (cream parent)"},
}};

// The custom scheme's colours and the container's, chosen to be told apart at a glance.
constexpr Rgb kCustomBack = rgb(58, 130, 150);
constexpr Rgb kCustomBackOver = rgb(96, 176, 196);
constexpr Rgb kCustomFore = rgb(255, 255, 255);
constexpr Rgb kCustomForeOver = rgb(255, 240, 120);
constexpr Rgb kContainerBack = rgb(250, 242, 210);
constexpr Rgb kContainerText = rgb(40, 40, 120);

constexpr int kBlockWidth = kLabelWidth + static_cast<int>(kLooks.size()) * kColumnPitch;
constexpr int kBlockHeight =
    kTitleHeight + kHeaderHeight + static_cast<int>(kStyles.size()) * kRowPitch;

// The sheet's own background: a faint checkerboard, so that cut corners and the transparent
// style plainly show what lies behind the button.
QImage makeSheet(int width, int height, double scale) {
    QImage sheet(deviceSizeFor(QSize(width, height), scale), QImage::Format_RGB32);
    sheet.setDevicePixelRatio(scale);
    for (int y = 0; y < sheet.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        const int logicalY = static_cast<int>(y / scale);
        for (int x = 0; x < sheet.width(); ++x) {
            const int logicalX = static_cast<int>(x / scale);
            line[x] = ((logicalX / 4 + logicalY / 4) % 2 == 0) ? qRgb(255, 255, 255)
                                                               : qRgb(226, 230, 236);
        }
    }
    return sheet;
}

// Draws one button in one look and returns its surface with the shape it would be given.
QImage drawButton(std::int32_t type, std::int32_t scheme, LookKind look, const QImage& behind,
                  QRegion& shape) {
    ImageHost host(kButtonWidth, kButtonHeight, behind.devicePixelRatio());
    host.containerBack = kContainerBack;
    host.containerText = kContainerText;
    if (type == DoubleFrame) host.surfaceFont.setBold(true); // as choosing it in design does
    Control c(host, host);
    ButtonRecord& r = c.r;
    r.ButtonType = type;
    r.ColorScheme = scheme;
    r.Enabled = true;
    r.ShowFocusRect = true;
    r.UseMaskColor = true;
    r.BackColor = static_cast<OleColor>(kCustomBack);
    r.BackOver = static_cast<OleColor>(kCustomBackOver);
    r.ForeColor = static_cast<OleColor>(kCustomFore);
    r.ForeOver = static_cast<OleColor>(kCustomForeOver);
    r.MaskColor = static_cast<OleColor>(rgb(192, 192, 192));
    r.Caption = QString::fromLatin1(kStyles[static_cast<std::size_t>(type - 1)].name);
    offscreen::sizeButton(c, kButtonWidth, kButtonHeight);
    r.Backdrop = behind;
    ApplyColorScheme(c);
    LayoutCaption(c);
    BuildShapeRegion(c);
    shape = r.ShapeRegion;

    std::uint8_t state = StateUp;
    switch (look) {
    case LookKind::Up:
        break;
    case LookKind::Hovering:
        r.IsOver = true;
        break;
    case LookKind::Down: // pressed with the pointer, which is then over the button
        r.IsOver = true;
        state = StateDown;
        break;
    case LookKind::Disabled:
        r.Enabled = false;
        break;
    case LookKind::Focused:
        r.HasFocus = true;
        break;
    case LookKind::Default:
        host.displayAsDefault = true;
        break;
    }
    Redraw(c, state, true);
    return host.image;
}

// The labels of one scheme's block: its title, the looks over the columns, the styles
// beside the rows.
void drawLabels(QImage& sheet, const SchemeName& scheme, int left, int top) {
    QPainter text(&sheet);
    text.setPen(QColor(30, 30, 30));
    QFont titleFont = text.font();
    titleFont.setBold(true);
    titleFont.setPointSize(11);
    QFont labelFont = text.font();
    labelFont.setPointSize(9);

    text.setFont(titleFont);
    text.drawText(QRect(left, top, kBlockWidth, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                  QStringLiteral("ColorScheme %1").arg(QString::fromLatin1(scheme.name)));
    text.setFont(labelFont);
    for (std::size_t i = 0; i < kLooks.size(); ++i) {
        const int x = left + kLabelWidth + static_cast<int>(i) * kColumnPitch;
        text.drawText(QRect(x, top + kTitleHeight, kButtonWidth, kHeaderHeight), Qt::AlignCenter,
                      QString::fromLatin1(kLooks[i].name));
    }
    for (std::size_t row = 0; row < kStyles.size(); ++row) {
        const int y = top + kTitleHeight + kHeaderHeight + static_cast<int>(row) * kRowPitch;
        text.drawText(QRect(left, y, kLabelWidth - 6, kButtonHeight),
                      Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("%1 %2")
                          .arg(kStyles[row].type)
                          .arg(QString::fromLatin1(kStyles[row].name)));
    }
}

// One scheme's block: labels, then every style in every look, each clipped to its shape.
void drawBlock(QImage& sheet, const SchemeName& scheme, int left, int top) {
    drawLabels(sheet, scheme, left, top);
    for (std::size_t row = 0; row < kStyles.size(); ++row) {
        const int y = top + kTitleHeight + kHeaderHeight + static_cast<int>(row) * kRowPitch;
        for (std::size_t col = 0; col < kLooks.size(); ++col) {
            const int x = left + kLabelWidth + static_cast<int>(col) * kColumnPitch;
            const DeviceGrid grid(sheet);
            QImage behind =
                sheet.copy(QRect(QPoint(int(grid.edge(x)), int(grid.edge(y))),
                                 deviceSizeFor(QSize(kButtonWidth, kButtonHeight), grid.ratio())));
            behind.setDevicePixelRatio(grid.ratio());
            QRegion shape;
            const QImage button =
                drawButton(kStyles[row].type, scheme.scheme, kLooks[col].look, behind, shape);
            QPainter paint(&sheet);
            paint.setClipRegion(shape.translated(x, y));
            paint.drawImage(x, y, button);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const double scale = argc == 3 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.0;
    if (argc < 2 || argc > 3 || !(scale >= kMinScale && scale <= kMaxScale)) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [SCALE]\n", argv[0]);
        return 2;
    }
    const int blockRows = (static_cast<int>(kSchemes.size()) + kBlocksPerRow - 1) / kBlocksPerRow;
    const int width = kBlocksPerRow * (kBlockWidth + kBlockMargin) + kBlockMargin;
    const int height = blockRows * (kBlockHeight + kBlockMargin) + kBlockMargin;
    QImage sheet = makeSheet(width, height, scale);
    for (std::size_t i = 0; i < kSchemes.size(); ++i) {
        const int left =
            kBlockMargin + static_cast<int>(i % kBlocksPerRow) * (kBlockWidth + kBlockMargin);
        const int top =
            kBlockMargin + static_cast<int>(i / kBlocksPerRow) * (kBlockHeight + kBlockMargin);
        drawBlock(sheet, kSchemes[i], left, top);
    }
    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "gallery: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

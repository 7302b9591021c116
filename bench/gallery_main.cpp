// The style gallery: draws every ButtonType in every look (up, hovering, down, disabled,
// focused, default) for each of the five colour schemes into one labelled PNG sheet, with the
// window shape applied so cut corners show the sheet. It is the quickest way to see what a
// change to the drawing code does to all of the control's looks at once.
//
// Usage: gallery OUTPUT.png
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

constexpr int ButtonWidth = 112;
constexpr int ButtonHeight = 25;
constexpr int LabelWidth = 130;
constexpr int ColumnPitch = ButtonWidth + 12;
constexpr int RowPitch = ButtonHeight + 9;
constexpr int TitleHeight = 26;
constexpr int HeaderHeight = 18;
constexpr int BlockMargin = 14;
constexpr int BlocksPerRow = 2;

struct StyleName {
    std::int32_t type;
    const char* name;
};
constexpr std::array<StyleName, 14> Styles = {{
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
constexpr std::array<LookName, 6> Looks = {{
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
constexpr std::array<SchemeName, 5> Schemes = {{
    {SchemeStandard, "0 Standard"},
    {SchemeSystem, "1 System"},
    {SchemeCustom, "2 Custom (teal, lighter while hovering)"},
    {SchemeClassic, "3 Classic"},
    {SchemeContainer, "4 Container (cream parent)"},
}};

// The custom scheme's colours and the container's, chosen to be told apart at a glance.
constexpr Rgb CustomBack = rgb(58, 130, 150);
constexpr Rgb CustomBackOver = rgb(96, 176, 196);
constexpr Rgb CustomFore = rgb(255, 255, 255);
constexpr Rgb CustomForeOver = rgb(255, 240, 120);
constexpr Rgb ContainerBack = rgb(250, 242, 210);
constexpr Rgb ContainerText = rgb(40, 40, 120);

constexpr int BlockWidth = LabelWidth + static_cast<int>(Looks.size()) * ColumnPitch;
constexpr int BlockHeight = TitleHeight + HeaderHeight + static_cast<int>(Styles.size()) * RowPitch;

// The sheet's own background: a faint checkerboard, so that cut corners and the transparent
// style plainly show what lies behind the button.
QImage MakeSheet(int width, int height) {
    QImage sheet(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = ((x / 4 + y / 4) % 2 == 0) ? qRgb(255, 255, 255) : qRgb(226, 230, 236);
        }
    }
    return sheet;
}

// Draws one button in one look and returns its surface with the shape it would be given.
QImage DrawButton(std::int32_t type, std::int32_t scheme, LookKind look, const QImage& behind,
                  QRegion& shape) {
    ImageHost host(ButtonWidth, ButtonHeight);
    host.containerBack = ContainerBack;
    host.containerText = ContainerText;
    if (type == DoubleFrame) host.surfaceFont.setBold(true); // as choosing it in design does
    Control c(host, host);
    ButtonRecord& r = c.r;
    r.ButtonType = type;
    r.ColorScheme = scheme;
    r.Enabled = true;
    r.ShowFocusRect = true;
    r.UseMaskColor = true;
    r.BackColor = static_cast<OleColor>(CustomBack);
    r.BackOver = static_cast<OleColor>(CustomBackOver);
    r.ForeColor = static_cast<OleColor>(CustomFore);
    r.ForeOver = static_cast<OleColor>(CustomForeOver);
    r.MaskColor = static_cast<OleColor>(rgb(192, 192, 192));
    r.Caption = QString::fromLatin1(Styles[static_cast<std::size_t>(type - 1)].name);
    offscreen::sizeButton(c, ButtonWidth, ButtonHeight);
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
void DrawLabels(QImage& sheet, const SchemeName& scheme, int left, int top) {
    QPainter text(&sheet);
    text.setPen(QColor(30, 30, 30));
    QFont titleFont = text.font();
    titleFont.setBold(true);
    titleFont.setPointSize(11);
    QFont labelFont = text.font();
    labelFont.setPointSize(9);

    text.setFont(titleFont);
    text.drawText(QRect(left, top, BlockWidth, TitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                  QStringLiteral("ColorScheme %1").arg(QString::fromLatin1(scheme.name)));
    text.setFont(labelFont);
    for (std::size_t i = 0; i < Looks.size(); ++i) {
        const int x = left + LabelWidth + static_cast<int>(i) * ColumnPitch;
        text.drawText(QRect(x, top + TitleHeight, ButtonWidth, HeaderHeight), Qt::AlignCenter,
                      QString::fromLatin1(Looks[i].name));
    }
    for (std::size_t row = 0; row < Styles.size(); ++row) {
        const int y = top + TitleHeight + HeaderHeight + static_cast<int>(row) * RowPitch;
        text.drawText(QRect(left, y, LabelWidth - 6, ButtonHeight),
                      Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("%1 %2")
                          .arg(Styles[row].type)
                          .arg(QString::fromLatin1(Styles[row].name)));
    }
}

// One scheme's block: labels, then every style in every look, each clipped to its shape.
void DrawBlock(QImage& sheet, const SchemeName& scheme, int left, int top) {
    DrawLabels(sheet, scheme, left, top);
    for (std::size_t row = 0; row < Styles.size(); ++row) {
        const int y = top + TitleHeight + HeaderHeight + static_cast<int>(row) * RowPitch;
        for (std::size_t col = 0; col < Looks.size(); ++col) {
            const int x = left + LabelWidth + static_cast<int>(col) * ColumnPitch;
            const QImage behind = sheet.copy(x, y, ButtonWidth, ButtonHeight);
            QRegion shape;
            const QImage button =
                DrawButton(Styles[row].type, scheme.scheme, Looks[col].look, behind, shape);
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    const int blockRows = (static_cast<int>(Schemes.size()) + BlocksPerRow - 1) / BlocksPerRow;
    const int width = BlocksPerRow * (BlockWidth + BlockMargin) + BlockMargin;
    const int height = blockRows * (BlockHeight + BlockMargin) + BlockMargin;
    QImage sheet = MakeSheet(width, height);
    for (std::size_t i = 0; i < Schemes.size(); ++i) {
        const int left =
            BlockMargin + static_cast<int>(i % BlocksPerRow) * (BlockWidth + BlockMargin);
        const int top =
            BlockMargin + static_cast<int>(i / BlocksPerRow) * (BlockHeight + BlockMargin);
        DrawBlock(sheet, Schemes[i], left, top);
    }
    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "gallery: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

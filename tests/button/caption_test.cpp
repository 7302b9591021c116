// Caption layout, access key and caption drawing. Text geometry is compared with the font
// metrics of the same font rather than with glyph widths, so the tests hold for any font the
// machine picks; the text itself is drawn without antialiasing here so that every text pixel
// has exactly the colour the mode prescribes.
#include "button/model/derived.h"
#include "button/model/redraw.h"
#include "button/paint/caption.h"
#include "recording_host.h"

#include <QFontMetrics>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

namespace chameleon {
namespace {

using testing::TestHost;
using PixelSet = std::set<std::pair<int, int>>;
// One text output: the caption's pixels moved by (d, d) in a colour.
using Draws = std::vector<std::pair<int, Rgb>>;

// The classic palette and its effect shades: face 0xC0C0C0 +-40, gradient base 0xF0F0F0 -40.
constexpr Rgb Face = 0xC0C0C0, Light = 0xDFDFDF, Highlight = 0xFFFFFF, Shadow = 0x808080;
constexpr Rgb Lighter = 0xE8E8E8, Darker = 0x989898, GradientDarker = 0xC8C8C8;
constexpr Rgb Text = 0x0000FF, TextOver = 0x00FF00;

struct CaptionTest : ::testing::Test {
    TestHost host{75, 23};
    Control c{host, host};

    CaptionTest() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        font.setStyleStrategy(QFont::NoAntialias);
        host.surfaceFont = font;
        setSize(75, 23);
        c.r.ColorScheme = SchemeClassic;
        c.r.PicturePosition = PictureBehind;
        ApplyColorScheme(c);
        c.r.TextColor = Text;
        c.r.TextOverColor = TextOver;
    }

    void setSize(int w, int h) {
        host.resize(w, h);
        c.r.ClientWidth = w;
        c.r.ClientHeight = h;
    }

    void layout(const char* caption) {
        c.r.Caption = QString::fromUtf8(caption);
        LayoutCaption(c);
    }

    // Width of text as Qt lays it out without any "&" handling, and the line height.
    int plainWidth(const char* text) const {
        const QFontMetrics fm(host.surfaceFont, &host.image);
        return fm.boundingRect(QRect(0, 0, 10000, 0), Qt::TextWordWrap, text).width();
    }
    int lineHeight() const { return QFontMetrics(host.surfaceFont, &host.image).height(); }

    // Draws on the surface through a face gathered from the record, in the colours the test
    // set there.
    template <typename Draw>
    void paint(Draw draw) {
        ButtonFace face = faceFor(c, c.r.LastState);
        static_cast<DerivedColors&>(face) = derivedColorsOf(c.r);
        Drawing d(host.image, face);
        draw(d);
    }

    // The caption's own pixels at CaptionRect: drawn alone in a colour no mode uses.
    PixelSet textMask() {
        constexpr Rgb Probe = 0x010203;
        host.image.fill(Qt::black);
        paint([&](Drawing& d) { drawCaptionText(d, c.r.CaptionRect, Probe); });
        PixelSet s;
        for (int y = 0; y < host.image.height(); ++y)
            for (int x = 0; x < host.image.width(); ++x)
                if (host.pixel(x, y) == Probe) s.insert({x, y});
        return s;
    }

    // Draws mode on the face and compares the whole surface with the face overdrawn by the
    // given text outputs, in order.
    void expectDrawing(std::uint8_t mode, const Draws& draws) {
        const PixelSet mask = textMask();
        ASSERT_FALSE(mask.empty());
        QImage expected(host.image.size(), QImage::Format_RGB32);
        expected.fill(QColor(redOf(Face), greenOf(Face), blueOf(Face)));
        for (auto [d, color] : draws)
            for (auto [x, y] : mask)
                if (expected.rect().contains(x + d, y + d))
                    expected.setPixel(x + d, y + d,
                                      qRgb(redOf(color), greenOf(color), blueOf(color)));
        host.image.fill(QColor(redOf(Face), greenOf(Face), blueOf(Face)));
        paint([&](Drawing& d) {
            DrawCaption(d, mode);
            EXPECT_EQ(d.captionMode, mode);
        });
        EXPECT_TRUE(host.image == expected) << "mode " << int(mode);
    }
};

TEST_F(CaptionTest, EachPicturePositionSharesTheButtonWithA16PixelPicture) {
    // On a 75 by 50 button: where measuring starts, what centring takes off the free space
    // besides the text, and where the picture goes relative to the centred caption.
    struct Case {
        int position, left, top, offW, offH;
        QPoint (*picture)(const Rect& caption);
    };
    static const Case cases[] = {
        {PictureLeft, 17, 1, 0, 0, [](const Rect& r) { return QPoint(r.left - 16 - 4, 17); }},
        {PictureRight, 1, 1, 20, 0, [](const Rect& r) { return QPoint(r.right + 4, 17); }},
        {PictureTop, 1, 17, 0, 0, [](const Rect& r) { return QPoint(29, r.top - 16 - 2); }},
        {PictureBottom, 1, 1, 0, 20, [](const Rect& r) { return QPoint(29, r.bottom + 2); }},
        {PictureBehind, 1, 1, 0, 0, [](const Rect&) { return QPoint(29, 17); }},
    };
    setSize(75, 50);
    c.r.PictureWidth = c.r.PictureHeight = 16;
    layout("OK"); // without a picture it is not placed
    EXPECT_EQ(QPoint(c.r.PictureX, c.r.PictureY), QPoint(0, 0));
    c.r.PictureNormal = makePicture(QImage(16, 16, QImage::Format_RGB32), Picture::Bitmap);
    const int w = plainWidth("OK"), h = lineHeight();
    for (const Case& k : cases) {
        c.r.PicturePosition = k.position;
        layout("OK");
        const Rect measured{k.left, k.top, k.left + w, k.top + h};
        const Rect expected = measured.offset((75 - measured.right - k.offW) / 2,
                                              (50 - measured.bottom - k.offH) / 2);
        EXPECT_EQ(QSize(c.r.CaptionWidth, c.r.CaptionHeight), QSize(w, h));
        EXPECT_EQ(c.r.CaptionRect, expected) << "position " << k.position;
        EXPECT_EQ(c.r.CaptionDownRect, expected.offset(1, 1));
        EXPECT_EQ(QPoint(c.r.PictureX, c.r.PictureY), k.picture(expected)) << k.position;
    }
    c.r.PicturePosition = PictureLeft; // a caption of spaces centres the picture
    layout("   ");
    EXPECT_EQ(QPoint(c.r.PictureX, c.r.PictureY), QPoint(29, 17));
    std::swap(c.r.PictureNormal, c.r.PictureOver); // PictureOver alone is placed too
    c.r.PictureWidth = 0;
    layout("   ");
    EXPECT_EQ(QPoint(c.r.PictureX, c.r.PictureY), QPoint(37, 17));
}

TEST_F(CaptionTest, MeasuresTheShownTextWrappedAtWordsAndWidenedByAWideWord) {
    layout("");
    EXPECT_EQ(QSize(c.r.CaptionWidth, c.r.CaptionHeight), QSize(0, 0));
    EXPECT_EQ(c.r.CaptionRect, (Rect{38, 12, 38, 12})); // (1, 1) moved by (74 \ 2, 22 \ 2)
    for (auto [caption, shown] : {std::pair{"&Save", "Save"}, {"A && B", "A & B"}}) {
        layout(caption);
        EXPECT_EQ(c.r.CaptionWidth, plainWidth(shown)) << caption;
    }
    setSize(60, 80);
    layout("one two three four five");
    EXPECT_LE(c.r.CaptionWidth, 60 - 3);
    EXPECT_GE(c.r.CaptionHeight, 2 * lineHeight());
    EXPECT_EQ(c.r.CaptionHeight % lineHeight(), 0);
    setSize(30, 40);
    layout("Supercalifragilistic");
    EXPECT_EQ(c.r.CaptionWidth, plainWidth("Supercalifragilistic"));
    EXPECT_EQ(c.r.CaptionHeight, lineHeight());
    // Wider than the button: centring moves it left of the client area.
    EXPECT_EQ(c.r.CaptionRect.left, 1 + (30 - (1 + c.r.CaptionWidth)) / 2);
    EXPECT_LT(c.r.CaptionRect.left, 0);
}

TEST_F(CaptionTest, UnknownPicturePositionMeasuresFromThePressedRectangle) {
    c.r.PicturePosition = 7;
    const int w = plainWidth("OK"), h = lineHeight();
    // From an all-zero pressed rectangle (wrap width 0) with no centring, then creeping.
    for (int i = 0; i < 3; ++i) {
        layout("OK");
        EXPECT_EQ(c.r.CaptionRect, (Rect{i, i, i + w, i + h}));
    }
    EXPECT_EQ(c.r.CaptionDownRect, (Rect{3, 3, 3 + w, 3 + h}));
}

TEST_F(CaptionTest, AccessKeyRules) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"&Save", "s"}, {"Save && E&xit", "x"}, {"A && B", ""}, {"&&", ""}, {"S&", ""}, {"&", ""},
        {"x", ""}, {"", ""}, {"Plain", ""}, {"&&&X", "x"}, {"a&&b&&c&d", ""}, {"a&&b&", ""},
        {"&1", "1"}, {"Open &File", "f"}, {"&&a&&b", ""}};
    // clang-format on
    for (auto [caption, key] : cases)
        EXPECT_EQ(accessKeyOf(QString::fromUtf8(caption)), QString::fromUtf8(key)) << caption;
    for (auto [caption, key] : {std::pair{"E&xit", "x"}, {"None", ""}}) {
        c.r.Caption = QString::fromUtf8(caption);
        SetAccessKey(c);
        EXPECT_EQ(host.accessKeys, QString::fromUtf8(key));
    }
}

TEST_F(CaptionTest, EachModeAndEffectDrawsItsCopiesInOrder) {
    // Mode, type, SpecialEffect, then the text outputs: offset from CaptionRect and colour.
    // The shaded modes (3 to 7) never draw the effect copies; 5 is 0xF0F0F0 shaded by -104
    // (blue 240 + (240 * -104) \ 192); any other mode draws nothing.
    struct Case {
        std::uint8_t mode;
        std::int32_t type, effect;
        Draws draws;
    };
    const Case cases[] = {
        {CaptionUp, ClassicBevel, 0, {{0, Text}}},
        {CaptionUp, ClassicBevel, -1, {{0, Text}}},
        {CaptionOver, ClassicBevel, 0, {{0, TextOver}}},
        {CaptionDown, ClassicBevel, 0, {{1, TextOver}}},
        {CaptionDown, RoundedBevel, 0, {{1, Light}}},
        {CaptionUp, ClassicBevel, EffectShadow, {{1, Darker}, {0, Text}}},
        {CaptionUp, ClassicBevel, 5, {{1, Darker}, {0, Text}}},
        {CaptionUp, ClassicBevel, EffectEmbossed, {{1, Darker}, {-1, Lighter}, {0, Text}}},
        {CaptionOver, ClassicBevel, EffectEngraved, {{1, Lighter}, {-1, Darker}, {0, TextOver}}},
        {CaptionDown, ClassicBevel, EffectShadow, {{2, Darker}, {1, TextOver}}},
        {CaptionUp, RoundedGradient, EffectShadow, {{1, GradientDarker}, {0, Text}}},
        {CaptionUp, RoundedBevel, EffectShadow, {{1, GradientDarker}, {0, Text}}},
        {CaptionUp, GradientFramed, EffectShadow, {{1, GradientDarker}, {0, Text}}},
        {CaptionEmbossed, ClassicBevel, EffectEmbossed, {{1, Highlight}, {0, Shadow}}},
        {CaptionGrey, ClassicBevel, EffectEmbossed, {{0, Shadow}}},
        {CaptionShaded, ClassicBevel, EffectEmbossed, {{0, rgb(136, 136, 110)}}},
        {CaptionFaceEmbossed, ClassicBevel, EffectEmbossed, {{1, Highlight}, {0, Face}}},
        {CaptionLightEmbossed, ClassicBevel, EffectEmbossed, {{1, 0x4E4E4E}, {0, Highlight}}},
        {9, ClassicBevel, EffectEmbossed, {}},
    };
    layout("WM#");
    for (auto [x, y] : textMask()) {
        ASSERT_TRUE(x >= c.r.CaptionRect.left && x < c.r.CaptionRect.right &&
                    y >= c.r.CaptionRect.top && y < c.r.CaptionRect.bottom);
    }
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << k.type << " effect " << k.effect);
        c.r.ButtonType = k.type;
        c.r.SpecialEffect = k.effect;
        expectDrawing(k.mode, k.draws);
    }
}

TEST_F(CaptionTest, HoveredFlatHighlightCopiesSitOnTheHoverFillOnlyWhenUpAndNotCustom) {
    c.r.ButtonType = FlatHighlight;
    c.r.SpecialEffect = EffectShadow;
    c.r.IsOver = true;
    c.r.HotFillColor = 0x404040;
    layout("WM#");
    c.r.LastState = StateUp;
    expectDrawing(CaptionOver, {{1, 0x181818}, {0, TextOver}});
    c.r.LastState = StateDown;
    expectDrawing(CaptionDown, {{2, Darker}, {1, TextOver}});
    c.r.LastState = StateUp;
    c.r.ColorScheme = SchemeCustom;
    expectDrawing(CaptionOver, {{1, Darker}, {0, TextOver}});
}

TEST_F(CaptionTest, AccessKeyLetterIsUnderlinedAndLinesAreCentred) {
    layout("Save");
    const PixelSet plain = textMask();
    c.r.Caption = QStringLiteral("&Save");
    const PixelSet marked = textMask();
    EXPECT_TRUE(std::includes(marked.begin(), marked.end(), plain.begin(), plain.end()));
    EXPECT_GT(marked.size(), plain.size());
    // Two lines of different width: the short one is centred over the long one.
    setSize(60, 60);
    layout("I WWWWWW");
    ASSERT_EQ(c.r.CaptionHeight, 2 * lineHeight());
    int minX = 1000, maxX = -1;
    for (auto [x, y] : textMask())
        if (y < c.r.CaptionRect.top + lineHeight()) {
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
        }
    const int centre2 = c.r.CaptionRect.left + c.r.CaptionRect.right; // doubled centre
    EXPECT_LE(std::abs(minX + maxX + 1 - centre2), 3);
}

} // namespace
} // namespace chameleon

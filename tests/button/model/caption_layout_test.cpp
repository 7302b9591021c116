// Caption layout and access key: where the caption and a picture go for each PicturePosition,
// word wrapping, and the access key. Text geometry is compared with the metrics of the same
// font, so the tests hold for any font the machine picks.
#include "button/model/derived.h"
#include "tests/button/model/recording_host.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <utility>

namespace chameleon::testing {
namespace {

struct CaptionLayoutTest : ::testing::Test {
    TestHost host{75, 23};
    Control c{host, host};
    CaptionLayoutTest() {
        host.surfaceFont = QFont(QStringLiteral("DejaVu Sans"));
        host.surfaceFont.setPixelSize(12);
        setSize(75, 23);
        c.r.PicturePosition = PictureBehind;
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
};

TEST_F(CaptionLayoutTest, EachPicturePositionSharesTheButtonWithA16PixelPicture) {
    // On 75 x 50: where measuring starts, what centring takes off, where the picture goes.
    struct Case {
        int position, left, top, offW, offH;
        QPoint (*picture)(const Rect& caption);
    };
    static const Case cases[] = {
        {PictureLeft, 17, 1, 0, 0, [](const Rect& r) { return QPoint(r.left - 16 - 4, 17); }},
        {PictureRight, 1, 1, 20, 0, [](const Rect& r) { return QPoint(r.right + 4, 17); }},
        {PictureTop, 1, 17, 0, 0, [](const Rect& r) { return QPoint(29, r.top - 16 - 2); }},
        {PictureBottom, 1, 1, 0, 20, [](const Rect& r) { return QPoint(29, r.bottom + 2); }},
        {PictureBehind, 1, 1, 0, 0, [](const Rect&) { return QPoint(29, 17); }}};
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

TEST_F(CaptionLayoutTest, MeasuresTheShownTextWrappedAtWordsWidenedByAWideWord) {
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

TEST_F(CaptionLayoutTest, AccessKeyRules) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"&Save", "s"}, {"Save && E&xit", "x"}, {"A && B", ""}, {"&&", ""}, {"S&", ""}, {"&", ""},
        {"x", ""}, {"", ""}, {"Plain", ""}, {"&&&X", "x"}, {"a&&b&&c&d", ""}, {"a&&b&", ""},
        {"&1", "1"}, {"Open &File", "f"}, {"&&a&&b", ""}};
    // clang-format on
    for (auto [caption, key] : cases)
        EXPECT_EQ(accessKeyOf(QString::fromUtf8(caption)), QString::fromUtf8(key)) << caption;
}

} // namespace
} // namespace chameleon::testing

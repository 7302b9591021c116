// Stored data a button must survive: pictures and fonts too large to draw are refused with
// error 380 before anything is allocated for them, and a few thousand mutated stores load,
// draw, save and load again without a crash.
#include "button/model/chameleon_button.h"
#include "button/model/property_bag.h"
#include "button/paint/metrics.h"
#include "common/numbered_error.h"
#include "tests/button/model/recording_host.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace chameleon {
namespace {

using testing::TestHost;

QByteArray pngOf(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toBase64();
}

// One stored icon of one pixel with the given HIMETRIC size, and one font of the given size.
QByteArray storedPicture(const char* himetric) {
    QImage pixel(1, 1, QImage::Format_ARGB32);
    pixel.fill(Qt::red);
    return QByteArray(R"([{"key":"picn","type":"pic","value":{"kind":"icon","himetricWidth":)") +
           himetric + R"(,"himetricHeight":)" + himetric + R"(,"png":")" + pngOf(pixel) + "\"}}]";
}
QByteArray storedFont(const char* size) {
    return QByteArray(R"([{"key":"font","type":"font","value":{"name":"Sans","size":)") + size +
           R"(,"bold":false,"italic":false,"underline":false}}])";
}

int errorOf(const QByteArray& json) {
    try {
        TestHost host;
        chameleonButton button(host, host);
        button.newInstance();
        button.load(PropertyBag::fromJsonBytes(json));
        button.resize();
        button.show();
        return 0;
    } catch (const qdct::NumberedError& e) {
        return e.number();
    }
}

TEST(StoreLimits, PicturesAndFontsTooLargeToDrawAreRefused) {
    // 4096 pixels on a side is 108373 HIMETRIC at 96 dots per inch; one more pixel is refused.
    const std::pair<const char*, int> pictures[] = {
        {"2147483647", 380}, {"300000", 380}, {"108400", 380},
        {"-26", 380},        {"108373", 0},   {"26", 0},
    };
    for (auto [himetric, error] : pictures)
        EXPECT_EQ(errorOf(storedPicture(himetric)), error) << himetric;
    const std::pair<const char*, int> fonts[] = {
        {"1e400", 380}, {"4097", 380}, {"0", 380}, {"4096", 0}, {"8.25", 0}};
    for (auto [size, error] : fonts) EXPECT_EQ(errorOf(storedFont(size)), error) << size;

    // The setter refuses such a picture before it changes anything.
    TestHost host;
    chameleonButton button(host, host);
    auto huge = std::make_shared<Picture>();
    huge->image = QImage(1, 1, QImage::Format_ARGB32);
    huge->kind = Picture::Icon;
    huge->himetricWidth = huge->himetricHeight = 300000;
    EXPECT_THROW(button.setPictureNormal(huge), qdct::NumberedError);
    EXPECT_EQ(button.PictureNormal(), nullptr);
    EXPECT_TRUE(host.notices.empty());
}

// A configured button's store, mutated a few thousand times with a fixed seed: numbers turned
// into extremes, bytes flipped, the text cut short. Every store either loads, draws in each
// look, saves and loads again, or is refused with a numbered error.
TEST(StoreLimits, MutatedStoresLoadDrawAndSaveOrAreRefused) {
    TestHost host(60, 24);
    chameleonButton source(host, host);
    source.newInstance();
    source.setCaption(QStringLiteral("&Start Cutting"));
    source.setButtonType(RoundedGradient);
    QImage picture(12, 10, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    source.setPictureNormal(makePicture(picture, Picture::Bitmap));
    PropertyBag bag;
    source.save(bag);
    const QByteArray original = bag.toJsonBytes();

    const QByteArray extremes[] = {"2147483647", "-2147483648", "1e400", "-1",   "0",  "32768",
                                   "1e-300",     "\"x\"",       "null",  "true", "[]", "{}"};
    QRandomGenerator rng(20261206);
    int loaded = 0, refused = 0;
    // Edits stay outside the picture's PNG text, whose damage the image reader reports.
    const qsizetype pngStart = original.indexOf("\"png\"");
    const qsizetype pngEnd = original.indexOf('"', pngStart + 7);
    const auto outsidePng = [&](qsizetype at) { return at < pngStart || at > pngEnd; };
    for (int round = 0; round < 3000; ++round) {
        QByteArray json = original;
        const int at = rng.bounded(int(json.size()));
        const int kind = rng.bounded(10);
        if (kind < 7) { // a number or literal where a value stood
            const qsizetype start = json.indexOf(':', at);
            const qsizetype end = start < 0 ? -1 : json.indexOf(',', start);
            if (end > start && outsidePng(start))
                json.replace(start + 1, end - start - 1, extremes[rng.bounded(12)]);
        } else if (kind < 9) {
            if (outsidePng(at)) json[at] = char(rng.bounded(256));
        } else if (outsidePng(at)) {
            json.truncate(at);
        }
        try {
            TestHost h(60, 24);
            chameleonButton button(h, h);
            button.newInstance();
            button.load(PropertyBag::fromJsonBytes(json));
            button.resize();
            button.show();
            h.pointerOver = true;
            button.mouseMove(0, 0, 5, 5);
            button.mousePress(1, 0, 5, 5);
            button.setEnabled(false);
            PropertyBag saved;
            button.save(saved);
            PropertyBag::fromJsonBytes(saved.toJsonBytes());
            ++loaded;
        } catch (const qdct::NumberedError&) {
            ++refused;
        }
    }
    RecordProperty("loaded", loaded);
    RecordProperty("refused", refused);
    EXPECT_GT(loaded, 100);
    EXPECT_GT(refused, 100);
}

} // namespace
} // namespace chameleon

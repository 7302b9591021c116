// Pictures: measuring, every kind of pixel DrawMaskedPicture writes, and the choices DrawPicture
// makes per state.
#include "button/model/derived.h"
#include "button/model/redraw.h"
#include "button/paint/picture.h"
#include "tests/button/model/recording_host.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string_view>
#include <tuple>
#include <vector>

namespace chameleon::testing {
namespace {

constexpr Rgb Silver = 0xC0C0C0; // the mask colour
constexpr Rgb Face = 0x336699;   // what the surface is filled with
constexpr Rgb Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, White = 0xFFFFFF;

// A bitmap from its pixels, row by row.
PicturePtr bitmap(int w, int h, const std::vector<Rgb>& pixels) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int i = 0; i < w * h; ++i) img.setPixel(i % w, i / w, qrgb(pixels[i]));
    return makePicture(img, Picture::Bitmap);
}

// A size by size bitmap: a silver border, a ring of `ring` inside it and a `core` within.
PicturePtr squares(int size, Rgb ring, Rgb core) {
    QImage img(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int edge = std::min({x, y, size - 1 - x, size - 1 - y});
            img.setPixel(x, y, qrgb(edge == 0 ? Silver : edge == 1 ? ring : core));
        }
    return std::make_shared<Picture>(Picture{Picture::Bitmap, img, size * 100, size * 100});
}

// One pixel per HIMETRIC hundred, so that a test can give a picture any size in pixels and halves.
struct HundredthsHost : TestHost {
    using TestHost::TestHost;
    double himetricToPixelsX(double h) const override { return h / 100.0; }
    double himetricToPixelsY(double h) const override { return h / 100.0; }
};

struct PictureTest : ::testing::Test {
    HundredthsHost host{40, 30};
    Control c{host, host};
    PictureTest() {
        clear();
        c.r.UseMaskColor = true;
        c.r.MaskColor = Silver;
        c.r.ColorScheme = SchemeClassic;
    }
    void clear() { host.image.fill(qrgb(Face)); }
    void setPicture(PicturePtr p) {
        c.r.PictureNormal = std::move(p);
        MeasurePicture(c);
        c.r.PictureX = c.r.PictureY = 10;
    }
    void draw(const PicturePtr& p, int x, int y, int w, int h) {
        DrawMaskedPicture(host.image, x, y, w, h, *p, Silver, -1, false, false, false, true);
    }
    void drawPicture(std::uint8_t mode) {
        const ButtonFace face = faceFor(c, c.r.LastState);
        Drawing d(host.image, face);
        DrawPicture(d, mode);
    }
};

// A HIMETRIC size measures to whole pixels, exact halves to even: 2.5 -> 2, 3.5 -> 4.
TEST_F(PictureTest, MeasuresHimetricRoundingHalvesToEven) {
    setPicture(std::make_shared<Picture>(Picture{Picture::Bitmap, {}, 250, 350}));
    EXPECT_EQ(QSize(c.r.PictureWidth, c.r.PictureHeight), QSize(2, 4));
    setPicture(nullptr);
    EXPECT_EQ(QSize(c.r.PictureWidth, c.r.PictureHeight), QSize(0, 0));
}

// Every pixel in place for an odd width, clipped at the surface's edges and at the bitmap's.
TEST_F(PictureTest, OddWidthBitmapIsDrawnWithEveryPixelInPlaceAndClipped) {
    auto at = [](int x, int y) { return rgb(x * 16, y * 30, 200); }; // the bitmap's own pixel
    std::vector<Rgb> pixels;
    for (int i = 0; i < 15 * 7; ++i) pixels.push_back(at(i % 15, i / 15));
    const PicturePtr p = bitmap(15, 7, pixels);
    draw(p, -2, -1, 15, 7);
    draw(p, 30, 25, 15, 7);
    draw(p, 17, 12, 20, 10); // asked for more than the bitmap has
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const Rgb expected = x < 13 && y < 6                          ? at(x + 2, y + 1)
                                 : x >= 30 && y >= 25                     ? at(x - 30, y - 25)
                                 : x >= 17 && x < 32 && y >= 12 && y < 19 ? at(x - 17, y - 12)
                                                                          : Face;
            ASSERT_EQ(host.pixel(x, y), expected) << x << "," << y;
        }
}

// Each row draws a picture at (0, row) in one way; flags: m UseMaskColor, d DarkOnly, g Greyscale,
// b Blend. The pixels run on past the drawing to show that nothing lands beyond it.
TEST_F(PictureTest, EveryKindOfPixel) {
    QImage img(3, 1, QImage::Format_ARGB32);
    img.setPixelColor(0, 0, QColor(0, 0, 255, 255));
    img.setPixelColor(1, 0, QColor(0, 0, 0, 0));
    img.setPixelColor(2, 0, QColor(255, 255, 255, 128));
    const PicturePtr icon = makePicture(img, Picture::Icon);
    const PicturePtr masked = bitmap(3, 1, {Silver, Red, 0});
    const PicturePtr colours = bitmap(6, 1, {White, Red, Green, Blue, 0, rgb(5, 0, 0)});
    const PicturePtr blended = bitmap(2, 1, {0, rgb(255, 100, 10)});
    const PicturePtr shades = bitmap(4, 1, {0x808080, rgb(128, 128, 129), Silver, White});
    // The picture, width, height, SolidColor, flags and the pixels of the row.
    const std::tuple<PicturePtr, int, int, std::int32_t, std::string_view, std::vector<Rgb>>
        rows[] = {
            // The mask colour is transparent only with UseMaskColor, black never.
            {masked, 3, 1, -1, "m", {Face, Red, 0, Face}},
            {masked, 3, 1, -1, "", {Silver, Red, 0, Face}},
            // Zero width or height draws nothing; a negative one takes the picture's own size.
            {masked, 0, 1, -1, "", {Face}},
            {masked, 3, 0, -1, "", {Face}},
            {masked, -1, -1, -1, "", {Silver, Red, 0, Face}},
            // Grey takes precedence over blend and rounds like the runtime: white 254, red 76
            // (round(76.5), halves to even), green 150, blue 28, black 0, (5, 0, 0) round(1.5) = 2.
            {colours, 6, 1, -1, "mgb", {0xFEFEFE, 0x4C4C4C, 0x969696, 0x1C1C1C, 0, 0x020202, Face}},
            // Blend: two thirds picture, one third the face (153, 102, 51), rounded down.
            {blended, 2, 1, -1, "mb", {rgb(51, 34, 17), rgb(221, 100, 23), Face}},
            // Silhouettes: DarkOnly keeps r + g + b = 384, drops 385; never the mask, grey or
            // blend.
            {shades, 4, 1, Green, "mdgb", {Green, Face, Face, Face, Face}},
            {shades, 4, 1, 0, "m", {0, 0, Face, 0, Face}},
            // Icons are composed on the mask colour; one pixel wider than the icon, and
            // half-transparent white on silver gives 224.
            {icon, 4, 1, -1, "", {Blue, Silver, rgb(224, 224, 224), Silver, Face}},
            {icon, 4, 1, -1, "m", {Blue, Face, rgb(224, 224, 224), Face, Face}}};
    for (int y = 0; y < int(std::size(rows)); ++y) {
        const auto& [picture, width, height, solid, flags, pixels] = rows[y];
        const auto has = [&](char flag) { return flags.find(flag) != flags.npos; };
        DrawMaskedPicture(host.image, 0, y, width, height, *picture, Silver, solid, has('d'),
                          has('g'), has('b'), has('m'));
        for (int x = 0; x < int(pixels.size()); ++x)
            EXPECT_EQ(host.pixel(x, y), pixels[x]) << "row " << y << " x " << x;
    }
}

// Drawn at (10, 10) shifted by the state: a silver border, a light ring and a red core (green in
// PictureOver); each case gives pixels (9, 9) to (16, 16): "..LRRL.." at +0, "...LRRL." at +1.
TEST_F(PictureTest, DrawPictureChoosesPictureShiftAndColoursPerState) {
    // Name, type, mode, hovered, with PictureOver, UseGreyscale, SpecialEffect, the diagonal.
    using Case =
        std::tuple<const char*, std::int32_t, std::uint8_t, bool, bool, bool, int, const char*>;
    const Case cases[] = {
        {"up grey", ClassicBevel, 0, false, true, true, 0, "..LggL.."},
        {"up hovered, not grey", ClassicBevel, 0, true, false, true, 0, "..LRRL.."},
        {"up hovered, PictureOver", ClassicBevel, 0, true, true, false, 0, "..LGGL.."},
        {"down DoubleFrame PictureOver", DoubleFrame, 1, false, true, false, 0, "..LGGL.."},
        {"down DoubleFrame", DoubleFrame, 1, false, false, false, 0, "..LRRL.."},
        {"FlatHighlight washed out", FlatHighlight, 0, false, true, false, 0, "..lbbl.."},
        {"FlatHighlight hovered", FlatHighlight, 0, true, true, false, 0, ".LRRLSS."},
        {"FlatHighlight down", FlatHighlight, 1, true, true, false, 0, "..LRRL.."},
        {"disabled", ClassicBevel, 2, false, false, false, 0, "...SSH.."},
        {"disabled DoubleFrame", DoubleFrame, 2, false, false, false, 0, "...SS..."},
        {"disabled ThickRaised", ThickRaised, 2, false, false, false, 0, "...SS..."},
        {"disabled FlatHighlight", FlatHighlight, 2, false, false, false, 0, "...ff..."},
        {"disabled RoundedGradient", RoundedGradient, 2, false, false, false, 0, "...LggL."},
        {"no such mode", ClassicBevel, 3, false, false, false, 0, "........"},
        {"embossed", ClassicBevel, 0, false, false, false, EffectEmbossed, ".+LRRL-."},
        {"engraved", ClassicBevel, 0, false, false, false, EffectEngraved, ".-LRRL+."},
        {"down, shadow, not grey", ClassicBevel, 1, false, false, true, 7, "...LRRL-"},
        {"down PictureOver, no effect", ClassicBevel, 1, false, true, false, 3, "...LGGL."},
        {"shadow on the gradient base", RoundedGradient, 0, false, false, false, 3, "..LRRLc."}};
    // g grey red, l b ring and red washed out, f shadow + 13, + - the classic face +-40, c the
    // gradient base 0xF0F0F0 - 40.
    const std::map<char, Rgb> legend = {
        {'.', Face},     {'L', 0xFAFAFA}, {'R', Red},      {'G', Green}, {'g', 0x4C4C4C},
        {'l', 0xB7C8D9}, {'b', 0x1122DD}, {'S', 0x808080}, {'H', White}, {'f', 0x8D8D8D},
        {'+', 0xE8E8E8}, {'-', 0x989898}, {'c', 0xC8C8C8}};
    const PicturePtr normal = squares(6, 0xFAFAFA, Red), over = squares(6, 0xFAFAFA, Green);
    for (const auto& [name, type, mode, hovered, withOver, greyscale, effect, diagonal] : cases) {
        SCOPED_TRACE(name);
        clear();
        setPicture(normal);
        c.r.PictureOver = withOver ? over : nullptr;
        c.r.ButtonType = type;
        c.r.IsOver = hovered;
        c.r.UseGreyscale = greyscale;
        c.r.SpecialEffect = effect;
        ApplyColorScheme(c);
        drawPicture(mode);
        for (int i = 0; i < 8; ++i) EXPECT_EQ(host.pixel(9 + i, 9 + i), legend.at(diagonal[i]));
        // Without PictureNormal nothing at all is drawn, even with PictureOver.
        clear();
        setPicture(nullptr);
        drawPicture(mode);
        for (int i = 0; i < 8; ++i) EXPECT_EQ(host.pixel(9 + i, 9 + i), Face);
    }
}

} // namespace
} // namespace chameleon::testing

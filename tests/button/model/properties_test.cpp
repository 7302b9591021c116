// The button's properties and their persistence: what each setter repaints (counted as clears of
// the surface) and notifies in which order, defaults, pointers, DisableRefresh/Refresh, resizing,
// every stored key through a load and a save, and stored data a button must survive: pictures
// and fonts too large to draw refused with error 380, and damaged stores that never crash.
#include "button/model/property_bag.h"
#include "button/paint/colors.h"
#include "common/numbered_error.h"
#include "tests/button/model/recording_host.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

namespace chameleon::testing {
namespace {

using Notices = std::vector<std::string>;
using B = chameleonButton;

// The error f throws; number 0 when it throws none.
qdct::NumberedError thrown(const std::function<void()>& f) {
    try {
        f();
    } catch (const qdct::NumberedError& e) {
        return e;
    }
    return qdct::NumberedError(0, "", "no error");
}

using Stored = std::pair<const char*, PropertyValue>;
template <class Entries = std::initializer_list<Stored>>
PropertyBag bagOf(const Entries& entries) {
    PropertyBag bag;
    for (const auto& [key, value] : entries) bag.write(key, value);
    return bag;
}

struct PropertiesTest : ::testing::Test, ShownButtonFixture {};

// The store itself: keys matched without case, reads that convert or are refused naming the key.
TEST(PropertyBagTest, KeysMatchWithoutCaseAndReadsConvertOrRefuseNamingTheKey) {
    const Stored entries[] = {
        {"_extentx", 1402},          {"btype", 3},   {"tx", QString("Quit")}, {"BTYPE", 4},
        {"small", std::int16_t{-5}}, {"big", 70000}, {"text", QString("7")},  {"flag", true}};
    PropertyBag bag = bagOf(entries);
    ASSERT_EQ(bag.size(), 7u);
    EXPECT_EQ(bag.entries()[1].key, "btype");
    EXPECT_EQ(bag.readInt32("Btype", 2), 4);
    EXPECT_TRUE(bag.remove("Tx"));
    EXPECT_FALSE(bag.remove("tx"));
    EXPECT_EQ(bag.readInt32("small", 0), -5);
    EXPECT_EQ(bag.readInt16("small", 0), -5);
    using qdct::errnum::kTypeMismatch;
    const std::tuple<std::function<void()>, int, std::string> refused[] = {
        {[&] { bag.readInt16("big", 0); }, qdct::errnum::kOverflow, "big"},
        {[&] { bag.readInt32("text", 0); }, kTypeMismatch, "text"},
        {[&] { bag.readBool("big", false); }, kTypeMismatch, "big"},
        {[&] { bag.readString("flag", ""); }, kTypeMismatch, "flag"},
        {[&] { bag.readPicture("text", nullptr); }, kTypeMismatch, "text"},
        {[&] { bag.readFont("flag", QFont()); }, kTypeMismatch, "flag"}};
    for (const auto& [read, number, key] : refused) {
        const qdct::NumberedError e = thrown(read);
        EXPECT_EQ(e.number(), number) << key;
        EXPECT_NE(std::string(e.what()).find('"' + key + '"'), std::string::npos) << e.what();
    }
}

TEST(PropertiesDefaultsTest, NewInstanceAndEmptyStoreGiveTheDefaultsWithoutDrawing) {
    TestHost host, empty;
    host.displayName = "chameleonButton3";
    host.ambFont = QFont("Arial");
    empty.surfaceFont = QFont("Courier");
    empty.surfaceEnabled = false;
    chameleonButton button(host, host), loaded(empty, empty);
    EXPECT_EQ(button.Version(), "2.0.6 B");
    button.newInstance();
    button.Refresh(); // nothing is drawn before the first resize, not even by Refresh
    loaded.load(PropertyBag{});
    EXPECT_EQ(button.Caption(), "chameleonButton3");
    EXPECT_EQ(host.surfaceFont, host.ambFont);
    EXPECT_EQ(host.clears + host.notices.size(), 0u);
    EXPECT_EQ(loaded.FontName(), "Courier");
    EXPECT_TRUE(empty.surfaceEnabled);
    EXPECT_EQ(empty.notices, Notices{"HAND"}); // only the HandPointer setter speaks
    EXPECT_EQ(empty.clears, 0);
    for (const B* b : {&button, &loaded}) {
        // Back, back over, fore, fore over and mask colour as plain RGB, not system colours.
        EXPECT_EQ((std::array{b->BackColor(), b->BackOver(), b->ForeColor(), b->ForeOver(),
                              b->MaskColor()}),
                  (std::array<OleColor, 5>{0xC8D0D4, 0xC8D0D4, 0, 0, 0xC0C0C0}));
        EXPECT_EQ(std::pair(b->ButtonType(), b->ColorScheme()),
                  (std::pair<int, int>(ClassicBevel, SchemeSystem)));
        EXPECT_TRUE(b->Enabled() && b->ShowFocusRect() && b->UseMaskColor());
    }
    for (const auto& [points, read] : {std::pair(8.25, 8), {8.5, 8}, {9.5, 10}}) {
        empty.surfaceFont.setPointSizeF(points); // whole points, halves to even
        EXPECT_EQ(loaded.FontSize(), read) << points;
    }
}

// One assignment: its repaints, its notice (nullptr: none), the state it leaves drawn, and
// whether the notice comes first. Fields set directly set up a state no drawing may reveal.
struct SetterCase {
    std::function<void(B&)> set;
    int clears;
    const char* notice;
    std::uint8_t state = StateUp;
    bool noticeFirst = false;
};

const SetterCase kSetterCases[] = {
    {[](B& b) { b.setBackColor(0xFF); }, 1, "BCOL"},
    {[](B& b) { b.setBackOver(0xFF); }, 1, "BCOLO"},
    {[](B& b) { b.setForeColor(0xFF00); }, 1, "FCOL"},
    {[](B& b) { b.setForeOver(0xFF00); }, 1, "FCOLO"},
    {[](B& b) { b.setMaskColor(0xFF00FF); }, 1, "MCOL"},
    {[](B& b) { b.setButtonType(RoundedBevel); }, 1, "BTYPE"},
    {[](B& b) { b.setCaption("&Go"); }, 1, "TX"},
    {[](B& b) { b.setEnabled(false); }, 1, "ENAB"},
    {[](B& b) { b.setFont(QFont("Arial")); }, 1, "FONT"},
    {[](B& b) { b.setColorScheme(SchemeClassic); }, 1, "COLTYPE"},
    {[](B& b) { b.setShowFocusRect(false); }, 1, "FOCUSR"},
    {[](B& b) { b.setSoftBevel(true); }, 1, "SOFT"},
    {[](B& b) { b.setPictureNormal(picture()); }, 1, "PICN"},
    {[](B& b) { b.setSpecialEffect(EffectShadow); }, 1, "FX"},
    {[](B& b) { b.setCheckBoxBehaviour(true); }, 1, "CHECK"},
    {[](B& b) { b.setPicturePosition(PictureTop); }, 1, "PICPOS", 0, true},
    // Not hovered, no PictureNormal, not a check box: nothing shows the change...
    {[](B& b) { b.setPictureOver(picture()); }, 0, "PICO"},
    {[](B& b) { b.setUseMaskColor(false); }, 0, "UMCOL"},
    {[](B& b) { b.setUseGreyscale(true); }, 0, "NGREY"},
    {[](B& b) { b.setValue(true); }, 0, "VALUE"},
    // ...until something does.
    {[](B& b) { b.control().r.IsOver = true, b.setPictureOver({}); }, 1, "PICO"},
    {[](B& b) { b.control().r.PictureNormal = picture(), b.setUseMaskColor(true); }, 1, "UMCOL"},
    {[](B& b) { b.control().r.PictureNormal = picture(), b.setUseGreyscale(true); }, 1, "NGREY"},
    {[](B& b) { b.control().r.Value = true, b.setCheckBoxBehaviour(true); }, 1, "CHECK", StateDown},
    {[](B& b) { b.control().r.CheckBoxBehaviour = true, b.setValue(true); }, 1, "VALUE", StateDown},
    {[](B& b) { b.setMousePointer(3); }, 0, "MPTR"},
    {[](B& b) { b.setMouseIcon(picture()); }, 0, "MICON"},
    {[](B& b) { b.setHandPointer(true); }, 0, "HAND"},
    {[](B& b) { b.setHandPointer(false); }, 0, "HAND"},
    {[](B& b) { b.setFontBold(true); }, 1, nullptr},
    {[](B& b) { b.setFontItalic(true); }, 1, nullptr},
    {[](B& b) { b.setFontUnderline(true); }, 1, nullptr},
    {[](B& b) { b.setFontSize(9); }, 1, nullptr},
    {[](B& b) { b.setFontName("Courier"); }, 1, nullptr}};

TEST_F(PropertiesTest, RepaintAndNotifyInTheirOrderEvenForTheSameValue) {
    for (const SetterCase& c : kSetterCases) {
        SCOPED_TRACE(::testing::Message() << "case " << (&c - kSetterCases));
        ShownButtonFixture s;
        for (int round = 0; round < 2; ++round) {
            s.reset();
            c.set(s.button);
            EXPECT_EQ(s.host.clears, c.clears);
            EXPECT_EQ(s.r().LastState, c.state);
            EXPECT_EQ(s.host.notices, c.notice ? Notices{c.notice} : Notices{});
            if (c.notice && !s.host.notices.empty()) {
                EXPECT_EQ(s.host.clearsAtNotice[0], c.noticeFirst ? 0 : c.clears);
            }
        }
    }
}

TEST_F(PropertiesTest, HideAndDisableRefreshHoldDrawingUntilShowOrRefresh) {
    button.setCheckBoxBehaviour(true);
    button.setValue(true); // drawn down
    reset();
    button.hide();
    button.setCaption("Hidden");
    button.show();
    button.DisableRefresh();
    button.setBackColor(0xFF);
    button.setCaption("Later");
    button.setButtonType(RoundedBevel);
    EXPECT_EQ(host.clears, 1); // the showing only
    button.Refresh();
    EXPECT_EQ(host.clears, 2);
    EXPECT_EQ(std::pair(r().LastState, r().LastCaption),
              std::pair(std::uint8_t{StateDown}, QString("Later")));
}

// The focus rectangle by style, and a zero height (unchanged while capturing).
TEST_F(PropertiesTest, ResizeSetsFocusRectAndShapeAndSkipsZeroHeight) {
    const std::pair<std::int32_t, Rect> cases[] = {
        {0, {4, 4, 71, 19}},    {ThickRaised, {4, 4, 71, 19}},    {ThinRaised, {3, 3, 72, 20}},
        {Oval, {3, 3, 72, 20}}, {GradientFramed, {6, 6, 71, 19}}, {15, {4, 4, 71, 19}}};
    for (const auto& [type, focus] : cases) {
        button.setButtonType(type);
        EXPECT_EQ(r().FocusRect, focus) << "ButtonType " << type;
    }
    button.setButtonType(ClassicBevel);
    reset();
    const Rect before = r().FocusRect;
    button.control().r.CapturingBackground = true;
    host.resize(50, 0);
    button.resize();
    EXPECT_EQ(r().FocusRect, before);
    button.control().r.CapturingBackground = false;
    button.resize();
    EXPECT_EQ(r().ClientWidth, 50);
    EXPECT_EQ(r().FocusRect, (Rect{4, 4, 46, -4}));
    EXPECT_EQ(host.clears, 0);
}

// Every key, not at its default, in the order of a save: loading and saving again gives the
// same bytes. A save keeps the host's own entries and drops empty pictures.
TEST_F(PropertiesTest, EveryKeyInItsOrderSurvivesLoadAndSave) {
    QFont font("Arial", 11, QFont::Bold, true);
    font.setUnderline(true);
    // BTYPE out of range, kept; BCOL a system colour index, stored negative; MPTR what HAND
    // True leaves; VALUE unlike CHECK, so the two cannot be read into each other.
    // clang-format off
    const Stored entries[] = {
        {"BTYPE", 20}, {"TX", QString("&Start Cutting")}, {"ENAB", false}, {"FONT", font},
        {"COLTYPE", SchemeCustom}, {"FOCUSR", false}, {"BCOL", std::int32_t(0x80000005)},
        {"BCOLO", 0x123456}, {"FCOL", 0x654321}, {"FCOLO", 0x0000FF}, {"MCOL", 0xFF00FF},
        {"MPTR", std::int16_t{PointerCustom}}, {"MICON", host.hand}, {"PICN", picture(3)},
        {"PICH", picture(2, Picture::Icon)}, {"UMCOL", false}, {"SOFT", true},
        {"PICPOS", PictureBehind}, {"NGREY", true}, {"FX", EffectShadow}, {"HAND", true},
        {"CHECK", true}, {"VALUE", false}};
    // clang-format on
    const PropertyBag bag = bagOf(entries);
    button.load(PropertyBag::fromJsonBytes(bag.toJsonBytes()));
    EXPECT_TRUE(host.accessKeys == "s" && button.Font() == font); // the store's bytes hold them
    PropertyBag again;
    button.save(again);
    EXPECT_EQ(again.toJsonBytes(), bag.toJsonBytes());
    chameleonButton fresh(host, host);
    fresh.newInstance();
    PropertyBag saved;
    saved.write("_extentx", 1402);
    saved.write("picn", picture()); // from an earlier save: it must not load again
    fresh.save(saved);
    EXPECT_EQ(saved.size(), 22u);
    EXPECT_EQ(saved.entries()[0].key, "_extentx");
    EXPECT_FALSE(saved.contains("PICN") || saved.contains("PICH"));
}

// The pointer setters narrow or fail without a notice; a load's HandPointer decides the pointer,
// and missing hover colours follow the loaded ones.
TEST_F(PropertiesTest, PointersFollowHandPointerAndMissingHoverColoursTheLoadedOnes) {
    button.setMousePointer(3);
    const PicturePtr first = picture();
    button.setMouseIcon(first);
    reset();
    EXPECT_EQ(thrown([&] { button.setMousePointer(40000); }).number(), qdct::errnum::kOverflow);
    const PicturePtr hand = std::exchange(host.hand, nullptr);
    const std::string handError = thrown([&] { button.setHandPointer(true); }).what();
    EXPECT_NE(handError.find("101"), std::string::npos) << handError;
    EXPECT_TRUE(button.HandPointer()); // stored before it failed
    EXPECT_EQ(std::pair(host.pointer, host.icon), std::pair(std::int16_t{3}, first));
    EXPECT_TRUE(host.notices.empty());

    host.hand = hand;
    const Stored entries[] = {{"bcol", 0x0000FF},        {"fcol", 0x00FF00}, {"enab", false},
                              {"mptr", std::int16_t{1}}, {"micon", first},   {"hand", false}};
    PropertyBag bag = bagOf(entries);
    button.load(bag);
    EXPECT_EQ(std::pair(button.BackOver(), button.ForeOver()), std::pair(0x0000FFu, 0x00FF00u));
    EXPECT_FALSE(host.surfaceEnabled || host.icon);
    EXPECT_EQ(host.pointer, PointerArrow);
    bag.write("mptr", std::int16_t{5});
    bag.write("hand", true);
    button.load(bag);
    EXPECT_EQ(std::pair(host.pointer, host.icon), std::pair(std::int16_t{PointerCustom}, hand));
}

TEST_F(PropertiesTest, AValueOfTheWrongTypeStopsTheLoadAtItsKey) {
    const PropertyBag bag = bagOf({{"btype", 6}, {"tx", 12}, {"enab", false}}); // tx: not text
    reset();
    const qdct::NumberedError e = thrown([&] { button.load(bag); });
    EXPECT_EQ(e.number(), qdct::errnum::kTypeMismatch);
    EXPECT_NE(std::string(e.what()).find("\"TX\""), std::string::npos) << e.what();
    EXPECT_TRUE(button.ButtonType() == 6 && button.Enabled()); // read before the bad key, not after
    EXPECT_TRUE(host.notices.empty());
}

// A 1-pixel icon of the given HIMETRIC size, and a store of it or of a font of the given size.
PicturePtr iconOfSize(int width, int height) {
    return std::make_shared<Picture>(
        Picture{Picture::Icon, picture(1, Picture::Icon)->image, width, height});
}
QByteArray storedPicture(int width, int height) {
    return bagOf({{"picn", iconOfSize(width, height)}}).toJsonBytes();
}
QByteArray storedFont(const char* size) {
    return QByteArray(R"([{"key":"font","type":"font","value":{"name":"Sans","size":)") + size +
           R"(,"bold":false,"italic":false,"underline":false}}])";
}

// The error a new button raises loading the stored json, sizing, showing, drawn hovered,
// pressed and disabled, and saving (0: none).
int errorOf(const QByteArray& json) {
    TestHost host(60, 24);
    host.hand = picture(32, Picture::Icon);
    chameleonButton button(host, host);
    PropertyBag saved;
    return thrown([&] {
               button.newInstance();
               button.load(PropertyBag::fromJsonBytes(json));
               button.resize();
               button.show();
               host.pointerOver = true;
               button.mouseMove(0, 0, 5, 5);
               button.mousePress(1, 0, 5, 5);
               button.setEnabled(false);
               button.save(saved);
               PropertyBag::fromJsonBytes(saved.toJsonBytes());
           })
        .number();
}

TEST(StoreLimits, PicturesAndFontsTooLargeToStoreAreRefusedByStoreAndSetterAlike) {
    // 4096 pixels on a side is 108373.3 HIMETRIC at 96 dots per inch; 108374 is refused.
    const std::tuple<int, int, int> pictures[] = {
        {2147483647, 1, 380}, {1, 300000, 380},    {108374, 1, 380}, {1, 108374, 380},
        {1, -26, 380},        {108373, 108373, 0}, {26, 1, 0}};
    for (auto [width, height, error] : pictures)
        EXPECT_EQ(errorOf(storedPicture(width, height)), error) << width << " x " << height;
    const std::pair<const char*, int> fonts[] = {
        {"1e400", 380}, {"4097", 380}, {"0", 380}, {"4096", 0}, {"8.25", 0}};
    for (auto [size, error] : fonts) EXPECT_EQ(errorOf(storedFont(size)), error) << size;

    // Every picture and font setter refuses what the store refuses, before it changes anything,
    // and takes the limit itself: pixels 4097 x 2 are refused as a HIMETRIC size is.
    const auto pixels = [](int w) {
        return makePicture(QImage(w, 2, QImage::Format_RGB32), Picture::Bitmap);
    };
    // A font asked for in pixels is kept in points, 3/4 of its pixels: 5461 is 4095.75 points.
    const auto sized = [](double points, int pixels = 0) {
        QFont f(QStringLiteral("Sans"));
        f.setPointSizeF(points);
        if (pixels) f.setPixelSize(pixels); // in place of the points
        return f;
    };
    using Set = std::function<void(B&)>;
    const std::pair<Set, int> setters[] = {
        {[&](B& b) { b.setPictureNormal(pixels(4097)); }, 380},
        {[&](B& b) { b.setPictureOver(pixels(4097)); }, 380},
        {[&](B& b) { b.setMouseIcon(pixels(4097)); }, 380},
        {[&](B& b) { b.setPictureOver(iconOfSize(108374, 1)); }, 380},
        {[&](B& b) { b.setMouseIcon(iconOfSize(1, 108374)); }, 380},
        {[&](B& b) { b.setPictureOver(pixels(4096)); }, 0},
        {[&](B& b) { b.setMouseIcon(iconOfSize(108373, 108373)); }, 0},
        {[&](B& b) { b.setFontSize(4097); }, 380},
        {[&](B& b) { b.setFontSize(0); }, 380},
        {[&](B& b) { b.setFontSize(4096); }, 0},
        {[&](B& b) { b.setFont(sized(4096.5)); }, 380},
        {[&](B& b) { b.setFont(sized(4096)); }, 0},
        {[&](B& b) { b.setFont(sized(1, 5462)); }, 380},
        {[&](B& b) { b.setFont(sized(1, 5461)); }, 0}};
    for (const auto& [set, error] : setters) {
        SCOPED_TRACE(&set - &setters[0].first);
        ShownButtonFixture f;
        PropertyBag before, after;
        f.button.save(before);
        EXPECT_EQ(thrown([&] { set(f.button); }).number(), error);
        f.button.save(after);
        EXPECT_EQ(before.toJsonBytes() == after.toJsonBytes(), error != 0);
        EXPECT_TRUE(error == 0 || f.host.clears == 0); // nothing drawn for a refusal
        EXPECT_EQ(errorOf(after.toJsonBytes()), 0);
    }
}

// Random values for every property, set one after another: whatever a setter accepts is saved,
// loads into a new button and saves the same again. Only the pointer follows the store's own
// rule: the loaded HandPointer decides it.
TEST(StoreLimits, WhatTheSettersAcceptIsSavedAndLoadsBackTheSame) {
    QRandomGenerator rng(20261207);
    const auto flip = [&] { return rng.bounded(2) == 1; };
    const auto number = [&] {
        const std::int32_t edges[] = {0, 1, -1, 5, 11, 14, 99, 32767, -32768, 2147483647};
        return flip() ? edges[rng.bounded(10)] : std::int32_t(rng.generate());
    };
    const auto text = [&] {
        QString t;
        for (int n = rng.bounded(6); n > 0; --n) t += QChar(char16_t(1 + rng.bounded(0xFFFE)));
        return t + QStringLiteral("&a");
    };
    const auto pic = [&] {
        const int sides[] = {1, 3, 4096, 4097};
        QImage image(sides[rng.bounded(4)], 1 + rng.bounded(3), QImage::Format_ARGB32);
        image.fill(QColor::fromRgba(rng.generate()));
        return rng.bounded(5) ? makePicture(image, flip() ? Picture::Bitmap : Picture::Icon)
                              : nullptr;
    };
    const auto font = [&] {
        const double sizes[] = {0.5, 8.25, 4096, 4096.25, 1e9, -1};
        QFont f(text(), -1, flip() ? QFont::Bold : QFont::Normal, flip());
        flip() ? f.setPointSizeF(sizes[rng.bounded(6)]) : f.setPixelSize(1 + rng.bounded(6000));
        return f;
    };
    const std::function<void(B&)> setters[] = {[&](B& b) { b.setBackColor(rng.generate()); },
                                               [&](B& b) { b.setBackOver(rng.generate()); },
                                               [&](B& b) { b.setForeColor(rng.generate()); },
                                               [&](B& b) { b.setForeOver(rng.generate()); },
                                               [&](B& b) { b.setMaskColor(rng.generate()); },
                                               [&](B& b) { b.setButtonType(number()); },
                                               [&](B& b) { b.setCaption(text()); },
                                               [&](B& b) { b.setEnabled(flip()); },
                                               [&](B& b) { b.setFont(font()); },
                                               [&](B& b) { b.setFontBold(flip()); },
                                               [&](B& b) { b.setFontItalic(flip()); },
                                               [&](B& b) { b.setFontUnderline(flip()); },
                                               [&](B& b) { b.setFontSize(std::int16_t(number())); },
                                               [&](B& b) { b.setFontName(text()); },
                                               [&](B& b) { b.setColorScheme(number()); },
                                               [&](B& b) { b.setShowFocusRect(flip()); },
                                               [&](B& b) { b.setMousePointer(number()); },
                                               [&](B& b) { b.setMouseIcon(pic()); },
                                               [&](B& b) { b.setHandPointer(flip()); },
                                               [&](B& b) { b.setSoftBevel(flip()); },
                                               [&](B& b) { b.setPictureNormal(pic()); },
                                               [&](B& b) { b.setPictureOver(pic()); },
                                               [&](B& b) { b.setPicturePosition(number()); },
                                               [&](B& b) { b.setUseMaskColor(flip()); },
                                               [&](B& b) { b.setUseGreyscale(flip()); },
                                               [&](B& b) { b.setSpecialEffect(number()); },
                                               [&](B& b) { b.setCheckBoxBehaviour(flip()); },
                                               [&](B& b) { b.setValue(flip()); }};
    constexpr int kCases = 600, kSetsPerCase = 8;
    int accepted = 0;
    for (int round = 0; round < kCases; ++round) {
        ShownButtonFixture f;
        for (int i = 0; i < kSetsPerCase; ++i) {
            const std::size_t which = rng.bounded(std::uint32_t(std::size(setters)));
            accepted += thrown([&] { setters[which](f.button); }).number() == 0;
        }
        PropertyBag saved, again;
        f.button.save(saved);
        ShownButtonFixture loaded;
        ASSERT_EQ(thrown([&] {
                      loaded.button.load(PropertyBag::fromJsonBytes(saved.toJsonBytes()));
                  }).number(),
                  0)
            << "case " << round << ": " << saved.toJsonBytes().toStdString();
        loaded.button.save(again);
        saved.write("MPTR", std::int16_t(f.button.HandPointer() ? PointerCustom : PointerArrow));
        saved.write("MICON", f.button.HandPointer() ? f.host.hand : PicturePtr());
        EXPECT_EQ(again.toJsonBytes(), saved.toJsonBytes()) << "case " << round;
    }
    EXPECT_GT(accepted, kCases * kSetsPerCase / 2);
    std::printf("store round trips: %d cases, %d values accepted\n", kCases, accepted);
}

// A configured button's store damaged thousands of times (extreme numbers, flipped bytes, cut
// text) either loads, draws in each look and saves, or is refused with a number.
TEST(StoreLimits, DamagedStoresLoadDrawAndSaveOrAreRefused) {
    ShownButtonFixture source;
    source.button.setCaption(QStringLiteral("&Start Cutting"));
    source.button.setButtonType(RoundedGradient);
    source.button.setPictureNormal(picture(12));
    PropertyBag bag;
    source.button.save(bag);
    const QByteArray original = bag.toJsonBytes();
    const QByteArray extremes[] = {"2147483647", "-2147483648", "1e400", "-1",   "0",  "32768",
                                   "1e-300",     "\"x\"",       "null",  "true", "[]", "{}"};
    // Edits stay outside the picture's PNG text, whose damage the image reader reports.
    const qsizetype pngStart = original.indexOf("\"png\""),
                    pngEnd = original.indexOf('"', pngStart + 7);
    const auto outsidePng = [&](qsizetype at) { return at < pngStart || at > pngEnd; };
    QRandomGenerator rng(20261206);
    int loaded = 0, refused = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray json = original;
        const int at = rng.bounded(int(json.size())), kind = rng.bounded(10);
        const qsizetype start = json.indexOf(':', at);
        const qsizetype end = start < 0 ? -1 : json.indexOf(',', start);
        if (kind < 7) { // a number or literal where a value stood
            if (end > start && outsidePng(start))
                json.replace(start + 1, end - start - 1, extremes[rng.bounded(12)]);
        } else if (outsidePng(at)) {
            if (kind < 9)
                json[at] = char(rng.bounded(256));
            else
                json.truncate(at);
        }
        ++(errorOf(json) ? refused : loaded);
    }
    EXPECT_GT(loaded, 100);
    EXPECT_GT(refused, 100);
}

} // namespace
} // namespace chameleon::testing

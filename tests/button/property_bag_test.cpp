// The property store and the button's persistence through it: key matching without case, the
// JSON form byte for byte and through a round trip, the errors that name their key, and the
// load and save rules (defaults, the order of keys, absent pictures, HAND over MPTR/MICON).
#include "button/model/chameleon_button.h"
#include "button/model/property_bag.h"
#include "button/paint/colors.h"
#include "common/numbered_error.h"
#include "recording_host.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace chameleon {
namespace {

using testing::TestHost;

constexpr Rgb ClassicButtonFace = 0xC8D0D4;
constexpr int SystemButtonText = 18;

// Runs f, expecting a qdct::NumberedError with the number whose text names key.
void expectError(const std::function<void()>& f, int number, const std::string& key) {
    try {
        f();
        ADD_FAILURE() << "no error for " << key;
    } catch (const qdct::NumberedError& e) {
        EXPECT_EQ(e.number(), number) << e.what();
        EXPECT_NE(std::string(e.what()).find('"' + key + '"'), std::string::npos) << e.what();
    }
}

// A 3 x 2 picture, half transparent when it is an icon.
PicturePtr picture(Picture::Kind kind = Picture::Bitmap) {
    auto p = std::make_shared<Picture>();
    p->kind = kind;
    p->image = QImage(3, 2, kind == Picture::Icon ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    p->image.fill(qRgba(255, 0, 0, 128));
    p->himetricWidth = 79;
    p->himetricHeight = 53;
    return p;
}

// --- the store ------------------------------------------------------------------------------

TEST(PropertyBag, KeysMatchWithoutCaseAndKeepTheirPlaceAndSpelling) {
    PropertyBag bag;
    bag.write("_extentx", 1402);
    bag.write("btype", 3);
    bag.write("tx", QStringLiteral("Quit"));
    bag.write("BTYPE", 4);
    ASSERT_EQ(bag.size(), 3u);
    EXPECT_EQ(bag.entries()[1].key, "btype");
    EXPECT_EQ(bag.readInt32("Btype", 2), 4);
    EXPECT_TRUE(bag.remove("Tx"));
    EXPECT_FALSE(bag.remove("tx"));
    EXPECT_EQ(bag.readString("TX", "none"), "none");
}

TEST(PropertyBag, ReadsConvertIntegersAndRefuseOtherTypesNamingTheKey) {
    PropertyBag bag;
    bag.write("small", std::int16_t{-5});
    bag.write("big", 70000);
    bag.write("text", QStringLiteral("7"));
    bag.write("flag", true);
    EXPECT_EQ(bag.readInt32("small", 0), -5);
    EXPECT_EQ(bag.readInt16("small", 0), -5);
    expectError([&] { bag.readInt16("big", 0); }, qdct::errnum::kOverflow, "big");
    expectError([&] { bag.readInt32("text", 0); }, qdct::errnum::kTypeMismatch, "text");
    expectError([&] { bag.readBool("big", false); }, qdct::errnum::kTypeMismatch, "big");
    expectError([&] { bag.readString("flag", ""); }, qdct::errnum::kTypeMismatch, "flag");
    expectError([&] { bag.readPicture("text", nullptr); }, qdct::errnum::kTypeMismatch, "text");
    expectError([&] { bag.readFont("flag", QFont()); }, qdct::errnum::kTypeMismatch, "flag");
}

TEST(PropertyBag, JsonFormIsAnOrderedArrayOfTypedEntriesThatReadsBackTheSame) {
    PropertyBag bag;
    bag.write("btype", std::int32_t{-2147483647 - 1});
    bag.write("mptr", std::int16_t{32767});
    bag.write("enab", true);
    bag.write("micon", PicturePtr{});
    QFont font("MS Sans Serif");
    font.setPointSizeF(8.25);
    bag.write("font", font);
    const QByteArray json = R"([{"key":"btype","type":"i32","value":-2147483648},)"
                            R"({"key":"mptr","type":"i16","value":32767},)"
                            R"({"key":"enab","type":"bool","value":true},)"
                            R"({"key":"micon","type":"pic","value":null},)"
                            R"({"key":"font","type":"font","value":{"bold":false,"italic":false,)"
                            R"("name":"MS Sans Serif","size":8.25,"underline":false}}])";
    EXPECT_EQ(QJsonDocument(bag.toJson()).toJson(QJsonDocument::Compact), json);
    EXPECT_EQ(PropertyBag::fromJsonBytes(json).toJsonBytes(), bag.toJsonBytes());
}

TEST(PropertyBag, MalformedJsonEntriesFailNamingTheirKey) {
    const std::pair<const char*, const char*> cases[] = {
        {R"([{"key":"mptr","type":"i16","value":40000}])", "mptr"},
        {R"([{"key":"btype","type":"i32","value":2.5}])", "btype"},
        {R"([{"key":"bcol","type":"i32","value":4294967295}])", "bcol"},
        {R"([{"key":"enab","type":"bool","value":1}])", "enab"},
        {R"([{"key":"tx","type":"text","value":"x"}])", "tx"},
        {R"([{"key":"font","type":"font","value":{"name":"A"}}])", "font"},
        {R"([{"key":"picn","type":"pic","value":{"kind":"bitmap","png":"!!"}}])", "picn"},
        {R"([{"key":"fx","type":"i32"}])", "fx"},
    };
    for (const auto& [json, key] : cases) {
        expectError([json = json] { PropertyBag::fromJsonBytes(json); },
                    qdct::errnum::kInvalidPropertyValue, key);
    }
    for (const char* json : {R"({"btype": 3})", "[{", R"([{"type":"i32","value":1}])"})
        EXPECT_THROW(PropertyBag::fromJsonBytes(json), qdct::NumberedError) << json;
}

// --- the button through the store -------------------------------------------------------------

class Persistence : public ::testing::Test {
  protected:
    Persistence() { host.hand = picture(Picture::Icon); }
    TestHost host;
    chameleonButton button{host, host};
};

TEST_F(Persistence, SaveKeepsTheHostsEntriesAndDropsEmptyPictures) {
    button.newInstance();
    PropertyBag bag;
    bag.write("_extentx", 1402);
    bag.write("picn", picture()); // from an earlier save: it must not load again
    button.save(bag);
    EXPECT_EQ(bag.size(), 22u);
    EXPECT_EQ(bag.entries()[0].key, "_extentx");
    EXPECT_FALSE(bag.contains("PICN") || bag.contains("PICH"));
    chameleonButton again(host, host);
    again.load(bag);
    EXPECT_FALSE(again.PictureNormal() || again.PictureOver());
}

// Every key with a value that is not its default, in the order of a save: loading and saving
// again gives the same bytes, so each key is read into the field it is saved from.
TEST_F(Persistence, EveryKeyInItsOrderSurvivesLoadAndSave) {
    QFont font("Arial");
    font.setPointSizeF(11);
    font.setBold(true);
    PropertyBag bag;
    bag.write("BTYPE", 20); // out of range, kept as it is
    bag.write("TX", QStringLiteral("&Start Cutting"));
    bag.write("ENAB", false);
    bag.write("FONT", font);
    bag.write("COLTYPE", SchemeCustom);
    bag.write("FOCUSR", false);
    bag.write("BCOL", std::int32_t(0x80000005)); // a system colour index, stored negative
    bag.write("BCOLO", 0x123456);
    bag.write("FCOL", 0x654321);
    bag.write("FCOLO", 0x0000FF);
    bag.write("MCOL", 0xFF00FF);
    bag.write("MPTR", std::int16_t{PointerCustom}); // what HAND True leaves
    bag.write("MICON", host.hand);
    bag.write("PICN", picture(Picture::Bitmap));
    bag.write("PICH", picture(Picture::Icon));
    bag.write("UMCOL", false);
    bag.write("SOFT", true);
    bag.write("PICPOS", PictureBehind);
    bag.write("NGREY", true);
    bag.write("FX", EffectShadow);
    bag.write("HAND", true);
    bag.write("CHECK", true);
    bag.write("VALUE", false); // unlike CHECK, so the two cannot be read into each other
    button.load(PropertyBag::fromJsonBytes(bag.toJsonBytes()));
    EXPECT_EQ(host.accessKeys, "s");
    PropertyBag again;
    button.save(again);
    EXPECT_EQ(again.toJsonBytes(), bag.toJsonBytes());
}

TEST_F(Persistence, EmptyDataLoadsTheDefaultsWithoutDrawing) {
    host.surfaceFont = QFont("Courier");
    host.surfaceEnabled = false;
    button.load(PropertyBag{});
    EXPECT_EQ(button.ButtonType(), ClassicBevel);
    EXPECT_EQ(button.FontName(), "Courier");
    EXPECT_EQ(button.ColorScheme(), SchemeSystem);
    EXPECT_TRUE(button.Enabled() && button.ShowFocusRect() && button.UseMaskColor());
    EXPECT_TRUE(host.surfaceEnabled);
    // Without "BCOL" and "BCOLO" both are the system face colour, as plain RGB.
    const OleColor face = ClassicButtonFace, text = systemColor(SystemButtonText);
    EXPECT_EQ((std::array{button.BackColor(), button.BackOver(), button.ForeColor(),
                          button.ForeOver(), button.MaskColor()}),
              (std::array<OleColor, 5>{face, face, text, text, 0xC0C0C0}));
    // Only the HandPointer setter speaks; nothing is drawn before the button is shown.
    EXPECT_EQ(host.notices, std::vector<std::string>{"HAND"});
    EXPECT_EQ(host.clears, 0);
}

TEST_F(Persistence, MissingHoverColoursFollowTheLoadedOnes) {
    PropertyBag bag;
    bag.write("bcol", 0x0000FF);
    bag.write("fcol", 0x00FF00);
    bag.write("enab", false);
    button.load(bag);
    EXPECT_EQ(button.BackOver(), 0x0000FFu);
    EXPECT_EQ(button.ForeOver(), 0x00FF00u);
    EXPECT_FALSE(host.surfaceEnabled);
}

TEST_F(Persistence, HandDecidesThePointerOverMptrAndMicon) {
    PropertyBag bag;
    bag.write("mptr", std::int16_t{1});
    bag.write("micon", picture(Picture::Icon));
    bag.write("hand", false);
    button.load(bag);
    EXPECT_EQ(host.pointer, PointerArrow);
    EXPECT_FALSE(host.icon);

    bag.write("mptr", std::int16_t{5});
    bag.write("hand", true);
    button.load(bag);
    EXPECT_EQ(host.pointer, PointerCustom);
    EXPECT_EQ(host.icon, host.hand);
}

TEST_F(Persistence, AValueOfTheWrongTypeStopsTheLoadAtItsKey) {
    PropertyBag bag;
    bag.write("btype", 6);
    bag.write("tx", 12); // a number where text belongs
    bag.write("enab", true);
    expectError([&] { button.load(bag); }, qdct::errnum::kTypeMismatch, "TX");
    EXPECT_EQ(button.ButtonType(), 6); // read before the bad key
    EXPECT_FALSE(button.Enabled());    // never reached
    EXPECT_TRUE(host.notices.empty());

    PropertyBag pointer;
    pointer.write("mptr", 40000);
    expectError([&] { button.load(pointer); }, qdct::errnum::kOverflow, "MPTR");
}

} // namespace
} // namespace chameleon

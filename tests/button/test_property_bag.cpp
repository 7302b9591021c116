// The property store and the button's persistence through it: key matching without case, the
// JSON form byte for byte and through a round trip, the errors that name their key, and the
// load and save rules (defaults, the order of keys, absent pictures, HAND over MPTR/MICON).
#include "button/chameleon_button.h"
#include "button/colors.h"
#include "button/property_bag.h"
#include "test_host.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

namespace chameleon {
namespace {

using testing::TestHost;

constexpr Rgb ClassicButtonFace = 0xC8D0D4;

// Runs f, expecting a ControlError with the number whose text names key.
template <typename F>
void expectError(F f, int number, const std::string& key) {
    try {
        f();
        ADD_FAILURE() << "no error for " << key;
    } catch (const ControlError& e) {
        EXPECT_EQ(e.number(), number) << e.what();
        EXPECT_NE(std::string(e.what()).find('"' + key + '"'), std::string::npos) << e.what();
    }
}

PicturePtr picture(Picture::Kind kind) {
    auto p = std::make_shared<Picture>();
    p->kind = kind;
    p->image = QImage(3, 2, kind == Picture::Icon ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    p->image.fill(Qt::transparent);
    p->image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    p->image.setPixel(2, 1, qRgba(0, 0, 255, kind == Picture::Icon ? 128 : 255));
    p->himetricWidth = 79;
    p->himetricHeight = 53;
    return p;
}

std::vector<QString> keysOf(const PropertyBag& bag) {
    std::vector<QString> keys;
    for (const auto& e : bag.entries()) keys.push_back(e.key);
    return keys;
}

// --- the store ------------------------------------------------------------------------------

TEST(PropertyBag, KeysMatchWithoutCaseAndKeepTheirPlaceAndSpelling) {
    PropertyBag bag;
    bag.write("_extentx", 1402);
    bag.write("btype", 3);
    bag.write("tx", QStringLiteral("Quit"));
    bag.write("BTYPE", 4);
    EXPECT_EQ(keysOf(bag), (std::vector<QString>{"_extentx", "btype", "tx"}));
    EXPECT_EQ(bag.readInt32("Btype", 2), 4);
    EXPECT_EQ(bag.readString("TX", ""), "Quit");
    EXPECT_TRUE(bag.remove("Tx"));
    EXPECT_FALSE(bag.contains("tx"));
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
    expectError([&] { bag.readInt16("big", 0); }, OverflowErrorNumber, "big");
    expectError([&] { bag.readInt32("text", 0); }, TypeMismatchErrorNumber, "text");
    expectError([&] { bag.readBool("big", false); }, TypeMismatchErrorNumber, "big");
    expectError([&] { bag.readString("flag", ""); }, TypeMismatchErrorNumber, "flag");
    expectError([&] { bag.readPicture("text", nullptr); }, TypeMismatchErrorNumber, "text");
    expectError([&] { bag.readFont("flag", QFont()); }, TypeMismatchErrorNumber, "flag");
}

TEST(PropertyBag, JsonFormIsAnOrderedArrayOfTypedEntries) {
    PropertyBag bag;
    bag.write("btype", 3);
    bag.write("mptr", std::int16_t{-1});
    bag.write("enab", true);
    bag.write("micon", PicturePtr{});
    QFont font("MS Sans Serif");
    font.setPointSizeF(8.25);
    bag.write("font", font);
    EXPECT_EQ(QJsonDocument(bag.toJson()).toJson(QJsonDocument::Compact),
              QByteArray(R"([{"key":"btype","type":"i32","value":3},)"
                         R"({"key":"mptr","type":"i16","value":-1},)"
                         R"({"key":"enab","type":"bool","value":true},)"
                         R"({"key":"micon","type":"pic","value":null},)"
                         R"({"key":"font","type":"font","value":{"bold":false,"italic":false,)"
                         R"("name":"MS Sans Serif","size":8.25,"underline":false}}])"));
}

TEST(PropertyBag, JsonRoundTripKeepsEveryTypeAndPicturePixels) {
    PropertyBag bag;
    bag.write("a", std::int32_t{-2147483647 - 1});
    bag.write("b", std::int16_t{32767});
    bag.write("c", false);
    bag.write("d", QStringLiteral("Save && E&xit"));
    QFont font("Arial");
    font.setPointSizeF(12.5);
    font.setItalic(true);
    font.setUnderline(true);
    bag.write("e", font);
    bag.write("f", picture(Picture::Bitmap));
    bag.write("g", picture(Picture::Icon));
    bag.write("h", PicturePtr{});

    const PropertyBag back = PropertyBag::fromJsonBytes(bag.toJsonBytes());
    ASSERT_EQ(back.size(), 8u);
    EXPECT_EQ(back.readInt32("a", 0), -2147483647 - 1);
    EXPECT_EQ(typeOf(*back.find("b")), PropertyType::Int16);
    EXPECT_EQ(back.readInt16("b", 0), 32767);
    EXPECT_FALSE(back.readBool("c", true));
    EXPECT_EQ(back.readString("d", ""), "Save && E&xit");
    const QFont f = back.readFont("e", QFont());
    EXPECT_EQ(f.family(), "Arial");
    EXPECT_EQ(f.pointSizeF(), 12.5);
    EXPECT_TRUE(f.italic() && f.underline() && !f.bold());
    for (const char* key : {"f", "g"}) {
        const PicturePtr p = back.readPicture(key, nullptr);
        const PicturePtr original = bag.readPicture(key, nullptr);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->kind, original->kind);
        EXPECT_EQ(p->himetricWidth, 79);
        EXPECT_EQ(p->himetricHeight, 53);
        EXPECT_EQ(p->image.format(), original->image.format());
        EXPECT_EQ(p->image, original->image) << key;
    }
    EXPECT_TRUE(back.contains("h"));
    EXPECT_FALSE(back.readPicture("h", picture(Picture::Bitmap)));
    EXPECT_EQ(back.toJsonBytes(), bag.toJsonBytes());
}

TEST(PropertyBag, MalformedJsonEntriesFailNamingTheirKey) {
    auto parse = [](const char* json) { PropertyBag::fromJsonBytes(QByteArray(json)); };
    expectError([&] { parse(R"([{"key":"mptr","type":"i16","value":40000}])"); },
                InvalidPropertyValueErrorNumber, "mptr");
    expectError([&] { parse(R"([{"key":"btype","type":"i32","value":2.5}])"); },
                InvalidPropertyValueErrorNumber, "btype");
    expectError([&] { parse(R"([{"key":"bcol","type":"i32","value":4294967295}])"); },
                InvalidPropertyValueErrorNumber, "bcol");
    expectError([&] { parse(R"([{"key":"enab","type":"bool","value":1}])"); },
                InvalidPropertyValueErrorNumber, "enab");
    expectError([&] { parse(R"([{"key":"tx","type":"text","value":"x"}])"); },
                InvalidPropertyValueErrorNumber, "tx");
    expectError([&] { parse(R"([{"key":"font","type":"font","value":{"name":"A"}}])"); },
                InvalidPropertyValueErrorNumber, "font");
    expectError(
        [&] { parse(R"([{"key":"picn","type":"pic","value":{"kind":"bitmap","png":"!!"}}])"); },
        InvalidPropertyValueErrorNumber, "picn");
    expectError([&] { parse(R"([{"key":"fx","type":"i32"}])"); }, InvalidPropertyValueErrorNumber,
                "fx");
    EXPECT_THROW(parse(R"({"btype": 3})"), ControlError);
    EXPECT_THROW(parse("[{"), ControlError);
    EXPECT_THROW(parse(R"([{"type":"i32","value":1}])"), ControlError);
}

// --- the button through the store -------------------------------------------------------------

class Persistence : public ::testing::Test {
  protected:
    Persistence() { host.hand = picture(Picture::Icon); }
    TestHost host;
};

TEST_F(Persistence, SaveWritesTheKeysInOrderWithoutEmptyPictures) {
    chameleonButton button(host);
    button.newInstance();
    PropertyBag bag;
    button.save(bag);
    EXPECT_EQ(keysOf(bag), (std::vector<QString>{
                               "BTYPE", "TX",     "ENAB",  "FONT", "COLTYPE", "FOCUSR", "BCOL",
                               "BCOLO", "FCOL",   "FCOLO", "MCOL", "MPTR",    "MICON",  "UMCOL",
                               "SOFT",  "PICPOS", "NGREY", "FX",   "HAND",    "CHECK",  "VALUE"}));
    EXPECT_EQ(typeOf(*bag.find("MPTR")), PropertyType::Int16);
    EXPECT_EQ(typeOf(*bag.find("BCOL")), PropertyType::Int32);

    button.setPictureNormal(picture(Picture::Bitmap));
    button.setPictureOver(picture(Picture::Bitmap));
    PropertyBag full;
    button.save(full);
    EXPECT_EQ(full.size(), 23u);
    EXPECT_EQ(full.entries()[13].key, "PICN");
    EXPECT_EQ(full.entries()[14].key, "PICH");

    // Clearing a picture must drop its entry, or the old picture would load again.
    button.setPictureNormal(nullptr);
    button.save(full);
    EXPECT_FALSE(full.contains("PICN"));
    chameleonButton again(host);
    again.load(full);
    EXPECT_FALSE(again.PictureNormal());
    EXPECT_TRUE(again.PictureOver());
}

TEST_F(Persistence, SaveKeepsTheHostsOwnEntries) {
    chameleonButton button(host);
    button.newInstance();
    PropertyBag bag;
    bag.write("_extentx", 1402);
    bag.write("_extenty", 450);
    bag.write("btype", 7);
    button.save(bag);
    EXPECT_EQ(bag.size(), 23u);
    EXPECT_EQ(bag.entries()[0].key, "_extentx");
    EXPECT_EQ(bag.entries()[2].key, "btype");
    EXPECT_EQ(bag.readInt32("BTYPE", 0), ClassicBevel);
    EXPECT_EQ(bag.readInt32("_EXTENTY", 0), 450);
}

TEST_F(Persistence, EverythingSurvivesAJsonRoundTrip) {
    chameleonButton button(host);
    button.newInstance();
    button.setButtonType(20); // out of range, kept as it is
    button.setCaption("&Start Cutting");
    button.setColorScheme(SchemeCustom);
    button.setBackColor(0x80000005); // a system colour index, stored negative
    button.setBackOver(0x123456);
    button.setMaskColor(0xFF00FF);
    button.setPicturePosition(PictureBehind);
    button.setSpecialEffect(EffectShadow);
    button.setSoftBevel(true);
    button.setUseGreyscale(true);
    button.setCheckBoxBehaviour(true);
    button.setValue(true);
    button.setFontSize(11);
    button.setMousePointer(3);
    button.setPictureNormal(picture(Picture::Icon));
    PropertyBag bag;
    button.save(bag);

    TestHost other;
    chameleonButton loaded(other);
    loaded.load(PropertyBag::fromJsonBytes(bag.toJsonBytes()));
    EXPECT_EQ(loaded.ButtonType(), 20);
    EXPECT_EQ(loaded.Caption(), "&Start Cutting");
    EXPECT_EQ(loaded.ColorScheme(), SchemeCustom);
    EXPECT_EQ(loaded.BackColor(), 0x80000005u);
    EXPECT_EQ(loaded.BackOver(), 0x123456u);
    EXPECT_EQ(loaded.MaskColor(), 0xFF00FFu);
    EXPECT_EQ(loaded.PicturePosition(), PictureBehind);
    EXPECT_EQ(loaded.SpecialEffect(), EffectShadow);
    EXPECT_TRUE(loaded.SoftBevel());
    EXPECT_TRUE(loaded.UseGreyscale());
    EXPECT_TRUE(loaded.CheckBoxBehaviour());
    EXPECT_TRUE(loaded.Value());
    EXPECT_EQ(loaded.FontSize(), 11);
    // HandPointer False, read last, sets the arrow whatever MPTR said.
    EXPECT_EQ(loaded.MousePointer(), PointerArrow);
    ASSERT_TRUE(loaded.PictureNormal());
    EXPECT_EQ(loaded.PictureNormal()->image, button.PictureNormal()->image);
    EXPECT_FALSE(loaded.PictureOver());
    EXPECT_EQ(other.accessKeys, "s");
}

TEST_F(Persistence, EmptyDataLoadsTheDefaults) {
    QFont current("Courier");
    host.surfaceFont = current;
    chameleonButton button(host);
    button.load(PropertyBag{});
    EXPECT_EQ(button.ButtonType(), ClassicBevel);
    EXPECT_EQ(button.Caption(), "");
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.FontName(), "Courier");
    EXPECT_EQ(button.ColorScheme(), SchemeSystem);
    EXPECT_TRUE(button.ShowFocusRect());
    EXPECT_EQ(button.BackColor(), OleColor(ClassicButtonFace));
    EXPECT_EQ(button.BackOver(), OleColor(ClassicButtonFace));
    EXPECT_EQ(button.ForeColor(), OleColor(SystemColor(18)));
    EXPECT_EQ(button.ForeOver(), OleColor(SystemColor(18)));
    EXPECT_EQ(button.MaskColor(), 0xC0C0C0u);
    EXPECT_TRUE(button.UseMaskColor());
    EXPECT_FALSE(button.HandPointer());
    EXPECT_TRUE(host.surfaceEnabled);
    // Only the HandPointer setter speaks; nothing is drawn before the button is shown.
    EXPECT_EQ(host.notices, std::vector<std::string>{"HAND"});
    EXPECT_EQ(host.clears, 0);
}

TEST_F(Persistence, MissingHoverColoursFollowTheLoadedOnes) {
    PropertyBag bag;
    bag.write("bcol", 0x0000FF);
    bag.write("fcol", 0x00FF00);
    bag.write("enab", false);
    chameleonButton button(host);
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
    chameleonButton button(host);
    button.load(bag);
    EXPECT_EQ(host.pointer, PointerArrow);
    EXPECT_FALSE(host.icon);

    bag.write("mptr", std::int16_t{5});
    bag.write("hand", true);
    chameleonButton hand(host);
    hand.load(bag);
    EXPECT_EQ(host.pointer, PointerCustom);
    EXPECT_EQ(host.icon, host.hand);
}

TEST_F(Persistence, AValueOfTheWrongTypeStopsTheLoadAtItsKey) {
    PropertyBag bag;
    bag.write("btype", 6);
    bag.write("tx", 12); // a number where text belongs
    bag.write("enab", true);
    chameleonButton button(host);
    expectError([&] { button.load(bag); }, TypeMismatchErrorNumber, "TX");
    EXPECT_EQ(button.ButtonType(), 6); // read before the bad key
    EXPECT_FALSE(button.Enabled());    // never reached
    EXPECT_TRUE(host.notices.empty());

    PropertyBag pointer;
    pointer.write("mptr", 40000);
    chameleonButton other(host);
    expectError([&] { other.load(pointer); }, OverflowErrorNumber, "MPTR");
}

} // namespace
} // namespace chameleon

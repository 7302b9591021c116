// The window's stored form data for its buttons: the shipped file holds the 23 keys per
// button in order with the window's extents, the buttons are sized and loaded from it, saving
// a loaded button gives the same data back, and a malformed file is refused.
#include "mainwindow/stored_buttons.h"

#include "button/button_widget.h"
#include "button/control.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace form1 {
namespace {

using chameleon::PropertyBag;
using chameleon::PropertyType;

struct StoredButton {
    const char* name;
    std::int32_t extentX, extentY;
    const char* caption;
    QSize pixels;
};

const StoredButton kButtons[] = {
    {"chameleonButton1", 1508, 450, "......", {57, 17}},
    {"chameleonButton2", 1508, 450, "......", {57, 17}},
    {"chameleonButton3", 3625, 661, "Start Cutting", {137, 25}},
    {"chameleonButton4", 3625, 661, "Quit", {137, 25}},
};

struct StoredKey {
    const char* key;
    PropertyType type;
};

const StoredKey kKeys[] = {
    {"_extentx", PropertyType::Int32}, {"_extenty", PropertyType::Int32},
    {"btype", PropertyType::Int32},    {"tx", PropertyType::String},
    {"enab", PropertyType::Boolean},   {"font", PropertyType::Font},
    {"coltype", PropertyType::Int32},  {"focusr", PropertyType::Boolean},
    {"bcol", PropertyType::Int32},     {"bcolo", PropertyType::Int32},
    {"fcol", PropertyType::Int32},     {"fcolo", PropertyType::Int32},
    {"mcol", PropertyType::Int32},     {"mptr", PropertyType::Int16},
    {"micon", PropertyType::Picture},  {"umcol", PropertyType::Boolean},
    {"soft", PropertyType::Boolean},   {"picpos", PropertyType::Int32},
    {"ngrey", PropertyType::Boolean},  {"fx", PropertyType::Int32},
    {"hand", PropertyType::Boolean},   {"check", PropertyType::Boolean},
    {"value", PropertyType::Boolean},
};

TEST(StoredButtons, TheShippedDataHoldsTheKeysInOrderWithTheirValues) {
    const auto bags = readStoredButtons(storedButtonsData());
    ASSERT_EQ(bags.size(), 4u);
    for (const StoredButton& b : kButtons) {
        SCOPED_TRACE(b.name);
        const PropertyBag& bag = bags.at(QString::fromLatin1(b.name));
        ASSERT_EQ(bag.size(), std::size(kKeys));
        for (std::size_t i = 0; i < bag.size(); ++i) {
            EXPECT_EQ(bag.entries()[i].key, QLatin1String(kKeys[i].key)); // lower case
            EXPECT_EQ(chameleon::typeOf(bag.entries()[i].value), kKeys[i].type) << kKeys[i].key;
        }
        EXPECT_EQ(bag.readInt32("_EXTENTX", 0), b.extentX);
        EXPECT_EQ(bag.readInt32("_EXTENTY", 0), b.extentY);
        EXPECT_EQ(extentPixels(bag), b.pixels);
        EXPECT_EQ(bag.readInt32("BTYPE", 0), 3);
        EXPECT_EQ(bag.readString("TX", {}), QLatin1String(b.caption));
        EXPECT_TRUE(bag.readBool("ENAB", false));
        const QFont font = bag.readFont("FONT", QFont());
        EXPECT_EQ(font.family(), "MS Sans Serif");
        EXPECT_EQ(font.pointSizeF(), 8.25);
        EXPECT_EQ(font.weight(), QFont::Normal);
        EXPECT_FALSE(font.italic() || font.underline());
        EXPECT_EQ(bag.readInt32("COLTYPE", 0), 1);
        EXPECT_TRUE(bag.readBool("FOCUSR", false));
        EXPECT_EQ(bag.readInt32("BCOL", 0), 0x00C8D0D4);
        EXPECT_EQ(bag.readInt32("BCOLO", 0), 0x00C8D0D4);
        EXPECT_EQ(bag.readInt32("FCOL", 1), 0);
        EXPECT_EQ(bag.readInt32("FCOLO", 1), 0);
        EXPECT_EQ(bag.readInt32("MCOL", 0), 0x00C0C0C0);
        EXPECT_EQ(bag.readInt16("MPTR", 0), 1);
        EXPECT_EQ(bag.readPicture("MICON", nullptr), nullptr); // stored empty
        EXPECT_TRUE(bag.readBool("UMCOL", false));
        for (const char* key : {"SOFT", "NGREY", "HAND", "CHECK", "VALUE"})
            EXPECT_FALSE(bag.readBool(key, true)) << key;
        EXPECT_EQ(bag.readInt32("PICPOS", 1), 0);
        EXPECT_EQ(bag.readInt32("FX", 1), 0);
        EXPECT_FALSE(bag.contains("PICN") || bag.contains("PICH")); // no pictures stored
    }
}

TEST(StoredButtons, LoadingSizesEachButtonAndSavingGivesTheSameDataBack) {
    QWidget form;
    for (const StoredButton& b : kButtons)
        (new ChameleonButtonWidget(&form))->setObjectName(QString::fromLatin1(b.name));
    const QByteArray data = storedButtonsData();
    loadStoredButtons(form, data);
    const auto bags = readStoredButtons(data);
    for (const StoredButton& b : kButtons) {
        SCOPED_TRACE(b.name);
        auto& widget = *form.findChild<ChameleonButtonWidget*>(QString::fromLatin1(b.name));
        EXPECT_EQ(widget.size(), b.pixels);
        const chameleon::chameleonButton& button = widget.button();
        EXPECT_EQ(button.Caption(), QLatin1String(b.caption));
        EXPECT_EQ(button.ButtonType(), 3);
        EXPECT_EQ(button.ColorScheme(), 1);
        EXPECT_EQ(button.BackColor(), 0x00C8D0D4u);
        EXPECT_EQ(button.FontName(), "MS Sans Serif");
        EXPECT_EQ(button.MousePointer(), 1);
        EXPECT_TRUE(button.Enabled());

        PropertyBag saved = bags.at(QString::fromLatin1(b.name));
        widget.save(saved);
        EXPECT_EQ(saved.toJsonBytes(), bags.at(QString::fromLatin1(b.name)).toJsonBytes());
    }
}

TEST(StoredButtons, MalformedDataIsRefused) {
    EXPECT_THROW(readStoredButtons("[]"), chameleon::ControlError);
    EXPECT_THROW(readStoredButtons("{"), chameleon::ControlError);
    EXPECT_THROW(readStoredButtons(R"({"chameleonButton1": {"btype": 3}})"),
                 chameleon::ControlError);
    EXPECT_THROW(readStoredButtons(R"({"chameleonButton1": [{"key": "btype", "type": "i32",
                                       "value": "three"}]})"),
                 chameleon::ControlError);
    QWidget form;
    EXPECT_THROW(loadStoredButtons(form, R"({"chameleonButton9": []})"), std::runtime_error);
}

} // namespace
} // namespace form1

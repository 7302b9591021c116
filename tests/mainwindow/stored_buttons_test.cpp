// The window's stored form data for its buttons: the shipped file holds the 23 keys per
// button in order with the window's extents, and each button of the window is loaded from it.
// The sizes taken from the extents are checked with the layout; malformed bags, with the bag.
#include "mainwindow/stored_buttons.h"

#include "form1_fixture.h"

namespace form1::test {
namespace {

// Each button's extents in HIMETRIC and caption.
const std::tuple<int, int, const char*> kButtons[] = {{1508, 450, "......"},
                                                      {1508, 450, "......"},
                                                      {3625, 661, "Start Cutting"},
                                                      {3625, 661, "Quit"}};

// Every button's bag in its stored form; %1, %2: the extents, %3: the caption. The colours
// are 0x00C8D0D4 (bcol, bcolo) and 0x00C0C0C0 (mcol).
constexpr char kStoredBag[] = R"([
  {"key": "_extentx", "type": "i32", "value": %1}, {"key": "_extenty", "type": "i32", "value": %2},
  {"key": "btype", "type": "i32", "value": 3}, {"key": "tx", "type": "str", "value": "%3"},
  {"key": "enab", "type": "bool", "value": true},
  {"key": "font", "type": "font", "value": {"name": "MS Sans Serif", "size": 8.25,
                                            "bold": false, "italic": false, "underline": false}},
  {"key": "coltype", "type": "i32", "value": 1}, {"key": "focusr", "type": "bool", "value": true},
  {"key": "bcol", "type": "i32", "value": 13160660}, {"key": "bcolo", "type": "i32", "value": 13160660},
  {"key": "fcol", "type": "i32", "value": 0}, {"key": "fcolo", "type": "i32", "value": 0},
  {"key": "mcol", "type": "i32", "value": 12632256}, {"key": "mptr", "type": "i16", "value": 1},
  {"key": "micon", "type": "pic", "value": null}, {"key": "umcol", "type": "bool", "value": true},
  {"key": "soft", "type": "bool", "value": false}, {"key": "picpos", "type": "i32", "value": 0},
  {"key": "ngrey", "type": "bool", "value": false}, {"key": "fx", "type": "i32", "value": 0},
  {"key": "hand", "type": "bool", "value": false}, {"key": "check", "type": "bool", "value": false},
  {"key": "value", "type": "bool", "value": false}
])";

// Saving each loaded button over its stored bag must give exactly the bag above: a value
// stored wrong, a key missing, extra or out of order, or a key the load skips all show.
TEST_F(Form1Test, EachButtonIsLoadedFromTheShippedStoredData) {
    const auto bags = readStoredButtons(storedButtonsData());
    ASSERT_EQ(bags.size(), std::size(kButtons));
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        const auto& [extentX, extentY, caption] = kButtons[n - 1];
        const QString expected = QString(kStoredBag).arg(extentX).arg(extentY).arg(caption);
        chameleon::PropertyBag saved = bags.at(button(n).objectName());
        button(n).save(saved);
        EXPECT_EQ(saved.toJson(), QJsonDocument::fromJson(expected.toUtf8()).array());
    }
}

} // namespace
} // namespace form1::test

// The property store: keys matched without case, and reads that convert or are refused naming
// their key. The JSON form is checked on the shipped data, malformed stores by the fuzz loop.
#include "button/model/property_bag.h"
#include "common/numbered_error.h"

#include <functional>
#include <gtest/gtest.h>

namespace chameleon {
namespace {

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

TEST(PropertyBagTest, KeysMatchWithoutCaseAndReadsConvertOrRefuseNamingTheKey) {
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
    bag.write("small", std::int16_t{-5});
    bag.write("big", 70000);
    bag.write("text", QStringLiteral("7"));
    bag.write("flag", true);
    EXPECT_EQ(bag.readInt32("small", 0), -5);
    EXPECT_EQ(bag.readInt16("small", 0), -5);
    using qdct::errnum::kTypeMismatch;
    expectError([&] { bag.readInt16("big", 0); }, qdct::errnum::kOverflow, "big");
    expectError([&] { bag.readInt32("text", 0); }, kTypeMismatch, "text");
    expectError([&] { bag.readBool("big", false); }, kTypeMismatch, "big");
    expectError([&] { bag.readString("flag", ""); }, kTypeMismatch, "flag");
    expectError([&] { bag.readPicture("text", nullptr); }, kTypeMismatch, "text");
    expectError([&] { bag.readFont("flag", QFont()); }, kTypeMismatch, "flag");
}

} // namespace
} // namespace chameleon

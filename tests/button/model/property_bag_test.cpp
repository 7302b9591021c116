// The property store: keys matched without case, and reads and malformed JSON entries that
// convert or are refused naming their key. The JSON form itself is checked on the shipped data.
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

TEST(PropertyBagTest, MalformedJsonEntriesFailNamingTheirKey) {
    const std::pair<const char*, const char*> cases[] = {
        {R"([{"key":"mptr","type":"i16","value":40000}])", "mptr"},
        {R"([{"key":"btype","type":"i32","value":2.5}])", "btype"},
        {R"([{"key":"bcol","type":"i32","value":4294967295}])", "bcol"},
        {R"([{"key":"enab","type":"bool","value":1}])", "enab"},
        {R"([{"key":"tx","type":"text","value":"x"}])", "tx"},
        {R"([{"key":"font","type":"font","value":{"name":"A"}}])", "font"},
        {R"([{"key":"picn","type":"pic","value":{"kind":"bitmap","png":"!!"}}])", "picn"},
        {R"([{"key":"fx","type":"i32"}])", "fx"}};
    for (const auto& [json, key] : cases) {
        expectError([json = json] { PropertyBag::fromJsonBytes(json); },
                    qdct::errnum::kInvalidPropertyValue, key);
    }
    for (const char* json : {R"({"btype": 3})", "[{", R"([{"type":"i32","value":1}])"})
        EXPECT_THROW(PropertyBag::fromJsonBytes(json), qdct::NumberedError) << json;
}

} // namespace
} // namespace chameleon

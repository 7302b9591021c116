// Number reading: plain decimal numbers in the C locale's or the user's form are read, and
// anything that could be misread (group separators, words, hex, partial numbers) is refused.
#include "cutting/number_text.h"

#include <gtest/gtest.h>

namespace cutting {
namespace {

struct Case {
    const char* text;
    const char* decimalPoint;
    std::optional<double> value;
};

TEST(NumberText, ReadsPlainNumbersAndRefusesTheRest) {
    const Case cases[] = {
        {"1", ".", 1.0},
        {"  -2297887\t", ".", -2297887.0},
        {"+3", ".", 3.0},
        {"0.5", ".", 0.5},
        {".5", ".", 0.5},
        {"5.", ".", 5.0},
        {"488.28125", ",", 488.28125}, // the C locale's form is always read
        {"488,28125", ",", 488.28125},
        {"1e3", ".", 1000.0},
        {"-2.5E-1", ".", -0.25},
        {"1,5", ".", std::nullopt}, // a group separator here, not a fraction
        {"1,000", ".", std::nullopt},
        {"", ".", std::nullopt},
        {"  ", ".", std::nullopt},
        {"-", ".", std::nullopt},
        {".", ".", std::nullopt},
        {"abc", ".", std::nullopt},
        {"12abc", ".", std::nullopt},
        {"1 2", ".", std::nullopt},
        {"--1", ".", std::nullopt},
        {"1e", ".", std::nullopt},
        {"0x10", ".", std::nullopt},
        {"inf", ".", std::nullopt},
        {"nan", ".", std::nullopt},
        {"1e400", ".", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseNumber(c.text, c.decimalPoint), c.value) << c.text;
}

} // namespace
} // namespace cutting

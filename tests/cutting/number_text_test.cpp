// Number reading: plain decimal numbers in the C locale's or the user's form are read, and
// anything that could be misread (group separators, words, hex, partial numbers) is refused.
#include "cutting/number_text.h"

#include <gtest/gtest.h>

namespace cutting {
namespace {

TEST(NumberText, ReadsPlainNumbersAndRefusesTheRest) {
    const std::pair<const char*, double> read[] = {{"1", 1.0},   {"  -2297887\t", -2297887.0},
                                                   {"+3", 3.0},  {"0.5", 0.5},
                                                   {".5", 0.5},  {"5.", 5.0},
                                                   {"1e3", 1e3}, {"-2.5E-1", -0.25}};
    for (const auto& [text, value] : read) EXPECT_EQ(parseNumber(text), value) << text;

    // With the user's separator ',' the C locale's form is still read.
    EXPECT_EQ(parseNumber("488,28125", ","), 488.28125);
    EXPECT_EQ(parseNumber("488.28125", ","), 488.28125);

    for (const char* text : {"1,5", "1,000", "", "  ", "-", ".", "abc", "12abc", "1 2", "--1", "1e",
                             "0x10", "inf", "nan", "1e400"})
        EXPECT_EQ(parseNumber(text), std::nullopt) << '"' << text << '"';
}

} // namespace
} // namespace cutting

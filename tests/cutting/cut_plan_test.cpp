// The checks before a cut: their order, their exact texts, the byte count for every preset,
// and the sizes that are refused before anything is opened; and the number reading under them,
// which refuses anything that could be misread (group separators, words, hex, partial numbers).
#include "cutting/cut_plan.h"
#include "cutting/number_text.h"

#include "test_files.h"

#include <gtest/gtest.h>

namespace cutting {
namespace {

using namespace test;

class CutPlanTest : public ::testing::Test {
  protected:
    void SetUp() override { writeFile(source, pattern(10)); }
    // Option1 selected, its count in Text1 and Label2, one sector added, ',' for decimals.
    CutInputs inputs() const {
        return {source, dir.file("out.iso"), "2297888", "1", "2297888", 1, ","};
    }
    // The refusal, the error raised ("number source: description"), or TotalBytes.
    static std::string outcome(const CutInputs& in) {
        std::string result;
        const std::string error = raised([&] {
            const CutPlan plan = planCut(in);
            result =
                plan.refusal.empty() ? std::to_string(std::int64_t(plan.TotalBytes)) : plan.refusal;
        });
        return error == "none" ? result : error;
    }

    TempDir dir;
    std::string source = dir.file("src.iso");
};

TEST_F(CutPlanTest, RefusalsAndErrorsComeInOrderWithTheirTexts) {
    CutInputs in = inputs();
    in.txtSrc = in.TxtDest = "";
    EXPECT_EQ(outcome(in), "Please select ISO imput");
    for (const std::string& missing : {dir.file("missing.iso"), dir.file("")}) {
        in.txtSrc = missing; // raised before the missing output is noticed
        EXPECT_EQ(outcome(in), "53 Quillmar Dvd Control Test: File not found: '" + missing + "'.");
    }
    in.txtSrc = source;
    EXPECT_EQ(outcome(in), "Please select ISO Output");
    in = inputs();
    in.Label2 = "2297887.5";
    EXPECT_EQ(outcome(in), "Incorrect Preset.The numbers of Sectors of ISO DVD Image Selected are "
                           "< of Dvd Preset");

    const std::pair<std::string CutInputs::*, std::string> fields[] = {
        {&CutInputs::Label2, "the image's sectors"},
        {&CutInputs::Text1, "the preset's sectors"},
        {&CutInputs::Text3, "the LBA to add"}};
    for (const auto& [field, what] : fields) {
        for (const std::string text : {"12x", ""}) {
            in = inputs();
            in.*field = text;
            EXPECT_EQ(outcome(in), "13 Quillmar Dvd Control Test: Type mismatch: " + what + " '" +
                                       text + "' is not a number.");
        }
    }
}

TEST_F(CutPlanTest, TotalBytesIsTheSelectedPresetPlusWholeBytesOfAddedSectors) {
    const std::string none =
        "Incorrect LBA to add.The size of the ISO output would be 0 bytes or less.";
    const std::string partial =
        "Incorrect LBA to add.The sectors to add must give a whole number of bytes.";
    const std::string oversize =
        "Incorrect LBA to add.The size of the ISO output would exceed 9007199254740992 bytes.";
    // Text1 stays Option1's count, equal to Label2's (which passes): it only feeds the check.
    // "0,5" is read with the user's separator; -2297887.75 sectors give 512 whole bytes.
    const std::tuple<int, const char*, std::string> cases[] = {
        {1, "1", "4706076672"},   {2, "1", "4707321856"},    {3, "1", "4700375040"},
        {4, "1", "8547993600"},   {5, "1", "8500021248"},    {1, "-2297886", "4096"},
        {1, "0,5", "4706075648"}, {1, "-2297887.75", "512"}, {1, "-2297888", none},
        {1, "-99999999", none},   {1, "0.1", partial},       {1, "-2297887.9999", partial},
        {1, "1e20", oversize}};
    for (const auto& [option, Text3, expected] : cases) {
        CutInputs in = inputs();
        in.selectedOption = option;
        in.Text3 = Text3;
        EXPECT_EQ(outcome(in), expected) << option << ": " << Text3;
    }
    CutInputs in = inputs();
    in.selectedOption = 0;
    EXPECT_THROW(planCut(in), std::out_of_range);
}

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

// The checks before a cut: their order, their exact texts, the byte count for every preset,
// and the sizes that are refused before anything is opened.
#include "cutting/cut_plan.h"

#include "cutting/presets.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace cutting {
namespace {

using test::errorOf;

class CutPlanTest : public ::testing::Test {
  protected:
    CutInputs inputs() const {
        CutInputs in;
        in.txtSrc = source;
        in.TxtDest = dir.file("out.iso");
        in.Text1 = "2297888";
        in.Label2 = "2297888";
        in.Text3 = "1";
        in.selectedOption = 1;
        return in;
    }

    test::TempDir dir;
    std::string source = [this] {
        test::writeFile(dir.file("src.iso"), test::pattern(10));
        return dir.file("src.iso");
    }();
};

TEST_F(CutPlanTest, RefusalsComeInOrderWithTheirTexts) {
    CutInputs in = inputs();
    in.txtSrc.clear();
    in.TxtDest.clear();
    EXPECT_EQ(planCut(in).refusal, "Please select ISO imput");

    // A source naming no file is raised before the missing output is noticed.
    in.txtSrc = dir.file("missing.iso");
    const FileError e = errorOf([&] { planCut(in); });
    EXPECT_EQ(e.number(), 53);
    EXPECT_EQ(e.description(), "File not found: '" + dir.file("missing.iso") + "'.");
    in.txtSrc = dir.file(""); // a folder is no image either
    EXPECT_EQ(errorOf([&] { planCut(in); }).number(), 53);

    in.txtSrc = source;
    EXPECT_EQ(planCut(in).refusal, "Please select ISO Output");

    in = inputs();
    in.Label2 = "2297887.5";
    EXPECT_EQ(planCut(in).refusal, "Incorrect Preset.The numbers of Sectors of ISO DVD Image "
                                   "Selected are < of Dvd Preset");
    in.Label2 = "2297888"; // equal counts pass
    EXPECT_EQ(planCut(in).refusal, "");
}

TEST_F(CutPlanTest, TotalBytesIsThePresetOfTheSelectedOptionPlusAddedSectors) {
    const double expected[] = {4706076672.0, 4707321856.0, 4700375040.0, 8547993600.0,
                               8500021248.0};
    for (int option = 1; option <= 5; ++option) {
        CutInputs in = inputs();
        in.selectedOption = option; // Text1 stays Option1's: it only feeds the check
        EXPECT_EQ(planCut(in).TotalBytes, expected[option - 1]) << option;
    }
    CutInputs in = inputs();
    in.Text3 = "-2297886";
    EXPECT_EQ(planCut(in).TotalBytes, 4096.0);
    in.selectedOption = 0;
    EXPECT_THROW(planCut(in), std::out_of_range);
}

TEST_F(CutPlanTest, TextsThatAreNotNumbersRaiseTypeMismatch) {
    const std::pair<std::string CutInputs::*, std::string> fields[] = {
        {&CutInputs::Label2, "the image's sectors"},
        {&CutInputs::Text1, "the preset's sectors"},
        {&CutInputs::Text3, "the LBA to add"},
    };
    for (const auto& [field, what] : fields) {
        CutInputs in = inputs();
        in.*field = "12x";
        const FileError e = errorOf([&] { planCut(in); });
        EXPECT_EQ(e.number(), 13);
        EXPECT_EQ(e.description(), "Type mismatch: " + what + " '12x' is not a number.");
    }
    CutInputs in = inputs();
    in.Text3 = "";
    EXPECT_EQ(errorOf([&] { planCut(in); }).number(), 13);
    in.Text3 = "0,5";
    in.decimalPoint = ",";
    EXPECT_EQ(planCut(in).TotalBytes, presetFor(1).bytes + 1024);
}

TEST_F(CutPlanTest, SizesThatCannotBeCutAreRefused) {
    const std::pair<const char*, const char*> cases[] = {
        {"-2297888", "Incorrect LBA to add.The size of the ISO output would be 0 bytes or less."},
        {"-99999999", "Incorrect LBA to add.The size of the ISO output would be 0 bytes or less."},
        {"0.1", "Incorrect LBA to add.The sectors to add must give a whole number of bytes."},
        {"-2297887.9999", "Incorrect LBA to add.The sectors to add must give a whole number of "
                          "bytes."},
        {"1e20", "Incorrect LBA to add.The size of the ISO output would exceed 9007199254740992 "
                 "bytes."},
    };
    for (const auto& [text3, refusal] : cases) {
        CutInputs in = inputs();
        in.Text3 = text3;
        EXPECT_EQ(planCut(in).refusal, refusal) << text3;
    }
    // Fractions of a sector that give whole bytes are cut as asked.
    CutInputs in = inputs();
    in.Text3 = "-2297887.75";
    EXPECT_EQ(planCut(in).refusal, "");
    EXPECT_EQ(planCut(in).TotalBytes, 512.0);
}

} // namespace
} // namespace cutting

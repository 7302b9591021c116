// The checks and arithmetic that come before a cut opens anything: both paths set, the source
// present, the preset not larger than the source, and the number of bytes to write.
#pragma once

#include <string>

namespace cutting {

// The control values the job reads, named after the window's controls.
struct CutInputs {
    std::string txtSrc;     // source image path
    std::string TxtDest;    // output image path
    std::string Text1;      // sector count of the selected preset
    std::string Text3;      // sectors to add, may be negative
    std::string Label2;     // sector count of the last browsed source ("0" before any)
    int selectedOption = 1; // 1..5: which of Option1..Option5 is selected
    // The user's decimal separator; '.' is accepted as well.
    std::string decimalPoint = ".";
};

// Either a refusal to show (titled "info") or the number of bytes to write.
struct CutPlan {
    std::string refusal;   // empty when the cut can go ahead
    double TotalBytes = 0; // whole bytes, > 0, when it can
};

// Decides what the cut does. Raises qdct::NumberedError 53 when the source path names no regular
// file and 13 when Label2, Text1 or Text3 is not a number; throws std::out_of_range for an option
// outside 1..5. A size of zero or less, one that is not whole bytes or one beyond the exact range
// of a double is refused.
CutPlan planCut(const CutInputs& inputs);

} // namespace cutting

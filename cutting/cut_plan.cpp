// The cut's preliminaries, in the order the user meets them: source path, source lookup,
// output path, preset check, byte count, size limits.
#include "cutting/cut_plan.h"

#include "cutting/cut_messages.h"
#include "cutting/file_error.h"
#include "cutting/file_lookup.h"
#include "cutting/number_text.h"
#include "cutting/presets.h"

#include <cmath>

namespace cutting {

namespace {

// Beyond 2^53 a double no longer counts every byte, so the copy could not tell where it is.
constexpr double kMaxTotalBytes = 9007199254740992.0;

double numberOf(const std::string& text, const std::string& what, const CutInputs& inputs) {
    const auto value = parseNumber(text, inputs.decimalPoint);
    if (!value)
        throw qdct::NumberedError(errnum::kTypeMismatch, kJobErrorSource,
                                  notANumberText(what, text));
    return *value;
}

} // namespace

CutPlan planCut(const CutInputs& inputs) {
    if (inputs.txtSrc.empty()) return {kNoSourceText};
    lookUpFileSize(inputs.txtSrc); // only whether it exists matters here
    if (inputs.TxtDest.empty()) return {kNoOutputText};

    const double sourceSectors = numberOf(inputs.Label2, "the image's sectors", inputs);
    const double presetSectors = numberOf(inputs.Text1, "the preset's sectors", inputs);
    if (sourceSectors < presetSectors) return {kPresetTooLargeText};

    const double presetBytes = presetFor(inputs.selectedOption).bytes();
    const double addedSectors = numberOf(inputs.Text3, "the LBA to add", inputs);
    const double totalBytes = presetBytes + addedSectors * kSectorBytes;

    if (!(totalBytes > 0)) return {kEmptyOutputText};
    if (totalBytes > kMaxTotalBytes) return {kOversizeOutputText};
    if (std::floor(totalBytes) != totalBytes) return {kPartialByteText};
    return {{}, totalBytes};
}

} // namespace cutting

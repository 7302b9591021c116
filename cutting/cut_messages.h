// Every text that the cutting job shows or raises, in one place: refusals and the cancel
// report go out titled "info", the success message titled "Info".
#pragma once

#include <string>

namespace cutting {

inline constexpr char kRefusalTitle[] = "info";
inline constexpr char kSuccessTitle[] = "Info";

inline constexpr char kNoSourceText[] = "Please select ISO imput";
inline constexpr char kNoOutputText[] = "Please select ISO Output";
inline constexpr char kPresetTooLargeText[] =
    "Incorrect Preset.The numbers of Sectors of ISO DVD Image Selected are < of Dvd Preset";
inline constexpr char kSuccessText[] = "Process Successfully!!!";

// Refusals of a size that cannot be cut, given before any file is opened.
inline constexpr char kEmptyOutputText[] =
    "Incorrect LBA to add.The size of the ISO output would be 0 bytes or less.";
inline constexpr char kPartialByteText[] =
    "Incorrect LBA to add.The sectors to add must give a whole number of bytes.";
inline constexpr char kOversizeOutputText[] =
    "Incorrect LBA to add.The size of the ISO output would exceed 9007199254740992 bytes.";

// Shown, titled "info", when the user stops a cut with the window's cancel key.
inline std::string cancelledText(double writtenBytes, double totalBytes) {
    const auto whole = [](double bytes) { return std::to_string(static_cast<long long>(bytes)); };
    return "Cutting cancelled: " + whole(writtenBytes) + " of " + whole(totalBytes) +
           " bytes written.";
}

// Descriptions of the job's own raised errors.
inline std::string sourceNotFoundText(const std::string& path) {
    return "File not found: '" + path + "'.";
}
inline std::string notANumberText(const std::string& what, const std::string& text) {
    return "Type mismatch: " + what + " '" + text + "' is not a number.";
}

} // namespace cutting

// Every text that the cutting job shows or raises, in one place: refusals and the cancel
// report go out titled "info", the success message titled "Info".
#pragma once

#include <cstdint>
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

// The success message's details, one line each: whether the output was read back and found
// to be what was meant, and then its SHA-256.
inline constexpr char kVerifiedText[] = "Verified: the output reads back as the source.";
inline constexpr char kNotVerifiedText[] = "Not verified.";
inline std::string completionDetails(const std::string& sha256) {
    if (sha256.empty()) return kNotVerifiedText;
    return std::string(kVerifiedText) + "\n" + "SHA-256: " + sha256;
}

// Descriptions of the job's own raised errors.
inline std::string verifyFailedText(std::int64_t byte) {
    return "Verification failed: the output differs from the source at byte " +
           std::to_string(byte) + ".";
}
inline constexpr char kOutputRemovedText[] = "The output was removed while it was being written.";

inline std::string sourceNotFoundText(const std::string& path) {
    return "File not found: '" + path + "'.";
}
inline std::string notANumberText(const std::string& what, const std::string& text) {
    return "Type mismatch: " + what + " '" + text + "' is not a number.";
}

} // namespace cutting

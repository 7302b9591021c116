// How the file object's error descriptions are composed: fixed texts, the detail, and the
// system's own error text framed by CRLF line breaks.
#include "cutting/file_error.h"

#include <cstring>

namespace cutting {

std::string systemErrorText(int code) {
    // strerrordesc_np answers null for a code the system has no text for, unlike strerror,
    // which makes up "Unknown error N".
    const char* text = code == 0 ? nullptr : ::strerrordesc_np(code);
    return text ? std::string(text) : std::string("Unknown Error.");
}

std::string systemErrorSuffix(int code) {
    if (code == 0) return {};
    return kCrLf + std::string("Error ") + std::to_string(code) + kCrLf + systemErrorText(code);
}

std::string describeFileError(int number, const std::string& detail, int systemError) {
    const std::string suffix = systemErrorSuffix(systemError);
    const std::string quoted = "'" + detail + "'";
    switch (number) {
    case errnum::kAlreadyOpen:
        return "The file " + quoted + " is already open." + suffix;
    case errnum::kOpenFailed:
        return "Error opening " + quoted + "." + suffix;
    case errnum::kNoOpenFile:
        return "There is no open file.";
    case errnum::kSeekFailed:
        return "Seek Error." + std::string(kCrLf) + detail;
    case errnum::kReadFailed:
        return "Error reading " + quoted + "." + suffix;
    case errnum::kWriteFailed:
        return "Error writing " + quoted + "." + suffix;
    case errnum::kFlushFailed:
        return "Error flushing " + quoted + "." + suffix;
    case errnum::kCloseFailed:
        return "Error closing " + quoted + "." + suffix;
    case errnum::kSetEndFailed:
        return "Error setting the end of " + quoted + "." + suffix;
    default:
        return "Error " + std::to_string(number) + "." + suffix;
    }
}

} // namespace cutting

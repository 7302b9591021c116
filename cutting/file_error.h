// The cutting subsystem's error numbers, sources and descriptions. Every failure is raised as
// a qdct::NumberedError, so that the window can show "number + description" however the error
// came about: the file object's numbered errors, the failed source lookup or a count that is
// not a number.
#pragma once

#include "common/numbered_error.h"

#include <cerrno>

#include <string>

namespace cutting {

// Source text of every error raised by the file object.
inline constexpr char kFileErrorSource[] = "Win32File Object";
// Source text of the errors that the cutting job raises itself.
inline constexpr char kJobErrorSource[] = "Quillmar Dvd Control Test";

inline constexpr char kCrLf[] = "\r\n";

// Error numbers. The file object's are consecutive from 45601; the job's are the runtime's
// classic ones.
namespace errnum {
inline constexpr int kAlreadyOpen = 45601;
inline constexpr int kOpenFailed = 45602;
inline constexpr int kNoOpenFile = 45603;
inline constexpr int kSeekFailed = 45604;
inline constexpr int kReadFailed = 45605;
inline constexpr int kWriteFailed = 45606;
inline constexpr int kFlushFailed = 45607;
inline constexpr int kCloseFailed = 45608;
inline constexpr int kSetEndFailed = 45609;
// The cutting job's own: the read-back found other bytes than were meant, and the output's
// last link went while the cut wrote it.
inline constexpr int kVerifyFailed = 45610;
inline constexpr int kOutputRemoved = 45611;
using qdct::errnum::kFileNotFound;
using qdct::errnum::kTypeMismatch;
} // namespace errnum

// The system's text for an errno value, or "Unknown Error." when the system has none.
std::string systemErrorText(int code);

// Whether a sync that failed with `code` only says that the file (a device, a pipe) has
// nothing to commit.
inline bool nothingToCommit(int code) {
    return code == EINVAL || code == EROFS || code == ESPIPE;
}

// CRLF + "Error " + code + CRLF + text for a non-zero code; "" for 0.
std::string systemErrorSuffix(int code);

// The file object's description for `number` (45601..45609), built from `detail` (a file name,
// or the seek detail for 45604) and the last system error code as the table of errors says.
std::string describeFileError(int number, const std::string& detail, int systemError);

} // namespace cutting

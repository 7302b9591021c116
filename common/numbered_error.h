// The one error type that every part of the program raises: a number, the source that raised
// it and a description, so that whoever shows an error can show "number + description"
// whether it came from the file object, the cutting job or a button.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace qdct {

// The language runtime's classic error numbers, which every part reuses for the same conditions.
namespace errnum {
inline constexpr int kOverflow = 6;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kInternalError = 51;
inline constexpr int kFileNotFound = 53;
inline constexpr int kResourceNotFound = 326;
inline constexpr int kInvalidPropertyValue = 380;
} // namespace errnum

class NumberedError : public std::runtime_error {
  public:
    NumberedError(int number, std::string source, const std::string& description)
        : std::runtime_error(description), number_(number), source_(std::move(source)) {}

    int number() const { return number_; }
    const std::string& source() const { return source_; }
    std::string description() const { return what(); }

  private:
    int number_;
    std::string source_;
};

} // namespace qdct

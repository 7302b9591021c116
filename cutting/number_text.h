// Reading the numbers that the window's text boxes and labels hold: sector counts, possibly
// negative (sectors to add) or fractional (a source size that is not whole sectors).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cutting {

// The value of `text`: optional blanks, an optional sign, digits with an optional fraction
// after '.' or after `decimalPoint` (the user's separator, as the window writes it), an
// optional exponent, optional blanks. No group separators, no "inf"/"nan", nothing else;
// nullopt for any other text or a value outside the range of a double.
std::optional<double> parseNumber(std::string_view text, std::string_view decimalPoint = ".");

} // namespace cutting

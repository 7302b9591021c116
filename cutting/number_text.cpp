// Strict number reading: a text either is a plain decimal number or is refused, so that a
// mistyped count can never turn silently into some other count.
#include "cutting/number_text.h"

#include <charconv>
#include <system_error>

namespace cutting {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Copies the digits at `text[pos]...` to `out`; returns how many there were.
std::size_t takeDigits(std::string_view text, std::size_t& pos, std::string& out) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) out += text[pos++];
    return pos - start;
}

} // namespace

std::optional<double> parseNumber(std::string_view text, std::string_view decimalPoint) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    std::string plain; // the same number in the C locale's form, for from_chars
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') plain += '-';
        ++pos;
    }
    std::size_t digits = takeDigits(text, pos, plain);
    if (pos < text.size()) {
        std::size_t separator = 0;
        if (text[pos] == '.')
            separator = 1;
        else if (!decimalPoint.empty() && text.substr(pos).starts_with(decimalPoint))
            separator = decimalPoint.size();
        if (separator != 0) {
            pos += separator;
            plain += '.';
            digits += takeDigits(text, pos, plain);
        }
    }
    if (digits == 0) return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        plain += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) plain += text[pos++];
        if (takeDigits(text, pos, plain) == 0) return std::nullopt;
    }
    if (pos != text.size()) return std::nullopt;

    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

} // namespace cutting

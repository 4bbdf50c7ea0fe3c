#include "model/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace game {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void overflow(const std::string& what) {
    throw NumberError(NumberError::Kind::Overflow, what + " is outside -32768..32767");
}

// For a well-formed decimal beyond the range of a double: whether it is huge
// (rather than tiny), by the place of its first significant digit.
bool isHuge(std::string_view body) {
    const auto e = body.find_first_of("eE");
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view power = body.substr(e + 1);
        const bool minus = power.front() == '-';
        if (power.front() == '-' || power.front() == '+') power.remove_prefix(1);
        for (char c : power)
            exponent = std::min(exponent * 10 + (c - '0'), 1000000LL);
        if (minus) exponent = -exponent;
    }
    const std::string_view mantissa = body.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    // The power of ten of the first significant digit, plus one.
    const long long place = first < point ? static_cast<long long>(point - first)
                                          : -static_cast<long long>(first - point - 1);
    return exponent + place > 0;
}

}  // namespace

std::optional<double> parseNumber(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    s = s.substr(b, e - b);
    // Check the shape first: from_chars alone would take "inf", "nan" or hex.
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t mantissa = i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    // from_chars takes no '+' and is locale-independent.
    const std::string_view body = s.substr(mantissa);
    double value = 0;
    const auto result = std::from_chars(body.data(), body.data() + body.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond a double: far too large is no number we can hold, far too
        // small is zero.
        if (isHuge(body)) return std::nullopt;
        value = 0;
    } else if (result.ec != std::errc() || result.ptr != body.data() + body.size()) {
        return std::nullopt;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

double number(std::string_view text) {
    if (auto value = parseNumber(text)) return *value;
    throw NumberError(NumberError::Kind::Conversion, "\"" + std::string(text) + "\" is no number");
}

double roundHalfEven(double value) {
    // nearbyint rounds to even in the default rounding mode.
    return std::nearbyint(value);
}

std::optional<int16> tryInteger(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<int16>(rounded);
}

std::optional<int16> tryInteger(std::string_view text) {
    auto value = parseNumber(text);
    if (!value) return std::nullopt;
    return tryInteger(*value);
}

int16 integer(double value) {
    if (auto result = tryInteger(value)) return *result;
    overflow(text(value));
}

int16 saturate16(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int16>(std::clamp(roundHalfEven(value), -32768.0, 32767.0));
}

int16 integer(std::string_view s) {
    return integer(number(s));
}

std::string text(double value) {
    if (value == 0) return "0";  // also for -0
    char buffer[400];
    const double magnitude = std::abs(value);
    const auto format = (magnitude >= 1e21 || magnitude < 1e-7 || !std::isfinite(value))
                            ? std::chars_format::general
                            : std::chars_format::fixed;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    return std::string(buffer, result.ptr);
}

std::string text(long long value) {
    return std::to_string(value);
}

std::optional<int16> tryFit16(long long value) {
    if (value < std::numeric_limits<int16>::min() || value > std::numeric_limits<int16>::max())
        return std::nullopt;
    return static_cast<int16>(value);
}

int16 fit16(long long value) {
    if (auto result = tryFit16(value)) return *result;
    overflow(std::to_string(value));
}

int16 add16(long long a, long long b) {
    return fit16(a + b);
}
int16 sub16(long long a, long long b) {
    return fit16(a - b);
}
int16 mul16(long long a, long long b) {
    return fit16(a * b);
}

}  // namespace game

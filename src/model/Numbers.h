// The game's numbers. Values live as texts of labels as much as in fields, so
// every rule converts between the two; this module is the one place that does.
//
// - the *number* of a text: a decimal with optional sign, fraction and
//   exponent, blanks allowed around it ("  -1.5e2 "); the empty text, words
//   and anything else fail;
// - the *integer* of a text or a number: rounded to the nearest whole number,
//   a half to the even neighbour, into 16 bits; outside -32768..32767 it fails;
// - the *text* of a number: its shortest decimal form that reads back to the
//   same value, with '.' as the separator whatever the locale ("1.5", "-3",
//   "1.3333333333333333");
// - 16-bit arithmetic that fails instead of wrapping around.
//
// Failures throw NumberError, which the handlers treat as the error of the
// step they are in.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace game {

using int16 = std::int16_t;

class NumberError : public std::runtime_error {
  public:
    enum class Kind { Conversion, Overflow };
    NumberError(Kind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
    Kind kind() const { return kind_; }

  private:
    Kind kind_;
};

// The number of a text, or nothing when the text is not a number.
std::optional<double> parseNumber(std::string_view text);
// The number of a text; throws NumberError (Conversion).
double number(std::string_view text);

// Rounds to the nearest whole number, a half to the even neighbour.
double roundHalfEven(double value);

// The integer of a number or a text; nothing, or NumberError, outside 16 bits.
std::optional<int16> tryInteger(double value);
std::optional<int16> tryInteger(std::string_view text);
int16 integer(double value);
int16 integer(std::string_view text);

// Rounded like the integer, a value past either end of 16 bits stays at
// that end.
int16 saturate16(double value);

// The text of a number.
std::string text(double value);
std::string text(long long value);
inline std::string text(int value) {
    return text(static_cast<long long>(value));
}
inline std::string text(int16 value) {
    return text(static_cast<long long>(value));
}

// Checked 16-bit arithmetic: throws NumberError (Overflow) outside 16 bits.
int16 add16(long long a, long long b);
int16 sub16(long long a, long long b);
int16 mul16(long long a, long long b);
// A whole number into 16 bits.
int16 fit16(long long value);
std::optional<int16> tryFit16(long long value);

}  // namespace game

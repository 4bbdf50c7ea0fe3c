// The text and number conversions every rule of the game goes through, and
// the 16-bit arithmetic that must fail rather than wrap.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <optional>
#include <string>

#include "model/Numbers.h"

namespace {

using game::int16;
using game::NumberError;

struct IntegerCase {
    const char* text;
    std::optional<int> integer;  // nothing: the conversion fails
};

const IntegerCase kIntegerCases[] = {
    {"0.5", 0},
    {"1.5", 2},
    {"2.5", 2},
    {"3.5", 4},
    {"-0.5", 0},
    {"-1.5", -2},
    {"-2.5", -2},
    {"2.4999", 2},
    {"2.5001", 3},
    {"32767", 32767},
    {"-32768", -32768},
    {"32768", std::nullopt},
    {"-32769", std::nullopt},
    {"32767.4", 32767},
    {"32767.5", std::nullopt},
    {"-32768.5", -32768},
    {"-32768.6", std::nullopt},
    {"  42  ", 42},
    {"\t7", 7},
    {"+5", 5},
    {"1e3", 1000},
    {"1.5E1", 15},
    {"25e-1", 2},
    {"-3e+2", -300},
    {".5", 0},
    {"5.", 5},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"abc", std::nullopt},
    {"12abc", std::nullopt},
    {"1,5", std::nullopt},
    {"1e", std::nullopt},
    {"e5", std::nullopt},
    {"inf", std::nullopt},
    {"nan", std::nullopt},
    {"0x10", std::nullopt},
    {"1 2", std::nullopt},
    {"--1", std::nullopt},
    {"1e400", std::nullopt},
};

void checkIntegers() {
    for (const IntegerCase& c : kIntegerCases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        const auto got = game::tryInteger(std::string_view(c.text));
        if (c.integer) {
            ASSERT_TRUE(got.has_value());
            EXPECT_EQ(*got, *c.integer);
            EXPECT_EQ(game::integer(std::string_view(c.text)), *c.integer);
        } else {
            EXPECT_FALSE(got.has_value());
            EXPECT_THROW(game::integer(std::string_view(c.text)), NumberError);
        }
    }
}

struct TextCase {
    double value;
    const char* text;
};

const TextCase kTextCases[] = {
    {0, "0"},
    {-0.0, "0"},
    {1.5, "1.5"},
    {-3, "-3"},
    {100000, "100000"},
    {32767, "32767"},
    {0.1, "0.1"},
    {466.2, "466.2"},
    {20.0 / 15.0, "1.3333333333333333"},
    {1e21, "1e+21"},
    {123456789012, "123456789012"},
};

void checkTexts() {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(game::text(c.value), c.text);
        // Every text reads back as the same number.
        EXPECT_EQ(game::number(game::text(c.value)), c.value);
    }
}

TEST(Numbers, IntegersRoundHalfToEvenWithinSixteenBits) {
    checkIntegers();
}

TEST(Numbers, TextIsShortestDecimalWithPoint) {
    checkTexts();
}

TEST(Numbers, NumberOfTextKeepsFractions) {
    EXPECT_EQ(game::number(" -1.25 "), -1.25);
    EXPECT_EQ(game::number("1e-3"), 0.001);
    EXPECT_THROW(game::number(""), NumberError);
    EXPECT_THROW(game::number("pět"), NumberError);
}

// The same results whatever the player's locale: comma decimals must neither
// be accepted nor produced.
TEST(Numbers, LocaleDoesNotMatter) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    const char* comma = nullptr;
    for (const char* name : {"cs_CZ.UTF-8", "cs_CZ.utf8", "de_DE.UTF-8"})
        if ((comma = std::setlocale(LC_ALL, name))) break;
    if (comma) {
        EXPECT_EQ(std::string(std::localeconv()->decimal_point), ",");
    } else {
        ADD_FAILURE() << "no comma-decimal locale is installed; set LOCPATH to one";
    }
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale saveCpp = std::locale::global(std::locale(std::locale(), new CommaPoint));
    checkIntegers();
    checkTexts();
    std::locale::global(saveCpp);
    std::setlocale(LC_ALL, saved.c_str());
}

struct ArithmeticCase {
    long long a, b;
    char op;
    std::optional<int> result;
};

TEST(Numbers, SixteenBitArithmeticFailsInsteadOfWrapping) {
    const ArithmeticCase cases[] = {
        {32766, 1, '+', 32767},
        {32767, 1, '+', std::nullopt},
        {-32768, -1, '+', std::nullopt},
        {-32767, 1, '-', -32768},
        {-32768, 1, '-', std::nullopt},
        {0, -32768, '-', std::nullopt},
        {181, 181, '*', 32761},
        {182, 181, '*', std::nullopt},
        {-256, 128, '*', -32768},
        {-256, 129, '*', std::nullopt},
        {4, 20, '*', 80},
        {80, 5, '-', 75},
    };
    for (const ArithmeticCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + c.op + std::to_string(c.b));
        auto compute = [&] {
            switch (c.op) {
                case '+':
                    return game::add16(c.a, c.b);
                case '-':
                    return game::sub16(c.a, c.b);
                default:
                    return game::mul16(c.a, c.b);
            }
        };
        if (c.result) {
            EXPECT_EQ(compute(), *c.result);
        } else {
            try {
                compute();
                ADD_FAILURE() << "no overflow reported";
            } catch (const NumberError& e) {
                EXPECT_EQ(e.kind(), NumberError::Kind::Overflow);
            }
        }
    }
}

}  // namespace

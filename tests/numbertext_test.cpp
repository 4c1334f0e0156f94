#include "calc/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>

namespace vendrel {
namespace {

struct ParseCase {
    const char* text;
    double value;
};

class ParseNumberTest : public testing::TestWithParam<ParseCase> { };

TEST_P(ParseNumberTest, ReadsLikeClassicAtof)
{
    const double value = ParseNumber(GetParam().text);
    const double expected = GetParam().value;
    EXPECT_EQ(value, expected) << '"' << GetParam().text << '"';
    EXPECT_EQ(std::signbit(value), std::signbit(expected)) << '"' << GetParam().text << '"';
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Grammar, ParseNumberTest,
    testing::Values(ParseCase{"12", 12}, ParseCase{" 12abc", 12}, ParseCase{"\t\n 7", 7}, ParseCase{"1e3", 1000},
        ParseCase{"1E+3", 1000}, ParseCase{"2.5e-1", 0.25}, ParseCase{"1e", 1}, ParseCase{"1e+", 1},
        ParseCase{"1.5e3x", 1500}, ParseCase{"0,2", 0}, ParseCase{"0x10", 0}, ParseCase{"inf", 0}, ParseCase{"-inf", 0},
        ParseCase{"nan", 0}, ParseCase{"-0", -0.0}, ParseCase{"+5", 5}, ParseCase{".5", 0.5}, ParseCase{"5.", 5},
        ParseCase{".", 0}, ParseCase{"-", 0}, ParseCase{"", 0}, ParseCase{"abc", 0}, ParseCase{"- 5", 0},
        ParseCase{"1.306", 1.306}, ParseCase{"0.000001", 0.000001}, ParseCase{"1e999", kInf},
        ParseCase{"-1e999", -kInf}, ParseCase{"0.0000000001e309", 1e299}, ParseCase{"1e-999", 0},
        ParseCase{"000123.5", 123.5}, ParseCase{"0.00012e-400", 0}, ParseCase{"4.9e-324", 4.9e-324},
        ParseCase{"1e99999999999999999999", kInf}, ParseCase{"0e99999999999999999999", 0},
        // Full-width forms of a Chinese input method read as ASCII; other
        // full-width characters, such as the comma "，", still end the number.
        ParseCase{"１２", 12}, ParseCase{"10。5", 10.5}, ParseCase{"10．5", 10.5}, ParseCase{"＋１ｅ２", 100},
        ParseCase{"－２．５Ｅ－１", -0.25}, ParseCase{"10，5", 10}, ParseCase{"１２毫米", 12},
        ParseCase{"\xEF\xBC", 0}));

struct WholeCase {
    const char* text;
    bool whole;
    double value = 0;
};

class ParseWholeNumberTest : public testing::TestWithParam<WholeCase> { };

TEST_P(ParseWholeNumberTest, AcceptsOnlyTextsThatAreWhollyANumber)
{
    double value = -1;
    EXPECT_EQ(ParseWholeNumber(GetParam().text, value), GetParam().whole) << '"' << GetParam().text << '"';
    if (GetParam().whole) {
        EXPECT_EQ(value, GetParam().value) << '"' << GetParam().text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(Grammar, ParseWholeNumberTest,
    testing::Values(WholeCase{"10", true, 10}, WholeCase{" 10.5\t", true, 10.5}, WholeCase{"-1e3", true, -1000},
        WholeCase{"1e999", true, kInf}, WholeCase{"１０。５", true, 10.5}, WholeCase{"10,5", false},
        WholeCase{"50mm", false}, WholeCase{"1e", false}, WholeCase{"", false}, WholeCase{"  ", false},
        WholeCase{"-", false}, WholeCase{".", false}, WholeCase{"inf", false}, WholeCase{"0x10", false},
        WholeCase{"1 2", false}));

struct FormatCase {
    double value;
    const char* fixed;
    const char* integer;
};

class FormatTest : public testing::TestWithParam<FormatCase> { };

TEST_P(FormatTest, WritesPrintfTextsWithoutLocale)
{
    std::string fixed;
    AppendFixed(fixed, GetParam().value);
    EXPECT_EQ(fixed, GetParam().fixed);
    std::string integer = "previous";
    AssignTruncatedInteger(integer, GetParam().value);
    EXPECT_EQ(integer, GetParam().integer);
}

INSTANTIATE_TEST_SUITE_P(Texts, FormatTest,
    testing::Values(FormatCase{1.4147106, "1.414711", "1"}, FormatCase{0.0000004, "0.000000", "0"},
        FormatCase{0.0000005, "0.000000", "0"}, // 5e-7 is just below one half in binary
        FormatCase{2.5e-6, "0.000003", "0"},
        // Exact ties round half to even, as printf does.
        FormatCase{0.0078125, "0.007812", "0"}, FormatCase{0.0234375, "0.023438", "0"},
        FormatCase{-0.0297844, "-0.029784", "0"}, FormatCase{-0.0, "-0.000000", "0"},
        FormatCase{54161.968, "54161.968000", "54161"}, FormatCase{-70735.9, "-70735.900000", "-70735"},
        FormatCase{2147483647.9, "2147483647.900000", "2147483647"},
        FormatCase{2147483648.0, "2147483648.000000", "2147483648"},
        FormatCase{-2147483649.5, "-2147483649.500000", "-2147483649"},
        FormatCase{1e20, "100000000000000000000.000000", "100000000000000000000"}, FormatCase{kInf, "inf", "inf"},
        FormatCase{-kInf, "-inf", "-inf"}, FormatCase{std::numeric_limits<double>::quiet_NaN(), "nan", "nan"},
        FormatCase{-std::numeric_limits<double>::quiet_NaN(), "nan", "nan"}));

TEST(FormatFixed, LargestDoubleFitsTheBuffer)
{
    char buffer[kMaxFixedLength];
    const std::size_t n = FormatFixed(-std::numeric_limits<double>::max(), buffer);
    EXPECT_EQ(n, kMaxFixedLength);
    EXPECT_EQ(std::string(buffer + n - 7, 7), ".000000");
    // The texts of the design aids (Pa/m to 0.1) fit as well.
    const std::string text = FixedText(-std::numeric_limits<double>::max(), 1);
    EXPECT_EQ(text.size(), kMaxFixedLength - 5);
    EXPECT_EQ(text.substr(text.size() - 2), ".0");
}

// Limits echoed in headings and messages: "0.0001", not "1e-04".
TEST(ShortestText, PlainDigitsWhereTheyFit)
{
    for (const auto& [value, text] : {std::pair{300.0, "300"}, {150.5, "150.5"}, {0.0001, "0.0001"}, {1e300, "1e+300"}})
        EXPECT_EQ(ShortestText(value), text);
}

} // namespace
} // namespace vendrel

namespace vendrel {
namespace {

// The fast paths must agree with the C library's own conversions everywhere,
// not only on the hand-picked rows above.
TEST(NumberText, AgreesWithTheCLibraryOnRandomValues)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> exponent(-40, 25);
    std::uniform_int_distribution<int> scale(-120, 15); // values from 2⁻¹²⁰ to 2⁶⁸
    std::uniform_int_distribution<int> digitCount(1, 22);
    std::uniform_int_distribution<int> digit(0, 9);
    char expected[kMaxFixedLength + 8];
    char actual[kMaxFixedLength];
    for (int i = 0; i < 200000; ++i) {
        // Arbitrary bit patterns cover every exponent, subnormals included.
        double value;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (i % 2 == 0)
            value = std::ldexp(static_cast<double>(bits >> 11), scale(random)) * (bits & 1 ? -1 : 1);
        if (!std::isfinite(value))
            continue;
        std::snprintf(expected, sizeof expected, "%f", value);
        ASSERT_EQ(std::string(actual, FormatFixed(value, actual)), expected) << std::hexfloat << value;

        // Decimal texts such as a user types, with and without exponents.
        std::string text = i % 3 == 0 ? "-" : "";
        const int count = digitCount(random);
        const int point = std::uniform_int_distribution<int>(0, count)(random);
        for (int d = 0; d < count; ++d) {
            if (d == point)
                text += '.';
            text += static_cast<char>('0' + digit(random));
        }
        if (i % 4 == 0)
            text += "e" + std::to_string(exponent(random) * 8);
        ASSERT_EQ(ParseNumber(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

} // namespace
} // namespace vendrel

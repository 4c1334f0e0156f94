#include "calc/frictioncalc.h"
#include "calc/numbertext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace vendrel {
namespace {

// German uses a decimal comma; Windows' C runtime knows its locales by other names.
#ifdef _WIN32
constexpr char kCommaLocale[] = "German_Germany.1252";
#else
constexpr char kCommaLocale[] = "de_DE.UTF-8";
#endif

// The dialog runs with the user's locale in force; a comma-decimal locale must
// change neither how inputs are read nor how results are written.
class CommaDecimalLocale : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::setlocale(LC_ALL, kCommaLocale), nullptr)
            << kCommaLocale << " is missing (scripts/install-deps.sh)";
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.1f", 0.5);
        ASSERT_STREQ(probe, "0,5") << "the locale does not use a decimal comma";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CommaDecimalLocale, CalculationIsUnchanged)
{
    FrictionFields f;
    SetInputs(f, "10", "50", "0.2", "1.306");
    Calculate(f);
    EXPECT_EQ(f.m_strVelocity, "1.414711");
    EXPECT_EQ(f.m_strReynolds, "54161");
    EXPECT_EQ(f.m_strLambda, "0.030320");
    EXPECT_EQ(f.m_strFrictionRate, "61.875887");
    EXPECT_EQ(f.m_strRoughReynolds, "13.337383");
    EXPECT_EQ(f.m_strStatus, "过渡区：λ误差为-0.029784^-6");
}

TEST_F(CommaDecimalLocale, CommaIsStillNotADecimalSeparator)
{
    EXPECT_EQ(ParseNumber("0,2"), 0.0);
    EXPECT_EQ(ParseNumber("0.2"), 0.2);
    std::string text;
    AppendFixed(text, 1234567.25);
    EXPECT_EQ(text, "1234567.250000");
}

} // namespace
} // namespace vendrel

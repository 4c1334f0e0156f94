#include "calc/frictioncalc.h"
#include "tests/workedexamples.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace vendrel {
namespace examples {

void PrintTo(const Example& row, std::ostream* os)
{
    *os << row.name;
}

} // namespace examples

namespace {

using namespace examples;
using Zone = CalculationOutcome::Zone;

FrictionFields Fields(const Inputs& in)
{
    FrictionFields f;
    SetInputs(f, in.flow, in.diameter, in.roughness, in.viscosity);
    return f;
}

void ExpectResults(const FrictionFields& f, const Results& out)
{
    EXPECT_EQ(f.m_strVelocity, out.velocity);
    EXPECT_EQ(f.m_strReynolds, out.reynolds);
    EXPECT_EQ(f.m_strLambda, out.lambda);
    EXPECT_EQ(f.m_strFrictionRate, out.frictionRate);
    EXPECT_EQ(f.m_strRoughReynolds, out.roughReynolds);
    EXPECT_EQ(f.m_strStatus, out.status);
}

class WorkedExample : public testing::TestWithParam<Example> { };

TEST_P(WorkedExample, GivesTheExpectedTexts)
{
    const Example& e = GetParam();
    FrictionFields f = Fields(e.in);
    const CalculationOutcome outcome = Calculate(f);
    ExpectResults(f, e.out);
    EXPECT_EQ(outcome.zone, e.zone);
    EXPECT_EQ(outcome.finite, e.finite);
    // Inputs are never rewritten.
    EXPECT_EQ(f.m_strFlow, e.in.flow);
    EXPECT_EQ(f.m_strDiameter, e.in.diameter);
    EXPECT_EQ(f.m_strRoughness, e.in.roughness);
    EXPECT_EQ(f.m_strViscosity, e.in.viscosity);
}

INSTANTIATE_TEST_SUITE_P(Calculate, WorkedExample, testing::ValuesIn(kWorkedExamples),
    [](const testing::TestParamInfo<Example>& info) { return std::string(info.param.name); });

struct Rejected {
    const char* name;
    Inputs in;
};

void PrintTo(const Rejected& row, std::ostream* os)
{
    *os << row.name;
}

class RejectedInput : public testing::TestWithParam<Rejected> { };

// Whatever the bad input, only the Reynolds field changes; the previous
// results stay visible beside the message.
TEST_P(RejectedInput, ChangesOnlyTheReynoldsField)
{
    FrictionFields f = Fields(GetParam().in);
    f.m_strVelocity = "v";
    f.m_strReynolds = "re";
    f.m_strLambda = "l";
    f.m_strFrictionRate = "rf";
    f.m_strRoughReynolds = "re*";
    f.m_strStatus = "s";
    const FrictionFields before = f;
    EXPECT_EQ(Calculate(f).zone, Zone::Invalid);
    EXPECT_EQ(f.m_strReynolds, "数据有误");
    f.m_strReynolds = before.m_strReynolds;
    EXPECT_EQ(f.m_strVelocity, before.m_strVelocity);
    EXPECT_EQ(f.m_strLambda, before.m_strLambda);
    EXPECT_EQ(f.m_strFrictionRate, before.m_strFrictionRate);
    EXPECT_EQ(f.m_strRoughReynolds, before.m_strRoughReynolds);
    EXPECT_EQ(f.m_strStatus, before.m_strStatus);
    EXPECT_EQ(f.m_strFlow, before.m_strFlow);
    EXPECT_EQ(f.m_strDiameter, before.m_strDiameter);
    EXPECT_EQ(f.m_strRoughness, before.m_strRoughness);
    EXPECT_EQ(f.m_strViscosity, before.m_strViscosity);
}

const Rejected kRejectedInputs[] = {
    {"empty_flow", {"", "50", "0.2", "1.306"}},
    {"zero_diameter", {"10", "0", "0.2", "1.306"}},
    {"negative_diameter", {"10", "-50", "0.2", "1.306"}},
    {"non_numeric_flow", {"abc", "50", "0.2", "1.306"}},
    {"flow_below_threshold", {"0.0000009", "50", "0.2", "1.306"}},
    {"diameter_below_threshold", {"10", "0.0000009", "0.2", "1.306"}},
    {"roughness_below_threshold", {"10", "50", "0.0000009", "1.306"}},
    {"smooth_pipe_zero_roughness", {"10", "50", "0", "1.306"}},
    {"comma_decimal_roughness", {"10", "50", "0,2", "1.306"}},
    {"hex_flow", {"0x10", "50", "0.2", "1.306"}},
    {"infinite_word", {"inf", "50", "0.2", "1.306"}},
    {"overflowing_diameter", {"10", "1e999", "0.2", "1.306"}},
    {"overflowing_flow", {"1e400", "50", "0.2", "1.306"}},
    {"negative_viscosity", {"10", "50", "0.2", "-1"}},
    {"zero_viscosity", {"10", "50", "0.2", "0"}},
    {"negative_zero_viscosity", {"10", "50", "0.2", "-0"}},
    {"empty_viscosity", {"10", "50", "0.2", ""}},
    {"viscosity_below_threshold", {"10", "50", "0.2", "0.0000009"}},
};

INSTANTIATE_TEST_SUITE_P(Calculate, RejectedInput, testing::ValuesIn(kRejectedInputs),
    [](const testing::TestParamInfo<Rejected>& info) { return std::string(info.param.name); });

TEST(Calculate, ResultsOfAFailedIterationDoNotLingerAfterward)
{
    FrictionFields f = Fields({"10", "50", "0.2", "1.306"});
    Calculate(f);
    f.m_strFlow = "3.2";
    f.m_strRoughness = "2";
    Calculate(f);
    EXPECT_EQ(f.m_strLambda, "");
    EXPECT_EQ(f.m_strFrictionRate, "");
    EXPECT_EQ(f.m_strRoughReynolds, "");
    EXPECT_EQ(f.m_strStatus, "迭代失败");
}

TEST(Calculate, ReynoldsIsTruncatedNeverRounded)
{
    // 10 m³/h in DN50 gives Re = 54161.968…: rounding would show 54162.
    FrictionFields f = Fields({"10", "50", "0.2", "1.306"});
    Calculate(f);
    EXPECT_EQ(f.m_strReynolds, "54161");
}

TEST(Calculate, ReynoldsBeyondTheIntegerRangePrintsInFull)
{
    // Re ≈ 7.07e12, far past 2³¹: shown whole, without wrapping around.
    FrictionFields f = Fields({"1000000", "50", "0.2", "0.001"});
    Calculate(f);
    EXPECT_EQ(f.m_strReynolds, "7073553034389");
    EXPECT_EQ(f.m_strStatus.rfind("粗糙区:λ误差为", 0), 0u);
}

// A velocity beyond the single-precision range reaches the solver as
// infinity (as rounding to single precision gives), not as an undefined cast.
TEST(Calculate, VelocityBeyondSinglePrecisionIsRough)
{
    FrictionFields f = Fields({"1e300", "1000", "0.2", "1.306"});
    Calculate(f);
    EXPECT_EQ(f.m_strVelocity.substr(0, 10), "3536776517");
    EXPECT_EQ(f.m_strStatus.rfind("粗糙区:λ误差为", 0), 0u) << f.m_strStatus;
    EXPECT_EQ(f.m_strLambda, "0.013081");
}

TEST(Calculate, OverflowingVelocityPrintsAsInfinity)
{
    FrictionFields f = Fields({"1e308", "0.001", "0.2", "1.306"});
    Calculate(f);
    EXPECT_EQ(f.m_strVelocity, "inf");
    EXPECT_EQ(f.m_strReynolds, "inf");
}

} // namespace
} // namespace vendrel

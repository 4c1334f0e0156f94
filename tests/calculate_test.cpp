#include "calc/frictioncalc.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace vendrel {
namespace {

struct Inputs {
    const char* flow;
    const char* diameter;
    const char* roughness;
    const char* viscosity;
};

struct Results {
    const char* velocity;
    const char* reynolds;
    const char* lambda;
    const char* frictionRate;
    const char* roughReynolds;
    const char* status;
};

using Zone = CalculationOutcome::Zone;

struct Example {
    const char* name;
    Inputs in;
    Results out;
    Zone zone;
    bool finite = true;
};

void PrintTo(const Example& row, std::ostream* os)
{
    *os << row.name;
}

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

const Example kWorkedExamples[] = {
    {"transition_DN50", {"10", "50", "0.2", "1.306"},
        {"1.414711", "54161", "0.030320", "61.875887", "13.337383", "过渡区：λ误差为-0.029784^-6"}, Zone::Transition},
    {"laminar", {"0.2", "50", "0.2", "1.306"}, {"0.028294", "1083", "0.059082", "0.048230", "非紊流区", "层流区"},
        Zone::Laminar},
    {"critical", {"0.3", "25", "0.2", "1.306"}, {"0.169765", "3249", "0.037030", "2.176441", "非紊流区", "临界区"},
        Zone::Critical},
    {"rough_DN300", {"1000", "300", "0.5", "1.306"},
        {"3.929752", "902699", "0.022226", "58.330764", "79.300218", "粗糙区:λ误差为0.000043^-6"}, Zone::Rough},
    {"smooth", {"10", "50", "0.001", "1.306"},
        {"1.414711", "54161", "0.020527", "41.891297", "0.054871", "光滑区：λ误差为-0.195811^-6"}, Zone::Smooth},
    // No law fits its zone: V and Re are real, but no λ-based result is shown.
    {"iteration_failure", {"3.2", "50", "2", "1.306"}, {"0.452707", "17331", "", "", "", "迭代失败"}, Zone::Failed},
    {"smallest_accepted_flow", {"0.000001", "50", "0.2", "1.306"},
        {"0.000000", "0", "11816.409603", "0.000000", "非紊流区", "层流区"}, Zone::Laminar},
    {"smallest_accepted_viscosity", {"10", "50", "0.2", "0.000001"},
        {"1.414711", "70735530343", "0.027664", "56.455560", "16638204.242177", "粗糙区:λ误差为-0.000278^-6"},
        Zone::Rough},
    // Exactly 2000 is critical and exactly 4000 still critical, not turbulent.
    {"reynolds_exactly_2000", {"0.36926280008100015", "50", "0.2", "1.306"},
        {"0.052240", "2000", "0.031498", "0.087650", "非紊流区", "临界区"}, Zone::Critical},
    {"reynolds_exactly_4000", {"0.73852560016200031", "50", "0.2", "1.306"},
        {"0.104480", "4000", "0.039685", "0.441730", "非紊流区", "临界区"}, Zone::Critical},
    // Leading spaces, trailing letters and exponents are read as atof reads them.
    {"lenient_number_texts", {" 1e1", "50mm", "  0.2 ", "1.306abc"},
        {"1.414711", "54161", "0.030320", "61.875887", "13.337383", "过渡区：λ误差为-0.029784^-6"}, Zone::Transition},
    // Chinese input methods type full-width digits and "。" for the point.
    {"full_width_forms", {"１０。０", "５０", "０．２", "１．３０６"},
        {"1.414711", "54161", "0.030320", "61.875887", "13.337383", "过渡区：λ误差为-0.029784^-6"}, Zone::Transition},
    // A bore of 1e200 mm: the velocity underflows to 0, λ = 64/0.
    {"results_not_finite", {"10", "1e200", "0.2", "1.306"}, {"0.000000", "0", "inf", "nan", "非紊流区", "层流区"},
        Zone::Laminar, false},
};

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

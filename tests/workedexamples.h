#pragma once

// The calculations every front end must show digit for digit: the inputs as
// typed and the six result texts. Shared by the core's tests and the tests of
// both dialogs.
#include "calc/calculationoutcome.h"

namespace vendrel::examples {

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

inline constexpr Example kWorkedExamples[] = {
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
    {"full_width_forms", {"10。5", "５０", "０．２", "１．３０６"},
        {"1.485446", "56870", "0.030235", "68.028569", "13.984778", "过渡区：λ误差为0.003055^-6"}, Zone::Transition},
    // A bore of 1e200 mm: the velocity underflows to 0, λ = 64/0.
    {"results_not_finite", {"10", "1e200", "0.2", "1.306"}, {"0.000000", "0", "inf", "nan", "非紊流区", "层流区"},
        Zone::Laminar, false},
};

} // namespace vendrel::examples

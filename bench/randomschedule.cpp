#include "bench/randomschedule.h"

#include <cmath>
#include <random>

namespace vendrel::bench {

std::vector<ScheduleRow> RandomSchedule(std::size_t rows)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> logFlow(-2.0, 3.5); // 0.01 to 3000 m³/h
    std::uniform_int_distribution<int> diameter(10, 600);
    std::uniform_int_distribution<int> roughness(1, 3000); // 0.001 to 3 mm
    std::uniform_int_distribution<int> percent(0, 99);
    std::vector<ScheduleRow> schedule;
    schedule.reserve(rows);
    char text[32];
    for (std::size_t i = 0; i < rows; ++i) {
        ScheduleRow row;
        std::snprintf(text, sizeof text, "%.4g", std::pow(10.0, logFlow(random)));
        row.flow = percent(random) == 0 ? "" : text; // about 1 % left empty
        row.diameter = std::to_string(diameter(random));
        std::snprintf(text, sizeof text, "%.3f", roughness(random) / 1000.0);
        row.roughness = text;
        row.viscosity = percent(random) < 50 ? "1.306" : "0.658";
        schedule.push_back(std::move(row));
    }
    return schedule;
}

namespace {

constexpr char kHeader[] = "flow,diameter,roughness,viscosity\n";
constexpr double kPi = 3.141592653589793;

// The flow in m³/h that gives velocity V m/s in a bore of D mm.
double FlowFor(double velocity, double diameter)
{
    const double bore = diameter * 0.001;
    return velocity * kPi / 4 * bore * bore * 3600;
}

class WideRows {
public:
    explicit WideRows(std::uint64_t seed)
        : m_random(seed)
    { }

    void Write(std::FILE* out)
    {
        const double viscosity = Uniform(0.1, 2);
        double flow, diameter, roughness;
        switch (m_random() % 8) {
        case 0: // Re just below, at or above a zone's limit
        case 1: {
            diameter = Decades(0, 3.5);
            roughness = Decades(-6, 1);
            const double re = (m_random() % 2 == 0 ? 2000 : 4000) * (1 + Nudge());
            flow = FlowFor(re * viscosity * 1e-6 / (diameter * 0.001), diameter);
            break;
        }
        case 2: // the rough law's Re* about 60, where rough and transition meet
        case 3: {
            diameter = Decades(0, 3.5);
            roughness = diameter * Decades(-6, -0.3);
            const double lambda = 0.11 * std::sqrt(std::sqrt(roughness / diameter));
            const double velocity = 60 * (1 + Nudge()) * viscosity * 1e-6 / (std::sqrt(lambda / 8) * roughness * 0.001);
            flow = FlowFor(velocity, diameter);
            break;
        }
        case 4: // anything the inputs accept, and a little below
        case 5:
            flow = Decades(-6.3, 7);
            diameter = Decades(-6.3, 5);
            roughness = Decades(-6.3, 1);
            break;
        default: // real pipes
            flow = Decades(-2, 3.5);
            diameter = Uniform(6, 1200);
            roughness = Decades(-3, 0.5);
            break;
        }
        // One statement each: the digits drawn in a fixed order.
        const std::string flowText = Text(flow);
        const std::string diameterText = Text(diameter);
        const std::string roughnessText = Text(roughness);
        const std::string viscosityText = Text(viscosity);
        std::fprintf(
            out, "%s,%s,%s,%s\n", flowText.c_str(), diameterText.c_str(), roughnessText.c_str(), viscosityText.c_str());
    }

private:
    double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }
    double Decades(double low, double high) { return std::pow(10.0, Uniform(low, high)); }
    // A relative step of any size from 1e-15 to 1e-2, either way, or none.
    double Nudge()
    {
        const double step = m_random() % 8 == 0 ? 0 : Decades(-15, -2);
        return m_random() % 2 == 0 ? step : -step;
    }
    // As typed: 1 to 17 significant digits.
    std::string Text(double value)
    {
        char text[40];
        std::snprintf(text, sizeof text, "%.*g", static_cast<int>(1 + m_random() % 17), value);
        return text;
    }

    std::mt19937_64 m_random;
};

} // namespace

void WriteWideScheduleCsv(std::size_t rows, std::uint64_t seed, std::FILE* out)
{
    std::fputs(kHeader, out);
    WideRows wide(seed);
    for (std::size_t i = 0; i < rows; ++i)
        wide.Write(out);
}

void WriteScheduleCsv(const std::vector<ScheduleRow>& rows, std::FILE* out)
{
    std::fputs(kHeader, out);
    for (const ScheduleRow& row : rows)
        std::fprintf(
            out, "%s,%s,%s,%s\n", row.flow.c_str(), row.diameter.c_str(), row.roughness.c_str(), row.viscosity.c_str());
}

} // namespace vendrel::bench

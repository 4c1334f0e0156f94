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

void WriteScheduleCsv(const std::vector<ScheduleRow>& rows, std::FILE* out)
{
    std::fputs("flow,diameter,roughness,viscosity\n", out);
    for (const ScheduleRow& row : rows)
        std::fprintf(
            out, "%s,%s,%s,%s\n", row.flow.c_str(), row.diameter.c_str(), row.roughness.c_str(), row.viscosity.c_str());
}

} // namespace vendrel::bench

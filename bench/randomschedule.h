#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace vendrel::bench {

struct ScheduleRow {
    std::string flow;
    std::string diameter;
    std::string roughness;
    std::string viscosity;
};

// A reproducible pipe schedule spanning every regime, with a few invalid rows,
// so the command-line and in-process measurements see the same work.
std::vector<ScheduleRow> RandomSchedule(std::size_t rows);

// Writes the schedule as CSV with a flow,diameter,roughness,viscosity header.
void WriteScheduleCsv(const std::vector<ScheduleRow>& rows, std::FILE* out);

} // namespace vendrel::bench

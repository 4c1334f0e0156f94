#pragma once

#include <cstdint>
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

// Writes, in the same CSV form, rows beyond any real pipe as well: flows and
// bores of every magnitude, roughness 1e-6 to 10 mm, viscosity 0.1 to 2, and
// rows crowded about Re 2000 and 4000 and about the rough law's Re* = 60, where
// a last bit of the maths decides the zone. For comparing the maths with a
// reference; streamed, as millions of rows are wanted.
void WriteWideScheduleCsv(std::size_t rows, std::uint64_t seed, std::FILE* out);

} // namespace vendrel::bench

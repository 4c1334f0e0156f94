// Writes the benchmark's random pipe schedule as CSV, for timing vendrel-calc:
//   vendrel_make_schedule [ROWS]
// or, with --wide, rows of every magnitude for comparing the maths:
//   vendrel_make_schedule --wide ROWS SEED
#include "bench/randomschedule.h"

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--wide") == 0) {
        vendrel::bench::WriteWideScheduleCsv(
            static_cast<std::size_t>(std::strtol(argv[2], nullptr, 10)), std::strtoull(argv[3], nullptr, 10), stdout);
        return 0;
    }
    const long rows = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    vendrel::bench::WriteScheduleCsv(vendrel::bench::RandomSchedule(static_cast<std::size_t>(rows)), stdout);
}

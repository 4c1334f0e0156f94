// Writes the benchmark's random pipe schedule as CSV, for timing vendrel-calc.
#include "bench/randomschedule.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    const long rows = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    vendrel::bench::WriteScheduleCsv(vendrel::bench::RandomSchedule(static_cast<std::size_t>(rows)), stdout);
}
